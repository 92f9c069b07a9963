#include "sitemap/SitemapIcons.h"

#include <QString>

// The resources live in a static library; nothing refers to their
// registration, so the linker would drop it unless it is asked for.
static void RegisterResourcesOnce()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(feedwright);
        return true;
    }();
    (void)registered;
}

namespace sitemap_icons {

QIcon Icon(int resourceNumber)
{
    RegisterResourcesOnce();
    return QIcon(QStringLiteral(":/res/icons/%1.png").arg(resourceNumber));
}

}  // namespace sitemap_icons
