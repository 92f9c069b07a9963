// Every control of every dialog can be found by assistive technology under
// the name a sighted user reads beside it.

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>

#include "support/DialogTour.h"

namespace {

using NameTable = QHash<int, QString>;

// Controls whose name does not come from their own text, by dialog.
const QHash<QString, NameTable> kNamesFromLabels = {
    {QStringLiteral("mainform"),
     {{1000, QStringLiteral("ホームページのＵＲＬ")},
      {1002, QStringLiteral("チャンネルのタイトル")},
      {1003, QStringLiteral("チャンネルの簡単な紹介文")},
      {1004, QStringLiteral("CDFファイルのＵＲＬ(* .cdf)")},
      {1009, QStringLiteral("ベースＵＲＬ")},
      {3, QStringLiteral("情報")}}},
    {QStringLiteral("logo"),
     {{1017, QStringLiteral("アイコンファイルのＵＲＬ(16x16 .ico)")},
      {1001, QStringLiteral("チャンネルロゴファイルのＵＲＬ(80x32 .gif)")},
      {1002, QStringLiteral("チャンネルロゴ（ワイド）ファイルのＵＲＬ(194x32 .gif)")}}},
    {QStringLiteral("schedule-day"),
     {{1032, QStringLiteral("更新の間隔（日）")},
      {1058, QStringLiteral("時間")},
      {1021, QStringLiteral("開始日（年）")},
      {1043, QStringLiteral("更新する時間帯の終わり（時）")}}},
    {QStringLiteral("sitemap"),
     {{1071, QStringLiteral("サイトマップ")},
      {1068, QStringLiteral("追加")},
      {1067, QStringLiteral("追加")},
      {1069, QStringLiteral("削除")},
      {1070, QStringLiteral("コピー")},
      {1072, QStringLiteral("ペースト")},
      {1079, QStringLiteral("タイトル")},
      {1078, QStringLiteral("ＵＲＬ")},
      {1086, QStringLiteral("Level")}}},
    {QStringLiteral("comment"),
     {{1084, QStringLiteral("簡単なコメント")}, {1017, QStringLiteral("アイコンのＵＲＬ")}}},
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
            for (QWidget* widget : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!IsControl(widget))
                    continue;
                const int id = widget->objectName().toInt();
                const QString name = AccessibleName(widget);
                const QString where = dialogName + QLatin1Char('/') + widget->objectName() + QLatin1String(": ");
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
                // Fields that share a name cannot be told apart by ear.
                if (button != nullptr || name.isEmpty())
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
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
