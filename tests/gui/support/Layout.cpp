#include "support/Layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <algorithm>

#include "support/Widgets.h"

using namespace Qt::StringLiterals;

namespace fwtest {

namespace {

// The size a control needs to show its text (or icon) whole; an empty size
// where the control scrolls its content instead. A line of text needs the
// font's height: the leading only parts one line from the next.
QSize NeededSize(const QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    const QStyle* style = widget->style();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty())
            return label->sizeHint();  // a picture
        const int lines = static_cast<int>(label->text().count(u'\n'));
        return QSize(label->sizeHint().width(), metrics.height() + lines * metrics.lineSpacing());
    }
    if (qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget)) {
        // The hint's width holds the indicator, its spacing and the text.
        const auto indicator = qobject_cast<const QRadioButton*>(widget) ? QStyle::PM_ExclusiveIndicatorHeight
                                                                         : QStyle::PM_IndicatorHeight;
        return QSize(widget->sizeHint().width(), std::max(metrics.height(), style->pixelMetric(indicator)));
    }
    if (qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QComboBox*>(widget))
        return widget->minimumSizeHint();  // the title; the widest entry beside the arrow
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        // URLs scroll; a right-aligned number must show whole.
        const QSize oneLine = edit->minimumSizeHint();
        if (!(edit->alignment() & Qt::AlignRight))
            return QSize(0, oneLine.height());
        return QSize(metrics.horizontalAdvance(edit->text()) + oneLine.width() - metrics.maxWidth(), oneLine.height());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        // The style's own minimum width for text buttons is wider than any
        // template button; what must fit is the text inside the bevel.
        if (button->text().isEmpty()) {
            const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            return button->iconSize() + QSize(frame, frame);
        }
        const int margin = 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        return QSize(metrics.horizontalAdvance(button->text()) + margin, metrics.height() + margin / 2);
    }
    return {};
}

}  // namespace

QList<QWidget*> Controls(const QWidget* dialog)
{
    return dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

QString Describe(const QWidget* widget)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        text = group->title();
    return u"%1 \"%2\""_s.arg(NameOf(widget), text.replace(u'\n', u' '));
}

void CheckLayout(const QString& dialogName, const QWidget* dialog, QStringList& faults)
{
    QList<const QWidget*> controls;
    for (const QWidget* widget : Controls(dialog))
        if (!widget->isWindow() && widget->isVisibleTo(dialog))
            controls << widget;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QWidget* control = controls[i];
        const QString where = dialogName + u'/' + Describe(control) + u": "_s;
        const QRect box = control->geometry();
        if (!dialog->rect().contains(box))
            faults << where + u"outside the dialog"_s;
        const QSize needed = NeededSize(control);
        if (needed.width() > box.width() || needed.height() > box.height())
            faults << where +
                    u"needs %1x%2, has %3x%4"_s.arg(needed.width())
                        .arg(needed.height())
                        .arg(box.width())
                        .arg(box.height());
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const QRect other = controls[j]->geometry();
            const bool framed = (qobject_cast<const QGroupBox*>(control) && box.contains(other)) ||
                (qobject_cast<const QGroupBox*>(controls[j]) && other.contains(box));
            if (box.intersects(other) && !framed)
                faults << where + u"overlaps "_s + Describe(controls[j]);
        }
    }
}

void Report(const QStringList& faults)
{
    for (const QString& fault : faults)
        qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), "faults listed above");
}

}  // namespace fwtest
