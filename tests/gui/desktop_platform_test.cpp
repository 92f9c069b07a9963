// The real desktop platform: message boxes as plain text with the given
// buttons and icon; the save dialog as the program asks for it; the progress
// window of a long load or save.

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "framework/DesktopPlatform.h"
#include "framework/ProgressWindow.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;
using fwgui::MessageAnswer;
using fwgui::MessageButtons;
using fwgui::MessageIcon;

class DesktopPlatformTest : public QObject {
    Q_OBJECT

    fwgui::DesktopPlatform m_platform{std::make_unique<fw::NullTraceSink>()};

private slots:
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
        QCOMPARE(window->value() * 4, window->maximum());
        QPushButton* cancel = window->findChild<QPushButton*>();
        QVERIFY(cancel != nullptr);
        QCOMPARE(cancel->text(), u"キャンセル"_s);
        cancel->click();
        QVERIFY(!progress.Advance(50, 100));
    }

    void messageBoxShowsPlainTextWithItsButtonsAndIcon()
    {
        struct Case {
            MessageButtons buttons; MessageIcon icon; QMessageBox::StandardButton press; MessageAnswer answer;
            QMessageBox::StandardButtons qtButtons; QMessageBox::Icon qtIcon;
        };
        const Case cases[] = {
            {MessageButtons::Ok, MessageIcon::Exclamation, QMessageBox::Ok, MessageAnswer::Ok, QMessageBox::Ok,
             QMessageBox::Warning},
            {MessageButtons::YesNo, MessageIcon::Question, QMessageBox::No, MessageAnswer::No,
             QMessageBox::Yes | QMessageBox::No, QMessageBox::Question},
        };
        for (const Case& c : cases) {
            QString shown;
            fwtest::WhenModalOpens([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                shown = u"%1|%2|%3|%4|%5"_s.arg(box->windowTitle(), box->text())
                            .arg(box->textFormat())
                            .arg(box->standardButtons().toInt())
                            .arg(box->icon());
                box->button(c.press)->click();
            });
            QCOMPARE(m_platform.MessageBox(nullptr, u"<b>本文</b>"_s, u"題"_s, c.buttons, c.icon), c.answer);
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
        fwgui::FileDialogRequest request{u"CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*||"_s, u"cdf"_s,
                                         u"NewChannel"_s, true};
        const std::optional<QString> chosen = m_platform.GetSaveFileName(nullptr, request);
        QCOMPARE(seen, (QStringList{u"CDF Files (*.cdf);;All Files (*)"_s, u"NewChannel"_s, u"asks"_s}));
        QCOMPARE(chosen.value_or(QString()), dir.filePath(u"typed.cdf"_s));
    }
};

QTEST_MAIN(DesktopPlatformTest)
#include "desktop_platform_test.moc"
