#pragma once
// A line edit that tells when it has lost the focus, after its own focus-out
// housekeeping has run, so that a handler may hand the focus straight back
// (with its text selected) without the edit undoing that afterwards.

#include <QFocusEvent>
#include <QLineEdit>

class FocusLostLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void focusLost(Qt::FocusReason reason);

protected:
    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        emit focusLost(event->reason());
    }
};
