#include "framework/DialogUnits.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QWidget>

namespace fwgui {

namespace {

constexpr int kDialogFontPoints = 9;

// Rounds units * base / divisor to the nearest pixel.
int Scale(int units, int base, int divisor)
{
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

}  // namespace

QFont DialogFont()
{
    static const QString kPreferred = QStringLiteral("Noto Sans CJK JP");
    QFont font = QApplication::font();
    if (QFontDatabase::hasFamily(kPreferred))
        font.setFamily(kPreferred);
    font.setPointSize(kDialogFontPoints);
    return font;
}

DialogUnits::DialogUnits(const QFont& font)
{
    // The average width of the Latin letters, as dialog templates measure it.
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseX = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    m_baseY = metrics.height();
    if (m_baseX < 1)
        m_baseX = 1;
    if (m_baseY < 1)
        m_baseY = 1;
}

int DialogUnits::X(int units) const
{
    return Scale(units, m_baseX, 4);
}

int DialogUnits::Y(int units) const
{
    return Scale(units, m_baseY, 8);
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const
{
    // Both edges scale from the origin, so neighbouring controls never overlap.
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + width) - left, Y(y + height) - top);
}

QSize DialogUnits::Size(int width, int height) const
{
    return QSize(X(width), Y(height));
}

void PlaceControl(QWidget* widget, const DialogUnits& units, int x, int y, int width, int height)
{
    widget->setGeometry(units.Rect(x, y, width, height));
}

}  // namespace fwgui
