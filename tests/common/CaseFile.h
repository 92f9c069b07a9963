#pragma once
// Test cases kept as text under tests/data, one a line. Blank lines and
// lines starting with '#' are left out; "let NAME VALUE" makes {NAME} stand
// for VALUE in the lines after it. A line's fields are parted by " | " (a
// line ending in " |" ends in an empty field); in each field the escapes
// \r \n \t \\ \xHH stand for their bytes, so "\x7C" is a '|' that parts nothing.

#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace casefile {

using Pieces = std::map<std::string, std::string>;

// `text` with its escapes and {NAME}s replaced.
inline std::string Unescape(const std::string& text, const Pieces& pieces = {})
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t close = text[i] == '{' ? text.find('}', i) : std::string::npos;
        if (close != std::string::npos && pieces.contains(text.substr(i + 1, close - i - 1))) {
            out += pieces.at(text.substr(i + 1, close - i - 1)), i = close;
        } else if (text[i] == '\\' && i + 1 < text.size()) {
            const char c = text[++i];
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
            if (c == 'x')
                out.back() = static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)), i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The lines of tests/data/`name`, each as its fields; with an empty
// `separator`, each line as one field. Throws when there are none.
inline std::vector<std::vector<std::string>> Rows(const std::string& name, std::string_view separator = " | ")
{
    std::ifstream in(FEEDWRIGHT_TEST_DATA_DIR "/" + name, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read tests/data/" + name);
    Pieces pieces;
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line.starts_with("let ")) {
            const std::size_t blank = line.find(' ', 4);
            pieces[line.substr(4, blank - 4)] = Unescape(line.substr(blank + 1), pieces);
            continue;
        }
        if (!separator.empty() && line.ends_with(std::string(separator.substr(0, separator.size() - 1))))
            line += ' ';
        std::vector<std::string>& row = rows.emplace_back();
        for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + separator.size()) {
            end = separator.empty() ? std::string::npos : line.find(separator, at);
            row.push_back(Unescape(line.substr(at, end == std::string::npos ? end : end - at), pieces));
        }
    }
    // An emptied or misnamed table would otherwise pass without testing anything.
    if (rows.empty())
        throw std::runtime_error("no cases in tests/data/" + name);
    return rows;
}

}  // namespace casefile
