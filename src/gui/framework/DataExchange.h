#pragma once
// Data exchange between members and controls. Each call moves one member in
// the direction of the exchange; after a refusal the rest are skipped.

#include <QList>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QCheckBox;
class QRadioButton;
class QComboBox;
class QWidget;

namespace fwgui {

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog& dialog, bool bSaveAndValidate) : m_dialog(dialog), m_bSaveAndValidate(bSaveAndValidate) {}

    CDialog& Dialog() const { return m_dialog; }
    bool SaveAndValidate() const { return m_bSaveAndValidate; }
    bool Failed() const { return m_failed; }
    // Refuses the exchange at `control`: it gets the focus (with its text
    // selected when it is an edit) and later fields are left alone.
    void Fail(QWidget* control);
    // The last control exchanged, for a range check that follows it.
    QWidget* LastControl() const { return m_lastControl; }
    void SetLastControl(QWidget* control) { m_lastControl = control; }

private:
    CDialog& m_dialog;
    bool m_bSaveAndValidate;
    bool m_failed = false;
    QWidget* m_lastControl = nullptr;
};

void DDX_Text(CDataExchange& dx, QLineEdit* edit, std::string& member);
void DDX_Text(CDataExchange& dx, QPlainTextEdit* edit, std::string& member);
void DDX_Check(CDataExchange& dx, QCheckBox* box, int& member);
// The index of the checked button, -1 when none; showing a value outside the
// group checks none.
void DDX_Radio(CDataExchange& dx, const QList<QRadioButton*>& group, int& member);
// The selected index, -1 when none; showing a value outside the list selects none.
void DDX_CBIndex(CDataExchange& dx, QComboBox* combo, int& member);
// An unsigned decimal number, blanks or tabs allowed around the digits; a
// sign, an empty text or any other character is refused with the standard
// message "正の整数を入力してください。".
void DDX_Text(CDataExchange& dx, QLineEdit* edit, unsigned& member);
// The range check after a number: outside [min, max] the value stays stored,
// "%1 から %2 までの整数を入力してください。" is shown with the exclamation icon and
// the exchange stops at the last control.
void DDV_MinMaxUInt(CDataExchange& dx, unsigned value, unsigned min, unsigned max);

}  // namespace fwgui
