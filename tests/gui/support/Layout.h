#pragma once
// Whether a dialog's controls hold what they show: each lies inside the
// dialog, covers no other (a group box only frames whole controls) and has
// room for its text or picture at the font and scale it is drawn with.

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace fwtest {

// The dialog's own controls (its direct children).
QList<QWidget*> Controls(const QWidget* dialog);
// `name "text"` of a control, for messages.
QString Describe(const QWidget* widget);
// Adds a line to `faults` for each control that does not fit.
void CheckLayout(const QString& dialogName, const QWidget* dialog, QStringList& faults);
// Prints the faults and fails the running test when there are any.
void Report(const QStringList& faults);

}  // namespace fwtest
