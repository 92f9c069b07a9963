#include "support/Widgets.h"

#include <QApplication>
#include <QPointer>
#include <QStringView>
#include <QTest>
#include <QTimer>

namespace fwtest {

void TypeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(widget, Qt::Key_Return);
            ++i;
            continue;
        }
        if (c == QLatin1Char('\t')) {
            QTest::keyClick(widget, Qt::Key_Tab);
            ++i;
            continue;
        }
        const qsizetype length = (c.isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString keyText = text.mid(i, length);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, keyText, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, keyText, Qt::NoModifier);
        i += length;
    }
}

void ClearByKeyboard(QWidget* edit)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
}

bool ShowAndActivate(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void WhenModalOpens(std::function<void(QWidget*)> handler)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    // Owned by the application, so a dialog that never opens leaks nothing.
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, before, handler]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == before.data() || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        // Let the dialog finish showing before it is driven.
        QTimer::singleShot(0, modal, [modal, handler]() { handler(modal); });
    });
    timer->start();
}

}  // namespace fwtest
