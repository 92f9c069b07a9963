// The application object: its identity, Qt's Japanese texts, the dialog
// font, and a whole run that opens the file it was started with and stores
// no settings.

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "app/ChannelDlg.h"
#include "app/ChannelDlgIds.h"
#include "app/FeedwrightApp.h"
#include "framework/DialogUnits.h"
#include "support/Widgets.h"

using namespace Qt::StringLiterals;

class AppTest : public QObject {
    Q_OBJECT

private slots:
    void identityJapaneseTextsAndFont()
    {
        QCOMPARE(QCoreApplication::organizationName(), u"Kestrelworks"_s);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"キャンセル"_s);  // under LANG=C.UTF-8
        QCOMPARE(fwgui::DialogFont().family(), u"Noto Sans CJK JP"_s);
        QCOMPARE(fwgui::DialogFont().pointSize(), 9);
    }

    void aRunOpensTheNamedFileAndStoresNothing()
    {
        QString seen;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&]() {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* form = qobject_cast<CChannelDlg*>(window);
                if (form == nullptr || !form->isVisible())
                    continue;
                poll.stop();
                seen = form->windowTitle() + u'|' +
                    fwtest::FindControl<QLineEdit>(form, channel_dlg::IDC_EDIT_TITLE)->text();
                // Exit deletes the form's other windows: stop looking at the list.
                fwtest::FindControl<QPushButton>(form, channel_dlg::IDC_EXIT)->click();
                return;
            }
        });
        poll.start();
        QCOMPARE(static_cast<CFeedwrightApp*>(QCoreApplication::instance())->InitInstance(), 0);
        QCOMPARE(seen, u"Feedwright Version." FEEDWRIGHT_VERSION "|テスト"_s);
        const QDir configHome(qEnvironmentVariable("XDG_CONFIG_HOME"));
        QCOMPARE(configHome.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }
};

int main(int argc, char* argv[])
{
    // Started with a .cdf file, as a file manager starts it, and with a
    // configuration folder of its own where settings would go.
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir(dir.path()).mkdir(u"config"_s))
        return EXIT_FAILURE;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(u"config"_s)));
    QByteArray program(argv[0]), path = QFile::encodeName(u"" FEEDWRIGHT_TEST_DATA_DIR "/gui/sample.cdf"_s);
    char* appArgv[] = {program.data(), path.data(), nullptr};
    int appArgc = 2;
    CFeedwrightApp app(appArgc, appArgv);
    AppTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "app_test.moc"
