#include "text/SjisText.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace fw {

namespace {

bool IsAsciiLower(unsigned char byte)
{
    return byte >= 'a' && byte <= 'z';
}

unsigned char AsciiUpper(unsigned char byte)
{
    return IsAsciiLower(byte) ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

}  // namespace

bool IsSjisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsSingleByteWhiteSpace(unsigned char byte)
{
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// White-space bytes all lie below 0x40, the smallest trail byte, so trimming
// byte by byte never cuts a double-byte character.
void TrimSingleByteWhiteSpace(std::string& text)
{
    std::size_t begin = 0;
    while (begin < text.size() && IsSingleByteWhiteSpace(static_cast<unsigned char>(text[begin])))
        ++begin;
    text.erase(0, begin);
    std::size_t end = text.size();
    while (end > 0 && IsSingleByteWhiteSpace(static_cast<unsigned char>(text[end - 1])))
        --end;
    text.erase(end);
}

void MakeUpperSjis(std::string& text)
{
    // Most names and values the reader folds are already upper case: one
    // branch-free look finds whether any byte may change or start a
    // double-byte character.
    bool mayChange = false;
    for (const char byte : text)
        mayChange |= IsAsciiLower(static_cast<unsigned char>(byte)) || static_cast<unsigned char>(byte) >= 0x80;
    if (!mayChange)
        return;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsSjisLeadByte(byte)) {
            ++i;  // its trail byte is part of the character, whatever it looks like
            continue;
        }
        text[i] = static_cast<char>(AsciiUpper(byte));
    }
}

bool EqualsAsciiNoCase(std::string_view text, std::string_view word)
{
    if (text.size() != word.size())
        return false;
    if (text == word)
        return true;  // the same bytes: the usual case, and equal in any case
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsSjisLeadByte(byte) && i + 1 < text.size()) {
            // A double-byte character matches only itself.
            if (text.substr(i, 2) != word.substr(i, 2))
                return false;
            ++i;
            continue;
        }
        if (AsciiUpper(byte) != AsciiUpper(static_cast<unsigned char>(word[i])))
            return false;
    }
    return true;
}

std::size_t FindAsciiNoCase(std::string_view text, std::string_view word, std::size_t from)
{
    if (word.empty())
        return from <= text.size() ? from : std::string_view::npos;
    const char lower = static_cast<char>(word[0] >= 'A' && word[0] <= 'Z' ? word[0] + 32 : word[0]);
    const char upper = static_cast<char>(word[0] >= 'a' && word[0] <= 'z' ? word[0] - 32 : word[0]);
    const char firsts[] = {lower, upper, '\0'};
    for (std::size_t at = text.find_first_of(firsts, from); at != std::string_view::npos;
         at = text.find_first_of(firsts, at + 1)) {
        if (EqualsAsciiNoCase(text.substr(at, word.size()), word))
            return at;
    }
    return std::string_view::npos;
}

int LeadingInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSingleByteWhiteSpace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate towards the sign's side so that INT_MIN fits.
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        value = value * 10 + (negative ? -digit : digit);
        if (value > INT_MAX)
            return INT_MAX;
        if (value < INT_MIN)
            return INT_MIN;
    }
    return static_cast<int>(value);
}

bool HasHighByte(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; });
}

}  // namespace fw
