#include "framework/SjisQt.h"

#include "text/Cp932.h"

namespace fwgui {

QString ToQString(const std::string& sjis)
{
    QString text = QString::fromStdString(fw::Cp932ToDisplayUtf8(sjis));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string FromQString(const QString& text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    plain.replace(QChar::LineSeparator, QLatin1Char('\n'));
    const QByteArray utf8 = plain.toUtf8();
    return fw::Utf8ToCp932(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

}  // namespace fwgui
