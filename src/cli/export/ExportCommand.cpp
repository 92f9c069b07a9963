#include "export/ExportCommand.h"

#include "cdf/CdfReader.h"
#include "channel/Channel.h"
#include "common/CliFiles.h"
#include "common/LoadVerdict.h"
#include "export/Exports.h"
#include "export/SiteMapView.h"
#include "text/SjisText.h"
#include "trace/TraceSink.h"

namespace fw::cli {

namespace {

// sitemaps.org's limit for one file.
constexpr std::size_t kMaxSitemapUrls = 50000;

}  // namespace

std::optional<ExportFormat> ExportFormatNamed(std::string_view name)
{
    if (EqualsAsciiNoCase(name, "opml"))
        return ExportFormat::Opml;
    if (EqualsAsciiNoCase(name, "html"))
        return ExportFormat::Html;
    if (EqualsAsciiNoCase(name, "sitemap"))
        return ExportFormat::Sitemap;
    return std::nullopt;
}

ExitStatus RunExport(ExportFormat format, const std::string& in, const std::string& out)
{
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
    std::string document;
    switch (format) {
    case ExportFormat::Opml:
        document = ExportOpml(view);
        break;
    case ExportFormat::Html:
        document = ExportHtml(view);
        break;
    case ExportFormat::Sitemap: {
        SitemapExport sitemap = ExportSitemap(view);
        for (const std::string& url : sitemap.skipped)
            Complain(in + ": left out of the sitemap, not an absolute http or https URL: " + url);
        if (sitemap.urls > kMaxSitemapUrls)
            Complain(in + ": the sitemap holds " + std::to_string(sitemap.urls) +
                     " URLs; sitemaps.org allows 50000 in one file, so split it before publishing");
        document = std::move(sitemap.document);
        break;
    }
    }
    return MoreSevere(result, WriteResult(out, document));
}

}  // namespace fw::cli
