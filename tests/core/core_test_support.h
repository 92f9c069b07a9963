#pragma once
// Helpers shared by the core tests: a one-line description of a whole
// channel, loading and writing in one call, and a stack too small to recurse on.

#include <gtest/gtest.h>
#include <pthread.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cdf/CdfReader.h"
#include "cdf/CdfWriter.h"
#include "channel/Channel.h"
#include "core/channel_builders.h"
#include "trace/TraceSink.h"

namespace cdftest {

using Fields = std::vector<std::pair<const char*, std::string>>;
using std::to_string;

// What a record keeps, in order: each attribute's name ("~" before the
// spelling of a value the record took), then each element or piece of
// markup at the top of its content; "Part:" before what stands in another
// element than the record's own.
inline std::string KeptSummary(const fw::Kept& kept)
{
    static constexpr const char* kParts[] = {"",      "Title:",    "Abstract:", "Usage:",  "Icon:",   "Image:",
                                             "Wide:", "Interval:", "Earliest:", "Latest:", "Prolog:", "Epilog:"};
    const fw::KeptContent* content = kept.Get();
    if (content == nullptr)
        return "";
    std::string text;
    const auto add = [&text](fw::KeptPart part, std::string_view name) {
        text += (text.empty() ? "" : ",") + std::string(kParts[static_cast<int>(part)]) + std::string(name);
    };
    for (const fw::KeptAttribute& a : content->attributes)
        add(a.part, (a.shadow ? "~" : "") + a.name);
    int depth = 0;
    for (const fw::KeptToken& t : content->children) {
        using Kind = fw::KeptToken::Kind;
        if (t.kind == Kind::Close)
            --depth;
        else if (depth == 0 && t.kind != Kind::Text)
            add(t.part, t.kind == Kind::Markup ? t.text.substr(0, t.text.starts_with("<!--") ? 4 : 9) : t.text);
        if (t.kind == Kind::Open)
            ++depth;
    }
    return text;
}

inline Fields HeadFields(const fw::ChannelHead& h)
{
    return {{"CdfUrl", h.m_strCdfUrl},      {"Abstract", h.m_strAbstract}, {"Title", h.m_strTitle},
            {"HomeUrl", h.m_strHomeUrl},    {"BaseUrl", h.m_strBaseUrl},   {"UseBaseUrl", to_string(h.m_bUseBaseUrl)},
            {"Kept", KeptSummary(h.m_kept)}};
}

inline Fields LogoFields(const fw::LogoSet& l)
{
    return {{"IconUrl", l.m_strIconUrl},
            {"LogoUrl", l.m_strLogoUrl},
            {"WideLogoUrl", l.m_strWideLogoUrl},
            {"Logos.Kept", KeptSummary(l.m_kept)}};
}

inline Fields ScheduleFields(const fw::ScheduleRecord& s)
{
    return {{"IntervalHour", to_string(s.m_nIntervalHour)}, {"IntervalDay", to_string(s.m_nIntervalDay)},
            {"IntervalMin", to_string(s.m_nIntervalMin)},   {"EarliestDay", to_string(s.m_nEarliestDay)},
            {"EarliestHour", to_string(s.m_nEarliestHour)}, {"EarliestMin", to_string(s.m_nEarliestMin)},
            {"LatestDay", to_string(s.m_nLatestDay)},       {"LatestHour", to_string(s.m_nLatestHour)},
            {"LatestMin", to_string(s.m_nLatestMin)},       {"UpdateUnit", to_string(s.m_nUpdateUnit)},
            {"HourSel", to_string(s.m_nHourSel)},           {"StartMonth", to_string(s.m_nStartMonth)},
            {"StartDay", to_string(s.m_nStartDay)},         {"StartYear", to_string(s.m_nStartYear)},
            {"StopDay", to_string(s.m_nStopDay)},           {"StopMonth", to_string(s.m_nStopMonth)},
            {"StopYear", to_string(s.m_nStopYear)},         {"StartDate", to_string(s.m_bStartDate)},
            {"StopDate", to_string(s.m_bStopDate)},         {"Schedule.Kept", KeptSummary(s.m_kept)}};
}

inline Fields NodeFields(const fw::SitemapNode& n)
{
    return {{"Href", n.m_strHref},
            {"Title", n.m_strTitle},
            {"Abstract", n.m_strAbstract},
            {"Level", to_string(n.m_nLevel)},
            {"Precache", to_string(n.m_bPrecache)},
            {"IsPage", to_string(n.m_bIsPage)},
            {"IconHref", n.m_strIconHref},
            {"Usage", to_string(n.m_nUsage)},
            {"Kept", KeptSummary(n.m_kept)}};
}

// "name=value" for each field that differs from `usual`, blank-separated.
inline std::string Differences(const Fields& actual, const Fields& usual, const std::string& prefix = "")
{
    std::string text;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        if (actual[i].second != usual[i].second)
            text += (text.empty() ? "" : " ") + prefix + actual[i].first + "=" + actual[i].second;
    }
    return text;
}

// The items below `top`, depth first without recursion: "P label" or
// "C label", then {the record's differences from a new item of that kind
// titled like its label}, then (its children); siblings separated by ", ".
inline std::string Outline(const fw::SitemapItem& top)
{
    std::string text;
    const fw::SitemapItem* item = top.FirstChild();
    while (item != nullptr) {
        fw::SitemapNode usual = item->IsPageImage() ? fw::SitemapNode::NewPage() : fw::SitemapNode::NewSubChannel();
        usual.m_strTitle = item->Label();
        const std::string differences = Differences(NodeFields(item->Node()), NodeFields(usual));
        text += (item->IsPageImage() ? "P " : "C ") + item->Label();
        if (!differences.empty())
            text += "{" + differences + "}";
        if (item->FirstChild() != nullptr) {
            text += "(";
            item = item->FirstChild();
            continue;
        }
        while (item != &top && item->NextSibling() == nullptr) {
            item = item->Parent();
            if (item != &top)
                text += ")";
        }
        if (item != &top)
            text += ", ";
        item = item == &top ? nullptr : item->NextSibling();
    }
    return text;
}

// Everything in which the channel differs from a fresh one (the root record
// from the head it mirrors, but for its title, which the site map dialog
// refreshes), then "| " and the outline of the site map.
inline std::string Describe(const fw::Channel& c)
{
    const fw::SitemapItem& root = *c.sitemap.Root();
    fw::SitemapNode rootRecord = root.Node();
    rootRecord.m_strTitle = c.head.m_strTitle;
    std::string text;
    const auto add = [&text](const std::string& part) {
        if (!part.empty())
            text += (text.empty() ? "" : " ") + part;
    };
    add(Differences(HeadFields(c.head), HeadFields({})));
    add(Differences(LogoFields(c.logos), LogoFields({})));
    add(Differences(ScheduleFields(c.schedule), ScheduleFields({})));
    add(Differences(NodeFields(rootRecord), NodeFields(fw::RootRecordFor(c.head)), "Root."));
    add(root.Label() != c.head.m_strTitle ? "Root.Label=" + root.Label() : "");
    const std::string outline = Outline(root);
    add(outline.empty() ? "" : "| " + outline);
    return text;
}

// Whole records and whole trees, item by item (shape, labels, records), so
// a field added later cannot be left out of a comparison.
// On a difference the message shows both channels' descriptions.
inline ::testing::AssertionResult SameChannel(const fw::Channel& a, const fw::Channel& b)
{
    bool same = a.head == b.head && a.logos == b.logos && a.schedule == b.schedule;
    std::vector<std::pair<const fw::SitemapItem*, const fw::SitemapItem*>> pending{
        {a.sitemap.Root(), b.sitemap.Root()}};
    while (same && !pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        same = x->Node() == y->Node() && x->Label() == y->Label() && x->IsPageImage() == y->IsPageImage() &&
            x->ChildCount() == y->ChildCount();
        for (auto cx = x->FirstChild(), cy = y->FirstChild(); same && cx != nullptr;
             cx = cx->NextSibling(), cy = cy->NextSibling())
            pending.emplace_back(cx, cy);
    }
    if (same)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the channels differ:\n  " << Describe(a) << "\n  " << Describe(b);
}

struct Loaded {
    fw::ReadStatus status;
    std::unique_ptr<fw::Channel> channel;
    std::size_t stoppedAt = 0;  // CdfReadResult::offset
};

// Loads `bytes` into a channel that held the worked example, so whatever
// the load does not set shows up unless it was cleared.
inline Loaded Load(std::string_view bytes)
{
    Loaded loaded{fw::ReadStatus::Ok, std::make_unique<fw::Channel>()};
    BuildWorkedExample(*loaded.channel);
    fw::NullTraceSink trace;
    const fw::CdfReadResult result = fw::ReadCdfBytes(*loaded.channel, bytes, trace);
    loaded.status = result.status;
    loaded.stoppedAt = result.offset;
    return loaded;
}

inline std::string Written(fw::Channel& channel)
{
    fw::StringSink sink;
    return fw::WriteCdf(channel, sink) ? sink.Bytes() : "<write failed>";
}

// `bytes` load into a channel the same as `built`, and write again as `bytes`.
inline void ExpectReadsBack(fw::Channel& built, const std::string& bytes)
{
    const Loaded loaded = Load(bytes);
    ASSERT_EQ(loaded.status, fw::ReadStatus::Ok);
    EXPECT_TRUE(SameChannel(*loaded.channel, built));
    EXPECT_TRUE(Written(*loaded.channel) == bytes) << "the rewrite differs";
}

// Runs `body` on a thread with a 256 KB stack, where anything that recursed
// along a deep tree would overflow.
template <typename Body> bool RunOnSmallStack(Body body)
{
    pthread_attr_t attributes;
    pthread_t thread;
    const auto run = [](void* argument) -> void* {
        (*static_cast<Body*>(argument))();
        return nullptr;
    };
    const bool ok = pthread_attr_init(&attributes) == 0 && pthread_attr_setstacksize(&attributes, 256 * 1024) == 0 &&
        pthread_create(&thread, &attributes, run, &body) == 0 && pthread_join(thread, nullptr) == 0;
    pthread_attr_destroy(&attributes);
    return ok;
}

}  // namespace cdftest
