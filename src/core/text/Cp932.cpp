#include "text/Cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "text/References.h"
#include "text/SjisText.h"

namespace fw {

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

// Output that grows geometrically and is never zero-filled twice, so that
// converting around many bad characters stays linear.
class OutputBuffer {
public:
    explicit OutputBuffer(std::size_t expected) { m_bytes.resize(expected); }

    // Room for at least `n` more bytes, at the end of what is kept.
    char* Reserve(std::size_t n)
    {
        if (m_bytes.size() - m_used < n)
            m_bytes.resize(std::max(m_used + n, m_bytes.size() * 2));
        return m_bytes.data() + m_used;
    }
    void Commit(std::size_t n) { m_used += n; }
    void Append(std::string_view text)
    {
        if (text.empty())
            return;
        std::memcpy(Reserve(text.size()), text.data(), text.size());
        m_used += text.size();
    }
    std::size_t Size() const { return m_used; }
    std::string Take()
    {
        m_bytes.resize(m_used);
        return std::move(m_bytes);
    }

private:
    std::string m_bytes;
    std::size_t m_used = 0;
};

// One conversion direction of iconv, closed with the object. Without the
// character set (a system missing its gconv modules) only ASCII converts,
// and everything else goes through the caller's handling of bad input.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (Valid())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts from the start of `input` onto the end of `output` until the
    // input ends or a byte sequence cannot be converted; returns the number
    // of input bytes consumed. `expansion` bounds output bytes per input byte.
    //
    // iconv converts ahead in blocks of several kilobytes and repeats that
    // work when it meets a character it cannot convert, so the input goes in
    // slices that start small after each problem and double while the text
    // stays clean: a text full of problems then costs no more per character
    // than a clean one.
    std::size_t ConvertPrefix(std::string_view input, OutputBuffer& output, std::size_t expansion)
    {
        if (!Valid())
            return CopyAsciiPrefix(input, output);
        constexpr std::size_t kFirstSlice = 64;
        constexpr std::size_t kLargestSlice = std::size_t{1} << 20;
        char* in = const_cast<char*>(input.data());  // iconv's interface is not const-correct
        std::size_t inLeft = input.size();
        std::size_t slice = kFirstSlice;
        while (inLeft > 0) {
            const std::size_t chunk = std::min(inLeft, slice);
            std::size_t chunkLeft = chunk;
            const std::size_t room = chunk * expansion + 16;
            char* out = output.Reserve(room);
            std::size_t outLeft = room;
            const std::size_t result = iconv(m_cd, &in, &chunkLeft, &out, &outLeft);
            const int error = errno;
            output.Commit(room - outLeft);
            const bool wholeRest = chunk == inLeft;
            inLeft -= chunk - chunkLeft;
            if (result != static_cast<std::size_t>(-1)) {
                slice = std::min(slice * 2, kLargestSlice);
                continue;
            }
            if (error == E2BIG)
                continue;
            // A slice that ends inside a character: go on with a longer one.
            if (error == EINVAL && !wholeRest) {
                slice *= 2;
                continue;
            }
            break;  // EILSEQ, or a character cut off by the end of the input
        }
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        return input.size() - inLeft;
    }

    // True when the whole of `input` converts.
    bool Converts(std::string_view input)
    {
        OutputBuffer scratch(16);
        return ConvertPrefix(input, scratch, 4) == input.size();
    }

    bool Valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

private:
    static std::size_t CopyAsciiPrefix(std::string_view input, OutputBuffer& output)
    {
        std::size_t n = 0;
        while (n < input.size() && static_cast<unsigned char>(input[n]) < 0x80)
            ++n;
        output.Append(input.substr(0, n));
        return n;
    }

    iconv_t m_cd;
};

// A UTF-8 sequence at the start of a text: its length and code point when it
// is well formed; otherwise `valid` is false and `length` covers the maximal
// ill-formed part (a truncated sequence counts once, any other bad byte alone).
struct Utf8Sequence {
    bool valid = false;
    std::size_t length = 1;
    char32_t codePoint = 0;
};

Utf8Sequence DecodeUtf8(std::string_view text)
{
    Utf8Sequence seq;
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t need = 0;
    unsigned char low = 0x80;  // allowed range of the second byte
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        seq.valid = true;
        seq.codePoint = lead;
        return seq;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        seq.codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        seq.codePoint = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;  // no overlong forms
        if (lead == 0xED)
            high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        seq.codePoint = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;  // nothing above U+10FFFF
    } else {
        return seq;
    }
    for (std::size_t i = 1; i <= need; ++i) {
        if (i >= text.size())
            return seq;
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF))
            return seq;
        seq.codePoint = (seq.codePoint << 6) | (byte & 0x3F);
        seq.length = i + 1;
    }
    seq.valid = true;
    return seq;
}

void AppendCharacterReference(OutputBuffer& out, char32_t cp)
{
    char buffer[16];
    const int n = std::snprintf(buffer, sizeof buffer, "&#x%X;", static_cast<unsigned>(cp));
    out.Append(std::string_view(buffer, static_cast<std::size_t>(n)));
}

// A reference exactly as AppendCharacterReference writes it, at the start of
// `text`: upper-case digits without leading zeros, so turning it into its
// character and back gives the same bytes. Returns its length, 0 if none.
std::size_t ParseCharacterReference(std::string_view text, char32_t& cp)
{
    if (text.substr(0, 3) != "&#x")
        return 0;
    const std::size_t length = ReadReference(text, ReferenceNames::Xml, cp);
    char canonical[16];
    const int n = std::snprintf(canonical, sizeof canonical, "&#x%X;", static_cast<unsigned>(cp));
    return length != 0 && text.substr(0, length) == std::string_view(canonical, static_cast<std::size_t>(n)) ? length
                                                                                                             : 0;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8)
{
    Converter converter("CP932", "UTF-8");
    OutputBuffer out(utf8.size() + 16);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        pos += converter.ConvertPrefix(utf8.substr(pos), out, 1);
        if (pos >= utf8.size())
            break;
        // Either bad UTF-8 or a character CP932 has no code for.
        const Utf8Sequence seq = DecodeUtf8(utf8.substr(pos));
        if (seq.valid)
            AppendCharacterReference(out, seq.codePoint);
        else
            out.Append("?");
        pos += seq.length;
    }
    return out.Take();
}

std::string Cp932ToUtf8(std::string_view cp932)
{
    Converter converter("UTF-8", "CP932");
    OutputBuffer out(cp932.size() + cp932.size() / 2 + 16);
    std::size_t pos = 0;
    while (pos < cp932.size()) {
        pos += converter.ConvertPrefix(cp932.substr(pos), out, 3);
        if (pos >= cp932.size())
            break;
        // A byte pair with a proper trail byte that has no character goes as
        // one; a lead byte without a trail byte (an ASCII byte after it, or
        // the end of the text) goes alone, so the byte behind it survives.
        out.Append(kReplacementUtf8);
        std::size_t skip = 1;
        if (IsSjisLeadByte(static_cast<unsigned char>(cp932[pos])) && pos + 1 < cp932.size()) {
            const auto trail = static_cast<unsigned char>(cp932[pos + 1]);
            if (trail >= 0x40 && trail <= 0xFC && trail != 0x7F)
                skip = 2;
        }
        pos += skip;
    }
    return out.Take();
}

bool IsValidUtf8(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        // ASCII runs are the bulk of a file: skip them without decoding.
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const Utf8Sequence seq = DecodeUtf8(text.substr(pos));
        if (!seq.valid)
            return false;
        pos += seq.length;
    }
    return true;
}

std::optional<std::string> ConvertToUtf8(std::string_view text, const std::string& encoding)
{
    Converter converter("UTF-8", encoding.c_str());
    if (!converter.Valid())
        return std::nullopt;
    OutputBuffer out(text.size() + text.size() / 2 + 16);
    if (converter.ConvertPrefix(text, out, 3) != text.size())
        return std::nullopt;
    return out.Take();
}

std::string Cp932ToDisplayUtf8(std::string_view cp932)
{
    const std::string plain = Cp932ToUtf8(cp932);
    constexpr std::string_view kOpen = "&#x";
    if (plain.find(kOpen) == std::string::npos)
        return plain;

    const std::string_view text = plain;
    Converter probe("CP932", "UTF-8");
    OutputBuffer out(text.size() + 16);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t amp = text.find(kOpen, pos);
        if (amp == std::string_view::npos) {
            out.Append(text.substr(pos));
            break;
        }
        out.Append(text.substr(pos, amp - pos));
        char32_t cp = 0;
        const std::size_t length = ParseCharacterReference(text.substr(amp), cp);
        if (length == 0) {
            out.Append(text.substr(amp, 1));
            pos = amp + 1;
            continue;
        }
        std::string character;
        AppendUtf8(character, cp);
        if (probe.Converts(character))
            out.Append(text.substr(amp, length));  // CP932 holds it, so it was typed like this
        else
            out.Append(character);
        pos = amp + length;
    }
    return out.Take();
}

}  // namespace fw
