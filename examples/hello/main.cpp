// A window with a month calendar and a drop-down calendar button; the picked date goes to stdout.
#include <QApplication>
#include <QHBoxLayout>
#include <QTimer>
#include <cstdio>

#include <VemoCalendar/qt/QvCalButtonWidget.h>
#include <VemoCalendar/qt/QvCalendarWidget.h>

using namespace VemoCalendar;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* calendar = new QvCalendarWidget;
    auto* button = new QvCalButtonWidget;
    layout->addWidget(calendar);
    layout->addWidget(button, 0, Qt::AlignTop);

    calendar->setCalScrollArrowsPos(VemocalTop);
    QObject::connect(calendar, &QvCalendarWidget::selectionChanged, button, [=] { button->setDate(calendar->selectedDate()); });
    QObject::connect(button, &QvCalButtonWidget::dateChanged, [](QDate date) {
        std::printf("picked %s\n", qPrintable(date.toString(Qt::ISODate)));
    });
    calendar->setSelectedDate(QDate(2026, 12, 24));

    window.show();
    if (app.arguments().contains("--quit")) QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
