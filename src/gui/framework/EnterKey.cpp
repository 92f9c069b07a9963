#include "framework/EnterKey.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <utility>

namespace fwgui {

namespace {

// Owned by the edit it watches.
class EnterKeyFilter : public QObject {
public:
    EnterKeyFilter(QPlainTextEdit* edit, std::function<void()> onEnter)
        : QObject(edit), m_edit(edit), m_onEnter(std::move(onEnter))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_edit || event->type() != QEvent::KeyPress)
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (!IsEnterKey(key))
            return false;
        if (key.modifiers() & Qt::ControlModifier)
            m_edit->insertPlainText(QStringLiteral("\n"));
        else if (m_onEnter)
            m_onEnter();
        return true;
    }

private:
    QPlainTextEdit* m_edit;
    std::function<void()> m_onEnter;
};

}  // namespace

bool IsEnterKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

void KeepEnterFrom(QPlainTextEdit* edit, std::function<void()> onEnter)
{
    edit->installEventFilter(new EnterKeyFilter(edit, std::move(onEnter)));
}

}  // namespace fwgui
