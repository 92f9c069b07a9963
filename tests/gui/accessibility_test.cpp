// Every control of every dialog can be found by assistive technology under
// the name a sighted user reads beside it, and a screen reader's actions do
// what a click does.

#include <algorithm>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>

#include "app/ChannelDlgIds.h"
#include "dialogs/LogoDlgIds.h"
#include "dialogs/ScheduleDlgIds.h"
#include "framework/Dialog.h"
#include "sitemapeditor/CommentDlgIds.h"
#include "sitemapeditor/SitemapDlgIds.h"
#include "support/DialogTour.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;

namespace {

using NameTable = QHash<int, QString>;

// Controls whose name does not come from their own text, by dialog.
const QHash<QString, NameTable> kNamesFromLabels = {
    {QStringLiteral("mainform"),
     {{channel_dlg::IDC_EDIT_HOMEURL, QStringLiteral("ホームページのＵＲＬ")},
      {channel_dlg::IDC_EDIT_TITLE, QStringLiteral("チャンネルのタイトル")},
      {channel_dlg::IDC_EDIT_ABSTRACT, QStringLiteral("チャンネルの簡単な紹介文")},
      {channel_dlg::IDC_EDIT_CDFURL, QStringLiteral("CDFファイルのＵＲＬ(* .cdf)")},
      {channel_dlg::IDC_EDIT_BASEURL, QStringLiteral("ベースＵＲＬ")},
      {channel_dlg::IDC_INFO, QStringLiteral("情報")}}},
    {QStringLiteral("logo"),
     {{logo_dlg::IDC_EDIT_ICONURL, QStringLiteral("アイコンファイルのＵＲＬ(16x16 .ico)")},
      {logo_dlg::IDC_EDIT_LOGOURL, QStringLiteral("チャンネルロゴファイルのＵＲＬ(80x32 .gif)")},
      {logo_dlg::IDC_EDIT_WIDELOGOURL, QStringLiteral("チャンネルロゴ（ワイド）ファイルのＵＲＬ(194x32 .gif)")}}},
    {QStringLiteral("schedule-day"),
     {{schedule_dlg::IDC_EDIT_INTERVALDAY, QStringLiteral("更新の間隔（日）")},
      {schedule_dlg::IDC_COMBO_HOUR, QStringLiteral("時間")},
      {schedule_dlg::IDC_EDIT_STARTYEAR, QStringLiteral("開始日（年）")},
      {schedule_dlg::IDC_EDIT_LATESTHOUR, QStringLiteral("更新する時間帯の終わり（時）")}}},
    {QStringLiteral("sitemap"),
     {{sitemap_dlg::IDC_TREE_SITEMAP, QStringLiteral("サイトマップ")},
      {sitemap_dlg::IDC_BUTTON_ADDPAGE, QStringLiteral("追加")},
      {sitemap_dlg::IDC_BUTTON_ADDCHANNEL, QStringLiteral("追加")},
      {sitemap_dlg::IDC_BUTTON_DELETE, QStringLiteral("削除")},
      {sitemap_dlg::IDC_BUTTON_COPY, QStringLiteral("コピー")},
      {sitemap_dlg::IDC_BUTTON_PASTE, QStringLiteral("ペースト")},
      {sitemap_dlg::IDC_EDIT_ITEMTITLE, QStringLiteral("タイトル")},
      {sitemap_dlg::IDC_EDIT_URL, QStringLiteral("ＵＲＬ")},
      {sitemap_dlg::IDC_COMBO_LEVEL, QStringLiteral("Level")}}},
    {QStringLiteral("comment"),
     {{comment_dlg::IDC_EDIT_COMMENT, QStringLiteral("簡単なコメント")},
      {comment_dlg::IDC_EDIT_ICONHREF, QStringLiteral("アイコンのＵＲＬ")}}},
};

bool IsControl(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QTreeView*>(widget);
}

// The name assistive technology announces. Qt on Linux gives a combo box its
// current entry as name and its label through the "labelled by" relation.
QString AccessibleName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    if (accessible == nullptr)
        return {};
    if (qobject_cast<QComboBox*>(widget) != nullptr) {
        const auto labels = accessible->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return accessible->text(QAccessible::Name);
}

QString AccessibleDescription(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Description) : QString();
}

// The controls of a dialog as shown, then as they show the dialog's members
// after an exchange into the controls: a handler that did not take a switch
// into the members shows there.
QString State(QWidget* dialog)
{
    QList<int> ids;
    for (const QWidget* widget : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        bool numbered = false;
        const int id = widget->objectName().toInt(&numbered);
        if (numbered)
            ids << id;
    }
    std::sort(ids.begin(), ids.end());
    const QString shown = fwtest::Outline(dialog, ids);
    static_cast<fwgui::CDialog*>(dialog)->UpdateData(false);
    return shown + QStringLiteral(" || ") + fwtest::Outline(dialog, ids);
}

// Switches a check box back, or gives the check back to the radio button
// that had it, by clicks.
void Restore(QAbstractButton* button, QAbstractButton* previouslyChecked)
{
    if (qobject_cast<QCheckBox*>(button) != nullptr)
        fwtest::Click(button);
    else if (previouslyChecked != nullptr)
        fwtest::Click(previouslyChecked);
}

// What the user reads on a button, without its mnemonic marker.
QString VisibleText(const QAbstractButton* button)
{
    QString text = button->text();
    return text.remove(QLatin1Char('&'));
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsNamedAsTheUserReadsIt()
    {
        QStringList faults;
        QStringList visited;
        fwtest::VisitEveryDialog([&](const QString& dialogName, QWidget* dialog) {
            visited << dialogName;
            const NameTable expected = kNamesFromLabels.value(dialogName);
            QHash<QString, int> inputNames;
            QHash<QString, int> buttonsSaid;
            for (QWidget* widget : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!IsControl(widget))
                    continue;
                const int id = widget->objectName().toInt();
                const QString name = AccessibleName(widget);
                const QString where = dialogName + QLatin1Char('/') + fwtest::NameOf(widget) + QLatin1String(": ");
                const auto* button = qobject_cast<const QAbstractButton*>(widget);
                if (expected.contains(id)) {
                    if (name != expected.value(id))
                        faults << where + QStringLiteral("named \"%1\", expected \"%2\"").arg(name, expected.value(id));
                } else if (button != nullptr && !button->text().isEmpty()) {
                    if (name != VisibleText(button))
                        faults << where + QStringLiteral("named \"%1\", not by its text \"%2\"").arg(name, VisibleText(button));
                } else if (name.trimmed().isEmpty()) {
                    faults << where + QStringLiteral("has no accessible name");
                }
                // Buttons, and fields, that share what is said of them cannot be told apart by ear.
                if (button != nullptr) {
                    const QString said = name + QStringLiteral(" / ") + AccessibleDescription(widget);
                    if (buttonsSaid.contains(said))
                        faults << where + QStringLiteral("is said as \"%1\" like %2").arg(said).arg(buttonsSaid.value(said));
                    buttonsSaid.insert(said, id);
                    continue;
                }
                if (name.isEmpty())
                    continue;
                if (inputNames.contains(name))
                    faults << where + QStringLiteral("shares the name \"%1\" with %2").arg(name).arg(inputNames.value(name));
                inputNames.insert(name, id);
            }
        });
        QCOMPARE(visited.size(), 7);
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), "faults listed above");
    }

    // Every check box and radio button, switched through the action a screen
    // reader uses (Toggle or Press), leaves its dialog as a mouse click on it
    // does.
    void screenReaderActionsDoWhatAClickDoes()
    {
        QStringList faults;
        QStringList switched;
        fwtest::VisitEveryDialog([&](const QString& dialogName, QWidget* dialog) {
            for (auto* button : dialog->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
                if (!button->isCheckable())
                    continue;
                const QString where = dialogName + QLatin1Char('/') + fwtest::NameOf(button);
                switched << where;
                QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(button)->actionInterface();
                QAbstractButton* checkedBefore = nullptr;
                for (auto* sibling : dialog->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
                    if (sibling->autoExclusive() && sibling->isChecked())
                        checkedBefore = sibling;
                }
                const QString before = State(dialog);
                fwtest::Click(button);
                const QString byMouse = State(dialog);
                Restore(button, checkedBefore);
                const bool staysChecked = button == checkedBefore;
                if ((byMouse == before) != staysChecked || State(dialog) != before) {
                    faults << where + QStringLiteral(": a click does not switch it, or it cannot be switched back");
                    continue;
                }
                if (!actions->actionNames().contains(QAccessibleActionInterface::toggleAction()))
                    faults << where + QStringLiteral(": offers no Toggle action");
                for (const QString& action : {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()}) {
                    actions->doAction(action);
                    QTRY_VERIFY(!button->isDown());  // Press clicks after a short animation
                    const QString byAction = State(dialog);
                    if (byAction != byMouse)
                        faults << where + QStringLiteral(" by %1:\n  %2\nby the mouse:\n  %3").arg(action, byAction, byMouse);
                    Restore(button, checkedBefore);
                }
            }
        });
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), "faults listed above");
        QCOMPARE(switched.join(QLatin1Char(' ')),
                 u"mainform/IDC_CHECK_BASEURL schedule-day/IDC_RADIO_DAY schedule-day/IDC_RADIO_HOUR "
                 u"schedule-day/IDC_CHECK_STARTDATE schedule-day/IDC_CHECK_STOPDATE schedule-hour/IDC_RADIO_DAY "
                 u"schedule-hour/IDC_RADIO_HOUR schedule-hour/IDC_CHECK_STARTDATE schedule-hour/IDC_CHECK_STOPDATE "
                 u"sitemap/IDC_CHECK_PRECACHE comment/IDC_CHECK_USEICON comment/IDC_RADIO_SITEMAP "
                 u"comment/IDC_RADIO_NOSITEMAP comment/IDC_RADIO_EMAIL comment/IDC_RADIO_SCREENSAVER "
                 u"comment/IDC_RADIO_DESKTOP"_s);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
