#pragma once
// The dialog base that stands in for the framework's dialog class: a fixed-
// size QDialog with data exchange between members and controls, controls
// named by their resource ID, and a guard that makes handlers ignore the
// notifications their own exchange (and its message box) causes.

#include <QDialog>
#include <QString>

#include "framework/DialogUnits.h"

namespace fwgui {

class Platform;
class CDataExchange;

// Fields have no length limit: a one-line edit takes any length instead of
// Qt's default of 32,767 characters, which would cut a long text read from
// a file. Does nothing to other controls.
void LiftLengthLimit(QWidget* control);

class CDialog : public QDialog {
    Q_OBJECT
public:
    // The ID of a control that is never looked up (a label, a frame): it
    // gets no objectName.
    static constexpr int IDC_STATIC = 0;

    CDialog(Platform& platform, QWidget* parent, const QString& caption, int widthDu, int heightDu);

    // true: controls into members, with validation; false: members into
    // controls. False when a field was refused (its message was shown and it
    // has the focus).
    bool UpdateData(bool bSaveAndValidate = true);
    // True while an exchange, and any message box it shows, is running.
    bool IsExchanging() const { return m_exchanging; }

    // Shows the dialog modally: OnInitDialog first, then the event loop.
    // Returns QDialog::Accepted after OK, QDialog::Rejected otherwise.
    int DoModal();

    // OK takes the controls into the members and closes only when no field
    // was refused. Escape and the close box (reject) close without taking.
    void accept() override;

    // Alt+Space in this dialog (see SystemMenuKey.h): the default does nothing.
    virtual void OnSystemMenuKey() {}

    Platform& platform() const { return m_platform; }
    const DialogUnits& Units() const { return m_units; }

    // The control with resource ID `id` (its objectName is the number).
    template <typename T> T* Control(int id) const { return findChild<T*>(QString::number(id)); }

protected:
    virtual void DoDataExchange(CDataExchange& dx) { (void)dx; }
    // Runs before the dialog is shown by DoModal; the default pushes the
    // members. True puts the focus on the first tab stop.
    virtual bool OnInitDialog();

    // Names a control by its resource ID and places it in dialog units.
    template <typename T> T* Add(T* widget, int id, int x, int y, int width, int height)
    {
        if (id != IDC_STATIC)
            widget->setObjectName(QString::number(id));
        PlaceControl(widget, m_units, x, y, width, height);
        LiftLengthLimit(widget);
        return widget;
    }

private:
    void FocusFirstTabStop();

    Platform& m_platform;
    DialogUnits m_units;
    bool m_exchanging = false;
};

}  // namespace fwgui
