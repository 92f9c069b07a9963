// The comment dialog over one record: what it opens with, what OK stores
// (usage, icon URL, comment) and that Cancel stores nothing; the usage
// buttons of channels; Enter and Ctrl+Enter in the comment.

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

enum Id { kOk = 1, kCancel = 2, kComment = 1084, kUseIcon = 1091, kIconHref = 1017, kFirstUsage = 1093 };

fw::SitemapNode Page(int usage, const char* icon)
{
    fw::SitemapNode record = fw::SitemapNode::NewPage();
    record.m_nUsage = usage;
    record.m_strIconHref = icon;
    record.m_strAbstract = "old comment";
    return record;
}

// Opens the dialog for `record` as the site map's button does, lets `drive`
// work on it while it is shown (and close it), and stores the result on OK.
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

// The checked usage button's index, -1 for none; with whether they are enabled.
int CheckedUsage(CCommentDlg& dlg, bool* enabled = nullptr)
{
    int checked = -1;
    for (int i = 0; i < 5; ++i) {
        auto* button = Get<QRadioButton>(dlg, kFirstUsage + i);
        if (button->isChecked())
            checked = i;
        if (enabled != nullptr)
            *enabled = button->isEnabled();
    }
    return checked;
}

}  // namespace

class CommentDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("feedwright")); }

    void usageWithoutAButtonBecomesNoneOnOkAndCancelKeepsEverything()
    {
        fw::SitemapNode record = Page(fw::kUsageSoftwareUpdate, "http://icon.ico");
        const fw::SitemapNode before = record;
        int shown = 99;
        bool enabled = false;
        Edit(record, [&](CCommentDlg& dlg) {
            shown = CheckedUsage(dlg, &enabled);
            Click(dlg, kFirstUsage);
            Click(dlg, kUseIcon);
            Get<QPlainTextEdit>(dlg, kComment)->setPlainText(QStringLiteral("new"));
            Click(dlg, kCancel);
        });
        QCOMPARE(shown, -1);
        QVERIFY(enabled);
        QCOMPARE(record, before);

        Edit(record, [](CCommentDlg& dlg) { Click(dlg, kOk); });
        QCOMPARE(record.m_nUsage, -1);
        Edit(record, [](CCommentDlg& dlg) { Click(dlg, kFirstUsage + 3); Click(dlg, kOk); });
        QCOMPARE(record.m_nUsage, 3);
    }

    void iconUrlCountsOnlyWhileTheBoxIsChecked_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("http:// alone") << QStringLiteral("http://");
        QTest::newRow("empty") << QString();
    }

    void iconUrlCountsOnlyWhileTheBoxIsChecked()
    {
        QFETCH(QString, stored);
        fw::SitemapNode record = Page(0, stored.toLatin1().constData());
        Edit(record, [&](CCommentDlg& dlg) {
            QVERIFY(!Get<QCheckBox>(dlg, kUseIcon)->isChecked());
            QVERIFY(!Get<QLineEdit>(dlg, kIconHref)->isEnabled());
            QCOMPARE(Get<QLineEdit>(dlg, kIconHref)->text(), stored);
            Click(dlg, kOk);
        });
        QCOMPARE(record.m_strIconHref, std::string("http://"));

        // Checked, the edit's text is stored, even an empty one.
        Edit(record, [](CCommentDlg& dlg) {
            Click(dlg, kUseIcon);
            auto* edit = Get<QLineEdit>(dlg, kIconHref);
            QVERIFY(edit->isEnabled());
            edit->clear();
            Click(dlg, kOk);
        });
        QCOMPARE(record.m_strIconHref, std::string());
        Edit(record, [](CCommentDlg& dlg) {
            Click(dlg, kUseIcon);
            Get<QLineEdit>(dlg, kIconHref)->setFocus();
            fwtest::TypeText(Get<QLineEdit>(dlg, kIconHref), QStringLiteral("http://site/i.ico"));
            Click(dlg, kOk);
        });
        QCOMPARE(record.m_strIconHref, std::string("http://site/i.ico"));

        // Unchecked again, no icon is stored whatever the disabled edit holds.
        Edit(record, [](CCommentDlg& dlg) {
            QVERIFY(Get<QCheckBox>(dlg, kUseIcon)->isChecked());
            Click(dlg, kUseIcon);
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
        int shown = -1;
        bool enabled = true;
        Edit(channel, [&](CCommentDlg& dlg) {
            shown = CheckedUsage(dlg, &enabled);
            Get<QPlainTextEdit>(dlg, kComment)->setPlainText(QStringLiteral("channel comment"));
            Click(dlg, kOk);
        });
        QCOMPARE(shown, 2);
        QVERIFY(!enabled);
        QCOMPARE(channel.m_nUsage, 2);
        QCOMPARE(channel.m_strAbstract, std::string("channel comment"));
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
            QTest::keyClick(comment, Qt::Key_Return);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(record.m_strAbstract, std::string("line 1\nline 2"));
    }
};

QTEST_MAIN(CommentDialogTest)
#include "comment_dialog_test.moc"
