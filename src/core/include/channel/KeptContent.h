#pragma once
// What a record does not hold but its element carried in the file: foreign
// attributes, foreign child elements with everything inside them, comments
// and other markup. The reader keeps it beside the record it belongs to and
// the writer puts it back in the same element, so that a channel made by
// another tool survives a load and a save whole.
//
// A record without any costs one null pointer (`Kept`).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

// Which of the owner's elements a kept piece stands in. A page keeps the
// attributes of its ITEM (Self), TITLE, ABSTRACT, USAGE and icon LOGO; the
// schedule those of SCHEDULE and its three time elements; the logo set those
// of its three LOGO lines; the channel head, besides its CHANNEL, TITLE and
// ABSTRACT, what stood before the channel (Prolog: a DOCTYPE, comments) and
// after it (Epilog).
enum class KeptPart : std::uint8_t {
    Self,
    Title,
    Abstract,
    Usage,
    Icon,
    Image,
    WideImage,
    Interval,
    Earliest,
    Latest,
    Prolog,
    Epilog,
};

struct KeptAttribute {
    KeptPart part = KeptPart::Self;
    // The record took this value, but the file spelled it in a way the
    // writer would not (a date with its time, "Channel" as a usage): it is
    // written instead of the record's own spelling while the record still
    // means the same.
    bool shadow = false;
    std::string name;   // as written, blanks around it trimmed
    std::string value;  // line breaks as LF, "&quot;" as '"', nothing else decoded

    bool operator==(const KeptAttribute&) const = default;
};

// Child content is a flat run of tokens, so that elements nested to any
// depth are copied, compared, written and destroyed without recursion.
// Open and Close always pair up; Empty is an element without content.
struct KeptToken {
    enum class Kind : std::uint8_t { Open, Close, Empty, Text, Markup };
    KeptPart part = KeptPart::Self;  // of the owner's elements, for tokens at the top
    Kind kind = Kind::Empty;
    // The element's name as written, the text (line breaks as LF, references
    // as they stand), or the whole of a comment, CDATA section, processing
    // instruction or DOCTYPE from its '<' to its '>'.
    std::string text;
    std::vector<std::pair<std::string, std::string>> attributes;  // of Open and Empty, as KeptAttribute's

    bool operator==(const KeptToken&) const = default;
};

struct KeptContent {
    std::vector<KeptAttribute> attributes;
    std::vector<KeptToken> children;

    bool Empty() const { return attributes.empty() && children.empty(); }
    bool operator==(const KeptContent&) const = default;
};

// The one pointer a record carries; copies are deep, and no content compares
// equal to empty content.
class Kept {
public:
    Kept() = default;
    Kept(const Kept& other) : m_content(other.Has() ? std::make_unique<KeptContent>(*other.m_content) : nullptr) {}
    Kept(Kept&&) noexcept = default;
    Kept& operator=(const Kept& other)
    {
        if (this != &other)
            m_content = other.Has() ? std::make_unique<KeptContent>(*other.m_content) : nullptr;
        return *this;
    }
    Kept& operator=(Kept&&) noexcept = default;
    ~Kept() = default;

    bool Has() const { return m_content != nullptr && !m_content->Empty(); }
    // Null when there is nothing.
    const KeptContent* Get() const { return Has() ? m_content.get() : nullptr; }
    KeptContent& Make()
    {
        if (m_content == nullptr)
            m_content = std::make_unique<KeptContent>();
        return *m_content;
    }
    void Reset() { m_content.reset(); }

    bool operator==(const Kept& other) const
    {
        const KeptContent* a = Get();
        const KeptContent* b = other.Get();
        return a == nullptr || b == nullptr ? a == b : *a == *b;
    }

private:
    std::unique_ptr<KeptContent> m_content;
};

// The names a person is shown for what a record keeps: each element at the
// top of its content and each attribute that is not a record's own spelling,
// once each in the order read; a comment is "<!-- -->", other markup its
// first word ("<!DOCTYPE").
std::vector<std::string> KeptNames(const Kept& kept);

}  // namespace fw
