#pragma once
// The application object: the Qt application with the program's identity
// and Qt's own Japanese texts, running the main form once.

#include <QApplication>
#include <QTranslator>

class CFeedwrightApp : public QApplication {
    Q_OBJECT
public:
    CFeedwrightApp(int& argc, char** argv);

    // Runs the main form until it closes; the exit status of the program.
    int InitInstance();

    // The command line as one text: the arguments after the program's name,
    // joined by single blanks (quotes are not removed).
    static QString CommandLine(const QStringList& arguments);

private:
    QTranslator m_qtTranslator;
};
