#include "support/DialogTour.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include "app/ChannelDlg.h"
#include "app/FeedwrightApp.h"
#include "sitemapeditor/SitemapDlg.h"
#include "sitemapeditor/SitemapDlgIds.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

namespace fwtest {

namespace {

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
    // A news channel with logos, a schedule, a sub-channel and three pages.
    if (!form.ReadCdf(QStringLiteral(FEEDWRIGHT_TEST_DATA_DIR "/gui/news.cdf")))
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
