// The pass over the file's tokens: channels, items, titles, usages, logos,
// values, and what Feedwright drops. The schedule is in ScheduleLint.cpp.

#include "lint/ChannelLint.h"

#include <algorithm>
#include <unordered_set>

#include "channel/Url.h"

#include "lint/LintPass.h"
#include "lint/PictureSize.h"
#include "sitemap/UsageWords.h"
#include "text/Cp932.h"
#include "text/References.h"
#include "text/SjisText.h"

namespace fw::cli::lint {

namespace {

// A file can hold a finding every few bytes; past this many the rest would
// only repeat them, and would cost memory for nothing.
constexpr std::size_t kMaxFindings = 100000;

constexpr std::string_view kKeptSuffix = " is kept as written; Feedwright does not edit it";

// A name from the file, as lint's lines are written: UTF-8, a line break in
// it as one LF, as Load keeps it.
std::string NameText(std::string_view cp932)
{
    std::string name;
    for (std::size_t at = 0; at < cp932.size(); ++at) {
        if (!(cp932[at] == '\r' && at + 1 < cp932.size() && cp932[at + 1] == '\n'))
            name += cp932[at];
    }
    return Cp932ToUtf8(name);
}

// A value Load read as another (see CdfReadAction::Changed).
std::string ChangedValueText(const LoadEvent& event, const std::string& name)
{
    const std::string said = name + " " + Quoted(event.value);
    if (name == "PRECACHE")
        return said + " becomes " + event.takenAs +
            " when Feedwright opens and saves this file: it reads only \"NO\" in capitals";
    return said + " of " + event.element + " becomes " + event.takenAs +
        " when Feedwright opens and saves this file: its schedule knows only 0, 1, 2, 3, 4, 6, 8 and 12 hours";
}

std::string Upper(std::string_view name)
{
    std::string upper(name);
    MakeUpperSjis(upper);
    return upper;
}

std::string Trimmed(std::string_view text)
{
    std::string trimmed(text);
    TrimSingleByteWhiteSpace(trimmed);
    return trimmed;
}

bool IsKnownUsage(std::string_view value)
{
    for (const UsageWord& entry : kUsageWords) {
        if (EqualsAsciiNoCase(value, entry.word))
            return true;
    }
    return false;
}

struct LogoStyle {
    std::string_view name;
    PictureSize size;
};
constexpr LogoStyle kLogoStyles[] = {{"ICON", {16, 16}}, {"IMAGE", {80, 32}}, {"IMAGE-WIDE", {194, 32}}};

const LogoStyle* FindLogoStyle(std::string_view upper)
{
    for (const LogoStyle& style : kLogoStyles) {
        if (upper == style.name)
            return &style;
    }
    return nullptr;
}

std::string SizeText(const PictureSize& size)
{
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

}  // namespace

std::string_view SeverityName(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    case Severity::Note:
        break;
    }
    return "note";
}

std::vector<Diagnostic> LintChannel(const LintInput& input)
{
    return LintPass(input).Run();
}

LintPass::LintPass(const LintInput& input)
    : m_input(input),
      m_scanner(input.text),
      m_loadStop(input.loadStatus == ReadStatus::ElementError && input.loadStoppedAt < input.text.size()
                     ? input.text.data() + input.loadStoppedAt
                     : nullptr)
{
}

std::vector<Diagnostic> LintPass::Run()
{
    Token token;
    while (!m_stopped && m_scanner.Next(token)) {
        switch (token.kind) {
        case TokenKind::Text:
            if (!token.cdata)
                CheckMarkup(token.text, token.text.data(), token.line, "in text");
            break;
        case TokenKind::Declaration:
            if (m_declarationLine == 0 && EqualsAsciiNoCase(token.name, "?xml"))
                m_declarationLine = token.line;
            break;
        case TokenKind::StartTag:
            StartTag(token);
            break;
        case TokenKind::EndTag:
            EndTag(token);
            break;
        }
    }
    while (!m_stopped && !m_stack.empty()) {
        const Open& open = m_stack.back();
        if (open.kind == Kind::Channel || open.kind == Kind::Item)
            Report(open.line, Severity::Warning,
                   open.name + " is not closed by the end of the file: strict XML readers refuse it; add </" +
                       open.name + ">");
        Pop();
    }
    if (!m_stopped && !m_sawTopChannel)
        Report(1, Severity::Warning, "no CHANNEL element: readers find no channel in this file");
    if (m_stopped)
        m_found.push_back(
            {m_stoppedLine, Severity::Note, "lint stopped here after " + std::to_string(kMaxFindings) + " findings"});
    ReportLoadEvents();
    ReportLoadStatus();
    std::stable_sort(m_found.begin(), m_found.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    return std::move(m_found);
}

void LintPass::Report(int line, Severity severity, std::string text, SaveChange change)
{
    if (m_stopped)
        return;
    if (m_found.size() >= kMaxFindings) {
        m_stopped = true;
        m_stoppedLine = line;
        return;
    }
    m_found.push_back({line, severity, std::move(text), change});
}

void LintPass::Saved(int line, std::string text, SaveChange change)
{
    Report(line, Severity::Note, std::move(text), change);
}

// A URL, or an item's title or abstract, as the writer writes it: blanks
// trimmed and one trailing "/" dropped.
void LintPass::NoteNormalisedText(const Attribute* attribute, std::string_view text, int line, const std::string& what)
{
    std::string written(text);
    NormalizeUrl(written);
    if (written != text)
        Saved(attribute != nullptr ? attribute->line : line,
              what + " " + Quoted(text) + " is saved as " + Quoted(written) +
                  ": Feedwright trims blanks and one trailing \"/\"");
}

// A bare '&' (or an entity XML does not know) and a bare '<' in text.
void LintPass::CheckMarkup(std::string_view text, const char* from, int fromLine, std::string_view where)
{
    const MarkupProblem ampersand = FindAmpersandProblem(text, where);
    if (ampersand.at != nullptr)
        Report(Scanner::LineOf(from, fromLine, ampersand.at), Severity::Warning, ampersand.message);
    const std::size_t less = text.find('<');
    if (less != std::string_view::npos)
        Report(Scanner::LineOf(from, fromLine, text.data() + less), Severity::Warning,
               "\"<\" " + std::string(where) + ": strict XML readers refuse it; write &lt;");
}

void LintPass::CheckAttributeValues(const Token& tag)
{
    for (const Attribute& attribute : tag.attributes) {
        if (attribute.unclosed)
            Report(attribute.line, Severity::Warning,
                   "the value of " + Upper(attribute.name) +
                       " is not closed: its closing quote is missing, so XML readers take the elements after it"
                       " into it");
        if (attribute.bare)
            Report(attribute.line, Severity::Warning,
                   "the value of " + Upper(attribute.name) + " has no quotes: strict XML readers refuse it");
        if (attribute.value.empty())
            continue;
        const std::string where = "in the value of " + Upper(attribute.name);
        const MarkupProblem ampersand = FindAmpersandProblem(attribute.value, where);
        if (ampersand.at != nullptr)
            Report(attribute.line, Severity::Warning, ampersand.message);
        if (attribute.value.find('<') != std::string_view::npos)
            Report(attribute.line, Severity::Warning, "\"<\" " + where + ": strict XML readers refuse it; write &lt;");
    }
}

void LintPass::StartTag(const Token& tag)
{
    const std::string name = Upper(tag.name);
    CheckAttributeValues(tag);
    if (name == "CHANNEL") {
        OpenChannel(tag);
    } else if (name == "ITEM") {
        OpenItem(tag);
    } else if (name == "TITLE" || name == "ABSTRACT") {
        ReadText(tag, name);
    } else if (name == "SCHEDULE") {
        OpenSchedule(tag);
    } else if (name == "INTERVALTIME" || name == "EARLIESTTIME" || name == "LATESTTIME") {
        ReadScheduleTime(tag, name);
    } else if (name == "USAGE") {
        ReadUsage(tag);
    } else if (name == "LOGO") {
        ReadLogo(tag);
    } else {
        if (!tag.selfClosing)
            Push(Open(Kind::Dropped, name, tag.line));
    }
}

// Closes the open elements down to the innermost one of the same name; an
// end tag with no such element open is ignored, as readers ignore it.
void LintPass::EndTag(const Token& tag)
{
    const std::string name = Upper(tag.name);
    const auto open = m_openCount.find(name);
    if (open == m_openCount.end() || open->second == 0)
        return;
    for (;;) {
        const bool last = m_stack.back().name == name;
        Pop();
        if (last)
            return;
    }
}

void LintPass::Push(Open open)
{
    ++m_openCount[open.name];
    switch (open.kind) {
    case Kind::Channel:
        ++m_channelDepth;
        m_contexts.push_back(m_stack.size());
        break;
    case Kind::Item:
        m_contexts.push_back(m_stack.size());
        break;
    case Kind::Dropped:
        ++m_droppedDepth;
        break;
    case Kind::Schedule:
    case Kind::Usage:
        break;
    }
    m_stack.push_back(std::move(open));
}

void LintPass::Pop()
{
    Open& open = m_stack.back();
    Close(open);
    --m_openCount[open.name];
    switch (open.kind) {
    case Kind::Channel:
        --m_channelDepth;
        m_contexts.pop_back();
        break;
    case Kind::Item:
        m_contexts.pop_back();
        break;
    case Kind::Dropped:
        --m_droppedDepth;
        break;
    case Kind::Schedule:
        CloseSchedule();
        break;
    case Kind::Usage:
        break;
    }
    m_stack.pop_back();
}

void LintPass::Close(Open& open)
{
    if (open.kind != Kind::Channel && open.kind != Kind::Item)
        return;
    if (!open.hasTitle && (open.hasHref || open.kind == Kind::Item))
        Report(open.line, Severity::Warning, open.name + " without a title: readers show its bare URL");
    else if (!open.hasTitle)
        Report(open.line, Severity::Warning,
               "CHANNEL without a title and without HREF: readers show it without a name");
    if (open.kind == Kind::Channel && open.topLevel && !open.hasHref)
        Report(open.line, Severity::Warning, "CHANNEL has no HREF: readers have no home page to open for it");
    if (!open.hasTitle)
        Saved(open.line,
              open.name + " without a title is saved with the title " +
                  (open.kind == Kind::Item ? "\"新規ページ\""
                       : open.topLevel     ? "\"タイトル\""
                                           : "\"新規チャンネル\""));
    if (open.kind == Kind::Channel && open.topLevel && !open.hasHref)
        Saved(open.line, "CHANNEL without HREF is saved with HREF=\"http://\"");
    if (open.kind == Kind::Channel && open.topLevel && !open.hasSelf)
        Saved(open.line, "CHANNEL without SELF is saved with SELF=\"http://\"");
    if (open.kind == Kind::Channel && open.topLevel)
        CheckTopLevelSchedule(open);
}

// Items do not nest: an ITEM or CHANNEL start tag ends an open item.
void LintPass::CloseOpenItems()
{
    while (!m_contexts.empty() && m_stack[m_contexts.back()].kind == Kind::Item) {
        const std::size_t item = m_contexts.back();
        Report(m_stack[item].line, Severity::Warning,
               "ITEM is not closed before the next ITEM or CHANNEL: strict XML readers refuse it; add </ITEM>");
        while (m_stack.size() > item)
            Pop();
    }
}

LintPass::Open* LintPass::InnermostContext()
{
    return m_contexts.empty() ? nullptr : &m_stack[m_contexts.back()];
}

LintPass::Open* LintPass::InnermostChannel()
{
    for (auto index = m_contexts.rbegin(); index != m_contexts.rend(); ++index) {
        if (m_stack[*index].kind == Kind::Channel)
            return &m_stack[*index];
    }
    return nullptr;
}

bool LintPass::InItem()
{
    const Open* context = InnermostContext();
    return context != nullptr && context->kind == Kind::Item;
}

void LintPass::OpenChannel(const Token& tag)
{
    CloseOpenItems();
    Open* parent = InnermostChannel();
    const bool top = parent == nullptr;
    m_sawTopChannel = true;
    bool hasHref = false;
    bool hasSelf = false;
    if (parent != nullptr && parent->sawPage)
        Saved(tag.line,
              "this sub-channel is saved before the pages of its channel, where Feedwright keeps sub-channels");
    for (const Attribute& attribute : tag.attributes) {
        const std::string name = Upper(attribute.name);
        if (name == "HREF") {
            hasHref = hasHref || !Trimmed(attribute.value).empty();
            CheckUrl(attribute, name);
            NoteDuplicateHref(attribute, parent);
        } else if ((name == "BASE" || name == "SELF") && !top) {
            // Kept as written; the reader tells so.
        } else if (name == "BASE") {
            CheckUrl(attribute, name);
            const std::string base = Trimmed(attribute.value);
            m_base = base;
            if (IsHostOnly(base))
                Report(attribute.line, Severity::Warning,
                       "BASE " + Quoted(attribute.value) + " is only a host: write " + Quoted(base + "/") +
                           ", the folder that relative URLs start from");
            else if (!IsBareHttp(base) && (base.empty() || base.back() != '/'))
                Report(attribute.line, Severity::Warning,
                       "BASE " + Quoted(attribute.value) +
                           " does not end in \"/\": readers resolve relative URLs against the folder above it");
        } else if (name == "SELF") {
            hasSelf = true;
            CheckUrl(attribute, name);
        } else if (name == "LEVEL" || name == "PRECACHE") {
            CheckLevelAndPrecache(attribute, name);
        } else if (name != "TITLE") {
            CheckLastmod(attribute, name);
        }
    }
    Push(Open(Kind::Channel, "CHANNEL", tag.line, top));
    m_stack.back().hasHref = hasHref;
    m_stack.back().hasSelf = hasSelf;
    if (tag.selfClosing)
        Pop();
}

void LintPass::OpenItem(const Token& tag)
{
    CloseOpenItems();
    Open* channel = InnermostChannel();
    bool hasHref = false;
    for (const Attribute& attribute : tag.attributes) {
        const std::string name = Upper(attribute.name);
        if (name == "HREF") {
            hasHref = hasHref || !Trimmed(attribute.value).empty();
            CheckUrl(attribute, name);
            CheckSitePage(attribute);
            NoteDuplicateHref(attribute, channel);
        } else if (name == "LEVEL" || name == "PRECACHE") {
            CheckLevelAndPrecache(attribute, name);
        } else if (name != "TITLE") {
            CheckLastmod(attribute, name);
        }
    }
    if (!hasHref)
        Report(tag.line, Severity::Warning, "ITEM without HREF: readers have no page to show");
    if (channel != nullptr)
        channel->sawPage = true;
    Push(Open(Kind::Item, "ITEM", tag.line));
    if (tag.selfClosing)
        Pop();
}

// TITLE and ABSTRACT, read as Feedwright's reader reads them.
void LintPass::ReadText(const Token& tag, const std::string& name)
{
    Open* context = InnermostContext();
    if (tag.selfClosing || tag.unterminated)
        return;

    const ElementText text = m_scanner.ReadElementText(name);
    const std::string where = "in " + name + " text";
    const MarkupProblem ampersand = FindAmpersandProblem(text.text, where);
    if (ampersand.at != nullptr)
        Report(Scanner::LineOf(text.text.data(), text.line, ampersand.at), Severity::Warning, ampersand.message);
    // Where Load stopped, if it stopped in this text, is an error; the same
    // '<' elsewhere is only what XML readers refuse.
    if (text.firstLess != nullptr) {
        const bool loadStops = text.firstLess == m_loadStop;
        Report(text.firstLessLine, loadStops ? Severity::Error : Severity::Warning,
               "\"<\" in " + name +
                   " text: " + (loadStops ? "Feedwright stops loading here (element error) and " : "") +
                   "XML readers take it for markup; write &lt;",
               loadStops ? SaveChange::Lost : SaveChange::None);
        m_loadStopPlaced = m_loadStopPlaced || loadStops;
    }
    if (text.spacedClose != nullptr) {
        const bool loadStops = text.spacedClose == m_loadStop;
        Report(text.spacedCloseLine, loadStops ? Severity::Error : Severity::Note,
               "the closing tag of " + name + " has blanks before its \">\"" +
                   (loadStops ? ": Feedwright stops loading here (element error)" : "") + "; write </" + name + ">",
               loadStops ? SaveChange::Lost : SaveChange::None);
        m_loadStopPlaced = m_loadStopPlaced || loadStops;
    }
    if (context != nullptr && name == "TITLE" && !Trimmed(text.text).empty())
        context->hasTitle = true;
    if (context != nullptr && !context->topLevel)
        NoteNormalisedText(nullptr, text.text, text.line, name);
}

void LintPass::ReadUsage(const Token& tag)
{
    for (const Attribute& attribute : tag.attributes) {
        const std::string name = Upper(attribute.name);
        if (name != "VALUE") {
            continue;
        }
        if (!IsKnownUsage(attribute.value))
            Report(attribute.line, Severity::Warning,
                   "USAGE VALUE " + Quoted(attribute.value) +
                       ": readers know only Channel, DesktopComponent, Email, NONE, ScreenSaver and SoftwareUpdate");
    }
    if (!tag.selfClosing)
        Push(Open(Kind::Usage, "USAGE", tag.line));
}

void LintPass::ReadLogo(const Token& tag)
{
    const Attribute* href = nullptr;
    const LogoStyle* style = nullptr;
    bool styleBeforeHref = false;
    for (const Attribute& attribute : tag.attributes) {
        const std::string name = Upper(attribute.name);
        if (name == "HREF") {
            href = &attribute;
            CheckUrl(attribute, name);
            continue;
        }
        if (name != "STYLE") {
            continue;
        }
        styleBeforeHref = styleBeforeHref || href == nullptr;
        const std::string value = Upper(attribute.value);
        style = FindLogoStyle(value);
        if (style == nullptr) {
            Report(attribute.line, Severity::Warning,
                   "LOGO STYLE " + Quoted(attribute.value) +
                       ": readers know only ICON (16x16), IMAGE (80x32) and IMAGE-WIDE (194x32)");
        }
    }
    if (href == nullptr || Trimmed(href->value).empty())
        Report(tag.line, Severity::Warning, "LOGO without HREF: readers have no picture to show");
    else if (styleBeforeHref && style != nullptr)
        Report(tag.line, Severity::Note, "LOGO with STYLE before HREF: Feedwright saves it with HREF first");
    if (href != nullptr && style != nullptr)
        CheckPictureSize(*href, std::string(style->name));
    Open* owner = InnermostContext();
    if (style != nullptr && style->name == "ICON" && owner != nullptr && ++owner->icons == 2)
        Report(tag.line, Severity::Warning,
               "a second ICON LOGO for the same " + owner->name + ": readers show only one");
}

// With a site folder: a page's link, relative or under BASE, must name a
// file or folder that the site holds.
void LintPass::CheckSitePage(const Attribute& href)
{
    if (!m_input.siteHas)
        return;
    std::string path = Trimmed(href.value);
    path = path.substr(0, path.find_first_of("?#"));
    if (!m_base.empty() && !IsBareHttp(m_base) && path.starts_with(m_base))
        path = path.substr(m_base.size());
    else if (path.empty() || UrlScheme(path) || path[0] == '/' || path[0] == '\\')
        return;
    const std::string utf8 = PercentDecoded(Cp932ToUtf8(path));
    if (("/" + utf8 + "/").find("/../") != std::string::npos || m_input.siteHas(utf8))
        return;
    Report(href.line, Severity::Warning, "HREF " + Quoted(href.value) + " names no page of the site folder");
}

// LASTMOD as the format's reference gives it: yyyy-mm-ddThh:mm.
void LintPass::CheckLastmod(const Attribute& attribute, const std::string& name)
{
    if (name != "LASTMOD")
        return;
    if (!IsLastmodForm(Trimmed(attribute.value)))
        Report(attribute.line, Severity::Warning,
               "LASTMOD " + Quoted(attribute.value) + " is not of the form yyyy-mm-ddThh:mm: readers ignore it");
}

// Only for a logo given as a relative path to a file that lies beside the
// .cdf (or below it); anything else may exist only on the server.
void LintPass::CheckPictureSize(const Attribute& href, const std::string& styleName)
{
    if (!m_input.readBeside)
        return;
    std::string path = Trimmed(href.value);
    path = path.substr(0, path.find_first_of("?#"));
    if (path.empty() || UrlScheme(path) || path[0] == '/' || path[0] == '\\')
        return;
    if (("/" + path + "/").find("/../") != std::string::npos)
        return;
    const std::optional<std::string> bytes = m_input.readBeside(Cp932ToUtf8(path));
    if (!bytes)
        return;
    const std::vector<PictureSize> sizes = PictureSizes(*bytes);
    const LogoStyle& style = *FindLogoStyle(styleName);
    if (IsAnimatedGif(*bytes))
        Report(href.line, Severity::Note,
               "LOGO " + Quoted(href.value) + " is an animated GIF: readers of the format show only its first picture");
    if (sizes.empty()) {
        Report(href.line, Severity::Note,
               "LOGO " + Quoted(href.value) + " is not a GIF, PNG, JPEG, BMP or ICO picture");
        return;
    }
    if (std::find(sizes.begin(), sizes.end(), style.size) != sizes.end())
        return;
    Report(href.line, Severity::Warning,
           "LOGO " + Quoted(href.value) +
               (sizes.size() == 1 ? " is " : " holds no picture of its size (the first is ") + SizeText(sizes.front()) +
               (sizes.size() == 1 ? "" : ")") + "; STYLE " + styleName + " wants " + SizeText(style.size));
}

void LintPass::CheckUrl(const Attribute& attribute, const std::string& name)
{
    if (name != "BASE")
        NoteNormalisedText(&attribute, attribute.value, attribute.line, name);
    if (IsBareHttp(attribute.value)) {
        Report(attribute.line, Severity::Warning,
               name + " is the bare \"http://\" of a new form: readers cannot open it");
        return;
    }
    // The scheme as a browser sees it: references decoded ("&#106;avascript:"),
    // tabs and line breaks removed ("java&#9;script:").
    std::string seen = DecodeReferences(attribute.value, ReferenceNames::Xml);
    std::erase_if(seen, [](char c) { return c == '\t' || c == '\n' || c == '\r'; });
    const std::optional<std::string_view> scheme = UrlScheme(seen);
    if (scheme && !IsFetchableScheme(*scheme))
        Report(attribute.line, Severity::Warning,
               name + " " + Quoted(attribute.value) + " uses the scheme " + Quoted(*scheme) +
                   ": readers fetch only http, https and ftp URLs");
}

void LintPass::CheckLevelAndPrecache(const Attribute& attribute, const std::string& name)
{
    const std::string_view value = attribute.value;
    if (name == "LEVEL") {
        if (!IsPlainNumber(value))
            Report(attribute.line, Severity::Warning,
                   "LEVEL " + Quoted(value) + " is not a number of levels (0 or more)");
        return;
    }
    if (!EqualsAsciiNoCase(value, "YES") && !EqualsAsciiNoCase(value, "NO"))
        Report(attribute.line, Severity::Warning, "PRECACHE " + Quoted(value) + ": readers know only YES and NO");
}

void LintPass::NoteDuplicateHref(const Attribute& href, Open* channel)
{
    if (channel == nullptr)
        return;
    std::string key(href.value);
    NormalizeUrl(key);
    if (key.empty() || IsBareHttp(key))
        return;
    const auto [entry, added] = channel->hrefs.emplace(key, href.line);
    if (!added)
        Report(href.line, Severity::Note,
               "HREF " + Quoted(key) + " appears already on line " + std::to_string(entry->second) +
                   " of this channel");
}

// What Load itself said it kept as written or took under another name, at
// the line of each piece.
void LintPass::ReportLoadEvents()
{
    std::vector<const LoadEvent*> events;
    std::unordered_set<std::size_t> keptAttributes;  // a TITLE attribute kept is not also the title
    for (const LoadEvent& event : m_input.loadEvents) {
        events.push_back(&event);
        if (event.action == CdfReadAction::Kept && event.attribute)
            keptAttributes.insert(event.offset);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const LoadEvent* a, const LoadEvent* b) { return a->offset < b->offset; });
    const char* const text = m_input.text.data();
    const char* counted = text;
    int line = 1;
    for (const LoadEvent* event : events) {
        const char* at = text + std::min(event->offset, m_input.text.size());
        line = Scanner::LineOf(counted, line, at);
        counted = at;
        const std::string name = NameText(event->attribute ? Upper(event->name) : event->name);
        switch (event->action) {
        case CdfReadAction::TakenAs:
            Report(line, Severity::Note,
                   name + " of " + event->element + " is taken as " + event->takenAs +
                       ": Feedwright matches attribute names by their parts, and saves it as " + event->takenAs,
                   SaveChange::Lost);
            break;
        case CdfReadAction::Changed:
            Report(line, Severity::Note, ChangedValueText(*event, name), SaveChange::Lost);
            break;
        case CdfReadAction::Unquoted:
            Report(line, Severity::Note,
                   "the value of " + name + " has no quotes: Feedwright reads it up to the next blank or \">\"");
            break;
        case CdfReadAction::QuoteMissing:
            Report(line, Severity::Note,
                   "the value of " + name + " is not closed: Feedwright ends it, and the tag, at the first \">\" of" +
                       " its line",
                   SaveChange::Lost);
            break;
        case CdfReadAction::TitleAttribute:
            if (!keptAttributes.contains(event->offset))
                Report(line, Severity::Note,
                       "TITLE given as an attribute of " + event->element +
                           ": Feedwright takes it as the title and saves it as a TITLE element; readers of the"
                           " format want the element");
            break;
        case CdfReadAction::Joined:
            Report(line, Severity::Note, "a second top-level CHANNEL: Feedwright reads it into the first one",
                   SaveChange::Lost);
            break;
        case CdfReadAction::Kept: {
            const std::string where = event->element.empty() ? "" : " of " + event->element;
            Report(line, Severity::Note,
                   (event->attribute ? name + where : name + (event->element.empty() ? "" : " in " + event->element)) +
                       std::string(kKeptSuffix));
            break;
        }
        }
    }
}

int LintPass::LineAt(std::size_t offset) const
{
    const char* const text = m_input.text.data();
    return Scanner::LineOf(text, 1, text + std::min(offset, m_input.text.size()));
}

void LintPass::ReportLoadStatus()
{
    // Always told, however many findings came before.
    const auto add = [this](int line, std::string text) {
        m_found.push_back({line, Severity::Error, std::move(text)});
    };
    switch (m_input.loadStatus) {
    case ReadStatus::ElementError:
        if (!m_loadStopPlaced) {
            add(LineAt(m_input.loadStoppedAt),
                "Feedwright stops loading this file here, at a TITLE or ABSTRACT not closed by its own tag"
                " (element error)");
            m_found.back().change = SaveChange::Lost;
        }
        break;
    case ReadStatus::Phase0:
        add(1,
            "no XML declaration: Feedwright loads the file but reports it as incomplete (phase 0);"
            " begin the file with <?XML VERSION=\"1.0\"?>");
        break;
    case ReadStatus::Phase1:
        add(m_declarationLine > 0 ? m_declarationLine : 1,
            "the XML declaration does not end with \"?>\": Feedwright reports the file as incomplete (phase 1)");
        break;
    case ReadStatus::Ok:
    case ReadStatus::CannotOpen:
    case ReadStatus::Cancelled:
        break;  // nothing here cancels a load
    }
}

}  // namespace fw::cli::lint
