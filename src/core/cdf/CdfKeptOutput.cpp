#include "cdf/CdfKeptOutput.h"

#include <algorithm>

#include "cdf/CdfTextOutput.h"
#include "text/SjisText.h"

namespace fw {

namespace {

// Deeper levels of kept content are not indented further, so the output of
// a deeply nested element stays linear in its size.
constexpr std::size_t kDeepestIndentedLevel = 32;

void PutValue(CdfTextOutput& out, std::string_view value)
{
    out.PutEscaped(value, '"', "&quot;");
}

// '<', the name and the attributes, without the closing '>' or "/>". A name
// ending in '/' is followed by a blank, so that it is not read back as an
// empty element's.
void PutStartTag(CdfTextOutput& out, const KeptToken& token)
{
    out.Put("<");
    out.Put(token.text);
    if (!token.text.empty() && token.text.back() == '/' && token.attributes.empty())
        out.Put(" ");
    for (const auto& [name, value] : token.attributes) {
        out.Put(" ");
        out.Put(name);
        out.Put("=\"");
        PutValue(out, value);
        out.Put("\"");
    }
}

// Markup whose end the reader did not find is written with that end, so
// that it reads back as the same piece, whatever follows it.
void PutMarkup(CdfTextOutput& out, std::string_view markup)
{
    out.Put(markup);
    if (markup.starts_with("<!--")) {
        if (markup.size() < 7 || !markup.ends_with("-->"))
            out.Put("-->");
    } else if (markup.starts_with("<![CDATA[")) {
        if (markup.size() < 12 || !markup.ends_with("]]>"))
            out.Put("]]>");
    } else if (markup.starts_with("<?")) {
        if (markup.size() < 4 || !markup.ends_with("?>"))
            out.Put("?>");
    } else if (!markup.ends_with(">")) {
        out.Put(">");
    }
}

}  // namespace

bool HasKeptAttributes(const Kept& kept, KeptPart part)
{
    const KeptContent* content = kept.Get();
    return content != nullptr &&
        std::any_of(content->attributes.begin(), content->attributes.end(),
                    [part](const KeptAttribute& a) { return a.part == part && !a.shadow; });
}

bool HasKeptChildren(const Kept& kept, KeptPart part)
{
    const KeptContent* content = kept.Get();
    return content != nullptr &&
        std::any_of(content->children.begin(), content->children.end(),
                    [part](const KeptToken& t) { return t.part == part; });
}

const std::string* KeptShadow(const Kept& kept, KeptPart part, std::string_view name)
{
    const KeptContent* content = kept.Get();
    if (content == nullptr)
        return nullptr;
    for (const KeptAttribute& attribute : content->attributes) {
        if (attribute.shadow && attribute.part == part && EqualsAsciiNoCase(attribute.name, name))
            return &attribute.value;
    }
    return nullptr;
}

void PutKeptAttributes(CdfTextOutput& out, const Kept& kept, KeptPart part, std::string_view separator,
                       std::initializer_list<std::string_view> written)
{
    const KeptContent* content = kept.Get();
    if (content == nullptr)
        return;
    for (const KeptAttribute& attribute : content->attributes) {
        if (attribute.part != part || attribute.shadow)
            continue;
        if (std::any_of(written.begin(), written.end(),
                        [&](std::string_view name) { return EqualsAsciiNoCase(name, attribute.name); }))
            continue;
        out.Put(separator);
        out.Put(attribute.name);
        out.Put("=\"");
        PutValue(out, attribute.value);
        out.Put("\"");
    }
}

void PutKeptChildren(CdfTextOutput& out, const Kept& kept, KeptPart part, std::size_t indent)
{
    const KeptContent* content = kept.Get();
    if (content == nullptr)
        return;
    // The tokens of one part, in order; each element's tokens share its part.
    std::vector<const KeptToken*> tokens;
    for (const KeptToken& token : content->children) {
        if (token.part == part)
            tokens.push_back(&token);
    }
    const auto kindAt = [&](std::size_t i) { return i < tokens.size() ? tokens[i]->kind : KeptToken::Kind::Empty; };
    std::size_t depth = 0;
    const auto putIndent = [&] { out.PutBlanks(indent + 2 * std::min(depth, kDeepestIndentedLevel)); };
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const KeptToken& token = *tokens[i];
        switch (token.kind) {
        case KeptToken::Kind::Open:
            putIndent();
            PutStartTag(out, token);
            out.Put(">");
            if (kindAt(i + 1) == KeptToken::Kind::Close) {
                ++i;
            } else if (kindAt(i + 1) == KeptToken::Kind::Text && kindAt(i + 2) == KeptToken::Kind::Close) {
                out.Put(tokens[i + 1]->text);
                i += 2;
            } else {
                out.Put("\n");
                ++depth;
                break;
            }
            out.Put("</");
            out.Put(token.text);
            out.Put(">\n");
            break;
        case KeptToken::Kind::Close:
            if (depth > 0)
                --depth;
            putIndent();
            out.Put("</");
            out.Put(token.text);
            out.Put(">\n");
            break;
        case KeptToken::Kind::Empty:
            putIndent();
            PutStartTag(out, token);
            out.Put("/>\n");
            break;
        case KeptToken::Kind::Text:
            putIndent();
            out.Put(token.text);
            out.Put("\n");
            break;
        case KeptToken::Kind::Markup:
            putIndent();
            PutMarkup(out, token.text);
            out.Put("\n");
            break;
        }
    }
}

}  // namespace fw
