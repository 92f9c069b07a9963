#pragma once
// The application object: the Qt application with the program's identity
// and its language (Japanese unless English is asked for), running the main
// form once.

#include <QApplication>
#include <string>

#include "app/Language.h"

class CFeedwrightApp : public QApplication {
    Q_OBJECT
public:
    CFeedwrightApp(int& argc, char** argv);

    // Runs the main form until it closes; the exit status of the program.
    int InitInstance();

    // The command line as one text: the arguments from `first` on (after
    // the program's name and the language option),
    // joined by single blanks (quotes are not removed), byte for byte as the
    // system passed them. Qt's own decoding would turn bytes that are not
    // valid in the locale's encoding (a Shift-JIS file name under UTF-8)
    // into replacement characters and lose the name.
    static std::string CommandLine(int argc, const char* const* argv, int first = 1);

    // Makes the program's pictures (":/res/...") available; the constructor
    // does it, and a test that shows dialogs without the application may.
    // Running it again does nothing.
    static void RegisterResources();

private:
    fwgui::LanguageTranslators m_translators;
    std::string m_commandLine;
};
