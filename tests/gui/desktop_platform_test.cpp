// The real desktop platform on the offscreen screen: message boxes carry the
// given text, caption, icon and buttons and report the button pressed; the
// file dialogs use the translated filter, the default extension, the initial
// name and the overwrite question as asked.

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "framework/DesktopPlatform.h"
#include "support/Widgets.h"

using fwgui::MessageAnswer;
using fwgui::MessageButtons;
using fwgui::MessageIcon;

class DesktopPlatformTest : public QObject {
    Q_OBJECT

private:
    fwgui::DesktopPlatform m_platform{std::make_unique<fw::NullTraceSink>()};

private slots:
    void messageBoxShowsWhatItIsGiven_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("expectedButtons");
        QTest::addColumn<int>("expectedIcon");
        QTest::newRow("ok, exclamation") << int(MessageButtons::Ok) << int(MessageIcon::Exclamation)
                                         << int(QMessageBox::Ok) << int(MessageAnswer::Ok) << int(QMessageBox::Ok)
                                         << int(QMessageBox::Warning);
        QTest::newRow("yes no, no") << int(MessageButtons::YesNo) << int(MessageIcon::Question)
                                    << int(QMessageBox::No) << int(MessageAnswer::No)
                                    << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Question);
    }

    void messageBoxShowsWhatItIsGiven()
    {
        QFETCH(int, buttons);
        QFETCH(int, icon);
        QFETCH(int, press);
        QFETCH(int, answer);
        QFETCH(int, expectedButtons);
        QFETCH(int, expectedIcon);
        QString text, caption;
        int shownButtons = -1, shownIcon = -1;
        Qt::TextFormat format = Qt::AutoText;
        fwtest::WhenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) {
                modal->close();
                return;
            }
            text = box->text();
            caption = box->windowTitle();
            shownButtons = int(box->standardButtons());
            shownIcon = int(box->icon());
            format = box->textFormat();
            box->button(QMessageBox::StandardButton(press))->click();
        });
        const MessageAnswer result = m_platform.MessageBox(nullptr, QStringLiteral("本文"), QStringLiteral("題"),
                                                           MessageButtons(buttons), MessageIcon(icon));
        QCOMPARE(text, QStringLiteral("本文"));
        QCOMPARE(caption, QStringLiteral("題"));
        QCOMPARE(shownButtons, expectedButtons);
        QCOMPARE(shownIcon, expectedIcon);
        QCOMPARE(int(result), answer);
        QCOMPARE(format, Qt::PlainText);
    }

    void saveDialogAppendsTheDefaultExtensionAndStartsAtTheInitialName()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString startDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        QString initialText;
        QStringList filters;
        fwtest::WhenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog == nullptr) {
                modal->close();
                return;
            }
            filters = dialog->nameFilters();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            initialText = name != nullptr ? name->text() : QStringLiteral("<no name edit>");
            dialog->setDirectory(QDir::currentPath());
            if (name != nullptr) {
                name->selectAll();
                fwtest::TypeText(name, QStringLiteral("typed"));
            }
            QMetaObject::invokeMethod(dialog, "accept");
        });
        fwgui::FileDialogRequest request;
        request.filter = QStringLiteral("CDF Files (*.cdf)|*.cdf|All Files (*.*)|*.*||");
        request.defaultExtension = QStringLiteral("cdf");
        request.initialName = QStringLiteral("NewChannel");
        request.promptOverwrite = true;
        const std::optional<QString> chosen = m_platform.GetSaveFileName(nullptr, request);
        QDir::setCurrent(startDir);
        QCOMPARE(initialText, QStringLiteral("NewChannel"));
        QCOMPARE(filters, (QStringList{QStringLiteral("CDF Files (*.cdf)"), QStringLiteral("All Files (*)")}));
        QVERIFY(chosen.has_value());
        QCOMPARE(QFileInfo(*chosen).fileName(), QStringLiteral("typed.cdf"));
    }

    void cancelledDialogGivesNothing()
    {
        fwtest::WhenModalOpens([](QWidget* modal) { modal->close(); });
        fwgui::FileDialogRequest request;
        request.filter = QStringLiteral("CDF Files (*.cdf)|*.cdf||");
        QVERIFY(!m_platform.GetOpenFileName(nullptr, request).has_value());
    }
};

QTEST_MAIN(DesktopPlatformTest)
#include "desktop_platform_test.moc"
