#pragma once
// A forgiving tokenizer for lint: splits CP932 text into start tags (with
// their attributes), end tags, text, and declarations, with line numbers.
// It accepts anything (unclosed tags and quotes, stray '<', binary bytes),
// never looks back further than the current token, and so stays linear.

#include <cstddef>
#include <string_view>
#include <vector>

namespace fw::cli::lint {

struct Attribute {
    std::string_view name;   // as written
    std::string_view value;  // between its quotes, or the bare word; empty without '='
    int line = 1;
    bool hasValue = false;
    // Its closing quote is missing: the next one lies past a line break and
    // a '<'. Like Feedwright's reader, the value then ends with its tag, at
    // the first '>' on its line.
    bool unclosed = false;
    bool bare = false;  // given without quotes
};

enum class TokenKind { StartTag, EndTag, Text, Declaration };

struct Token {
    TokenKind kind = TokenKind::Text;
    int line = 1;
    std::string_view name;  // a tag's name as written; a declaration's target ("?xml")
    // Text: the bytes (a bare '<' included). Declaration: everything between
    // "<" and ">". CDATA comes as text with `cdata` set.
    std::string_view text;
    std::vector<Attribute> attributes;
    std::string_view raw;  // a start tag's bytes, from its '<' on
    bool selfClosing = false;
    bool cdata = false;
    bool unterminated = false;  // the tag, quote or declaration ran to the end of the file
};

// The text of a TITLE or ABSTRACT, taken as Feedwright's reader takes it:
// everything up to the first '<', which must open "</TITLE>" (any case,
// nothing else before the '>'). When it does not, the text runs on to the
// real closing tag, if there is one.
struct ElementText {
    std::string_view text;
    int line = 1;
    // The first '<' inside the text that does not open its closing tag; null when none.
    const char* firstLess = nullptr;
    int firstLessLine = 1;
    // Instead, the '<' of a closing tag with blanks ("</TITLE >"); null when none.
    const char* spacedClose = nullptr;
    int spacedCloseLine = 1;
};

class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text) {}

    // The next token; false at the end of the text.
    bool Next(Token& token);
    // Call right after the start tag of TITLE or ABSTRACT (`name`, upper case).
    ElementText ReadElementText(std::string_view name);

    // The line of a byte in the text, counted from a known earlier byte.
    static int LineOf(const char* from, int fromLine, const char* at);

private:
    void MoveTo(std::size_t pos);
    bool IsMarkupAt(std::size_t pos) const;
    void ReadStartTag(Token& token);
    void ReadEndTag(Token& token);
    bool OpensCdfElementBetween(std::size_t from, std::size_t to) const;
    std::size_t FindNoCase(std::string_view word, std::size_t from) const;
    std::size_t FindClosingTag(std::string_view name, std::size_t from);

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;

    // The next closing tag of TITLE and of ABSTRACT found so far, so that
    // many unclosed elements do not each search to the end of the file.
    struct CloseSearch {
        std::size_t searchedFrom = 0;
        std::size_t foundAt = 0;
        bool valid = false;
    };
    CloseSearch m_titleClose, m_abstractClose;
};

}  // namespace fw::cli::lint
