#pragma once
#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPoint>
#include <QWidget>

namespace VemoCalendar::Bench {

// A left click at `at`, delivered at once.
inline void Click(QWidget& widget, QPoint at) {
    const QPointF local(at), global(widget.mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

// Delivers pending events and paints what is dirty in `window` now, instead of waiting for the
// platform's next update tick (the same for every side).
inline void PaintNow(QWidget& window) {
    QApplication::sendPostedEvents();
    QEvent update(QEvent::UpdateRequest);
    QApplication::sendEvent(&window, &update);
}

}  // namespace VemoCalendar::Bench
