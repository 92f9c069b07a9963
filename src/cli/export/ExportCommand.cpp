#include "export/ExportCommand.h"

#include <ctime>

#include "cdf/CdfReader.h"
#include "channel/Channel.h"
#include "common/CliFiles.h"
#include "common/LoadVerdict.h"
#include "export/Exports.h"
#include "export/SiteMapView.h"
#include "export/UrlResolve.h"
#include "feeds/FeedExport.h"
#include "text/SjisText.h"
#include "trace/TraceSink.h"

namespace fw::cli {

namespace {

// "site/sitemap.xml" -> "site/sitemap-2.xml".
std::string NumberedName(const std::string& out, std::size_t number)
{
    const std::size_t slash = out.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::size_t dot = out.rfind('.');
    if (dot == std::string::npos || dot <= nameStart)
        dot = out.size();
    return out.substr(0, dot) + "-" + std::to_string(number) + out.substr(dot);
}

bool RefuseInput(const std::string& in, const std::string& out)
{
    if (!SameFile(in, out))
        return false;
    Complain("cannot write " + out + ": it is " + in + ", the file being exported; it is left as it was");
    return true;
}

// More URLs than one sitemap may hold: numbered files beside OUT, written
// first, then OUT as the index that names them by their URLs, resolved
// against what the channel's links are resolved against.
ExitStatus WriteSitemapIndex(const std::string& in, const std::string& out, const std::vector<std::string>& documents,
                             const SiteMapView& view, std::size_t urls)
{
    if (out.empty()) {
        Complain(in + ": the sitemap holds " + std::to_string(urls) + " URLs, more than the " +
                 std::to_string(kMaxSitemapUrls) +
                 " one file may hold; give OUT to write a sitemap index and its numbered files");
        return kExitCannotWrite;
    }
    std::vector<std::string> names;
    for (std::size_t i = 0; i < documents.size(); ++i) {
        names.push_back(NumberedName(out, i + 1));
        if (RefuseInput(in, names.back()))
            return kExitCannotWrite;
    }
    const bool absolute = IsWebUrl(view.Base());
    if (!absolute)
        Complain(in +
                 ": the sitemap index names its files relative to itself, as the channel has no http or https "
                 "BASE or HREF; sitemaps.org asks for absolute URLs");
    std::vector<std::string> urlsOfFiles;
    for (std::size_t i = 0; i < documents.size(); ++i) {
        if (const ExitStatus written = WriteResult(names[i], documents[i]); written != kExitOk)
            return written;
        const std::size_t slash = names[i].rfind('/');
        bool changed = false;
        const std::string name = PercentEncoded(names[i].substr(slash == std::string::npos ? 0 : slash + 1), changed);
        urlsOfFiles.push_back(absolute ? ResolveUrl(view.Base(), name) : name);
    }
    return WriteResult(out, SitemapIndex(urlsOfFiles));
}

}  // namespace

std::optional<ExportFormat> ExportFormatNamed(std::string_view name)
{
    if (EqualsAsciiNoCase(name, "opml"))
        return ExportFormat::Opml;
    if (EqualsAsciiNoCase(name, "html"))
        return ExportFormat::Html;
    if (EqualsAsciiNoCase(name, "sitemap"))
        return ExportFormat::Sitemap;
    if (EqualsAsciiNoCase(name, "rss"))
        return ExportFormat::Rss;
    if (EqualsAsciiNoCase(name, "atom"))
        return ExportFormat::Atom;
    return std::nullopt;
}

ExitStatus RunExport(ExportFormat format, const std::string& in, const std::string& out)
{
    if (!out.empty() && RefuseInput(in, out))
        return kExitCannotWrite;
    const auto trace = MakeTraceSinkFromEnvironment();
    Channel channel(trace.get());
    const ReadStatus status = ReadCdfFile(channel, in, *trace);
    if (status == ReadStatus::CannotOpen) {
        Complain(in + ": cannot open");
        return kExitCannotOpen;
    }
    ExitStatus result = kExitOk;
    if (status != ReadStatus::Ok) {
        Complain(in + ": " + std::string(CheckVerdict(status)) + "; exporting what was read");
        result = kExitLoadError;
    }

    const SiteMapView view(channel);
    if (format == ExportFormat::Sitemap) {
        const SitemapUrls urls = CollectSitemapUrls(view);
        for (const std::string& url : urls.skipped)
            Complain(in + ": left out of the sitemap, not an absolute http or https URL: " + url);
        for (const std::string& url : urls.invalid)
            Complain(in + ": left out of the sitemap, not a valid URL (its host): " + url);
        for (const std::string& url : urls.encoded)
            Complain(in + ": not a valid URL as written, percent-encoded in the sitemap: " + url);
        const std::vector<std::string> documents = SitemapDocuments(urls.locs);
        if (documents.size() > 1)
            return MoreSevere(result, WriteSitemapIndex(in, out, documents, view, urls.locs.size()));
        return MoreSevere(result, WriteResult(out, documents.front()));
    }
    ExportedPage page;
    if (format == ExportFormat::Rss)
        page = ExportRss(view, channel.logos);
    else if (format == ExportFormat::Atom)
        page = ExportAtom(view, channel.logos, std::time(nullptr));
    else
        page = format == ExportFormat::Opml ? ExportOpml(view) : ExportHtml(view);
    for (const std::string& url : page.notLinks)
        Complain(in + ": shown as text, not as a link, not an http, https, ftp or relative URL: " + url);
    return MoreSevere(result, WriteResult(out, page.document));
}

}  // namespace fw::cli
