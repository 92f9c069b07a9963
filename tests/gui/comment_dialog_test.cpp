// The comment dialog over one record: what it shows, what OK stores (usage,
// icon URL, comment), that Cancel stores nothing, and Enter and Ctrl+Enter.

#include <QPlainTextEdit>
#include <QTest>

#include "sitemap/CommentDlg.h"
#include "sitemap/SitemapNode.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;

namespace {

enum Id { kOk = 1, kCancel = 2, kComment = 1084, kUseIcon = 1091, kIconHref = 1017, kFirstUsage = 1093 };
const QList<int> kShown = {kUseIcon, kIconHref, 1093, 1094, 1095, 1096, 1097};

fw::SitemapNode Page(int usage, const char* icon)
{
    fw::SitemapNode record = fw::SitemapNode::NewPage();
    record.m_nUsage = usage;
    record.m_strIconHref = icon;
    return record;
}

// Opens the dialog on `record` as the site map's button does, runs `drive`
// while it is shown and stores into the record on OK. What it showed first.
QString Edit(fw::SitemapNode& record, const std::function<void(CCommentDlg&)>& drive, int* result = nullptr)
{
    fwtest::ScriptedPlatform platform;
    CCommentDlg dlg(platform, nullptr);
    dlg.LoadFromRecord(record);
    QString shown;
    const int closed = fwtest::RunModal(dlg, [&] {
        shown = fwtest::Outline(&dlg, kShown);
        drive(dlg);
    });
    if (closed == QDialog::Accepted)
        dlg.StoreIntoRecord(record);
    if (result != nullptr)
        *result = closed;
    return shown;
}

void Click(CCommentDlg& dlg, int id) { fwtest::Click(fwtest::FindControl<QWidget>(&dlg, id)); }

}  // namespace

class CommentDialogTest : public QObject {
    Q_OBJECT

private slots:
    void usageWithoutAButtonBecomesNoneOnOkAndCancelKeepsEverything()
    {
        fw::SitemapNode record = Page(fw::kUsageSoftwareUpdate, "http://icon.ico");
        const fw::SitemapNode before = record;
        QCOMPARE(Edit(record, [](CCommentDlg& dlg) {
                     Click(dlg, kFirstUsage);
                     Click(dlg, kUseIcon);
                     fwtest::Retype(fwtest::FindControl<QWidget>(&dlg, kComment), u"new"_s);
                     Click(dlg, kCancel);
                 }),
                 u"1091=[x] 1017=http://icon.ico 1093=[ ] 1094=[ ] 1095=[ ] 1096=[ ] 1097=[ ]"_s);
        QCOMPARE(record, before);
        Edit(record, [](CCommentDlg& dlg) { Click(dlg, kOk); });
        QCOMPARE(record.m_nUsage, -1);
    }

    void iconUrlCountsOnlyWhileTheBoxIsChecked()
    {
        for (const char* stored : {"http://", ""}) {
            fw::SitemapNode record = Page(0, stored);
            const QString shown = Edit(record, [](CCommentDlg& dlg) { Click(dlg, kOk); });
            QCOMPARE(shown, u"1091=[ ] !1017=%1 1093=[x] 1094=[ ] 1095=[ ] 1096=[ ] 1097=[ ]"_s.arg(QLatin1String(stored)));
            QCOMPARE(record.m_strIconHref, std::string("http://"));
            // Checked, the edit's text is stored, even an empty one.
            Edit(record, [](CCommentDlg& dlg) {
                Click(dlg, kUseIcon);
                fwtest::Retype(fwtest::FindControl<QWidget>(&dlg, kIconHref), QString());
                Click(dlg, kOk);
            });
            QCOMPARE(record.m_strIconHref, std::string());
        }
        // Unchecked, no icon is stored whatever the edit holds.
        fw::SitemapNode record = Page(0, "http://site/i.ico");
        Edit(record, [](CCommentDlg& dlg) {
            Click(dlg, kUseIcon);
            Click(dlg, kOk);
        });
        QCOMPARE(record.m_strIconHref, std::string("http://"));
    }

    void channelsShowTheirUsageOnDisabledButtons()
    {
        fw::SitemapNode channel = fw::SitemapNode::NewSubChannel();
        channel.m_nUsage = 2;
        QCOMPARE(Edit(channel, [](CCommentDlg& dlg) { Click(dlg, kOk); }),
                 u"1091=[ ] !1017=http:// !1093=[ ] !1094=[ ] !1095=[x] !1096=[ ] !1097=[ ]"_s);
        QCOMPARE(channel.m_nUsage, 2);
    }

    void enterConfirmsAndCtrlEnterBreaksTheLine()
    {
        fw::SitemapNode record = Page(0, "http://");
        int result = -1;
        Edit(record, [](CCommentDlg& dlg) {
            auto* comment = fwtest::FindControl<QWidget>(&dlg, kComment);
            fwtest::Retype(comment, u"line 1"_s);
            QTest::keyClick(comment, Qt::Key_Return, Qt::ControlModifier);
            fwtest::TypeText(comment, u"line 2\n"_s);
        }, &result);
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(record.m_strAbstract, std::string("line 1\nline 2"));
    }
};

QTEST_MAIN(CommentDialogTest)
#include "comment_dialog_test.moc"
