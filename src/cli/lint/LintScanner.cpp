#include "lint/LintScanner.h"

#include <algorithm>

#include "text/SjisText.h"

namespace fw::cli::lint {

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':';
}

// What ends a tag or attribute name.
bool EndsName(char c)
{
    return IsSpace(c) || c == '>' || c == '<' || c == '/' || c == '=';
}

}  // namespace

int Scanner::LineOf(const char* from, int fromLine, const char* at)
{
    return fromLine + static_cast<int>(std::count(from, at, '\n'));
}

void Scanner::MoveTo(std::size_t pos)
{
    pos = std::min(pos, m_text.size());
    m_line = LineOf(m_text.data() + m_pos, m_line, m_text.data() + pos);
    m_pos = pos;
}

// A '<' that opens a tag, a comment, a declaration or CDATA; any other '<'
// is a bare one inside text.
bool Scanner::IsMarkupAt(std::size_t pos) const
{
    if (pos + 1 >= m_text.size())
        return false;
    const char next = m_text[pos + 1];
    return next == '!' || next == '?' || next == '/' || IsNameStart(next);
}

bool Scanner::Next(Token& token)
{
    token = Token{};
    while (m_pos < m_text.size()) {
        token.line = m_line;
        if (m_text[m_pos] != '<' || !IsMarkupAt(m_pos)) {
            std::size_t end = m_pos + 1;
            for (;;) {
                end = m_text.find('<', end);
                if (end == std::string_view::npos || IsMarkupAt(end))
                    break;
                ++end;
            }
            token.kind = TokenKind::Text;
            token.text = m_text.substr(m_pos, end == std::string_view::npos ? std::string_view::npos : end - m_pos);
            MoveTo(end == std::string_view::npos ? m_text.size() : end);
            return true;
        }
        const std::string_view rest = m_text.substr(m_pos);
        if (rest.substr(0, 4) == "<!--") {
            const std::size_t end = m_text.find("-->", m_pos + 4);
            MoveTo(end == std::string_view::npos ? m_text.size() : end + 3);
            continue;
        }
        if (rest.substr(0, 9) == "<![CDATA[") {
            const std::size_t end = m_text.find("]]>", m_pos + 9);
            token.kind = TokenKind::Text;
            token.cdata = true;
            token.unterminated = end == std::string_view::npos;
            token.text = m_text.substr(m_pos + 9, token.unterminated ? std::string_view::npos : end - m_pos - 9);
            MoveTo(token.unterminated ? m_text.size() : end + 3);
            return true;
        }
        if (rest[1] == '!' || rest[1] == '?') {
            const std::size_t end = m_text.find('>', m_pos);
            token.unterminated = end == std::string_view::npos;
            token.text = m_text.substr(m_pos + 1, token.unterminated ? std::string_view::npos : end - m_pos - 1);
            if (rest[1] == '!') {  // a document type or another declaration: nothing to check
                MoveTo(token.unterminated ? m_text.size() : end + 1);
                continue;
            }
            token.kind = TokenKind::Declaration;
            std::size_t nameEnd = 1;
            while (nameEnd < token.text.size() && !IsSpace(token.text[nameEnd]) && token.text[nameEnd] != '?')
                ++nameEnd;
            token.name = token.text.substr(0, nameEnd);
            MoveTo(token.unterminated ? m_text.size() : end + 1);
            return true;
        }
        if (rest[1] == '/')
            ReadEndTag(token);
        else
            ReadStartTag(token);
        return true;
    }
    return false;
}

void Scanner::ReadEndTag(Token& token)
{
    token.kind = TokenKind::EndTag;
    std::size_t p = m_pos + 2;
    const std::size_t nameStart = p;
    while (p < m_text.size() && !EndsName(m_text[p]))
        ++p;
    token.name = m_text.substr(nameStart, p - nameStart);
    // Up to its '>', but never into the next tag when the '>' is missing.
    while (p < m_text.size() && m_text[p] != '>' && m_text[p] != '<')
        ++p;
    token.unterminated = p >= m_text.size() || m_text[p] == '<';
    MoveTo(p < m_text.size() && m_text[p] == '>' ? p + 1 : p);
}

void Scanner::ReadStartTag(Token& token)
{
    token.kind = TokenKind::StartTag;
    const std::size_t size = m_text.size();
    std::size_t p = m_pos + 1;
    const std::size_t nameStart = p;
    while (p < size && !EndsName(m_text[p]))
        ++p;
    token.name = m_text.substr(nameStart, p - nameStart);
    const char* lineFrom = m_text.data() + m_pos;
    int line = m_line;

    for (;;) {
        while (p < size && IsSpace(m_text[p]))
            ++p;
        if (p >= size || m_text[p] == '<') {
            token.unterminated = true;
            break;
        }
        if (m_text[p] == '>') {
            ++p;
            break;
        }
        if (m_text[p] == '/') {
            if (p + 1 < size && m_text[p + 1] == '>') {
                token.selfClosing = true;
                p += 2;
                break;
            }
            ++p;
            continue;
        }
        Attribute attribute;
        const std::size_t attrStart = p;
        while (p < size && !EndsName(m_text[p]))
            ++p;
        attribute.name = m_text.substr(attrStart, p - attrStart);
        line = LineOf(lineFrom, line, m_text.data() + attrStart);
        lineFrom = m_text.data() + attrStart;
        attribute.line = line;
        std::size_t q = p;
        while (q < size && IsSpace(m_text[q]))
            ++q;
        if (q < size && m_text[q] == '=') {
            attribute.hasValue = true;
            p = q + 1;
            while (p < size && IsSpace(m_text[p]))
                ++p;
            if (p < size && (m_text[p] == '"' || m_text[p] == '\'')) {
                const std::size_t close = m_text.find(m_text[p], p + 1);
                const std::size_t end = close == std::string_view::npos ? size : close;
                const std::string_view quoted = m_text.substr(p + 1, end - p - 1);
                const std::size_t lineBreak = quoted.find_first_of("\r\n");
                if (close != std::string_view::npos &&
                    (lineBreak == std::string_view::npos || quoted.find('<', lineBreak) == std::string_view::npos)) {
                    attribute.value = quoted;
                    p = close + 1;
                } else {
                    attribute.unclosed = true;
                    const std::string_view line = quoted.substr(0, lineBreak);
                    const std::size_t tagEnd = line.find('>');
                    attribute.value = line.substr(0, tagEnd);
                    token.attributes.push_back(attribute);
                    p += 1 + (tagEnd == std::string_view::npos ? line.size() : tagEnd + 1);
                    token.unterminated = tagEnd == std::string_view::npos && lineBreak == std::string_view::npos;
                    break;
                }
            } else {
                const std::size_t valueStart = p;
                while (p < size && !IsSpace(m_text[p]) && m_text[p] != '>' && m_text[p] != '<')
                    ++p;
                attribute.bare = p > valueStart;
                attribute.value = m_text.substr(valueStart, p - valueStart);
            }
        }
        token.attributes.push_back(attribute);
    }
    token.raw = m_text.substr(m_pos, p - m_pos);
    MoveTo(p);
}

// True when a tag of a channel's own elements opens between the two
// positions: a closing tag found beyond it belongs to a later element.
bool Scanner::OpensCdfElementBetween(std::size_t from, std::size_t to) const
{
    static constexpr std::string_view kNames[] = {"CHANNEL", "ITEM",  "TITLE",        "ABSTRACT",     "SCHEDULE",
                                                  "LOGO",    "USAGE", "INTERVALTIME", "EARLIESTTIME", "LATESTTIME"};
    for (std::size_t at = m_text.find('<', from); at < to; at = m_text.find('<', at + 1)) {
        std::size_t nameStart = at + 1;
        if (nameStart < m_text.size() && m_text[nameStart] == '/')
            ++nameStart;
        std::size_t nameEnd = nameStart;
        while (nameEnd < m_text.size() && !EndsName(m_text[nameEnd]))
            ++nameEnd;
        const std::string_view name = m_text.substr(nameStart, nameEnd - nameStart);
        for (const std::string_view known : kNames) {
            if (EqualsAsciiNoCase(name, known))
                return true;
        }
    }
    return false;
}

std::size_t Scanner::FindNoCase(std::string_view word, std::size_t from) const
{
    return FindAsciiNoCase(m_text, word, from);
}

// The next "</NAME" followed by white space or '>' at or after `from`.
std::size_t Scanner::FindClosingTag(std::string_view name, std::size_t from)
{
    CloseSearch& cache = name == "TITLE" ? m_titleClose : m_abstractClose;
    if (cache.valid && cache.searchedFrom <= from && (cache.foundAt == std::string_view::npos || cache.foundAt >= from))
        return cache.foundAt;
    std::size_t at = from;
    for (;;) {
        at = FindNoCase("</", at);
        if (at == std::string_view::npos)
            break;
        const std::size_t after = at + 2 + name.size();
        if (EqualsAsciiNoCase(m_text.substr(at + 2, name.size()), name) &&
            (after >= m_text.size() || m_text[after] == '>' || IsSpace(m_text[after])))
            break;
        at += 2;
    }
    cache = {from, at, true};
    return at;
}

ElementText Scanner::ReadElementText(std::string_view name)
{
    ElementText result;
    result.line = m_line;
    const std::size_t start = m_pos;
    const std::size_t less = m_text.find('<', start);
    if (less == std::string_view::npos) {
        result.text = m_text.substr(start);
        MoveTo(m_text.size());
        return result;
    }
    const std::size_t greater = m_text.find('>', less);
    const std::string_view tag = m_text.substr(less + 1, greater == std::string_view::npos ? 0 : greater - less - 1);
    if (greater == std::string_view::npos ||
        (tag.size() == name.size() + 1 && tag[0] == '/' && EqualsAsciiNoCase(tag.substr(1), name))) {
        // Closed as the reader wants it, or the file ends before the reader decides.
        result.text = m_text.substr(start, less - start);
        MoveTo(greater == std::string_view::npos ? m_text.size() : greater + 1);
        return result;
    }
    const std::size_t close = FindClosingTag(name, less);
    if (close == less) {
        result.spacedClose = m_text.data() + less;
        result.spacedCloseLine = LineOf(m_text.data() + start, m_line, m_text.data() + less);
    } else {
        result.firstLess = m_text.data() + less;
        result.firstLessLine = LineOf(m_text.data() + start, m_line, result.firstLess);
    }
    if (close == std::string_view::npos || OpensCdfElementBetween(less + 1, close)) {
        // No closing tag, or one that belongs to a later element: the text
        // ends at the '<' and scanning goes on from there.
        result.text = m_text.substr(start, less - start);
        MoveTo(less);
        return result;
    }
    result.text = m_text.substr(start, close - start);
    const std::size_t closeEnd = m_text.find('>', close);
    MoveTo(closeEnd == std::string_view::npos ? m_text.size() : closeEnd + 1);
    return result;
}

}  // namespace fw::cli::lint
