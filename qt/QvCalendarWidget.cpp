#include "qt/QvCalendarWidget.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QResizeEvent>
#include <algorithm>
#include <vector>

#include "about/CalendarIcon.h"
#include "qt/backend/QtControlSite.h"
#include "qt/backend/QtConvert.h"
#include "qt/backend/QtHost.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {
namespace {
constexpr int16_t kKeyEnter = 13;
}

struct QvCalendarWidgetPrivate {
    std::vector<const QtNode*> days;  // the 42 day cells, looked up once
    QDate page;
    QPoint lastPress{-1, -1};
    bool enterPressed = false;
};

QvCalendarWidget::QvCalendarWidget(QWidget* parent, QtHost* host, const QString& name)
    : QvControlWidget(parent), d_(std::make_unique<QvCalendarWidgetPrivate>()) {
    Create(host, name, nullptr);
}

QvCalendarWidget::QvCalendarWidget(PropertyBag& bag, QWidget* parent, QtHost* host, const QString& name)
    : QvControlWidget(parent), d_(std::make_unique<QvCalendarWidgetPrivate>()) {
    Create(host, name, &bag);
}

QvCalendarWidget::~QvCalendarWidget() = default;

QIcon QvCalendarWidget::widgetIcon() { return ToQIcon(MakeCalendarIcon(16), 16); }

QvCalendar& QvCalendarWidget::control() const { return static_cast<QvCalendar&>(AttachedControl()); }
void QvCalendarWidget::writeProperties(PropertyBag& bag) const { control().UserControl_WriteProperties(bag); }
void QvCalendarWidget::Refresh() { control().Refresh(); }

void QvCalendarWidget::Create(QtHost* host, const QString& name, PropertyBag* bag) {
    QtControlSite& s = MakeSite(host, name);
    auto owned = std::make_unique<QvCalendar>(s);
    QvCalendar& calendar = *owned;
    s.Attach(std::move(owned));
    BindSite();
    s.onEvent = [this](std::string_view event, std::span<Variant> args) { Dispatch(event, args); };
    if (bag) calendar.UserControl_ReadProperties(*bag);
    else calendar.UserControl_InitProperties();
    // The properties' refresh ended in a layout pass; a new size brings another.
    const QSize hint(280, 200);  // a new calendar's size, whatever the fonts
    s.Resize(hint.width() * s.TwipsPerPixelX(), hint.height() * s.TwipsPerPixelY());
    // Grows with a layout in both directions, as QCalendarWidget does.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    d_->page = calValue();
    // Qt's clicked(QDate) is for days only: the last press tells whether a Click came from one.
    if (Widget* picture = s.Factory().Find("Picture1"))
        if (QWidget* surface = QtWidgetFactory::Node(*picture).Window()) surface->installEventFilter(this);
    for (const QtNode* node : s.Factory().Nodes())
        if (node->name_ == "pnlCalNum") d_->days.push_back(node);
    StartNotifying();
}

// Seven columns of two-digit days, and ten rows: title bar, month/year title, weekday titles, six
// weeks and the arrows; each a line of its font inside a one-pixel bevel.
QSize QvCalendarWidget::minimumSizeHint() const {
    const QFontMetrics days(calFont());
    const QFontMetrics title(calMonthYearTitleFont());
    const int cell = std::max(days.horizontalAdvance(QStringLiteral("00")), days.horizontalAdvance(QStringLiteral("Wed"))) + 6;
    const int width = std::max(7 * cell, title.horizontalAdvance(QStringLiteral("September 9999")) + 12);
    const int height = 7 * (days.height() + 2) + 3 * (title.height() + 2);
    const QMargins m = contentsMargins();
    return QSize(width, height).grownBy(m);
}

QSize QvCalendarWidget::sizeHint() const {
    return QSize(280, 200).grownBy(contentsMargins()).expandedTo(minimumSizeHint());
}

bool QvCalendarWidget::setSelectedDate(QDate date) {
    if (!date.isValid()) return false;
    return setCalValue(std::clamp(date, minimumDate(), maximumDate()));
}

// Qt counts Monday = 1 .. Sunday = 7, the control Sunday = 1 .. Saturday = 7.
Qt::DayOfWeek QvCalendarWidget::firstDayOfWeek() const {
    const int day = calFirstDayofWeek();
    return static_cast<Qt::DayOfWeek>(day == VemocalSunday ? Qt::Sunday : day - 1);
}

bool QvCalendarWidget::setFirstDayOfWeek(Qt::DayOfWeek day) {
    if (day < Qt::Monday || day > Qt::Sunday) return Refuse("calFirstDayofWeek", InvalidPropertyValue());
    return setCalFirstDayofWeek(static_cast<enumCALFirstDayofWeek>(day % 7 + 1));
}

void QvCalendarWidget::setCurrentPage(int year, int month) {
    if (month < 1 || month > 12) return;
    const QDate first(year, month, 1);
    if (!first.isValid()) return;
    setSelectedDate(QDate(year, month, std::min(calValue().day(), first.daysInMonth())));
}

void QvCalendarWidget::showNextMonth() { setSelectedDate(calValue().addMonths(1)); }
void QvCalendarWidget::showPreviousMonth() { setSelectedDate(calValue().addMonths(-1)); }
void QvCalendarWidget::showNextYear() { setSelectedDate(calValue().addYears(1)); }
void QvCalendarWidget::showPreviousYear() { setSelectedDate(calValue().addYears(-1)); }

void QvCalendarWidget::showToday() {
    const QDate today = ToQDate(SiteOf(*this).Today());
    setCurrentPage(today.year(), today.month());
}

bool QvCalendarWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        d_->lastPress = static_cast<QMouseEvent*>(event)->position().toPoint();
    return QvControlWidget::eventFilter(watched, event);
}

bool QvCalendarWidget::PressedOnADay() const {
    return std::any_of(d_->days.begin(), d_->days.end(), [this](const QtNode* day) { return day->PixelRect().contains(d_->lastPress); });
}

void QvCalendarWidget::resizeEvent(QResizeEvent* event) {
    QvControlWidget::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) emit calWidthChanged();
    if (event->size().height() != event->oldSize().height()) emit calHeightChanged();
}

void QvCalendarWidget::ValueAnnounced(QDate value) {
    emit selectionChanged();
    if (value.isValid() && (value.year() != d_->page.year() || value.month() != d_->page.month())) {
        d_->page = value;
        emit currentPageChanged(value.year(), value.month());
    }
}

void QvCalendarWidget::Dispatch(std::string_view name, std::span<Variant> args) {
    // Enter on the day grid clicks the selected day; that click is also an activation.
    const bool activation = d_->enterPressed && name == "Click";
    const bool dayClicked = name == "Click" && (activation || PressedOnADay());
    if (name != "ValueChanged" && name != "MonthChanged" && name != "YearChanged") d_->enterPressed = false;
    if (name == "ValueChanged") emit ValueChanged();
    else if (name == "MonthChanged") emit MonthChanged();
    else if (name == "YearChanged") emit YearChanged();
    else if (name == "Click") emit Click();
    else if (name == "DblClick") emit DblClick();
    else if (name == "limitReached" && args.size() == 1) emit limitReached(args[0].ToBool());
    else if ((name == "KeyDown" || name == "KeyUp") && args.size() == 2) {
        KeyArgs key{args[0].ToInt16(), args[1].ToInt16()};
        if (name == "KeyDown") emit KeyDown(key);
        else emit KeyUp(key);
        args[0] = Variant(key.keyCode);
        args[1] = Variant(key.shift);
        d_->enterPressed = name == "KeyDown" && key.keyCode == kKeyEnter;
    } else if (name == "KeyPress" && args.size() == 1) {
        KeyPressArgs key{args[0].ToInt16()};
        emit KeyPress(key);
        args[0] = Variant(key.keyAscii);
    } else if ((name == "MouseDown" || name == "MouseMove" || name == "MouseUp") && args.size() == 4) {
        MouseArgs mouse{args[0].ToInt16(), args[1].ToInt16(), args[2].ToSingle(), args[3].ToSingle()};
        if (name == "MouseDown") emit MouseDown(mouse);
        else if (name == "MouseMove") emit MouseMove(mouse);
        else emit MouseUp(mouse);
        args[0] = Variant(mouse.button);
        args[1] = Variant(mouse.shift);
        args[2] = Variant(mouse.x);
        args[3] = Variant(mouse.y);
    }
    if (name == "Click" || name == "DblClick") d_->lastPress = QPoint(-1, -1);
    AfterEvent(name);
    if (dayClicked) emit clicked(calValue());
    if (name == "DblClick" || activation) emit activated(calValue());
    AnnounceEvent(name, args);
}

}  // namespace VemoCalendar
