#include "framework/DataExchange.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <climits>
#include <optional>

#include "framework/Dialog.h"
#include "framework/Platform.h"
#include "framework/SjisQt.h"

namespace fwgui {

namespace {

// The edit's text is read into a buffer of 32 characters, terminator included.
constexpr qsizetype kMaxNumberChars = 31;

void ShowRefusal(CDataExchange& dx, const QString& text, MessageIcon icon)
{
    // The message carries the program's name as its caption, as every
    // standard message of the dialog framework does.
    dx.Dialog().platform().MessageBox(&dx.Dialog(), text, QCoreApplication::applicationName(), MessageButtons::Ok,
                                      icon);
}

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// An unsigned decimal number with blanks or tabs around it; nothing else.
std::optional<unsigned> ParseUnsigned(const QString& text)
{
    const QString window = text.left(kMaxNumberChars);
    qsizetype pos = 0;
    while (pos < window.size() && IsBlank(window[pos]))
        ++pos;
    unsigned long long value = 0;
    qsizetype digits = 0;
    while (pos < window.size() && window[pos] >= QLatin1Char('0') && window[pos] <= QLatin1Char('9')) {
        value = value * 10 + static_cast<unsigned>(window[pos].unicode() - '0');
        if (value > UINT_MAX)
            return std::nullopt;
        ++pos;
        ++digits;
    }
    while (pos < window.size() && IsBlank(window[pos]))
        ++pos;
    if (digits == 0 || pos != window.size())
        return std::nullopt;
    return static_cast<unsigned>(value);
}

void SetTextIfChanged(QLineEdit* edit, const QString& text)
{
    // Leaves the cursor alone when nothing changes.
    if (edit->text() != text)
        edit->setText(text);
}

// A control remembers what the last push showed and the member's bytes
// behind it. Bytes that do not survive the trip to Unicode and back (a stray
// byte, one of CP932's duplicate codes) must not change because a field was
// merely shown: a control still showing exactly that text gives them back.
constexpr char kShownText[] = "fwShownText";
constexpr char kShownBytes[] = "fwShownBytes";

void RememberShown(QWidget* control, const QString& text, const std::string& bytes)
{
    control->setProperty(kShownText, text);
    control->setProperty(kShownBytes, QByteArray::fromStdString(bytes));
}

std::string TextToMember(const QWidget* control, const QString& text)
{
    const QVariant shown = control->property(kShownText);
    if (shown.isValid() && shown.toString() == text)
        return control->property(kShownBytes).toByteArray().toStdString();
    return FromQString(text);
}

// Lets every button of the group be unchecked at once.
void UncheckAll(const QList<QRadioButton*>& group)
{
    for (QRadioButton* button : group) {
        if (!button->isChecked())
            continue;
        QButtonGroup* buttonGroup = button->group();
        const bool groupExclusive = buttonGroup != nullptr && buttonGroup->exclusive();
        const bool autoExclusive = button->autoExclusive();
        if (groupExclusive)
            buttonGroup->setExclusive(false);
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(autoExclusive);
        if (groupExclusive)
            buttonGroup->setExclusive(true);
    }
}

}  // namespace

void CDataExchange::Fail(QWidget* control)
{
    m_failed = true;
    if (control == nullptr)
        return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        plain->selectAll();
}

void DDX_Text(CDataExchange& dx, QLineEdit* edit, std::string& member)
{
    if (dx.Failed() || edit == nullptr)
        return;
    dx.SetLastControl(edit);
    if (dx.SaveAndValidate()) {
        member = TextToMember(edit, edit->text());
    } else {
        const QString text = ToQString(member);
        SetTextIfChanged(edit, text);
        RememberShown(edit, text, member);
    }
}

void DDX_Text(CDataExchange& dx, QPlainTextEdit* edit, std::string& member)
{
    if (dx.Failed() || edit == nullptr)
        return;
    dx.SetLastControl(edit);
    if (dx.SaveAndValidate()) {
        member = TextToMember(edit, edit->toPlainText());
    } else {
        const QString text = ToQString(member);
        if (edit->toPlainText() != text)
            edit->setPlainText(text);
        RememberShown(edit, text, member);
    }
}

void DDX_Check(CDataExchange& dx, QCheckBox* box, int& member)
{
    if (dx.Failed() || box == nullptr)
        return;
    dx.SetLastControl(box);
    if (dx.SaveAndValidate()) {
        switch (box->checkState()) {
        case Qt::Checked:
            member = 1;
            break;
        case Qt::PartiallyChecked:
            member = 2;
            break;
        case Qt::Unchecked:
            member = 0;
            break;
        }
        return;
    }
    if (member == 1)
        box->setCheckState(Qt::Checked);
    else if (member == 2 && box->isTristate())
        box->setCheckState(Qt::PartiallyChecked);
    else
        box->setCheckState(Qt::Unchecked);
}

void DDX_Radio(CDataExchange& dx, const QList<QRadioButton*>& group, int& member)
{
    if (dx.Failed() || group.isEmpty())
        return;
    dx.SetLastControl(group.first());
    if (dx.SaveAndValidate()) {
        member = -1;
        for (qsizetype i = 0; i < group.size(); ++i) {
            if (group[i]->isChecked()) {
                member = static_cast<int>(i);
                break;
            }
        }
        return;
    }
    if (member >= 0 && member < group.size()) {
        // Buttons that are not auto-exclusive siblings are unchecked too.
        QList<QRadioButton*> others = group;
        others.removeAt(member);
        UncheckAll(others);
        group[member]->setChecked(true);
    } else {
        UncheckAll(group);
    }
}

void DDX_CBIndex(CDataExchange& dx, QComboBox* combo, int& member)
{
    if (dx.Failed() || combo == nullptr)
        return;
    dx.SetLastControl(combo);
    if (dx.SaveAndValidate())
        member = combo->currentIndex();
    else
        combo->setCurrentIndex(member >= 0 && member < combo->count() ? member : -1);
}

void DDX_Text(CDataExchange& dx, QLineEdit* edit, unsigned& member)
{
    if (dx.Failed() || edit == nullptr)
        return;
    dx.SetLastControl(edit);
    if (!dx.SaveAndValidate()) {
        SetTextIfChanged(edit, QString::number(member));
        return;
    }
    const std::optional<unsigned> value = ParseUnsigned(edit->text());
    if (!value) {
        ShowRefusal(dx, QCoreApplication::translate("DataExchange", "正の整数を入力してください。"), MessageIcon::None);
        dx.Fail(edit);
        return;
    }
    member = *value;
}

void DDV_MinMaxUInt(CDataExchange& dx, unsigned value, unsigned min, unsigned max)
{
    if (dx.Failed() || !dx.SaveAndValidate())
        return;
    if (value >= min && value <= max)
        return;
    ShowRefusal(
        dx, QCoreApplication::translate("DataExchange", "%1 から %2 までの整数を入力してください。").arg(min).arg(max),
        MessageIcon::Exclamation);
    dx.Fail(dx.LastControl());
}

}  // namespace fwgui
