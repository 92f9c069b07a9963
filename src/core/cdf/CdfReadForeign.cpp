// What no record takes: foreign attributes, foreign elements with all they
// hold, comments and other markup, kept with the record of the element they
// stand in so that the writer can put them back.

#include <string>
#include <string_view>
#include <vector>

#include "cdf/ByteScanner.h"
#include "cdf/CdfReadPass.h"
#include "channel/Channel.h"
#include "text/SjisText.h"

namespace fw {

using namespace std::string_view_literals;

namespace {

// Reading again what a foreign element that was never closed seemed to
// hold is allowed for about as many bytes as the file has; past that, every
// foreign element is taken as empty at once, so a load stays linear.
constexpr std::size_t kReadAgainAllowance = 1024 * 1024;

bool IsBlank(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& byte : upper) {
        if (byte >= 'a' && byte <= 'z')
            byte = static_cast<char>(byte - 'a' + 'A');
    }
    return upper;
}

void AppendText(std::vector<KeptToken>& tokens, std::string_view raw, KeptPart part)
{
    if (raw.empty())
        return;
    if (tokens.empty() || tokens.back().kind != KeptToken::Kind::Text)
        tokens.push_back({part, KeptToken::Kind::Text, {}, {}});
    AppendWithoutCrLf(tokens.back().text, raw);
}

}  // namespace

std::string KeptName(std::string_view name)
{
    std::string kept;
    AppendWithoutCrLf(kept, TrimAttrName(name));
    return kept;
}

CdfReadPass::KeptTarget CdfReadPass::CurrentOwner()
{
    if (SitemapNode* page = m_inItem ? CurrentPageNode() : nullptr)
        return {&page->m_kept, m_inUsage ? KeptPart::Usage : KeptPart::Self};
    if (m_inSchedule && Depth() == 1)
        return {&m_channel.schedule.m_kept, KeptPart::Self};
    if (Depth() == 1)
        return {&m_channel.head.m_kept, KeptPart::Self};
    if (Depth() > 1)
        return {&InnermostChannel()->Node().m_kept, KeptPart::Self};
    return {&m_channel.head.m_kept, m_channelSeen ? KeptPart::Epilog : KeptPart::Prolog};
}

std::string_view CdfReadPass::OwnerElementName()
{
    if (m_inItem && CurrentPageNode() != nullptr)
        return m_inUsage ? "USAGE" : "ITEM";
    if (m_inSchedule && Depth() == 1)
        return "SCHEDULE";
    return Depth() >= 1 ? "CHANNEL" : "";
}

void CdfReadPass::TellKeptMarkup(std::size_t tagStart)
{
    if (m_observer == nullptr)
        return;
    m_element = OwnerElementName();
    const std::string_view text = m_input.Rest();  // from the markup's '<' on
    std::string_view name;
    if (text.starts_with("<!--"))
        name = "<!-- -->";
    else if (text.starts_with("<![CDATA["))
        name = "<![CDATA[";
    else
        name = text.substr(0, std::min(text.size(), text.find_first_of(" \t\r\n>[", 2)));
    Tell(CdfReadAction::Kept, tagStart, name, false);
}

CdfReadPass::KeptTarget CdfReadPass::ElementTextOwner()
{
    if (SitemapNode* page = m_inItem ? CurrentPageNode() : nullptr)
        return {&page->m_kept, KeptPart::Self};
    if (m_inItem || Depth() == 0)
        return {nullptr, KeptPart::Self};
    if (Depth() == 1)
        return {&m_channel.head.m_kept, KeptPart::Self};
    return {&InnermostChannel()->Node().m_kept, KeptPart::Self};
}

void CdfReadPass::KeepAttribute(Kept& kept, KeptPart part, bool shadow)
{
    kept.Make().attributes.push_back({part, shadow, KeptName(m_attrName), std::string(m_value)});
    if (!shadow && m_observer != nullptr) {
        const std::string_view name = TrimAttrName(m_attrName);
        Tell(CdfReadAction::Kept, m_input.OffsetOf(name.data()), name, true);
    }
}

bool CdfReadPass::ReadForeignStartTag(int stop, std::vector<KeptToken>& tokens, KeptPart part)
{
    std::string_view name = m_tagName;
    bool empty = stop == 0;
    if (stop == 1 && !name.empty() && name.back() == '/') {
        name.remove_suffix(1);
        empty = true;
    }
    tokens.push_back({part, KeptToken::Kind::Open, std::string(name), {}});
    if (stop == 2) {
        m_listOpen = true;
        m_selfClosed = false;
        while (NextAttribute())
            tokens.back().attributes.emplace_back(KeptName(m_attrName), std::string(m_value));
        empty = m_selfClosed;
        m_listOpen = false;
    }
    if (empty)
        tokens.back().kind = KeptToken::Kind::Empty;
    return empty;
}

std::size_t CdfReadPass::FindAhead(std::string_view pattern)
{
    const std::size_t from = m_input.Consumed();
    const auto known = m_notFoundFrom.find(pattern);
    if (known != m_notFoundFrom.end() && known->second <= from)
        return std::string_view::npos;
    const std::size_t at = m_input.Rest().find(pattern);
    if (at == std::string_view::npos) {
        m_notFoundFrom[pattern] = from;
        return at;
    }
    return at + pattern.size();
}

// A comment runs to its "-->", a CDATA section to its "]]>", a processing
// instruction to its "?>"; one whose end is missing, and any other "<!",
// end at the first '>' (or with the file).
void CdfReadPass::ReadMarkup(std::vector<KeptToken>& tokens, KeptPart part)
{
    const std::string_view rest = m_input.Rest();
    std::string_view ending = ">"sv;
    std::size_t skip = 1;
    if (rest.starts_with("<!--"))
        ending = "-->"sv, skip = 4;
    else if (rest.starts_with("<![CDATA["))
        ending = "]]>"sv, skip = 9;
    else if (rest.starts_with("<?"))
        ending = "?>"sv, skip = 2;
    m_input.Advance(skip);
    std::size_t end = FindAhead(ending);
    if (end == std::string_view::npos && ending != ">"sv)
        end = FindAhead(">"sv);
    end = end == std::string_view::npos ? rest.size() : skip + end;
    m_input.SeekTo(m_input.Consumed() - skip + end);
    tokens.push_back({part, KeptToken::Kind::Markup, {}, {}});
    AppendWithoutCrLf(tokens.back().text, rest.substr(0, end));
}

bool CdfReadPass::ClosesKnownOpenElement(std::string_view upperName) const
{
    return (upperName == "CHANNEL" && Depth() > 0) || (upperName == "ITEM" && m_inItem) ||
        (upperName == "SCHEDULE" && m_inSchedule) || (upperName == "USAGE" && m_inUsage);
}

void CdfReadPass::KeepForeignElement(std::size_t tagStart, int stop)
{
    const KeptTarget target = CurrentOwner();
    if (m_observer != nullptr) {
        std::string_view name = m_tagName;
        if (stop == 1 && name.ends_with('/'))
            name.remove_suffix(1);
        m_element = OwnerElementName();
        Tell(CdfReadAction::Kept, tagStart, name, false);
    }
    std::vector<KeptToken>& tokens = m_foreign;
    tokens.clear();
    const bool empty = ReadForeignStartTag(stop, tokens, target.part);
    if (!empty && !m_noLookahead && !m_emptyAt.contains(tagStart)) {
        const std::size_t afterStart = m_input.Consumed();
        if (CaptureUntilClosed(tokens, tagStart)) {
            Commit(target, tokens);
            return;
        }
        // Not closed before the element around it: kept empty, and what
        // followed its start tag is read as if it were not there.
        m_readAgain += m_input.Consumed() - afterStart;
        if (m_readAgain > m_input.Size() + kReadAgainAllowance)
            m_noLookahead = true;
        tokens.resize(1);
        m_input.SeekTo(afterStart);
    }
    tokens.front().kind = KeptToken::Kind::Empty;
    Commit(target, tokens);
}

// Reads on to the end tag of the element whose start tag is tokens[0]. An
// end tag of an element further out closes the ones inside it, which are
// then kept as empty elements; a stray end tag is dropped. It fails (false)
// at the end of an element a record stands for (a CHANNEL, ITEM, SCHEDULE
// or USAGE that was open before), at an ITEM or CHANNEL start tag, which
// always belong to the site map, and at the end of the input; every element
// still open then is read again as empty.
bool CdfReadPass::CaptureUntilClosed(std::vector<KeptToken>& tokens, std::size_t firstTagStart)
{
    struct OpenElement {
        std::size_t token;
        std::size_t tagStart;
        std::string upperName;
    };
    const KeptPart part = tokens.front().part;
    std::vector<OpenElement> open{{0, firstTagStart, UpperAscii(tokens.front().text)}};
    std::unordered_map<std::string, std::size_t> openCount{{open.front().upperName, 1}};
    const auto fail = [&] {
        for (const OpenElement& element : open)
            m_emptyAt.insert(element.tagStart);
        return false;
    };

    for (;;) {
        std::string_view rest = m_input.Rest();
        const std::size_t lt = rest.find('<');
        AppendText(tokens, rest.substr(0, lt), part);
        if (lt == std::string_view::npos) {
            m_input.Advance(rest.size());
            return fail();
        }
        m_input.Advance(lt);
        const std::size_t tagStart = m_input.Consumed();
        rest = m_input.Rest();
        const char next = rest.size() > 1 ? rest[1] : '\0';
        if (next == '/') {
            const std::size_t gt = rest.find('>');
            if (gt == std::string_view::npos)
                return fail();
            const std::string upper = UpperAscii(TrimBlanks(rest.substr(2, gt - 2)));
            const auto counted = openCount.find(upper);
            if (counted != openCount.end() && counted->second > 0) {
                m_input.Advance(gt + 1);
                for (;;) {
                    OpenElement element = std::move(open.back());
                    open.pop_back();
                    --openCount[element.upperName];
                    if (element.upperName == upper) {
                        tokens.push_back({part, KeptToken::Kind::Close, tokens[element.token].text, {}});
                        break;
                    }
                    tokens[element.token].kind = KeptToken::Kind::Empty;
                }
                if (open.empty())
                    return true;
                continue;
            }
            if (ClosesKnownOpenElement(upper))
                return fail();
            m_input.Advance(gt + 1);  // a stray end tag
            // The texts on either side stay apart: joined, a '<' before it
            // and a name after it would read back as a start tag.
            if (!tokens.empty() && tokens.back().kind == KeptToken::Kind::Text && !tokens.back().text.empty())
                tokens.push_back({part, KeptToken::Kind::Text, {}, {}});
            continue;
        }
        if (next == '!' || next == '?') {
            ReadMarkup(tokens, part);
            continue;
        }
        if (!IsNameStart(next)) {
            AppendText(tokens, "<", part);
            m_input.Advance(1);
            continue;
        }
        m_input.Advance(1);
        const int stop = ReadTagName();
        const std::string upper = UpperAscii(m_tagName);
        if (stop == 0 || upper == "ITEM" || upper == "CHANNEL" || upper == "ITEM/" || upper == "CHANNEL/")
            return fail();
        if (!ReadForeignStartTag(stop, tokens, part)) {
            open.push_back({tokens.size() - 1, tagStart, UpperAscii(tokens.back().text)});
            ++openCount[open.back().upperName];
        }
    }
}

// A text that is all an element holds is kept exactly; texts beside
// elements or markup lose the blanks and line breaks around them, which
// the writer's layout gives back.
void CdfReadPass::Commit(const KeptTarget& target, std::vector<KeptToken>& tokens)
{
    std::vector<KeptToken>& children = target.kept->Make().children;
    const std::size_t count = tokens.size();
    for (std::size_t i = 0; i < count; ++i) {
        KeptToken& token = tokens[i];
        if (token.kind == KeptToken::Kind::Text) {
            const bool alone = i > 0 && tokens[i - 1].kind == KeptToken::Kind::Open && i + 1 < count &&
                tokens[i + 1].kind == KeptToken::Kind::Close;
            if (!alone) {
                const std::string_view trimmed = TrimBlanks(token.text);
                if (trimmed.empty())
                    continue;
                token.text = std::string(trimmed);
            }
        }
        token.part = target.part;
        children.push_back(std::move(token));
    }
    tokens.clear();
}

}  // namespace fw
