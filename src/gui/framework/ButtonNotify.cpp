#include "framework/ButtonNotify.h"

#include "framework/Dialog.h"

#include <QAbstractButton>
#include <QRadioButton>
#include <QTimer>
#include <memory>
#include <utility>

namespace fwgui {

void OnButtonClicked(QAbstractButton* button, CDialog& dialog, std::function<void()> handler)
{
    // A click changes the check first and reports the click right after,
    // in the same call; the handler runs at the change and the click that
    // follows is then passed over. The mark outlives the call by one turn
    // of the event loop at most, so a later click is never taken for it.
    // It is set only once the handler has returned: a message box the
    // handler shows runs the event loop while the click is still to come.
    auto handledChange = std::make_shared<bool>(false);
    const bool isRadio = qobject_cast<QRadioButton*>(button) != nullptr;
    CDialog* const context = &dialog;
    QObject::connect(button, &QAbstractButton::toggled, context, [=](bool checked) {
        if (context->IsExchanging() || (isRadio && !checked))
            return;
        handler();
        *handledChange = true;
        QTimer::singleShot(0, context, [handledChange] { *handledChange = false; });
    });
    QObject::connect(button, &QAbstractButton::clicked, context, [=] {
        if (context->IsExchanging() || std::exchange(*handledChange, false))
            return;
        handler();
    });
}

}  // namespace fwgui
