#include "app/FeedwrightApp.h"

#include <QLibraryInfo>

#include "app/ChannelDlg.h"
#include "framework/DesktopPlatform.h"
#include "trace/TraceSink.h"

CFeedwrightApp::CFeedwrightApp(int& argc, char** argv) : QApplication(argc, argv)
{
    RegisterResources();
    // The application name stays the executable's; nothing is ever stored
    // under this organisation, it only names where settings would live.
    setOrganizationName(QStringLiteral("Kestrelworks"));
    // File dialogs, message-box buttons and edit menus in Japanese, whatever
    // the locale, like the rest of the program.
    if (m_qtTranslator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtTranslator);
    // QApplication has taken its own options out of argc and argv by now.
    m_commandLine = CommandLine(argc, argv);
}

std::string CFeedwrightApp::CommandLine(int argc, const char* const* argv)
{
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            line += ' ';
        line += argv[i];
    }
    return line;
}

void CFeedwrightApp::RegisterResources()
{
    // The resources live in a static library; nothing refers to their
    // registration, so the linker would drop it unless it is asked for.
    // Q_INIT_RESOURCE names a function of the global namespace, which this
    // class is in.
    static const bool registered = [] {
        Q_INIT_RESOURCE(feedwright);
        return true;
    }();
    (void)registered;
}

int CFeedwrightApp::InitInstance()
{
    fwgui::DesktopPlatform platform(fw::MakeTraceSinkFromEnvironment());
    CChannelDlg dlg(platform);
    dlg.SetCommandLine(m_commandLine);
    dlg.RunMainForm();
    return 0;
}
