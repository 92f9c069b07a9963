#include "app/ProgramIcon.h"

QIcon ProgramIcon()
{
    QIcon icon;
    for (const char* size : {"16x16", "32x32", "48x48"})
        icon.addFile(QStringLiteral(":/res/icons/hicolor/%1/apps/feedwright.png").arg(QLatin1String(size)));
    return icon;
}
