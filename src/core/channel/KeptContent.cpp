#include "channel/KeptContent.h"

#include <algorithm>

namespace fw {

namespace {

// The first word of a piece of markup: "<!DOCTYPE", "<?xml-stylesheet".
std::string MarkupName(std::string_view markup)
{
    if (markup.starts_with("<!--"))
        return "<!-- -->";
    if (markup.starts_with("<![CDATA["))
        return "<![CDATA[";
    const std::size_t end = markup.find_first_of(" \t\r\n>[", 2);
    return std::string(markup.substr(0, end == std::string_view::npos ? markup.size() : end));
}

}  // namespace

std::vector<std::string> KeptNames(const Kept& kept)
{
    std::vector<std::string> names;
    const KeptContent* content = kept.Get();
    if (content == nullptr)
        return names;
    const auto add = [&names](std::string name) {
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(std::move(name));
    };
    for (const KeptAttribute& attribute : content->attributes) {
        if (!attribute.shadow)
            add(attribute.name);
    }
    int depth = 0;
    for (const KeptToken& token : content->children) {
        switch (token.kind) {
        case KeptToken::Kind::Open:
            if (depth++ == 0)
                add(token.text);
            break;
        case KeptToken::Kind::Close:
            --depth;
            break;
        case KeptToken::Kind::Empty:
            if (depth == 0)
                add(token.text);
            break;
        case KeptToken::Kind::Markup:
            if (depth == 0)
                add(MarkupName(token.text));
            break;
        case KeptToken::Kind::Text:
            break;
        }
    }
    return names;
}

}  // namespace fw
