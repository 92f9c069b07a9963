#include "support/DialogTour.h"

#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/ChannelDlg.h"
#include "app/FeedwrightApp.h"
#include "sitemapeditor/SitemapDlg.h"
#include "sitemapeditor/SitemapDlgIds.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"
#include "text/Cp932.h"

namespace fwtest {

namespace {

// A news channel with logos, a schedule, a sub-channel and three pages.
constexpr const char* kSampleChannel =
    "<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\r\n\r\n"
    "<CHANNEL\r\n  HREF=\"http://www.example.jp/news\"\r\n  SELF=\"http://www.example.jp/news/news.cdf\"\r\n"
    "  PRECACHE=\"YES\">\r\n"
    "<TITLE>今日のニュース</TITLE>\r\n"
    "<ABSTRACT>毎朝 6 時に更新するニュースのチャンネルです。</ABSTRACT>\r\n\r\n"
    "  <LOGO HREF=\"http://www.example.jp/news/icon.ico\" STYLE=\"ICON\"/>\r\n"
    "  <LOGO HREF=\"http://www.example.jp/news/logo.gif\" STYLE=\"IMAGE\"/>\r\n"
    "  <LOGO HREF=\"http://www.example.jp/news/wide.gif\" STYLE=\"IMAGE-WIDE\"/>\r\n\r\n"
    "  <SCHEDULE STARTDATE=\"2024-4-1\">\r\n"
    "    <INTERVALTIME DAY=\"1\"/>\r\n"
    "    <EARLIESTTIME HOUR=\"6\"/>\r\n"
    "    <LATESTTIME HOUR=\"8\"/>\r\n"
    "  </SCHEDULE>\r\n\r\n"
    "  <CHANNEL HREF=\"http://www.example.jp/news/sports\" PRECACHE=\"YES\">\r\n"
    "  <TITLE>スポーツ</TITLE>\r\n\r\n"
    "    <ITEM HREF=\"http://www.example.jp/news/sports/baseball.htm\" PRECACHE=\"YES\">\r\n"
    "    <TITLE>野球</TITLE>\r\n"
    "    </ITEM>\r\n\r\n"
    "  </CHANNEL>\r\n\r\n"
    "  <ITEM HREF=\"http://www.example.jp/news/today.htm\" LEVEL=\"1\" PRECACHE=\"YES\">\r\n"
    "  <TITLE>トップ記事</TITLE>\r\n"
    "  <ABSTRACT>今日いちばんのニュース</ABSTRACT>\r\n"
    "  <USAGE VALUE=\"Email\"></USAGE>\r\n"
    "  <LOGO HREF=\"http://www.example.jp/news/top.ico\" STYLE=\"ICON\"/>\r\n"
    "  </ITEM>\r\n\r\n"
    "  <ITEM HREF=\"http://www.example.jp/news/weather.htm\" PRECACHE=\"NO\">\r\n"
    "  <TITLE>天気予報</TITLE>\r\n"
    "  </ITEM>\r\n\r\n"
    "</CHANNEL>\r\n";

bool LoadSample(CChannelDlg& form)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("news.cdf")));
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly))
        return false;
    file.write(QByteArray::fromStdString(fw::Utf8ToCp932(kSampleChannel)));
    file.close();
    return form.ReadCdf(file.fileName());
}

// Runs `open`, which blocks in a modal dialog, and visits that dialog.
void VisitModal(const QString& name, const DialogVisitor& visit, const std::function<void()>& open)
{
    WhenModalOpens([name, visit](QWidget* modal) {
        visit(name, modal);
        static_cast<QDialog*>(modal)->reject();
    });
    open();
}

}  // namespace

void VisitEveryDialog(const DialogVisitor& visit)
{
    CFeedwrightApp::RegisterResources();  // the pictures, as the program has them
    ScriptedPlatform platform;
    CChannelDlg form(platform);
    form.Open();
    if (!QTest::qWaitForWindowExposed(&form))
        qWarning("The main form was not shown.");
    if (!LoadSample(form))
        qWarning("The sample channel could not be loaded; the dialogs show their defaults.");
    // A stop date that is kept but not written: its edits show disabled.
    fw::ScheduleRecord& schedule = form.m_channel.schedule;
    schedule.m_nStopYear = 2024;
    schedule.m_nStopMonth = 12;
    schedule.m_nStopDay = 31;

    visit(QStringLiteral("mainform"), &form);
    VisitModal(QStringLiteral("about"), visit, [&] { form.OnButtonInfo(); });
    VisitModal(QStringLiteral("logo"), visit, [&] { form.OnButtonLogo(); });
    VisitModal(QStringLiteral("schedule-day"), visit, [&] { form.OnButtonSchedule(); });
    // The widest pace text: every 12 hours and 30 minutes.
    schedule.m_nUpdateUnit = 1;
    schedule.m_nHourSel = 7;
    schedule.m_nIntervalHour = 12;
    schedule.m_nIntervalMin = 30;
    VisitModal(QStringLiteral("schedule-hour"), visit, [&] { form.OnButtonSchedule(); });

    // The site map as the load opened it, with the top story selected.
    form.OnButtonSitemap();
    CSitemapDlg* sitemap = form.sitemapDlg;
    if (!QTest::qWaitForWindowExposed(sitemap))
        qWarning("The site map dialog was not shown.");
    fw::SitemapTree& tree = form.m_channel.sitemap;
    if (fw::SitemapItem* sports = tree.Root()->FirstChild(); sports != nullptr && sports->NextSibling() != nullptr)
        tree.Select(sports->NextSibling());
    visit(QStringLiteral("sitemap"), sitemap);
    VisitModal(QStringLiteral("comment"), visit,
               [&] { sitemap->Control<QPushButton>(sitemap_dlg::IDC_BUTTON_COMMENT)->click(); });
    sitemap->reject();
    form.reject();
}

}  // namespace fwtest
