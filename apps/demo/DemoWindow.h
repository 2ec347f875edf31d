#pragma once
#include <QAction>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QString>
#include <vector>

#include "qt/backend/QtHost.h"
#include "qt/QvCalButtonWidget.h"
#include "qt/QvCalendarWidget.h"

namespace VemoCalendar {

// The demo's form: calendars and drop-down calendar buttons placed on a form area as a form file
// describes them, an event log that shows every event of every control with its arguments,
// File Open / Save and the About box.
class DemoWindow : public QMainWindow {
public:
    explicit DemoWindow(QtHost& host);

    // Replaces the form's controls by those of a form file; false (with a message) on failure.
    bool OpenForm(const QString& path, bool quiet);
    bool SaveForm(const QString& path);
    QWidget& FormArea() const { return *form_; }
    const std::vector<QvCalendarWidget*>& Calendars() const { return calendars_; }
    const std::vector<QvCalButtonWidget*>& Buttons() const { return buttons_; }
    // Presses the first drop-down button as the mouse would, so its calendar drops down.
    bool PressFirstButton();
    // The first calendar's (or drop-down button's) control, or null when the form has none.
    Control* FirstCalendar() const;
    Control* FirstButton() const;
    // Opens the Property Pages dialog for a control of the form, modally.
    void ShowPropertyPages(Control& control);
    // View menu: the demo's marked days (see DemoMarks) and ISO week numbers, on every calendar
    // and every drop-down button's pop-up of the form.
    void MarkDays(bool on);
    void ShowWeekNumbers(bool on);

protected:
    // Ctrl + double-click on a control opens its property pages (a plain double-click on a day
    // picks the day).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QvCalendarWidget& AddCalendar(QvCalendarWidget* calendar, double left, double top, double width, double height);
    QvCalButtonWidget& AddButton(QvCalButtonWidget* button, double left, double top, double width, double height);
    void Placed(QvControlWidget& control, double left, double top, double width, double height);
    // The date a control holds, for the log and the status bar.
    QDate ValueOf(const QString& control) const;
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
    std::vector<QvCalButtonWidget*> buttons_;
    QString path_;
    QAction* markDays_ = nullptr;
    QAction* weekNumbers_ = nullptr;
    QString lastEvent_;
    int repeats_ = 0;
};

}  // namespace VemoCalendar
