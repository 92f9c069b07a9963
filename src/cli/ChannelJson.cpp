#include "ChannelJson.h"

#include "JsonWriter.h"
#include "channel/Channel.h"
#include "common/LoadVerdict.h"
#include "sitemap/SitemapWalk.h"

namespace fw::cli {

namespace {

// The names of what a record keeps from its file and Feedwright does not
// edit; only for a record that keeps something.
void WriteKept(const Kept& kept, JsonWriter& json)
{
    if (!kept.Has())
        return;
    json.Key("kept");
    json.BeginArray();
    for (const std::string& name : KeptNames(kept))
        json.Cp932String(name);
    json.EndArray();
}

void WriteHead(const ChannelHead& head, JsonWriter& json)
{
    json.Key("head");
    json.BeginObject();
    json.Key("homeUrl");
    json.Cp932String(head.m_strHomeUrl);
    json.Key("title");
    json.Cp932String(head.m_strTitle);
    json.Key("abstract");
    json.Cp932String(head.m_strAbstract);
    json.Key("cdfUrl");
    json.Cp932String(head.m_strCdfUrl);
    json.Key("baseUrl");
    json.Cp932String(head.m_strBaseUrl);
    json.Key("useBaseUrl");
    json.Bool(head.m_bUseBaseUrl != 0);
    WriteKept(head.m_kept, json);
    json.EndObject();
}

void WriteLogos(const LogoSet& logos, JsonWriter& json)
{
    json.Key("logos");
    json.BeginObject();
    json.Key("icon");
    json.Cp932String(logos.m_strIconUrl);
    json.Key("logo");
    json.Cp932String(logos.m_strLogoUrl);
    json.Key("wideLogo");
    json.Cp932String(logos.m_strWideLogoUrl);
    WriteKept(logos.m_kept, json);
    json.EndObject();
}

void WriteNumber(std::string_view key, long long value, JsonWriter& json)
{
    json.Key(key);
    json.Number(value);
}

// A date only when its flag is set: an unset date holds the day the
// schedule was last reset, which says nothing about the file.
void WriteDate(std::string_view key, bool isSet, unsigned year, unsigned month, unsigned day, JsonWriter& json)
{
    json.Key(key);
    if (!isSet) {
        json.Null();
        return;
    }
    json.BeginArray();
    json.Number(year);
    json.Number(month);
    json.Number(day);
    json.EndArray();
}

void WriteSchedule(const ScheduleRecord& s, JsonWriter& json)
{
    json.Key("schedule");
    json.BeginObject();
    WriteNumber("updateUnit", s.m_nUpdateUnit, json);
    WriteNumber("intervalDay", s.m_nIntervalDay, json);
    WriteNumber("intervalHour", s.m_nIntervalHour, json);
    WriteNumber("hourSel", s.m_nHourSel, json);
    WriteNumber("intervalMin", s.m_nIntervalMin, json);
    WriteNumber("earliestDay", s.m_nEarliestDay, json);
    WriteNumber("earliestHour", s.m_nEarliestHour, json);
    WriteNumber("earliestMin", s.m_nEarliestMin, json);
    WriteNumber("latestDay", s.m_nLatestDay, json);
    WriteNumber("latestHour", s.m_nLatestHour, json);
    WriteNumber("latestMin", s.m_nLatestMin, json);
    WriteDate("startDate", s.m_bStartDate != 0, s.m_nStartYear, s.m_nStartMonth, s.m_nStartDay, json);
    WriteDate("stopDate", s.m_bStopDate != 0, s.m_nStopYear, s.m_nStopMonth, s.m_nStopDay, json);
    WriteKept(s.m_kept, json);
    json.EndObject();
}

// Everything of one item up to the opening of its children list.
void OpenItem(const SitemapItem& item, JsonWriter& json)
{
    const SitemapNode& node = item.Node();
    json.BeginObject();
    json.Key("label");
    json.Cp932String(item.Label());
    json.Key("href");
    json.Cp932String(node.m_strHref);
    json.Key("title");
    json.Cp932String(node.m_strTitle);
    json.Key("abstract");
    json.Cp932String(node.m_strAbstract);
    WriteNumber("level", node.m_nLevel, json);
    json.Key("precache");
    json.Bool(node.m_bPrecache != 0);
    json.Key("isPage");
    json.Bool(node.m_bIsPage != 0);
    json.Key("iconHref");
    json.Cp932String(node.m_strIconHref);
    WriteNumber("usage", node.m_nUsage, json);
    WriteKept(node.m_kept, json);
    json.Key("children");
    json.BeginArray();
}

void CloseItem(JsonWriter& json)
{
    json.EndArray();
    json.EndObject();
}

void WriteSitemap(const SitemapItem& root, JsonWriter& json)
{
    json.Key("sitemap");
    WalkSubtree(
        root, [&json](const SitemapItem& item, std::size_t) { OpenItem(item, json); },
        [&json](const SitemapItem&, std::size_t) { CloseItem(json); });
}

}  // namespace

void WriteChannelJson(const Channel& channel, ReadStatus status, JsonWriter& json)
{
    json.BeginObject();
    json.Key("status");
    json.String(StatusName(status));
    WriteHead(channel.head, json);
    WriteLogos(channel.logos, json);
    WriteSchedule(channel.schedule, json);
    WriteSitemap(*channel.sitemap.Root(), json);
    json.EndObject();
}

}  // namespace fw::cli
