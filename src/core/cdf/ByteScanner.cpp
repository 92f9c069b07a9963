#include "cdf/ByteScanner.h"

#include "text/SjisText.h"

namespace fw {

CdfInput::CdfInput(std::string_view bytes)
    : m_begin(bytes.data()), m_pos(bytes.data()), m_end(bytes.data() + bytes.size())
{
}

bool ReadUntilChar(CdfInput& input, std::string& out, char delimiter, bool upper)
{
    out.clear();
    const int wanted = static_cast<unsigned char>(delimiter);
    bool found = false;
    for (int byte = input.Get(); byte >= 0; byte = input.Get()) {
        if (byte == wanted) {
            found = true;
            break;
        }
        out.push_back(static_cast<char>(byte));
    }
    if (upper)
        MakeUpperSjis(out);
    return found;
}

int ReadUntilAny(CdfInput& input, std::string& out, std::string_view delimiters, bool upper)
{
    out.clear();
    int position = 0;
    for (int byte = input.Get(); byte >= 0; byte = input.Get()) {
        const std::size_t at = delimiters.find(static_cast<char>(byte));
        if (at != std::string_view::npos) {
            position = static_cast<int>(at) + 1;
            break;
        }
        out.push_back(static_cast<char>(byte));
    }
    if (upper)
        MakeUpperSjis(out);
    return position;
}

}  // namespace fw
