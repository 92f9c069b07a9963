// The dialog framework on real widgets: each kind of data exchange both
// ways, the number and range refusals, and Shift-JIS at the widget edge; and
// the real desktop platform: message boxes as plain text with the given
// buttons and icon, the save dialog as the program asks for it, and the
// progress window of a long load or save.

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "common/CaseFile.h"
#include "framework/DataExchange.h"
#include "framework/DesktopPlatform.h"
#include "framework/Dialog.h"
#include "framework/ProgressWindow.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;
using fwgui::MessageAnswer;
using fwgui::MessageButtons;
using fwgui::MessageIcon;
using fwtest::Outline;

namespace {

// One control of every kind, exchanged in this order.
class ProbeDlg : public fwgui::CDialog {
    Q_OBJECT
public:
    enum ControlId {
        IDC_EDIT_LINE = 1001,
        IDC_EDIT_MULTI,
        IDC_CHECK,
        IDC_RADIO_A,
        IDC_RADIO_B,
        IDC_RADIO_C,
        IDC_COMBO,
        IDC_EDIT_DAYS,
        IDC_EDIT_HOUR
    };
    Q_ENUM(ControlId)

    explicit ProbeDlg(fwgui::Platform& platform) : CDialog(platform, nullptr, u"probe"_s, 200, 150)
    {
        Add(new QLineEdit(this), IDC_EDIT_LINE, 5, 5, 100, 12);
        Add(new QPlainTextEdit(this), IDC_EDIT_MULTI, 5, 20, 100, 30);
        Add(new QCheckBox(u"check"_s, this), IDC_CHECK, 5, 55, 60, 10);
        for (const int id : {IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_C})
            m_radios.append(Add(new QRadioButton(u"radio"_s, this), id, 5 + 30 * (id - IDC_RADIO_A), 70, 28, 10));
        Add(new QComboBox(this), IDC_COMBO, 5, 85, 60, 40)->addItems({u"a"_s, u"b"_s, u"c"_s});
        Add(new QLineEdit(this), IDC_EDIT_DAYS, 5, 100, 40, 12);
        Add(new QLineEdit(this), IDC_EDIT_HOUR, 50, 100, 40, 12);
    }

    std::string m_strLine, m_strMulti;
    int m_bCheck = 0, m_nRadio = 0, m_nCombo = 0;
    unsigned m_nDays = 7, m_nHour = 0;
    QList<QRadioButton*> m_radios;

protected:
    void DoDataExchange(fwgui::CDataExchange& dx) override
    {
        fwgui::DDX_Text(dx, Control<QLineEdit>(IDC_EDIT_LINE), m_strLine);
        fwgui::DDX_Text(dx, Control<QPlainTextEdit>(IDC_EDIT_MULTI), m_strMulti);
        fwgui::DDX_Check(dx, Control<QCheckBox>(IDC_CHECK), m_bCheck);
        fwgui::DDX_Radio(dx, m_radios, m_nRadio);
        fwgui::DDX_CBIndex(dx, Control<QComboBox>(IDC_COMBO), m_nCombo);
        fwgui::DDX_Text(dx, Control<QLineEdit>(IDC_EDIT_DAYS), m_nDays);
        fwgui::DDV_MinMaxUInt(dx, m_nDays, 1, 365);
        fwgui::DDX_Text(dx, Control<QLineEdit>(IDC_EDIT_HOUR), m_nHour);
        fwgui::DDV_MinMaxUInt(dx, m_nHour, 0, 24);
    }
};

using enum ProbeDlg::ControlId;

}  // namespace

class FrameworkTest : public QObject {
    Q_OBJECT

    std::unique_ptr<fwtest::ScriptedPlatform> m_platform;
    std::unique_ptr<ProbeDlg> m_dlg;
    fwgui::DesktopPlatform m_desktop{std::make_unique<fw::NullTraceSink>()};

    QLineEdit* Edit(int id) const { return fwtest::FindControl<QLineEdit>(m_dlg.get(), id); }

    // Takes the controls with `days` and `hour` typed: the messages shown,
    // the numbers stored and the control left with the focus.
    QString Take(const QString& days, const QString& hour)
    {
        Edit(IDC_EDIT_DAYS)->setText(days);
        Edit(IDC_EDIT_HOUR)->setText(hour);
        const qsizetype before = m_platform->Messages().size();
        const bool taken = m_dlg->UpdateData(true);
        const QWidget* focus = QApplication::focusWidget();
        return u"%1%2 | days %3 hour %4 | focus %5"_s
            .arg(taken ? QString() : u"refused: "_s, m_platform->Messages().mid(before).join(u'/'))
            .arg(m_dlg->m_nDays)
            .arg(m_dlg->m_nHour)
            .arg(focus != nullptr ? fwtest::NameOf(focus) : QString());
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(u"feedwright"_s); }

    void init()
    {
        m_platform = std::make_unique<fwtest::ScriptedPlatform>();
        m_dlg = std::make_unique<ProbeDlg>(*m_platform);
        QVERIFY(fwtest::ShowAndActivate(m_dlg.get()));
        QVERIFY(m_dlg->UpdateData(false));
        Edit(IDC_EDIT_LINE)->setFocus();
    }

    void cleanup()
    {
        m_dlg.reset();
        m_platform.reset();
    }

    void textBothWays()
    {
        m_dlg->m_strLine = "\x8A\xBF\x8E\x9A";  // 漢字
        m_dlg->m_strMulti = "a\r\nb\nc";        // a CR LF from an older file is one break
        m_dlg->UpdateData(false);
        QCOMPARE(Outline(m_dlg.get(), {IDC_EDIT_LINE, IDC_EDIT_MULTI}), u"IDC_EDIT_LINE=漢字 IDC_EDIT_MULTI=a\nb\nc"_s);

        // A character Shift-JIS lacks is held as a reference and shows as itself again.
        const QString typed = u"字漢 x"_s + QString::fromUcs4(U"\U0001F600");
        fwtest::Retype(Edit(IDC_EDIT_LINE), typed);
        fwtest::Retype(fwtest::FindControl<QWidget>(m_dlg.get(), IDC_EDIT_MULTI), u"x\ny"_s);
        QVERIFY(m_dlg->UpdateData(true));
        QCOMPARE(m_dlg->m_strLine, std::string("\x8E\x9A\x8A\xBF x&#x1F600;"));
        QCOMPARE(m_dlg->m_strMulti, std::string("x\ny"));
        m_dlg->UpdateData(false);
        QCOMPARE(Edit(IDC_EDIT_LINE)->text(), typed);
    }

    void choicesBothWays()
    {
        const QList<int> ids = {IDC_CHECK, IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_C, IDC_COMBO};
        for (const auto& c : casefile::Rows("gui/choices.txt")) {  // the cases of tests/data/gui/choices.txt
            const QStringList held = QString::fromStdString(c.at(0)).split(u' ');
            m_dlg->m_bCheck = held.at(0).toInt(), m_dlg->m_nRadio = held.at(1).toInt(),
            m_dlg->m_nCombo = held.at(2).toInt();
            m_dlg->UpdateData(false);
            QCOMPARE(Outline(m_dlg.get(), ids), QString::fromStdString(c.at(1)));
            QVERIFY(m_dlg->UpdateData(true));
            QCOMPARE(u"%1 %2 %3"_s.arg(m_dlg->m_bCheck).arg(m_dlg->m_nRadio).arg(m_dlg->m_nCombo),
                     QString::fromStdString(c.at(2)));
        }
        // After showing none, the group is exclusive again.
        fwtest::Click(m_dlg->m_radios[1]);
        fwtest::Click(fwtest::FindControl<QCheckBox>(m_dlg.get(), IDC_CHECK));
        QTest::keyClick(fwtest::FindControl<QComboBox>(m_dlg.get(), IDC_COMBO), Qt::Key_Home);
        QCOMPARE(Outline(m_dlg.get(), ids),
                 u"IDC_CHECK=[ ] IDC_RADIO_A=[ ] IDC_RADIO_B=[x] IDC_RADIO_C=[ ] IDC_COMBO=a"_s);
        QVERIFY(m_dlg->UpdateData(true));
        QCOMPARE((QList<int>{m_dlg->m_bCheck, m_dlg->m_nRadio, m_dlg->m_nCombo}), (QList<int>{0, 1, 0}));
    }

    // The cases of tests/data/gui/number_refusals.txt.
    void numberRefusals()
    {
        for (const auto& c : casefile::Rows("gui/number_refusals.txt")) {
            const QString days = QString::fromStdString(c.at(0));
            QStringList outcome;
            for (std::size_t i = 2; i < c.size(); ++i)
                outcome << QString::fromStdString(c[i]);
            QCOMPARE(days + u" -> "_s + Take(days, QString::fromStdString(c.at(1))),
                     days + u" -> "_s + outcome.join(u" | "_s));
        }
    }

    // Nothing for the first half second; then the window, whose Cancel
    // makes the next report ask the work to stop.
    void progressWindowAppearsLateAndCancels()
    {
        QWidget owner;
        qint64 now = 1000;
        fwgui::ProgressWindow progress(&owner, u"ファイルを書き込んでいます..."_s, [&now] { return now; });
        now += fwgui::ProgressWindow::kDelayMs - 1;
        QVERIFY(progress.Advance(10, 100));
        QCOMPARE(progress.Window(), nullptr);
        now += 1;
        QVERIFY(progress.Advance(25, 100));
        QProgressDialog* window = progress.Window();
        QVERIFY(window != nullptr && window->isVisible() && window->isModal());
        QCOMPARE(window->labelText(), u"ファイルを書き込んでいます..."_s);
        // A screen reader names the window and its bar by the operation.
        QCOMPARE(window->windowTitle(), window->labelText());
        QCOMPARE(window->findChild<QProgressBar*>()->accessibleName(), window->labelText());
        QCOMPARE(window->value() * 4, window->maximum());
        QPushButton* cancel = window->findChild<QPushButton*>();
        QVERIFY(cancel != nullptr);
        QCOMPARE(cancel->text(), u"キャンセル"_s);
        cancel->click();
        QVERIFY(!progress.Advance(50, 100));
    }

    void messageBoxShowsPlainTextWithItsButtonsAndIcon()
    {
        // Buttons and icon asked, the button pressed, the answer, and the Qt buttons and icon shown.
        const struct {
            MessageButtons buttons;
            MessageIcon icon;
            QMessageBox::StandardButton press;
            MessageAnswer answer;
            QMessageBox::StandardButtons qtButtons;
            QMessageBox::Icon qtIcon;
        } cases[] = {{MessageButtons::Ok, MessageIcon::Exclamation, QMessageBox::Ok, MessageAnswer::Ok, QMessageBox::Ok,
                      QMessageBox::Warning},
                     {MessageButtons::YesNo, MessageIcon::Question, QMessageBox::No, MessageAnswer::No,
                      QMessageBox::Yes | QMessageBox::No, QMessageBox::Question}};
        for (const auto& c : cases) {
            QString shown;
            fwtest::WhenModalOpens([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                shown = u"%1|%2|%3|%4|%5"_s.arg(box->windowTitle(), box->text())
                            .arg(box->textFormat())
                            .arg(box->standardButtons().toInt())
                            .arg(box->icon());
                box->button(c.press)->click();
            });
            QCOMPARE(m_desktop.MessageBox(nullptr, u"<b>本文</b>"_s, u"題"_s, c.buttons, c.icon), c.answer);
            QCOMPARE(shown, u"題|<b>本文</b>|%1|%2|%3"_s.arg(Qt::PlainText).arg(c.qtButtons.toInt()).arg(c.qtIcon));
        }
    }

    void saveDialogAsAsked()
    {
        QTemporaryDir dir;
        QStringList seen;
        fwtest::WhenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
            seen << dialog->nameFilters().join(u";;"_s) << name->text()
                 << (dialog->testOption(QFileDialog::DontConfirmOverwrite) ? u"replaces"_s : u"asks"_s);
            dialog->setDirectory(dir.path());
            name->selectAll();
            fwtest::TypeText(name, u"typed"_s);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        fwgui::FileDialogRequest request{u"CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*||"_s, u"cdf"_s, u"NewChannel"_s,
                                         true};
        const std::optional<QString> chosen = m_desktop.GetSaveFileName(nullptr, request);
        QCOMPARE(seen, (QStringList{u"CDF Files (*.cdf);;All Files (*)"_s, u"NewChannel"_s, u"asks"_s}));
        QCOMPARE(chosen.value_or(QString()), dir.filePath(u"typed.cdf"_s));
    }
};

QTEST_MAIN(FrameworkTest)
#include "framework_test.moc"
