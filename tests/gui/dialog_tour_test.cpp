// Every dialog on the tour of support/DialogTour: each control lies inside
// its dialog at the dialog font, covers no other (a group box only frames
// whole controls) and shows its text whole; assistive technology finds each
// control under the name a sighted user reads beside it; captions, button
// texts and tooltips say what tests/data/gui/control_words.txt says; and a
// screen reader's actions do what a click does.

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <optional>

#include "common/CaseFile.h"
#include "framework/Dialog.h"
#include "support/DialogTour.h"
#include "support/Layout.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;

namespace {

// "dialog/control kind" to the words a user reads or hears: the accessible
// names that do not come from a control's own text, every tooltip, and
// captions and button texts.
QHash<QString, QString> ExpectedWords()
{
    QHash<QString, QString> words;
    for (const auto& line : casefile::Rows("gui/control_words.txt", "")) {
        const QStringList fields = QString::fromStdString(line[0]).split(u' ');
        words.insert(fields.value(0) + u'/' + fields.value(1) + u' ' + fields.value(2), fields.mid(3).join(u' '));
    }
    return words;
}

// The name assistive technology announces. Qt on Linux gives a combo box its
// current entry as name and its label through the "labelled by" relation.
QString AccessibleText(QWidget* widget, QAccessible::Text kind = QAccessible::Name)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    if (accessible == nullptr)
        return {};
    if (kind == QAccessible::Name && qobject_cast<QComboBox*>(widget) != nullptr) {
        const auto labels = accessible->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return accessible->text(kind);
}

// Caption, button texts, names and tooltips against `words`; each entry
// used is taken out of it.
void CheckWords(const QString& dialogName, QWidget* dialog, QHash<QString, QString>& words, QStringList& faults)
{
    QHash<QString, int> inputNames, buttonsSaid;
    if (const QString title = words.take(dialogName + u"/- title"_s);
        !title.isEmpty() && dialog->windowTitle() != title)
        faults << dialogName + u": caption \"%1\", expected \"%2\""_s.arg(dialog->windowTitle(), title);
    for (QWidget* widget : fwtest::Controls(dialog)) {
        const QString key = dialogName + u'/' + fwtest::NameOf(widget), where = key + u": "_s;
        if (const QString tip = words.take(key + u" tip"_s); widget->toolTip() != tip)
            faults << where + u"tooltip \"%1\", expected \"%2\""_s.arg(widget->toolTip(), tip);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        if (const QString text = words.take(key + u" text"_s);
            button != nullptr && !text.isEmpty() && button->text() != text)
            faults << where + u"reads \"%1\", expected \"%2\""_s.arg(button->text(), text);
        if (!button && !qobject_cast<QLineEdit*>(widget) && !qobject_cast<QPlainTextEdit*>(widget) &&
            !qobject_cast<QComboBox*>(widget) && !qobject_cast<QTreeView*>(widget))
            continue;
        const int id = widget->objectName().toInt();
        const QString name = AccessibleText(widget);
        const QString visible = button != nullptr ? QString(button->text()).remove(u'&') : QString();
        const std::optional<QString> expected =
            words.contains(key + u" name"_s) ? std::optional(words.take(key + u" name"_s)) : std::nullopt;
        if (expected && name != *expected)
            faults << where + u"named \"%1\", expected \"%2\""_s.arg(name, *expected);
        else if (!expected && !visible.isEmpty() && name != visible)
            faults << where + u"named \"%1\", not by its text \"%2\""_s.arg(name, visible);
        else if (name.trimmed().isEmpty())
            faults << where + u"has no accessible name"_s;
        // Buttons, and fields, that share what is said of them cannot be told apart by ear.
        const QString said =
            button != nullptr ? name + u" / "_s + AccessibleText(widget, QAccessible::Description) : name;
        QHash<QString, int>& seen = button != nullptr ? buttonsSaid : inputNames;
        if (!said.isEmpty() && seen.contains(said))
            faults << where + u"is said as \"%1\" like %2"_s.arg(said).arg(seen.value(said));
        seen.insert(said, id);
    }
}

// The controls of a dialog as shown, then as they show the dialog's members
// after an exchange into the controls: a handler that did not take a switch
// into the members shows there.
QString State(QWidget* dialog)
{
    QList<int> ids;
    for (const QWidget* widget : fwtest::Controls(dialog)) {
        bool numbered = false;
        if (const int id = widget->objectName().toInt(&numbered); numbered)
            ids << id;
    }
    std::sort(ids.begin(), ids.end());
    const QString shown = fwtest::Outline(dialog, ids);
    static_cast<fwgui::CDialog*>(dialog)->UpdateData(false);
    return shown + u" || "_s + fwtest::Outline(dialog, ids);
}

}  // namespace

class DialogTourTest : public QObject {
    Q_OBJECT

private slots:
    void everyDialogFitsAndNamesItsControls()
    {
        QStringList faults, visited;
        QHash<QString, QString> words = ExpectedWords();
        fwtest::VisitEveryDialog([&](const QString& dialogName, QWidget* dialog) {
            visited << dialogName;
            fwtest::CheckLayout(dialogName, dialog, faults);
            CheckWords(dialogName, dialog, words, faults);
        });
        QCOMPARE(visited.size(), 7);
        for (auto unused = words.cbegin(); unused != words.cend(); ++unused)
            faults << unused.key() + u": no such control on the tour"_s;
        fwtest::Report(faults);
    }

    // Every check box and radio button, switched through the action a screen
    // reader uses (Toggle or Press), leaves its dialog as a mouse click on it does.
    void screenReaderActionsDoWhatAClickDoes()
    {
        QStringList faults, switched;
        fwtest::VisitEveryDialog([&](const QString& dialogName, QWidget* dialog) {
            for (auto* button : dialog->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
                if (!button->isCheckable())
                    continue;
                const QString where = dialogName + u'/' + fwtest::NameOf(button);
                switched << where;
                QAbstractButton* checkedBefore = nullptr;
                for (auto* sibling : dialog->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
                    if (sibling->autoExclusive() && sibling->isChecked())
                        checkedBefore = sibling;
                // Switches a check box back, or gives the check back to the radio button that had it.
                const auto restore = [&] {
                    if (qobject_cast<QCheckBox*>(button) != nullptr || checkedBefore != nullptr)
                        fwtest::Click(qobject_cast<QCheckBox*>(button) != nullptr ? button : checkedBefore);
                };
                const QString before = State(dialog);
                fwtest::Click(button);
                const QString byMouse = State(dialog);
                restore();
                if ((byMouse == before) != (button == checkedBefore) || State(dialog) != before) {
                    faults << where + u": a click does not switch it, or it cannot be switched back"_s;
                    continue;
                }
                QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(button)->actionInterface();
                if (!actions->actionNames().contains(QAccessibleActionInterface::toggleAction()))
                    faults << where + u": offers no Toggle action"_s;
                for (const QString& action :
                     {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()}) {
                    actions->doAction(action);
                    QTRY_VERIFY(!button->isDown());  // Press clicks after a short animation
                    if (const QString byAction = State(dialog); byAction != byMouse)
                        faults << where + u" by %1:\n  %2\nby the mouse:\n  %3"_s.arg(action, byAction, byMouse);
                    restore();
                }
            }
        });
        fwtest::Report(faults);
        // The tour's 16 check boxes and radio buttons were all switched.
        QCOMPARE(switched.size(), 16);
    }
};

QTEST_MAIN(DialogTourTest)
#include "dialog_tour_test.moc"
