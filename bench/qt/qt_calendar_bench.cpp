// QvCalendar on the Qt host beside QCalendarWidget and beside the floor (one self-painting widget
// that draws the same picture from cached text layouts), all 280 x 200 pixels, off screen, all
// showing December 2026 with the 8th selected.
//   qt_calendar_bench                      wall-clock medians and ratios; the three sides are
//                                          stepped and created in turn, memory comes from one
//                                          fresh process per side
//   qt_calendar_bench --steps N            N rounds of one month step per side, in turn, for
//                                          callgrind (collection toggled on Measured*)
//   qt_calendar_bench --create SIDE COUNT  COUNT calendars of one side made and shown on a form
//                                          (0: the form alone), its taking down not counted
//   qt_calendar_bench --memory SIDE        resident KB per calendar, 100 on a form
//   qt_calendar_bench --render PREFIX      PREFIX-ours.png, -qt.png, -floor.png after one step
//   qt_calendar_bench --captions N         N title-bar paints right after a new caption, for a
//                                          mixed-script caption that fills the bar and for one of
//                                          1 M characters
// SIDE is ours, qt or floor. A step that paints nothing, or sides that end on different months,
// fail the run (exit status 1, the reason on stderr).
#include <QApplication>
#include <QCalendarWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QStaticText>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "BenchInput.h"
#include "calendar/MonthGridPlan.h"
#include "qt/backend/QtConvert.h"
#include "qt/backend/QtHost.h"
#include "qt/backend/QtWidgets.h"
#include "qt/QvCalendarWidget.h"
#include "qt/QvControlWidget_p.h"

using namespace VemoCalendar;
using Clock = std::chrono::steady_clock;

namespace {

using Bench::Click;
using Bench::PaintNow;

constexpr int kWidth = 280, kHeight = 200;
const QDate kShown(2026, 12, 8);

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "qt_calendar_bench: %s\n", what);
    std::exit(1);
}

// Counts paints of one widget, so a step is known to have repainted.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

// ---------------------------------------------------------------- the floor

// What one painted element of our calendar looks like, copied once from a calendar on screen.
struct FloorItem {
    QRect rect;
    QColor back, fore;
    int bevel = 0;  // 0 none, 1 inset, 2 raised
    int align = Qt::AlignCenter;
    QFont font;
    bool button = false;
    QStaticText text;
    QPointF textAt;
};

const QColor kLight(255, 255, 255), kShadow(128, 128, 128);

void FloorBevel(QPainter& p, QRect r, int width, const QColor& topLeft, const QColor& bottomRight) {
    for (int i = 0; i < width && r.width() > 1 && r.height() > 1; ++i) {
        p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
        p.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), topLeft);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height() - 1), bottomRight);
        r.adjust(1, 1, -1, -1);
    }
}

int AlignOf(int alignment) {
    if (alignment < 0 || alignment > 8) return Qt::AlignCenter;
    static constexpr int kH[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    static constexpr int kV[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return kH[alignment / 3] | kV[alignment % 3];
}

// A prepared layout per distinct text and font, made once and shared by every floor widget, as
// our calendars share theirs.
const QStaticText& CachedText(const QString& text, const QFont& font) {
    static std::map<std::pair<QString, QFont>, QStaticText> cache;
    auto [it, made] = cache.try_emplace({text, font}, text);
    if (made) {
        it->second.setTextFormat(Qt::PlainText);
        it->second.prepare(QTransform(), font);
    }
    return it->second;
}

void SetText(FloorItem& item, const QString& text) {
    item.text = CachedText(text, item.font);
    const QSizeF size = item.text.size();
    const QRectF inner = QRectF(item.rect).adjusted(2, 1, -2, -1);
    double x = inner.left() + (inner.width() - size.width()) / 2, y = inner.top() + (inner.height() - size.height()) / 2;
    if (item.align & Qt::AlignLeft) x = inner.left();
    if (item.align & Qt::AlignRight) x = inner.right() - size.width();
    if (item.align & Qt::AlignTop) y = inner.top();
    if (item.align & Qt::AlignBottom) y = inner.bottom() - size.height();
    item.textAt = {x, y};
}

// The layout, fonts and colours of our calendar, copied once from a calendar on screen; every
// floor widget starts from a copy of it.
struct FloorLayout {
    struct Style {
        QColor back, fore;
        int bevel;
    };

    explicit FloorLayout(QtWidgetFactory& ours) {
        QtNode& surface = QtWidgetFactory::Node(ours.Get<PictureSurface>("Picture1"));
        background = surface.Window()->palette().color(QPalette::Button);
        const QPalette& palette = surface.Window()->palette();
        std::function<void(QtNode&)> copy = [&](QtNode& node) {
            if (!node.ShownInHost() || !node.Windowless()) return;
            FloorItem item;
            item.rect = node.PixelRect().translated(surface.PixelRect().topLeft());
            if (auto* panel = dynamic_cast<QtPanel*>(&node)) {
                item.back = ToQColor(panel->BackColor(), palette);
                item.fore = ToQColor(panel->ForeColor(), palette);
                item.bevel = panel->BevelOuter();
                item.align = AlignOf(panel->Alignment());
                item.font = ToQFont(panel->Font());
                SetText(item, ToQString(panel->Caption()));
                if (node.name_ == "pnlCalNum") cells[node.index_ - 1] = items.size();
                if (node.name_ == "pnlText") title = items.size();
            } else if (auto* button = dynamic_cast<QtCommandButton*>(&node)) {
                item.button = true;
                item.back = palette.color(QPalette::Button);
                item.fore = ToQColor(button->ForeColor(), palette);
                item.bevel = button->BevelWidth();
                item.font = ToQFont(button->Font());
                SetText(item, ToQString(button->Caption()));
                if (node.index_ == 2) next = item.rect;
            } else {
                return;
            }
            items.push_back(std::move(item));
            for (QtNode* child : node.Children()) copy(*child);
        };
        for (QtNode* child : surface.Children()) copy(*child);
        // The colours and bevel of each class of cell, as our calendar shows them now.
        const MonthGridPlan plan = PlanMonthGrid(FromQDate(kShown), 1, FromQDate(kShown));
        for (int k = 0; k < 42; ++k) {
            const FloorItem& cell = items[cells[k]];
            styles[std::string(plan.cells[k].tag)] = {cell.back, cell.fore, cell.bevel};
        }
        plain = bold = items[cells[0]].font;
        plain.setBold(false);
        bold.setBold(true);
    }

    QColor background;
    std::vector<FloorItem> items;
    size_t cells[42] = {};
    size_t title = 0;
    QRect next;
    QFont plain, bold;
    std::map<std::string, Style> styles;
};

// The least a widget needs to show the calendar's picture and step its month: each step
// recomputes the cells and the title, takes every text from the shared cache of prepared
// layouts, and repaints the whole widget.
class FloorWidget : public QWidget {
public:
    FloorWidget(QWidget* parent, const FloorLayout& layout, QtHost& host)
        : QWidget(parent), host_(host), layout_(layout), items_(layout.items), date_(kShown) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        Fill();
    }

    QDate Shown() const { return date_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!layout_.next.contains(event->position().toPoint())) return;
        date_ = date_.addMonths(1);
        Fill();
        update();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), layout_.background);
        for (const FloorItem& item : items_) {
            p.fillRect(item.rect, item.back);
            if (item.button) {
                const QRect& r = item.rect;
                p.fillRect(QRect(r.left(), r.top(), r.width(), 1), Qt::black);
                p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), Qt::black);
                p.fillRect(QRect(r.left(), r.top(), 1, r.height()), Qt::black);
                p.fillRect(QRect(r.right(), r.top(), 1, r.height()), Qt::black);
                FloorBevel(p, r.adjusted(1, 1, -1, -1), item.bevel, kLight, kShadow);
            } else if (item.bevel == 1) {
                FloorBevel(p, item.rect, 1, kShadow, kLight);
            } else if (item.bevel == 2) {
                FloorBevel(p, item.rect, 1, kLight, kShadow);
            }
            if (item.text.text().isEmpty()) continue;
            p.setFont(item.font);
            p.setPen(item.fore);
            p.drawStaticText(item.textAt, item.text);
        }
    }

private:
    void Fill() {
        const Date shown = FromQDate(date_), now = host_.Today();
        const MonthGridPlan plan = PlanMonthGrid(shown, 1, now);
        for (int k = 0; k < 42; ++k) {
            FloorItem& cell = items_[layout_.cells[k]];
            const FloorLayout::Style& style = layout_.styles.at(std::string(plan.cells[k].tag));
            cell.back = style.back, cell.fore = style.fore, cell.bevel = style.bevel;
            const bool today = plan.cells[k].tag == "CurrToday" || (plan.cells[k].tag == "CurrSelected" && DayNumberOf(shown) == DayNumberOf(now));
            cell.font = today ? layout_.bold : layout_.plain;
            SetText(cell, QString::number(plan.cells[k].day));
        }
        FloorItem& title = items_[layout_.title];
        SetText(title, QLocale().standaloneMonthName(date_.month()) + " " + QString::number(date_.year()));
    }

    QtHost& host_;
    const FloorLayout& layout_;
    std::vector<FloorItem> items_;
    QDate date_;
};

// ---------------------------------------------------------------- the sides

// One calendar of any side on its own form, with the way to press "next month".
struct Peer {
    std::unique_ptr<QWidget> form;
    QWidget* painted = nullptr;  // the widget whose repaint shows the new month
    std::function<void()> nextMonth;
    std::function<QDate()> shown;  // the month (and selected day) on display
    PaintCounter counter;
};

QvCalendarWidget* MakeOursOn(QWidget& form, QtHost& host, QRect at) {
    auto* calendar = new QvCalendarWidget(&form, &host);
    calendar->setGeometry(at);
    return calendar;
}

QCalendarWidget* MakeQtOn(QWidget& form, QRect at) {
    auto* calendar = new QCalendarWidget(&form);
    calendar->setSelectedDate(kShown);
    calendar->setGeometry(at);
    return calendar;
}

void MakeOurs(Peer& p, QtHost& host) {
    p.form = std::make_unique<QWidget>();
    p.form->resize(kWidth, kHeight);
    QvCalendarWidget* calendar = MakeOursOn(*p.form, host, QRect(0, 0, kWidth, kHeight));
    QWidget* surface = QtWidgetFactory::Node(SiteOf(*calendar).Get<PictureSurface>("Picture1")).Window();
    const QPoint arrow = QtWidgetFactory::Node(SiteOf(*calendar).Get<CommandButton>("cmdButton", 2)).PixelRect().center();
    p.painted = surface;
    p.nextMonth = [surface, arrow] { Click(*surface, arrow); };
    p.shown = [calendar] { return calendar->calValue(); };
}

void MakeQt(Peer& p) {
    p.form = std::make_unique<QWidget>();
    p.form->resize(kWidth, kHeight);
    QCalendarWidget* calendar = MakeQtOn(*p.form, QRect(0, 0, kWidth, kHeight));
    auto* next = calendar->findChild<QToolButton*>("qt_calendar_nextmonth");
    p.painted = calendar->findChild<QWidget*>("qt_calendar_calendarview")->findChild<QWidget*>("qt_scrollarea_viewport");
    p.nextMonth = [next] { Click(*next, next->rect().center()); };
    p.shown = [calendar] { return QDate(calendar->yearShown(), calendar->monthShown(), calendar->selectedDate().day()); };
}

FloorWidget* MakeFloorOn(QWidget& form, QtHost& host, QRect at, const FloorLayout& layout) {
    auto* floor = new FloorWidget(&form, layout, host);
    floor->setGeometry(at);
    return floor;
}

// Shows a form and returns once it is on the (off-screen) screen and painted.
void ShowNow(QWidget& form) {
    form.show();
    while (!form.windowHandle() || !form.windowHandle()->isExposed()) QApplication::processEvents();
    PaintNow(form);
}

void StepOnce(Peer& p, const char* failure = "a month step painted nothing") {
    const int before = p.counter.paints;
    p.nextMonth();
    PaintNow(*p.form);
    if (p.counter.paints == before) Fail(failure);
}

// One step of each side; the names are what callgrind's --toggle-collect looks for. Their bodies
// differ, so that the compiler cannot fold the three into one.
__attribute__((noipa)) void MeasuredStepOurs(Peer& p) { StepOnce(p, "a month step of ours painted nothing"); }
__attribute__((noipa)) void MeasuredStepQt(Peer& p) { StepOnce(p, "a month step of QCalendarWidget painted nothing"); }
__attribute__((noipa)) void MeasuredStepFloor(Peer& p) { StepOnce(p, "a month step of the floor painted nothing"); }

// A calendar with its title bar, painted after its caption changed to one of two that differ
// only in their first character; the names are what callgrind's --toggle-collect looks for.
struct CaptionedCalendar {
    std::unique_ptr<QWidget> form;
    QvCalendarWidget* calendar = nullptr;
    QString captions[2];
    int next = 0;
    PaintCounter counter;

    CaptionedCalendar(QtHost& host, const QString& caption) : form(std::make_unique<QWidget>()) {
        form->resize(kWidth, kHeight);
        calendar = MakeOursOn(*form, host, QRect(0, 0, kWidth, kHeight));
        calendar->setCalShowTitleBar(true);
        captions[0] = "A" + caption;
        captions[1] = "B" + caption;
        ShowNow(*form);
        QtWidgetFactory::Node(SiteOf(*calendar).Get<PictureSurface>("Picture1")).Window()->installEventFilter(&counter);
    }
    // Asks for the repaint; the paint itself is left to PaintCaption.
    void NewCaption() {
        if (!calendar->setCalCaption(captions[next])) Fail("a caption was refused");
        next = 1 - next;
    }
    void PaintCaption(const char* failure) {
        const int before = counter.paints;
        PaintNow(*form);
        if (counter.paints == before) Fail(failure);
    }
};

__attribute__((noipa)) void MeasuredCaptionPaintFull(CaptionedCalendar& c) {
    c.PaintCaption("a caption filling its bar painted nothing");
}
__attribute__((noipa)) void MeasuredCaptionPaintHuge(CaptionedCalendar& c) {
    c.PaintCaption("a huge caption painted nothing");
}

// Latin, Greek, Arabic, Devanagari and Chinese text, which shaping meets with font fallback.
QString MixedScriptCaption(qsizetype length) {
    const QString piece = QString::fromUtf8("Termin Ραντεβού موعد अपॉइंटमेंट 预约 ");
    QString text;
    while (text.size() < length) text += piece;
    return text.left(length);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double MsSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

long RssKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

enum class Side { Ours, Qt, Floor };

Side SideOf(const char* name) {
    if (std::strcmp(name, "ours") == 0) return Side::Ours;
    if (std::strcmp(name, "qt") == 0) return Side::Qt;
    if (std::strcmp(name, "floor") == 0) return Side::Floor;
    Fail("the side is ours, qt or floor");
}

// Makes calendars of one side on forms. The floor's layout is copied from one calendar of ours,
// made once and kept off the measured path.
class Maker {
public:
    explicit Maker(QtHost& host) : host_(host) {}
    void Make(Side side, QWidget& form, int i) {
        const QRect at((i % 5) * kWidth, (i / 5 % 4) * kHeight, kWidth, kHeight);
        if (side == Side::Ours) MakeOursOn(form, host_, at);
        else if (side == Side::Qt) MakeQtOn(form, at);
        else MakeFloorOn(form, host_, at, Floor());
    }
    const FloorLayout& Floor() {
        if (!floor_) {
            QWidget model;
            model.resize(kWidth, kHeight);
            QvCalendarWidget* calendar = MakeOursOn(model, host_, QRect(0, 0, kWidth, kHeight));
            ShowNow(model);
            floor_ = std::make_unique<FloorLayout>(SiteOf(*calendar).Factory());
        }
        return *floor_;
    }

private:
    QtHost& host_;
    std::unique_ptr<FloorLayout> floor_;
};

// `count` calendars of one side (none: the form alone) made on one form and shown until painted.
std::unique_ptr<QWidget> CreateShow(Maker& maker, Side side, int count) {
    auto form = std::make_unique<QWidget>();
    form->resize(kWidth * 5, kHeight * 4);
    for (int i = 0; i < count; ++i) maker.Make(side, *form, i);
    ShowNow(*form);
    return form;
}

void TakeDown(std::unique_ptr<QWidget> form) {
    form.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The measured creation, the form's taking down left out; its name is what callgrind's
// --toggle-collect looks for.
__attribute__((noipa)) std::unique_ptr<QWidget> MeasuredCreate(Maker& maker, Side side, int count) {
    return CreateShow(maker, side, count);
}

// Resident memory added per calendar by 100 calendars shown on one form (kept alive), in a process
// that has shown one calendar of that side before: what every further calendar costs, without
// the fonts and styles that the first one loads. The form is on the screen before the count
// starts, so its backing store is not charged to the calendars.
double KbPerCalendar(Maker& maker, Side side) {
    TakeDown(CreateShow(maker, side, 1));
    auto form = std::make_unique<QWidget>();
    form->resize(kWidth * 5, kHeight * 4);
    ShowNow(*form);
    const long before = RssKb();
    for (int i = 0; i < 100; ++i) maker.Make(side, *form, i);
    for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->show();
    PaintNow(*form);
    return (RssKb() - before) / 100.0;
}

// The three sides side by side, each on its own form, showing the same month.
struct Sides {
    explicit Sides(QtHost& host) {
        MakeOurs(ours, host);
        MakeQt(qt);
        ShowNow(*ours.form);
        ShowNow(*qt.form);
        floor.form = std::make_unique<QWidget>();
        floor.form->resize(kWidth, kHeight);
        layout = std::make_unique<FloorLayout>(SiteOf(*ours.form->findChild<QvCalendarWidget*>()).Factory());
        auto* widget = MakeFloorOn(*floor.form, host, QRect(0, 0, kWidth, kHeight), *layout);
        const QPoint next = FloorNext(*widget);
        floor.painted = widget;
        floor.nextMonth = [widget, next] { Click(*widget, next); };
        floor.shown = [widget] { return widget->Shown(); };
        ShowNow(*floor.form);
        for (Peer* p : {&ours, &qt, &floor}) p->painted->installEventFilter(&p->counter);
        Check();
    }
    // Where our "next month" arrow is, the floor's is.
    QPoint FloorNext(FloorWidget&) {
        auto& site = SiteOf(*ours.form->findChild<QvCalendarWidget*>());
        return QtWidgetFactory::Node(site.Get<CommandButton>("cmdButton", 2)).PixelRect().center();
    }
    void Check() {
        if (ours.shown() != qt.shown() || ours.shown() != floor.shown()) Fail("the sides show different dates");
    }
    Peer ours, qt, floor;
    std::unique_ptr<FloorLayout> layout;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtHost host;
    host.SetToday(FromQDate(kShown));
    Maker maker(host);

    if (argc == 3 && std::strcmp(argv[1], "--steps") == 0) {
        Sides s(host);
        for (int i = 0; i < 12; ++i)  // first-use costs stay out of the count
            for (Peer* p : {&s.ours, &s.qt, &s.floor}) StepOnce(*p);
        for (int i = 0, n = std::atoi(argv[2]); i < n; ++i) {
            MeasuredStepOurs(s.ours);
            MeasuredStepQt(s.qt);
            MeasuredStepFloor(s.floor);
        }
        s.Check();
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--render") == 0) {
        Sides s(host);
        for (Peer* p : {&s.ours, &s.qt, &s.floor}) StepOnce(*p);
        s.Check();
        const char* names[3] = {"ours", "qt", "floor"};
        int k = 0;
        for (Peer* p : {&s.ours, &s.qt, &s.floor})
            if (!p->form->grab().save(QString("%1-%2.png").arg(argv[2], names[k++]))) Fail("cannot write the picture");
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--captions") == 0) {
        // 60 characters fill the 280-pixel title bar.
        CaptionedCalendar full(host, MixedScriptCaption(60)), huge(host, MixedScriptCaption(1000000));
        for (CaptionedCalendar* c : {&full, &huge}) c->NewCaption(), PaintNow(*c->form);  // fonts load once
        if (huge.calendar->calCaption().size() < 1000000) Fail("the huge caption was cut where it is kept");
        for (int i = 0, n = std::atoi(argv[2]); i < n; ++i) {
            full.NewCaption();
            MeasuredCaptionPaintFull(full);
            huge.NewCaption();
            MeasuredCaptionPaintHuge(huge);
        }
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "--create") == 0) {
        const Side side = SideOf(argv[2]);
        TakeDown(CreateShow(maker, side, 1));  // fonts and styles load once per process; not measured
        TakeDown(MeasuredCreate(maker, side, std::atoi(argv[3])));
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--memory") == 0) {
        std::printf("%.1f\n", KbPerCalendar(maker, SideOf(argv[2])));
        return 0;
    }

    for (Side side : {Side::Ours, Side::Qt, Side::Floor}) TakeDown(CreateShow(maker, side, 1));
    Sides s(host);
    std::vector<double> step[3];
    for (int i = 0; i < 20; ++i)  // warm up
        for (Peer* p : {&s.ours, &s.qt, &s.floor}) StepOnce(*p);
    for (int i = 0; i < 200; ++i) {
        int k = 0;
        for (Peer* p : {&s.ours, &s.qt, &s.floor}) {
            const auto t0 = Clock::now();
            StepOnce(*p);
            step[k++].push_back(MsSince(t0));
        }
    }
    s.Check();
    std::vector<double> one[3], ten[3];
    for (int r = 0; r < 41; ++r)
        for (int k = 0; k < 3; ++k) {
            auto t0 = Clock::now();
            std::unique_ptr<QWidget> form = CreateShow(maker, static_cast<Side>(k), 1);
            one[k].push_back(MsSince(t0));
            TakeDown(std::move(form));
            if (r >= 21) continue;
            t0 = Clock::now();
            form = CreateShow(maker, static_cast<Side>(k), 10);
            ten[k].push_back(MsSince(t0));
            TakeDown(std::move(form));
        }
    // Memory: one fresh process per side, so that no side inherits what another one loaded.
    double memory[3] = {};
    const char* names[3] = {"ours", "qt", "floor"};
    for (int k = 0; k < 3; ++k) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {"--memory", names[k]});
        if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
            Fail("a memory run failed");
        memory[k] = child.readAllStandardOutput().trimmed().toDouble();
    }

    auto row = [](const char* what, const char* unit, const double* v, const char* format) {
        std::printf(format, what, v[0], unit, v[1], unit, v[2], unit, v[0] / v[1], v[0] / v[2]);
    };
    const double s3[3] = {Median(step[0]), Median(step[1]), Median(step[2])};
    const double o3[3] = {Median(one[0]), Median(one[1]), Median(one[2])};
    const double t3[3] = {Median(ten[0]), Median(ten[1]), Median(ten[2])};
    std::printf("%-36s %12s %15s %12s %8s %8s\n", "wall-clock medians", "QvCalendar", "QCalendarWidget", "floor", "/ Qt", "/ floor");
    const char* ms = "%-36s %9.3f %s %12.3f %s %9.3f %s %8.2f %8.2f\n";
    row("month step with repaint", "ms", s3, ms);
    row("create + first show, one", "ms", o3, ms);
    row("create + first show, ten on a form", "ms", t3, ms);
    row("memory per calendar, fresh process", "KB", memory, "%-36s %9.1f %s %12.1f %s %9.1f %s %8.2f %8.2f\n");
    return 0;
}
