#include "app/FeedwrightApp.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/ChannelDlg.h"
#include "framework/DesktopPlatform.h"
#include "trace/TraceSink.h"

CFeedwrightApp::CFeedwrightApp(int& argc, char** argv) : QApplication(argc, argv)
{
    RegisterResources();
    // The application name stays the executable's; nothing is ever stored
    // under this organisation, it only names where settings would live.
    setOrganizationName(QStringLiteral("Kestrelworks"));
    // Wayland matches the window to its desktop entry (and the software
    // centre's metadata) by this id.
    setDesktopFileName(QStringLiteral("com.kestrelworks.feedwright"));
    // QApplication has taken its own options out of argc and argv by now.
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const char* variable = std::getenv("FEEDWRIGHT_LANG");
    const fwgui::LanguageChoice choice =
        fwgui::ChooseLanguage(arguments, variable ? std::optional<std::string>(variable) : std::nullopt);
    if (!choice.complaint.empty())
        std::fputs(choice.complaint.c_str(), stderr);
    // Japanese whatever the locale, unless English was asked for; file
    // dialogs, message-box buttons and edit menus follow.
    m_translators.Install(choice.language);
    m_commandLine = CommandLine(argc, argv, 1 + choice.argumentsTaken);
}

std::string CFeedwrightApp::CommandLine(int argc, const char* const* argv, int first)
{
    std::string line;
    for (int i = first; i < argc; ++i) {
        if (i > first)
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
