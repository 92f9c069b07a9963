#include "feeds/FeedText.h"

#include <libxml/HTMLparser.h>

#include <array>
#include <climits>
#include <memory>

#include "text/SjisText.h"

namespace fw::cli {

namespace {

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

bool IsOneOf(const xmlChar* name, std::string_view list)
{
    const std::string_view n(reinterpret_cast<const char*>(name));
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t end = list.find(' ', start);
        if (end == std::string_view::npos)
            end = list.size();
        if (EqualsAsciiNoCase(n, list.substr(start, end - start)))
            return true;
        start = end + 1;
    }
    return false;
}

// Elements whose content a reader does not see.
bool IsHidden(const xmlNode& node)
{
    return IsOneOf(node.name, "script style head template noscript");
}

// Elements that start a line of their own: a blank keeps their words apart.
bool IsBlock(const xmlNode& node)
{
    return IsOneOf(node.name,
                   "br p div li ul ol dl dt dd tr td th table h1 h2 h3 h4 h5 h6 blockquote pre hr "
                   "section article header footer figure figcaption img");
}

}  // namespace

std::string CollapseBlanks(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    bool blank = false;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F) {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

std::string HtmlToText(std::string_view html)
{
    if (html.find_first_of("<&") == std::string_view::npos)
        return CollapseBlanks(html);
    if (html.size() > INT_MAX)
        return std::string();
    // The fragment is wrapped so that text before any tag is a body's text.
    const std::string wrapped = "<html><body>" + std::string(html) + "</body></html>";
    const std::unique_ptr<xmlDoc, DocFree> doc(htmlReadMemory(
        wrapped.data(), static_cast<int>(wrapped.size()), nullptr, "UTF-8",
        HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NOBLANKS | HTML_PARSE_COMPACT));
    if (!doc)
        return std::string();
    std::string text;
    // Depth-first without recursion, through the tree's own links.
    xmlNode* node = xmlDocGetRootElement(doc.get());
    xmlNode* const top = node;
    while (node != nullptr) {
        bool descend = false;
        if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
            if (node->content != nullptr)
                text += reinterpret_cast<const char*>(node->content);
        } else if (node->type == XML_ELEMENT_NODE) {
            if (IsBlock(*node))
                text += ' ';
            descend = !IsHidden(*node) && node->children != nullptr;
        }
        if (descend) {
            node = node->children;
            continue;
        }
        while (node != top && node->next == nullptr) {
            node = node->parent;
            if (node->type == XML_ELEMENT_NODE && IsBlock(*node))
                text += ' ';
        }
        node = node == top ? nullptr : node->next;
    }
    return CollapseBlanks(text);
}

}  // namespace fw::cli
