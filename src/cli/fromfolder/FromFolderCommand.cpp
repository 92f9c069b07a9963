#include "fromfolder/FromFolderCommand.h"

#include <utility>

#include "Commands.h"
#include "channel/Channel.h"
#include "common/CliFiles.h"
#include "fromfolder/PageTitle.h"
#include "fromfolder/SiteFolder.h"
#include "os/RegularFile.h"
#include "text/SjisText.h"
#include "trace/TraceSink.h"

namespace fw::cli {

namespace {

// A title sits in the page's head; this much of a page is plenty.
constexpr std::size_t kPageHeadLimit = 256 * 1024;

bool IsUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
        c == '_' || c == '~' || c == '/';
}

// A relative path as a URL: everything but letters, digits and -._~/ as %XX
// (names in UTF-8 become their UTF-8 bytes).
std::string PathAsUrl(std::string_view path)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte)) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

class ChannelBuilder {
public:
    ChannelBuilder(Channel& channel, const std::string& folder, const SiteScan& scan)
        : m_tree(channel.sitemap), m_folder(folder), m_scan(scan)
    {
    }

    // The title of a page, or its file name when it has none.
    std::string TitleOf(const SiteFolder& site, const SitePage& page)
    {
        FileBuffer head;
        std::string title;
        const FileReadResult read =
            ReadRegularFile(m_folder + "/" + site.path + page.name, head, {kPageHeadLimit, !page.link});
        if (read)
            title = PageTitleCp932(head.Bytes(), read.truncated);
        else
            m_problems.push_back(m_folder + "/" + site.path + page.name + ": " + read.Reason() +
                                 "; titled by its name");
        return title.empty() ? NameAsCp932(page.name) : title;
    }

    void Fill(SitemapItem& item, std::string href, std::string title)
    {
        SitemapNode& node = item.Node();
        node.m_strHref = std::move(href);
        node.m_strTitle = title;
        m_tree.SetLabel(&item, std::move(title));
    }

    // Every folder's sub-channels and pages, folder by folder, with an
    // explicit stack: the order of the items within each channel is the
    // order of insertion, whatever order the folders are visited in.
    void Build()
    {
        std::vector<std::pair<std::size_t, SitemapItem*>> stack{{0, m_tree.Root()}};
        while (!stack.empty()) {
            const auto [index, item] = stack.back();
            stack.pop_back();
            const SiteFolder& site = m_scan.folders[index];
            for (const std::size_t subIndex : site.subfolders) {
                const SiteFolder& sub = m_scan.folders[subIndex];
                if (!sub.holdsPages)
                    continue;
                m_tree.Select(item);
                SitemapItem* channel = m_tree.AddSubChannel(false);
                if (sub.home)
                    Fill(*channel, PathAsUrl(sub.path + sub.home->name), TitleOf(sub, *sub.home));
                else
                    Fill(*channel, std::string(kHttpPrefix), NameAsCp932(sub.name));
                stack.emplace_back(subIndex, channel);
            }
            for (const SitePage& page : site.pages) {
                m_tree.Select(item);
                Fill(*m_tree.AddPage(false), PathAsUrl(site.path + page.name), TitleOf(site, page));
            }
        }
        m_tree.Select(m_tree.Root());
    }

    const std::vector<std::string>& Problems() const { return m_problems; }

private:
    SitemapTree& m_tree;
    const std::string& m_folder;
    const SiteScan& m_scan;
    std::vector<std::string> m_problems;
};

std::string BaseName(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool IsSiteUrl(const std::string& url, std::string& problem)
{
    for (const char c : url) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F || c == '"' || c == '<' || c == '>') {
            problem = "write it without blanks or quotes, other characters percent-encoded";
            return false;
        }
    }
    if (url.find_first_of("?#") != std::string::npos) {
        problem = "the site's address takes no query (?) or fragment (#): pages' addresses are made by adding to it";
        return false;
    }
    const std::size_t separator = url.find("://");
    const std::string scheme = url.substr(0, separator);
    const bool known =
        EqualsAsciiNoCase(scheme, "http") || EqualsAsciiNoCase(scheme, "https") || EqualsAsciiNoCase(scheme, "ftp");
    if (separator == std::string::npos || !known || separator + 3 >= url.size() || url[separator + 3] == '/') {
        problem = "not an absolute http, https or ftp URL with a host";
        return false;
    }
    return true;
}

ExitStatus RunNewFromFolder(const std::string& out, const std::string& folder, const std::string& url)
{
    SiteScan scan;
    std::string reason;
    if (!ScanSite(folder, scan, reason)) {
        Complain("cannot read the folder " + folder + " (" + reason + ")");
        return kExitCannotOpen;
    }

    const auto trace = MakeTraceSinkFromEnvironment();
    Channel channel(trace.get());
    std::string base = url;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    base += '/';
    ChannelBuilder builder(channel, folder, scan);
    {
        SitemapTree::BulkUpdate bulk(channel.sitemap);
        builder.Build();
    }

    const SiteFolder& site = scan.folders.front();
    ChannelHead& head = channel.head;
    head.m_strBaseUrl = base;
    head.m_bUseBaseUrl = 1;
    head.m_strCdfUrl = base + PathAsUrl(BaseName(out));
    head.m_strHomeUrl = site.home ? base + PathAsUrl(site.home->name) : base;
    head.m_strTitle = site.home ? builder.TitleOf(site, *site.home) : NameAsCp932(BaseName(scan.realFolder));
    SitemapItem& root = *channel.sitemap.Root();
    root.Node().m_strHref = head.m_strHomeUrl;
    root.Node().m_strTitle = head.m_strTitle;
    channel.sitemap.SetLabel(&root, head.m_strTitle);

    ExitStatus result = kExitOk;
    for (const std::string& problem : scan.problems) {
        Complain("cannot read the folder " + problem + "; left out");
        result = kExitCannotOpen;
    }
    for (const std::string& problem : builder.Problems()) {
        Complain("cannot read " + problem);
        result = kExitCannotOpen;
    }
    return MoreSevere(result, SaveChannel(channel, out));
}

}  // namespace fw::cli
