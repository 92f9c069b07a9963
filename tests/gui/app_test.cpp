// The application object: its identity, Qt's Japanese texts, the command
// line it hands to the main form and a whole run from start to Exit.

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "app/ChannelDlg.h"
#include "app/FeedwrightApp.h"
#include "framework/DialogUnits.h"

namespace {

const QByteArray kSampleCdf =
    "<?XML VERSION=\"1.0\" ENCODING=\"x-sjis\"?>\r\n<CHANNEL HREF=\"http://server/\">\r\n"
    "<TITLE>\x83\x65\x83\x58\x83\x67</TITLE>\r\n</CHANNEL>\r\n";

}  // namespace

class AppTest : public QObject {
    Q_OBJECT

private slots:
    void identity()
    {
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Kestrelworks"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("app_test"));
    }

    void qtSpeaksJapanese()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
    }

    void dialogsUseTheJapaneseFont()
    {
        QCOMPARE(fwgui::DialogFont().family(), QStringLiteral("Noto Sans CJK JP"));
        QCOMPARE(fwgui::DialogFont().pointSize(), 9);
    }

    void commandLineJoinsTheArgumentsWithSingleBlanks()
    {
        QCOMPARE(CFeedwrightApp::CommandLine({QStringLiteral("feedwright")}), QString());
        QCOMPARE(CFeedwrightApp::CommandLine({QStringLiteral("feedwright"), QStringLiteral("My"),
                                              QStringLiteral("Channel.cdf")}),
                 QStringLiteral("My Channel.cdf"));
        QCOMPARE(CFeedwrightApp::CommandLine({QStringLiteral("feedwright"), QStringLiteral(" a.cdf ")}),
                 QStringLiteral(" a.cdf "));
    }

    void aRunOpensTheNamedFileAndEndsWithExit()
    {
        QString shownTitle;
        QString caption;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&]() {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* form = qobject_cast<CChannelDlg*>(window);
                if (form == nullptr || !form->isVisible())
                    continue;
                poll.stop();
                caption = form->windowTitle();
                shownTitle = form->findChild<QLineEdit*>(QStringLiteral("1002"))->text();
                // Exit deletes the form's other windows: stop looking at the list.
                form->findChild<QPushButton*>(QStringLiteral("2"))->click();
                return;
            }
        });
        poll.start();
        auto* app = static_cast<CFeedwrightApp*>(QCoreApplication::instance());
        QCOMPARE(app->InitInstance(), 0);
        QCOMPARE(caption, QStringLiteral("Feedwright Version.1.2"));
        QCOMPARE(shownTitle, QStringLiteral("テスト"));
    }
};

int main(int argc, char* argv[])
{
    // The program is started with a .cdf file, as a file manager starts it.
    QTemporaryDir dir;
    if (!dir.isValid())
        return EXIT_FAILURE;
    const QString samplePath = dir.filePath(QStringLiteral("sample.cdf"));
    QFile file(samplePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(kSampleCdf) != kSampleCdf.size())
        return EXIT_FAILURE;
    file.close();

    QByteArray program = argc > 0 ? QByteArray(argv[0]) : QByteArray("app_test");
    QByteArray path = QFile::encodeName(samplePath);
    char* appArgv[] = {program.data(), path.data(), nullptr};
    int appArgc = 2;
    CFeedwrightApp app(appArgc, appArgv);
    AppTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "app_test.moc"
