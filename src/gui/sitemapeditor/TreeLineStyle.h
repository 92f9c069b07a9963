#pragma once
// The site map tree's own look over the application's style: dotted lines
// joining each item to its parent and its siblings, and a boxed plus or
// minus on items that have children, at any scale.

#include <QProxyStyle>

class TreeLineStyle final : public QProxyStyle {
public:
    // Draws over a fresh instance of the application's current style.
    TreeLineStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
