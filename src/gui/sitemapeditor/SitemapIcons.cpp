#include "sitemapeditor/SitemapIcons.h"

#include <QString>

namespace sitemap_icons {

QIcon Icon(int resourceNumber)
{
    return QIcon(QStringLiteral(":/res/icons/%1.png").arg(resourceNumber));
}

}  // namespace sitemap_icons
