#include "framework/SystemMenuKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "framework/Dialog.h"

namespace fwgui {

namespace {

class SystemMenuKeyFilter final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (!IsSystemMenuKey(key))
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr)
            return false;
        // The press goes to the focus widget and then up its parents: only
        // the first delivery opens the menu.
        QWidget* first = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : widget->window();
        if (type == QEvent::KeyPress && !key.isAutoRepeat() && widget == first) {
            if (auto* dialog = qobject_cast<CDialog*>(widget->window()))
                dialog->OnSystemMenuKey();
        }
        event->accept();
        return true;
    }
};

}  // namespace

bool IsSystemMenuKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Space && (key.modifiers() & Qt::AltModifier) != 0;
}

void TakeSystemMenuKey()
{
    static QPointer<QObject> filter;
    if (filter != nullptr || qApp == nullptr)
        return;
    filter = new SystemMenuKeyFilter(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace fwgui
