#include "support/Widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "framework/Dialog.h"

namespace fwtest {

void TypeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size();) {
        const QString key = text.mid(i, text[i].isHighSurrogate() ? 2 : 1);
        i += key.size();
        if (key == QLatin1String("\n") || key == QLatin1String("\t")) {
            QTest::keyClick(widget, key == QLatin1String("\n") ? Qt::Key_Return : Qt::Key_Tab);
            continue;
        }
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, key, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, key, Qt::NoModifier);
    }
}

void Retype(QWidget* edit, const QString& text)
{
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeText(edit, text);
}

void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2)); }

bool ShowAndActivate(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void WhenModalOpens(std::function<void(QWidget*)> handler)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    // Owned by the application, so a dialog that never opens leaks nothing.
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [timer, before, handler]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == before.data() || !modal->isVisible())
            return;
        timer->deleteLater();
        timer->stop();
        QTimer::singleShot(0, modal, [modal, handler]() { handler(modal); });  // once it has finished showing
    });
    timer->start(10);
}

int RunModal(fwgui::CDialog& dialog, const std::function<void()>& drive)
{
    QTimer::singleShot(0, &dialog, [&dialog, drive] {
        if (QTest::qWaitForWindowActive(&dialog))
            drive();
        else
            QTest::qFail("the dialog did not become active", __FILE__, __LINE__);
        if (dialog.isVisible())
            dialog.reject();
    });
    return dialog.DoModal();
}

QString Outline(const QWidget* dialog, const QList<int>& ids)
{
    QStringList parts;
    for (int id : ids) {
        const QWidget* control = FindControl<QWidget>(dialog, id);
        QString shown = QStringLiteral("<none>");
        if (auto* edit = qobject_cast<const QLineEdit*>(control))
            shown = edit->text();
        else if (auto* multi = qobject_cast<const QPlainTextEdit*>(control))
            shown = multi->toPlainText();
        else if (auto* label = qobject_cast<const QLabel*>(control))
            shown = label->text();
        else if (auto* combo = qobject_cast<const QComboBox*>(control))
            shown = combo->currentText();
        else if (auto* button = qobject_cast<const QAbstractButton*>(control))
            shown = button->isChecked() ? QStringLiteral("[x]") : QStringLiteral("[ ]");
        const bool enabled = control != nullptr && control->isEnabled();
        parts << (enabled ? QString() : QStringLiteral("!")) + QString::number(id) + QLatin1Char('=') + shown;
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace fwtest
