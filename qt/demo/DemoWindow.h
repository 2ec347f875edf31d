#pragma once
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QString>
#include <vector>

#include "qt/QtHost.h"
#include "qt/QvCalendarWidget.h"

namespace VemoCalendar {

// The demo's form: calendars placed on a form area as a form file describes them, an event log
// that shows every event with its arguments, File Open / Save and the About box.
class DemoWindow : public QMainWindow {
public:
    explicit DemoWindow(QtHost& host);

    // Replaces the form's controls by those of a form file; false (with a message) on failure.
    bool OpenForm(const QString& path, bool quiet);
    bool SaveForm(const QString& path);
    QWidget& FormArea() const { return *form_; }
    const std::vector<QvCalendarWidget*>& Calendars() const { return calendars_; }

private:
    QvCalendarWidget& AddCalendar(QvCalendarWidget* calendar, double left, double top, double width, double height);
    void Log(const QString& control, const QString& event, const QVariantList& args);
    void SetFormSize(double widthTwips, double heightTwips);
    void ShowStatus();
    void Open();
    void Save();
    void SaveAs();

    QtHost& host_;
    QWidget* form_;
    QPlainTextEdit* log_;
    std::vector<QvCalendarWidget*> calendars_;
    QString path_;
    QString lastEvent_;
    int repeats_ = 0;
};

}  // namespace VemoCalendar
