#include "framework/Dialog.h"

#include <QLineEdit>
#include <limits>

#include "framework/DataExchange.h"
#include "framework/SystemMenuKey.h"

namespace fwgui {

void LiftLengthLimit(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setMaxLength(std::numeric_limits<int>::max());
}

CDialog::CDialog(Platform& platform, QWidget* parent, const QString& caption, int widthDu, int heightDu)
    : QDialog(parent), m_platform(platform), m_units(DialogFont())
{
    setWindowTitle(caption);
    setFont(DialogFont());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(m_units.Size(widthDu, heightDu));
    TakeSystemMenuKey();
}

bool CDialog::UpdateData(bool bSaveAndValidate)
{
    // Restored rather than cleared, so an exchange started from a handler
    // that runs inside another exchange leaves the outer guard in place.
    const bool wasExchanging = m_exchanging;
    m_exchanging = true;
    CDataExchange dx(*this, bSaveAndValidate);
    DoDataExchange(dx);
    m_exchanging = wasExchanging;
    return !dx.Failed();
}

int CDialog::DoModal()
{
    // A persistent dialog opens like a new one: the focus on its first tab
    // stop, not where it was left last time.
    if (OnInitDialog())
        FocusFirstTabStop();
    return exec();
}

void CDialog::FocusFirstTabStop()
{
    for (QWidget* widget = nextInFocusChain(); widget != nullptr && widget != this;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isEnabled() && isAncestorOf(widget)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::accept()
{
    if (!UpdateData(true))
        return;
    QDialog::accept();
}

}  // namespace fwgui
