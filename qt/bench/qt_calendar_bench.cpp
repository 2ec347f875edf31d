// QvCalendar on the Qt host beside QCalendarWidget, both 280 x 200 pixels, off screen:
//   qt_calendar_bench                 wall-clock medians and ratios (month step, creation, memory)
//   qt_calendar_bench --steps ours N  N month steps only, for valgrind --tool=callgrind
//   qt_calendar_bench --steps qt N    (toggle collection on MonthStepLoop; see run-qt-bench.sh)
#include <QApplication>
#include <QCalendarWidget>
#include <QMouseEvent>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "qt/QtHost.h"
#include "qt/QvCalendarWidget.h"

using namespace VemoCalendar;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kWidth = 280, kHeight = 200;

// Counts paints of one widget, so a step is timed until its repaint has happened.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

void Click(QWidget& widget, QPoint at) {
    const QPointF local(at), global(widget.mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

// Delivers pending events and paints what is dirty now, instead of waiting for the platform's
// next update tick (the same for both calendars).
void PaintNow(QWidget& window) {
    QApplication::sendPostedEvents();
    QEvent update(QEvent::UpdateRequest);
    QApplication::sendEvent(&window, &update);
}

// One calendar of either kind on its own form, with the way to press "next month".
struct Peer {
    std::unique_ptr<QWidget> form;
    QWidget* painted = nullptr;  // the widget whose repaint shows the new month
    std::function<void()> nextMonth;
};

Peer MakeOurs(QtHost& host) {
    Peer p;
    p.form = std::make_unique<QWidget>();
    p.form->resize(kWidth, kHeight);
    auto* calendar = new QvCalendarWidget(p.form.get(), &host);
    calendar->setGeometry(0, 0, kWidth, kHeight);
    QWidget* surface = QtWidgetFactory::Node(calendar->site().Get<PictureSurface>("Picture1")).Window();
    const QPoint arrow = QtWidgetFactory::Node(calendar->site().Get<CommandButton>("cmdButton", 2)).PixelRect().center();
    p.painted = surface;
    p.nextMonth = [surface, arrow] { Click(*surface, arrow); };
    return p;
}

Peer MakeQt() {
    Peer p;
    p.form = std::make_unique<QWidget>();
    p.form->resize(kWidth, kHeight);
    auto* calendar = new QCalendarWidget(p.form.get());
    calendar->setGeometry(0, 0, kWidth, kHeight);
    auto* next = calendar->findChild<QToolButton*>("qt_calendar_nextmonth");
    p.painted = calendar->findChild<QWidget*>("qt_calendar_calendarview")->findChild<QWidget*>("qt_scrollarea_viewport");
    p.nextMonth = [next] { Click(*next, next->rect().center()); };
    return p;
}

// Shows a form and returns once it is on the (off-screen) screen and painted.
void ShowNow(QWidget& form) {
    form.show();
    while (!form.windowHandle() || !form.windowHandle()->isExposed()) QApplication::processEvents();
    PaintNow(form);
}

void Show(Peer& p) { ShowNow(*p.form); }

__attribute__((noinline)) void StepOnce(Peer& p, PaintCounter& counter) {
    const int before = counter.paints;
    p.nextMonth();
    PaintNow(*p.form);
    if (counter.paints == before) std::fprintf(stderr, "a month step painted nothing\n");
}

// The measured loop; its name is what callgrind's --toggle-collect looks for.
__attribute__((noinline)) void MonthStepLoop(Peer& p, int steps, PaintCounter& counter) {
    for (int i = 0; i < steps; ++i) StepOnce(p, counter);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double MonthStepMs(Peer& p) {
    PaintCounter counter;
    p.painted->installEventFilter(&counter);
    for (int i = 0; i < 20; ++i) StepOnce(p, counter);  // warm up
    std::vector<double> samples;
    for (int i = 0; i < 200; ++i) {
        const auto t0 = Clock::now();
        StepOnce(p, counter);
        samples.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    p.painted->removeEventFilter(&counter);
    return Median(samples);
}

// Creating `count` calendars on one form and showing it until painted.
double CreateShowMs(const std::function<void(QWidget&, int)>& make, int count, int reps) {
    std::vector<double> samples;
    for (int r = 0; r < reps; ++r) {
        const auto t0 = Clock::now();
        {
            QWidget form;
            form.resize(kWidth * 5, kHeight * 2 + 40);
            for (int i = 0; i < count; ++i) make(form, i);
            ShowNow(form);
            samples.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return Median(samples);
}

long RssKb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Resident memory added per calendar by 100 calendars shown on one form (kept alive). The form
// is on the screen before the count starts, so its backing store is not charged to the calendars.
double KbPerCalendar(const std::function<void(QWidget&, int)>& make, std::vector<std::unique_ptr<QWidget>>& keep) {
    auto form = std::make_unique<QWidget>();
    form->resize(kWidth * 5, kHeight * 4);
    ShowNow(*form);
    const long before = RssKb();
    for (int i = 0; i < 100; ++i) make(*form, i % 20);
    for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->show();
    PaintNow(*form);
    const long after = RssKb();
    keep.push_back(std::move(form));
    return (after - before) / 100.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtHost host;
    host.SetToday(MakeDate(2026, 12, 8));

    if (argc == 4 && std::strcmp(argv[1], "--steps") == 0) {
        Peer p = std::strcmp(argv[2], "qt") == 0 ? MakeQt() : MakeOurs(host);
        Show(p);
        PaintCounter counter;
        p.painted->installEventFilter(&counter);
        for (int i = 0; i < 12; ++i) StepOnce(p, counter);  // first-use costs stay out of the count
        MonthStepLoop(p, std::atoi(argv[3]), counter);
        return 0;
    }

    auto ours = [&host](QWidget& form, int i) {
        auto* c = new QvCalendarWidget(&form, &host);
        c->setGeometry((i % 5) * kWidth, (i / 5) * kHeight, kWidth, kHeight);
    };
    auto theirs = [](QWidget& form, int i) {
        auto* c = new QCalendarWidget(&form);
        c->setGeometry((i % 5) * kWidth, (i / 5) * kHeight, kWidth, kHeight);
    };
    // First showings load fonts and styles for both; they are not what is measured.
    CreateShowMs(ours, 1, 2);
    CreateShowMs(theirs, 1, 2);

    Peer a = MakeOurs(host), b = MakeQt();
    Show(a);
    Show(b);
    const double stepOurs = MonthStepMs(a), stepQt = MonthStepMs(b);
    const double oneOurs = CreateShowMs(ours, 1, 41), oneQt = CreateShowMs(theirs, 1, 41);
    const double tenOurs = CreateShowMs(ours, 10, 21), tenQt = CreateShowMs(theirs, 10, 21);
    std::vector<std::unique_ptr<QWidget>> keep;
    const double memOurs = KbPerCalendar(ours, keep), memQt = KbPerCalendar(theirs, keep);

    std::printf("%-34s %12s %14s %8s\n", "wall-clock medians", "QvCalendar", "QCalendarWidget", "ratio");
    std::printf("%-34s %10.3f ms %12.3f ms %8.2f\n", "month step with repaint", stepOurs, stepQt, stepOurs / stepQt);
    std::printf("%-34s %10.3f ms %12.3f ms %8.2f\n", "create + first show, one", oneOurs, oneQt, oneOurs / oneQt);
    std::printf("%-34s %10.3f ms %12.3f ms %8.2f\n", "create + first show, ten on a form", tenOurs, tenQt, tenOurs / tenQt);
    std::printf("%-34s %10.1f KB %12.1f KB %8.2f\n", "resident memory per calendar (100)", memOurs, memQt, memOurs / memQt);
    return 0;
}
