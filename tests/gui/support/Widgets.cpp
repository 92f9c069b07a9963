#include "support/Widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <utility>

#include "app/AboutDlg.h"
#include "app/AboutDlgIds.h"
#include "app/ChannelDlg.h"
#include "app/ChannelDlgIds.h"
#include "dialogs/LogoDlg.h"
#include "dialogs/LogoDlgIds.h"
#include "dialogs/ScheduleDlg.h"
#include "dialogs/ScheduleDlgIds.h"
#include "framework/Dialog.h"
#include "sitemapeditor/CommentDlg.h"
#include "sitemapeditor/CommentDlgIds.h"
#include "sitemapeditor/SitemapDlg.h"
#include "sitemapeditor/SitemapDlgIds.h"

namespace fwtest {

namespace {

QMetaEnum ControlIdsOf(const QWidget* dialog)
{
    const QMetaObject* meta = dialog != nullptr ? dialog->metaObject() : nullptr;
    const std::pair<const QMetaObject*, QMetaEnum> known[] = {
        {&CChannelDlg::staticMetaObject, QMetaEnum::fromType<channel_dlg::ControlId>()},
        {&CAboutDlg::staticMetaObject, QMetaEnum::fromType<about_dlg::ControlId>()},
        {&CLogoDlg::staticMetaObject, QMetaEnum::fromType<logo_dlg::ControlId>()},
        {&CScheduleDlg::staticMetaObject, QMetaEnum::fromType<schedule_dlg::ControlId>()},
        {&CSitemapDlg::staticMetaObject, QMetaEnum::fromType<sitemap_dlg::ControlId>()},
        {&CCommentDlg::staticMetaObject, QMetaEnum::fromType<comment_dlg::ControlId>()}};
    for (const auto& [dialogClass, ids] : known)
        if (meta != nullptr && meta->inherits(dialogClass))
            return ids;
    const int index = meta != nullptr ? meta->indexOfEnumerator("ControlId") : -1;
    return index >= 0 ? meta->enumerator(index) : QMetaEnum();
}

}  // namespace

QString ControlName(const QWidget* dialog, int id)
{
    const QMetaEnum ids = ControlIdsOf(dialog);
    const char* name = ids.isValid() ? ids.valueToKey(id) : nullptr;
    return name != nullptr ? QString::fromLatin1(name) : QString::number(id);
}

QString NameOf(const QWidget* control)
{
    if (control == nullptr)
        return QStringLiteral("-");
    bool numbered = false;
    const int id = control->objectName().toInt(&numbered);
    return numbered ? ControlName(control->window(), id) : control->objectName();
}

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

void Click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

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
        parts << (enabled ? QString() : QStringLiteral("!")) + ControlName(dialog, id) + QLatin1Char('=') + shown;
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace fwtest
