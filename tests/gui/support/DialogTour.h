#pragma once
// Opens every dialog of the program in turn, as a user sees it with a small
// sample channel loaded, and hands each one to a visitor while it is shown.
// Layout, accessibility and screenshot checks walk the same tour, so a new
// dialog added here is covered by all of them.

#include <QString>
#include <functional>

class QWidget;

namespace fwtest {

// Names, in the order visited: mainform, about, logo, schedule-day,
// schedule-hour, sitemap, comment. The visitor must not close the dialog.
using DialogVisitor = std::function<void(const QString& name, QWidget* dialog)>;
void VisitEveryDialog(const DialogVisitor& visit);

}  // namespace fwtest
