#include "export/UrlResolve.h"

#include <vector>

#include "text/SjisText.h"

namespace fw::cli {

namespace {

struct UrlParts {
    std::string_view scheme, authority, path, query, fragment;
    bool hasScheme = false, hasAuthority = false, hasQuery = false, hasFragment = false;
};

bool IsSchemeChar(char c, bool first)
{
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    return letter || (!first && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
}

UrlParts Split(std::string_view url)
{
    UrlParts parts;
    std::size_t colon = 0;
    while (colon < url.size() && IsSchemeChar(url[colon], colon == 0))
        ++colon;
    if (colon > 0 && colon < url.size() && url[colon] == ':') {
        parts.hasScheme = true;
        parts.scheme = url.substr(0, colon);
        url.remove_prefix(colon + 1);
    }
    if (const std::size_t hash = url.find('#'); hash != std::string_view::npos) {
        parts.hasFragment = true;
        parts.fragment = url.substr(hash + 1);
        url = url.substr(0, hash);
    }
    if (const std::size_t question = url.find('?'); question != std::string_view::npos) {
        parts.hasQuery = true;
        parts.query = url.substr(question + 1);
        url = url.substr(0, question);
    }
    if (url.substr(0, 2) == "//") {
        parts.hasAuthority = true;
        const std::size_t slash = url.find('/', 2);
        parts.authority = url.substr(2, slash == std::string_view::npos ? std::string_view::npos : slash - 2);
        url = slash == std::string_view::npos ? std::string_view() : url.substr(slash);
    }
    parts.path = url;
    return parts;
}

// "/a/b/../c/./d" -> "/a/c/d", in one pass over the segments.
std::string RemoveDotSegments(std::string_view path)
{
    const bool absolute = !path.empty() && path[0] == '/';
    if (absolute)
        path.remove_prefix(1);
    std::vector<std::string_view> kept;
    for (;;) {
        const std::size_t slash = path.find('/');
        const std::string_view segment = path.substr(0, slash);
        const bool last = slash == std::string_view::npos;
        if (segment == "..") {
            if (!kept.empty())
                kept.pop_back();
            if (last)
                kept.emplace_back();
        } else if (segment == ".") {
            if (last)
                kept.emplace_back();
        } else {
            kept.push_back(segment);
        }
        if (last)
            break;
        path.remove_prefix(slash + 1);
    }
    std::string out = absolute ? "/" : "";
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0)
            out += '/';
        out += kept[i];
    }
    return out;
}

std::string Join(const UrlParts& parts, const std::string& path)
{
    std::string out;
    if (parts.hasScheme)
        out.append(parts.scheme).append(":");
    if (parts.hasAuthority)
        out.append("//").append(parts.authority);
    out += path;
    if (parts.hasQuery)
        out.append("?").append(parts.query);
    if (parts.hasFragment)
        out.append("#").append(parts.fragment);
    return out;
}

}  // namespace

std::string ResolveUrl(std::string_view base, std::string_view reference)
{
    const UrlParts ref = Split(reference);
    if (ref.hasScheme)
        return Join(ref, RemoveDotSegments(ref.path));
    UrlParts target = Split(base);
    if (!target.hasScheme)
        return std::string(reference);
    target.hasFragment = ref.hasFragment;
    target.fragment = ref.fragment;
    if (ref.hasAuthority) {
        target.authority = ref.authority;
        target.query = ref.query;
        target.hasQuery = ref.hasQuery;
        return Join(target, RemoveDotSegments(ref.path));
    }
    if (ref.path.empty()) {
        if (ref.hasQuery) {
            target.query = ref.query;
            target.hasQuery = true;
        }
        return Join(target, std::string(target.path));
    }
    target.query = ref.query;
    target.hasQuery = ref.hasQuery;
    if (ref.path[0] == '/')
        return Join(target, RemoveDotSegments(ref.path));
    std::string merged;
    if (target.hasAuthority && target.path.empty()) {
        merged = "/";
    } else {
        const std::size_t slash = target.path.rfind('/');
        merged = slash == std::string_view::npos ? std::string() : std::string(target.path.substr(0, slash + 1));
    }
    merged += ref.path;
    return Join(target, RemoveDotSegments(merged));
}

bool IsWebUrl(std::string_view url)
{
    const UrlParts parts = Split(url);
    return parts.hasScheme && (EqualsAsciiNoCase(parts.scheme, "http") || EqualsAsciiNoCase(parts.scheme, "https")) &&
        parts.hasAuthority && !parts.authority.empty();
}

bool IsSafeLink(std::string_view url)
{
    while (!url.empty() && static_cast<unsigned char>(url.front()) <= 0x20)
        url.remove_prefix(1);
    std::string seen;
    for (const char c : url.substr(0, 64)) {  // a scheme is short; the rest cannot change it
        if (c != '\t' && c != '\n' && c != '\r')
            seen += c;
    }
    const UrlParts parts = Split(seen);
    return !parts.hasScheme || EqualsAsciiNoCase(parts.scheme, "http") || EqualsAsciiNoCase(parts.scheme, "https") ||
        EqualsAsciiNoCase(parts.scheme, "ftp");
}

bool HasValidHost(std::string_view url)
{
    const UrlParts parts = Split(url);
    static constexpr std::string_view kHostChars = "-._~%!$&'()*+,;=:@[]";
    for (const char c : parts.authority) {
        const bool alphanumeric = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!alphanumeric && kHostChars.find(c) == std::string_view::npos)
            return false;
    }
    return true;
}

std::string PercentEncoded(std::string_view url, bool& changed)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    static constexpr std::string_view kUnsafe = " \"<>\\^`{|}";
    const auto isHex = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    };
    changed = false;
    std::string out;
    out.reserve(url.size());
    for (std::size_t i = 0; i < url.size(); ++i) {
        const char c = url[i];
        const auto byte = static_cast<unsigned char>(c);
        const bool lonePercent = c == '%' && !(i + 2 < url.size() && isHex(url[i + 1]) && isHex(url[i + 2]));
        const bool notAllowed = byte < 0x21 || byte == 0x7F || lonePercent || kUnsafe.find(c) != std::string_view::npos;
        changed = changed || notAllowed;
        if (notAllowed || byte >= 0x80) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace fw::cli
