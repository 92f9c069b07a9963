#pragma once
// Geometry in dialog units, so that dialogs keep the proportions of their
// fixed-size templates: a horizontal unit is a quarter of the dialog font's
// average character width, a vertical unit an eighth of its height.

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace fwgui {

// The font every dialog uses: a Japanese UI font at 9 points.
QFont DialogFont();

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

private:
    int m_baseX;
    int m_baseY;
};

// Places `widget` at x, y with width and height in dialog units of `units`.
void PlaceControl(QWidget* widget, const DialogUnits& units, int x, int y, int width, int height);

}  // namespace fwgui
