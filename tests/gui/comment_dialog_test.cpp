// The comment dialog over one record: what it shows, what OK stores (usage,
// icon URL, comment), that Cancel stores nothing, and Enter and Ctrl+Enter.

#include <QTest>

#include "sitemap/SitemapNode.h"
#include "sitemapeditor/CommentDlg.h"
#include "sitemapeditor/CommentDlgIds.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;
using namespace comment_dlg;

namespace {

using Drive = std::function<void(CCommentDlg&)>;

fw::SitemapNode Page(int usage, const char* icon)
{
    fw::SitemapNode record = fw::SitemapNode::NewPage();
    record.m_nUsage = usage;
    record.m_strIconHref = icon;
    return record;
}

Drive Clicks(const QList<int>& ids)
{
    return [ids](CCommentDlg& dlg) {
        for (int id : ids)
            fwtest::Click(fwtest::FindControl<QWidget>(&dlg, id));
    };
}

// Opens the dialog on `record` as the site map's button does, runs `drive`
// and stores into the record on OK. What it showed first, and how it closed.
QString Edit(fw::SitemapNode& record, const Drive& drive)
{
    fwtest::ScriptedPlatform platform;
    CCommentDlg dlg(platform, nullptr);
    dlg.LoadFromRecord(record);
    QString shown;
    const int result = fwtest::RunModal(dlg, [&] {
        shown = fwtest::Outline(&dlg, {IDC_CHECK_USEICON, IDC_EDIT_ICONHREF, IDC_RADIO_SITEMAP, IDC_RADIO_NOSITEMAP,
                                       IDC_RADIO_EMAIL, IDC_RADIO_SCREENSAVER, IDC_RADIO_DESKTOP});
        drive(dlg);
    });
    if (result == QDialog::Accepted)
        dlg.StoreIntoRecord(record);
    return shown + (result == QDialog::Accepted ? u" | OK"_s : u" | cancelled"_s);
}

}  // namespace

class CommentDialogTest : public QObject {
    Q_OBJECT

private slots:
    void usageWithoutAButtonBecomesNoneOnOkAndCancelKeepsEverything()
    {
        fw::SitemapNode record = Page(fw::kUsageSoftwareUpdate, "http://icon.ico");
        const fw::SitemapNode before = record;
        QCOMPARE(Edit(record, Clicks({IDC_RADIO_SITEMAP, IDC_CHECK_USEICON, IDCANCEL})),
                 u"IDC_CHECK_USEICON=[x] IDC_EDIT_ICONHREF=http://icon.ico IDC_RADIO_SITEMAP=[ ] IDC_RADIO_NOSITEMAP=[ ] "
                 "IDC_RADIO_EMAIL=[ ] IDC_RADIO_SCREENSAVER=[ ] IDC_RADIO_DESKTOP=[ ] | cancelled"_s);
        QCOMPARE(record, before);
        // Enter on the focused Cancel cancels too.
        QVERIFY(Edit(record, [](CCommentDlg& dlg) {
                    Clicks({IDC_RADIO_SITEMAP})(dlg);
                    auto* cancel = fwtest::FindControl<QWidget>(&dlg, IDCANCEL);
                    cancel->setFocus();
                    QTest::keyClick(cancel, Qt::Key_Return);
                }).endsWith(u"| cancelled"_s));
        QCOMPARE(record, before);
        Edit(record, Clicks({IDOK}));
        QCOMPARE(record.m_nUsage, -1);
    }

    // The icon URL counts only while its box is checked: "http://" stands for none.
    void iconUrl()
    {
        const struct { const char* icon; QList<int> clicks; QString shown; std::string stored; } cases[] = {
            {"http://", {IDOK}, u"IDC_CHECK_USEICON=[ ] !IDC_EDIT_ICONHREF=http://"_s, "http://"},
            {"", {IDOK}, u"IDC_CHECK_USEICON=[ ] !IDC_EDIT_ICONHREF="_s, "http://"},
            {"", {IDC_CHECK_USEICON, IDOK}, u"IDC_CHECK_USEICON=[ ] !IDC_EDIT_ICONHREF="_s, ""},
            {"http://site/i.ico", {IDC_CHECK_USEICON, IDOK}, u"IDC_CHECK_USEICON=[x] IDC_EDIT_ICONHREF=http://site/i.ico"_s,
             "http://"},
        };
        for (const auto& c : cases) {
            fw::SitemapNode record = Page(0, c.icon);
            QCOMPARE(Edit(record, Clicks(c.clicks)), c.shown + u" IDC_RADIO_SITEMAP=[x] IDC_RADIO_NOSITEMAP=[ ] IDC_RADIO_EMAIL=[ ] "
                                                               "IDC_RADIO_SCREENSAVER=[ ] IDC_RADIO_DESKTOP=[ ] | OK"_s);
            QCOMPARE(record.m_strIconHref, c.stored);
        }
    }

    void channelsShowTheirUsageOnDisabledButtons()
    {
        fw::SitemapNode channel = fw::SitemapNode::NewSubChannel();
        channel.m_nUsage = 2;
        QCOMPARE(Edit(channel, Clicks({IDOK})),
                 u"IDC_CHECK_USEICON=[ ] !IDC_EDIT_ICONHREF=http:// !IDC_RADIO_SITEMAP=[ ] !IDC_RADIO_NOSITEMAP=[ ] "
                 "!IDC_RADIO_EMAIL=[x] !IDC_RADIO_SCREENSAVER=[ ] !IDC_RADIO_DESKTOP=[ ] | OK"_s);
        QCOMPARE(channel.m_nUsage, 2);
    }

    void enterConfirmsAndCtrlEnterBreaksTheLine()
    {
        fw::SitemapNode record = Page(0, "http://");
        const QString closed = Edit(record, [](CCommentDlg& dlg) {
            auto* comment = fwtest::FindControl<QWidget>(&dlg, IDC_EDIT_COMMENT);
            fwtest::Retype(comment, u"line 1"_s);
            QTest::keyClick(comment, Qt::Key_Return, Qt::ControlModifier);
            fwtest::TypeText(comment, u"line 2\n"_s);
        });
        QVERIFY(closed.endsWith(u"| OK"_s));
        QCOMPARE(record.m_strAbstract, std::string("line 1\nline 2"));
    }
};

QTEST_MAIN(CommentDialogTest)
#include "comment_dialog_test.moc"
