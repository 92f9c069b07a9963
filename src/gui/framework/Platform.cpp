#include "framework/Platform.h"

#include <QStringList>

namespace fwgui {

namespace {

// "*.*" means every file on the desktop the filters were written for; on
// Linux it would only match names with a dot.
QString ToQtPattern(const QString& pattern)
{
    QStringList parts = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& part : parts) {
        part = part.trimmed();
        if (part == QLatin1String("*.*"))
            part = QStringLiteral("*");
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace

QString ToQtFilter(const QString& pipeFilter)
{
    const QStringList fields = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        QString description = fields[i];
        const QString pattern = fields[i + 1];
        if (description.isEmpty())
            break;  // the "||" that ends the list
        const QString qtPattern = ToQtPattern(pattern);
        // Qt takes the patterns from the parentheses that end the description.
        const QString shown = QLatin1Char('(') + pattern + QLatin1Char(')');
        if (description.endsWith(shown))
            description.chop(shown.size());
        else if (!description.endsWith(QLatin1Char(' ')))
            description += QLatin1Char(' ');
        filters << description + QLatin1Char('(') + qtPattern + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace fwgui
