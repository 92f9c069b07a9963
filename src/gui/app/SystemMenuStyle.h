#pragma once
// The look of the main form's context menu over the application's style:
// separators get the height of a line of their own, so that one standing
// first in the menu shows as a line below the menu's edge instead of
// merging into it.

#include <QProxyStyle>

class SystemMenuStyle final : public QProxyStyle {
public:
    // Draws over a fresh instance of the application's current style.
    SystemMenuStyle();

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
};
