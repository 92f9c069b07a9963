// Saves a picture of every dialog as the desktop draws it, for the
// documentation: screenshot_tool DIR SUFFIX writes DIR/<dialog>-SUFFIX.png.
// Not a test; scripts/screenshots.sh runs it under Xvfb at each scale.

#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "app/FeedwrightApp.h"
#include "support/DialogTour.h"

int main(int argc, char* argv[])
{
    CFeedwrightApp app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: screenshot_tool DIR SUFFIX\n");
        return 2;
    }
    const QDir dir(arguments[1]);
    const QString suffix = arguments[2];
    int failures = 0;
    fwtest::VisitEveryDialog([&](const QString& name, QWidget* dialog) {
        const QString path = dir.filePath(QStringLiteral("%1-%2.png").arg(name, suffix));
        if (dialog->grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    });
    return failures == 0 ? 0 : 1;
}
