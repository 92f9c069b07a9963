#include "app/SystemMenuStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace {

constexpr int kSeparatorHeight = 9;  // device-independent pixels, the line in the middle

}  // namespace

SystemMenuStyle::SystemMenuStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

QSize SystemMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                        const QWidget* widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type == CT_MenuItem && item != nullptr && item->menuItemType == QStyleOptionMenuItem::Separator)
        result.setHeight(std::max(result.height(), kSeparatorHeight));
    return result;
}
