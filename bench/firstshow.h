#pragma once
// Ends the event loop as soon as a widget's window is first exposed, so that the wall
// time of the whole process measures start-up to the first shown window. Both start-up
// programs stop through this one class, at the same point.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace icevale::bench {

class FirstShow : public QObject {
public:
    // Made before show(): a platform may expose the window while show() runs.
    explicit FirstShow(QWidget& widget) : target(widget) { QCoreApplication::instance()->installEventFilter(this); }

    // Runs the event loop; 0 once the window was shown, 1 when it never was.
    int exec()
    {
        QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
        return QApplication::exec();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QWindow* window = target.windowHandle();
        if (event->type() == QEvent::Expose && window != nullptr && watched == window && window->isExposed()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued, so that the window paints what this expose asks for before the loop ends.
            QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget& target;
};

}  // namespace icevale::bench
