// The comment dialog over one record: what it opens with, what OK stores
// (usage, icon URL, comment) and that Cancel stores nothing; the usage
// buttons for channels; Enter and Ctrl+Enter in the comment.

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "sitemap/CommentDlg.h"
#include "sitemap/SitemapNode.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

namespace {

constexpr int kComment = 1084;
constexpr int kUseIcon = 1091;
constexpr int kIconHref = 1017;
constexpr int kFirstUsage = 1093;
constexpr int kOk = 1;
constexpr int kCancel = 2;

fw::SitemapNode Page(int usage, const char* icon)
{
    fw::SitemapNode record = fw::SitemapNode::NewPage();
    record.m_nUsage = usage;
    record.m_strIconHref = icon;
    record.m_strAbstract = "old comment";
    return record;
}

// Opens the dialog for `record` the way the site map's button does, lets
// `drive` work on it while it is shown, and stores the result on OK.
// `drive` must close the dialog. Returns DoModal's result.
int Edit(fw::SitemapNode& record, const std::function<void(CCommentDlg&)>& drive)
{
    fwtest::ScriptedPlatform platform;
    CCommentDlg dlg(platform, nullptr);
    dlg.LoadFromRecord(record);
    QTimer::singleShot(0, &dlg, [&dlg, drive] {
        if (QTest::qWaitForWindowExposed(&dlg))
            drive(dlg);
        if (dlg.isVisible()) {
            QTest::qFail("the dialog was left open", __FILE__, __LINE__);
            dlg.reject();
        }
    });
    const int result = dlg.DoModal();
    if (result == QDialog::Accepted)
        dlg.StoreIntoRecord(record);
    return result;
}

template <typename T> T* Get(CCommentDlg& dlg, int id) { return fwtest::FindControl<T>(&dlg, id); }
void Click(CCommentDlg& dlg, int id) { QTest::mouseClick(Get<QAbstractButton>(dlg, id), Qt::LeftButton, {}, QPoint(4, 4)); }

int CheckedUsage(CCommentDlg& dlg)
{
    for (int i = 0; i < 5; ++i) {
        if (Get<QRadioButton>(dlg, kFirstUsage + i)->isChecked())
            return i;
    }
    return -1;
}

}  // namespace

class CommentDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("feedwright")); }

    void usageWithoutAButtonBecomesNoneOnOkAndStaysOnCancel()
    {
        fw::SitemapNode record = Page(fw::kUsageSoftwareUpdate, "http://");
        int shown = 99;
        QCOMPARE(Edit(record, [&](CCommentDlg& dlg) { shown = CheckedUsage(dlg); Click(dlg, kCancel); }),
                 int(QDialog::Rejected));
        QCOMPARE(shown, -1);
        QCOMPARE(record.m_nUsage, 5);

        Edit(record, [](CCommentDlg& dlg) { Click(dlg, kOk); });
        QCOMPARE(record.m_nUsage, -1);

        // A chosen button stores its index.
        Edit(record, [](CCommentDlg& dlg) { Click(dlg, kFirstUsage + 3); Click(dlg, kOk); });
        QCOMPARE(record.m_nUsage, 3);
    }

    void cancelLeavesTheRecordExactlyAsItWas()
    {
        fw::SitemapNode record = Page(2, "http://icon.ico");
        const fw::SitemapNode before = record;
        Edit(record, [](CCommentDlg& dlg) {
            Click(dlg, kFirstUsage);
            Click(dlg, kUseIcon);
            Get<QPlainTextEdit>(dlg, kComment)->setPlainText(QStringLiteral("new"));
            QTest::keyClick(&dlg, Qt::Key_Escape);
        });
        QCOMPARE(record, before);
    }

    void iconUrlIsUsedOnlyWhileTheBoxIsChecked_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("http:// alone") << QStringLiteral("http://");
        QTest::newRow("empty") << QString();
    }

    void iconUrlIsUsedOnlyWhileTheBoxIsChecked()
    {
        QFETCH(QString, stored);
        fw::SitemapNode record = Page(0, stored.toLatin1().constData());
        bool checked = true;
        bool editEnabled = true;
        QString shownText;
        Edit(record, [&](CCommentDlg& dlg) {
            checked = Get<QCheckBox>(dlg, kUseIcon)->isChecked();
            editEnabled = Get<QLineEdit>(dlg, kIconHref)->isEnabled();
            shownText = Get<QLineEdit>(dlg, kIconHref)->text();
            Click(dlg, kOk);
        });
        QVERIFY(!checked);
        QVERIFY(!editEnabled);
        QCOMPARE(shownText, stored);
        QCOMPARE(record.m_strIconHref, std::string("http://"));

        // Checked with the edit left as it is: the edit's text is stored.
        Edit(record, [](CCommentDlg& dlg) {
            Click(dlg, kUseIcon);
            QVERIFY(Get<QLineEdit>(dlg, kIconHref)->isEnabled());
            Get<QLineEdit>(dlg, kIconHref)->clear();
            Click(dlg, kOk);
        });
        QCOMPARE(record.m_strIconHref, std::string());

        Edit(record, [](CCommentDlg& dlg) {
            Click(dlg, kUseIcon);
            auto* edit = Get<QLineEdit>(dlg, kIconHref);
            edit->setFocus();
            fwtest::TypeText(edit, QStringLiteral("http://site/i.ico"));
            Click(dlg, kOk);
        });
        QCOMPARE(record.m_strIconHref, std::string("http://site/i.ico"));
    }

    void uncheckingTheIconStoresNoIconWhateverTheEditHolds()
    {
        fw::SitemapNode record = Page(0, "http://site/i.ico");
        Edit(record, [](CCommentDlg& dlg) {
            QVERIFY(Get<QCheckBox>(dlg, kUseIcon)->isChecked());
            QVERIFY(Get<QLineEdit>(dlg, kIconHref)->isEnabled());
            Click(dlg, kUseIcon);
            // The disabled edit keeps its text.
            QVERIFY(!Get<QLineEdit>(dlg, kIconHref)->isEnabled());
            QCOMPARE(Get<QLineEdit>(dlg, kIconHref)->text(), QStringLiteral("http://site/i.ico"));
            Click(dlg, kOk);
        });
        QCOMPARE(record.m_strIconHref, std::string("http://"));
    }

    void channelsShowTheirUsageOnDisabledButtons()
    {
        fw::SitemapNode channel = fw::SitemapNode::NewSubChannel();
        channel.m_nUsage = 2;
        bool anyEnabled = true;
        int shown = -1;
        Edit(channel, [&](CCommentDlg& dlg) {
            anyEnabled = false;
            for (int i = 0; i < 5; ++i)
                anyEnabled = anyEnabled || Get<QRadioButton>(dlg, kFirstUsage + i)->isEnabled();
            shown = CheckedUsage(dlg);
            QVERIFY(Get<QPlainTextEdit>(dlg, kComment)->isEnabled());
            QVERIFY(Get<QCheckBox>(dlg, kUseIcon)->isEnabled());
            Get<QPlainTextEdit>(dlg, kComment)->setPlainText(QStringLiteral("channel comment"));
            Click(dlg, kOk);
        });
        QVERIFY(!anyEnabled);
        QCOMPARE(shown, 2);
        QCOMPARE(channel.m_nUsage, 2);
        QCOMPARE(channel.m_strAbstract, std::string("channel comment"));

        fw::SitemapNode page = Page(1, "http://");
        bool allEnabled = false;
        Edit(page, [&](CCommentDlg& dlg) {
            allEnabled = true;
            for (int i = 0; i < 5; ++i)
                allEnabled = allEnabled && Get<QRadioButton>(dlg, kFirstUsage + i)->isEnabled();
            Click(dlg, kOk);
        });
        QVERIFY(allEnabled);
    }

    void enterConfirmsAndCtrlEnterBreaksTheLine()
    {
        fw::SitemapNode record = Page(0, "http://");
        const int result = Edit(record, [](CCommentDlg& dlg) {
            auto* comment = Get<QPlainTextEdit>(dlg, kComment);
            comment->setFocus();
            comment->selectAll();
            fwtest::TypeText(comment, QStringLiteral("line 1"));
            QTest::keyClick(comment, Qt::Key_Return, Qt::ControlModifier);
            fwtest::TypeText(comment, QStringLiteral("line 2"));
            QVERIFY(dlg.isVisible());
            QTest::keyClick(comment, Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(record.m_strAbstract, std::string("line 1\nline 2"));
    }
};

QTEST_MAIN(CommentDialogTest)
#include "comment_dialog_test.moc"
