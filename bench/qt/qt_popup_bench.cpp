// Opening a drop-down calendar: QvCalButton beside Qt's QDateEdit with calendarPopup(true), both
// in one warm process, off screen. "Open" is a mouse press on the control until the calendar has
// painted; "first" is the first opening of a control just made, "again" the opening after it was
// closed once.
// The two sides open in turn, control by control.
//   qt_popup_bench                  wall-clock medians and ratios
//   qt_popup_bench --open first     one measured opening of each side, for valgrind --tool=callgrind
//   qt_popup_bench --open again     (collection toggled on MeasuredOpen*; see run-qt-bench.sh)
// A pop-up that does not open or paint fails the run (exit status 1, the reason on stderr).
#include <QApplication>
#include <QDateEdit>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "BenchInput.h"
#include "qt/backend/QtHost.h"
#include "qt/QvCalButtonWidget.h"

using namespace VemoCalendar;
using Clock = std::chrono::steady_clock;

namespace {

using Bench::Click;
using Bench::PaintNow;

// Counts the paints of every widget inside one window (set by the peer once it knows it).
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched)
            if (auto* widget = qobject_cast<QWidget*>(object); widget && (widget == watched || watched->isAncestorOf(widget)))
                ++paints;
        return false;
    }
    QWidget* watched = nullptr;
    int paints = 0;
};

// A form of 320 x 320 pixels with one drop-down control of either kind near its top left corner.
struct Peer {
    std::unique_ptr<QWidget> form;
    std::function<void()> press;          // the user's press that opens the pop-up
    std::function<QWidget*()> popup;      // the pop-up calendar once made, else null
    std::function<QWidget*()> paintRoot;  // the real window that paints it
    std::function<void()> close;
};

Peer MakeOurs(QtHost& host) {
    Peer p;
    p.form = std::make_unique<QWidget>();
    p.form->resize(320, 320);
    auto* button = new QvCalButtonWidget(p.form.get(), &host);
    button->setGeometry(10, 10, 81, 25);
    p.press = [button] { Click(*button, button->rect().center()); };
    p.popup = [button] { return button->popupOpen() ? button->popup() : nullptr; };
    p.paintRoot = [form = p.form.get()] { return form; };
    p.close = [button] {
        if (button->popupOpen()) Click(*button, button->rect().center());
    };
    return p;
}

Peer MakeQt() {
    Peer p;
    p.form = std::make_unique<QWidget>();
    p.form->resize(320, 320);
    auto* edit = new QDateEdit(QDate(2026, 12, 8), p.form.get());
    edit->setCalendarPopup(true);
    edit->setGeometry(10, 10, 120, 25);
    // The press lands on the drop-down arrow at the right end of the field.
    p.press = [edit] { Click(*edit, QPoint(edit->width() - 6, edit->height() / 2)); };
    p.popup = [] { return QApplication::activePopupWidget(); };
    p.paintRoot = [] { return QApplication::activePopupWidget(); };
    p.close = [] {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    };
    return p;
}

void ShowNow(QWidget& form) {
    form.show();
    while (!form.windowHandle() || !form.windowHandle()->isExposed()) QApplication::processEvents();
    PaintNow(form);
}

// Presses, then lets Qt run until the pop-up calendar has painted.
bool OpenUntilPainted(Peer& p, PaintCounter& counter) {
    p.press();
    QWidget* popup = p.popup();
    if (!popup) return false;
    counter.watched = popup;
    counter.paints = 0;
    for (int round = 0; counter.paints == 0 && round < 1000; ++round) {
        if (QWidget* root = p.paintRoot()) PaintNow(*root->window());
        if (counter.paints == 0) QApplication::processEvents();
    }
    return counter.paints > 0;
}

// The measured openings; their names are what callgrind's --toggle-collect looks for, and noipa
// keeps the compiler from folding the two into one.
__attribute__((noipa)) bool MeasuredOpenOurs(Peer& p, PaintCounter& counter) { return OpenUntilPainted(p, counter); }
__attribute__((noipa)) bool MeasuredOpenQt(Peer& p, PaintCounter& counter) { return OpenUntilPainted(p, counter); }

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "qt_popup_bench: %s\n", what);
    std::exit(1);
}

void Close(Peer& p) {
    p.close();
    QApplication::processEvents();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double MsSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

// Opens a new control's pop-up twice, timing each opening: `first` and `again`.
void OpenTwice(Peer p, PaintCounter& counter, bool (*open)(Peer&, PaintCounter&), std::vector<double>& first,
               std::vector<double>& again) {
    ShowNow(*p.form);
    auto t0 = Clock::now();
    if (!open(p, counter)) Fail("a pop-up did not open or paint");
    first.push_back(MsSince(t0));
    Close(p);
    t0 = Clock::now();
    if (!open(p, counter)) Fail("a pop-up did not open again or paint");
    again.push_back(MsSince(t0));
    Close(p);
    counter.watched = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtHost host;
    host.SetToday(MakeDate(2026, 12, 8));
    PaintCounter counter;
    app.installEventFilter(&counter);
    std::vector<double> first[2], again[2];

    // The process is warm: one control of each kind has opened and closed its pop-up twice.
    OpenTwice(MakeOurs(host), counter, OpenUntilPainted, first[0], again[0]);
    OpenTwice(MakeQt(), counter, OpenUntilPainted, first[1], again[1]);

    if (argc == 3 && std::strcmp(argv[1], "--open") == 0) {
        // One measured opening of each side, in turn, in this one process.
        const bool again = std::strcmp(argv[2], "again") == 0;
        Peer ours = MakeOurs(host), qt = MakeQt();
        ShowNow(*ours.form);
        ShowNow(*qt.form);
        if (again) {
            for (Peer* p : {&ours, &qt}) {
                if (!OpenUntilPainted(*p, counter)) Fail("a pop-up did not open or paint");  // not measured
                Close(*p);
            }
        }
        if (!MeasuredOpenOurs(ours, counter)) Fail("our pop-up did not open or paint");
        counter.watched = nullptr;
        Close(ours);
        if (!MeasuredOpenQt(qt, counter)) Fail("QDateEdit's pop-up did not open or paint");
        counter.watched = nullptr;
        Close(qt);
        return 0;
    }

    first[0].clear(), first[1].clear(), again[0].clear(), again[1].clear();
    for (int r = 0; r < 41; ++r) {
        OpenTwice(MakeOurs(host), counter, MeasuredOpenOurs, first[0], again[0]);
        OpenTwice(MakeQt(), counter, MeasuredOpenQt, first[1], again[1]);
    }
    const double f0 = Median(first[0]), f1 = Median(first[1]), a0 = Median(again[0]), a1 = Median(again[1]);
    std::printf("%-36s %12s %15s %8s\n", "wall-clock medians", "QvCalButton", "QDateEdit", "/ Qt");
    std::printf("%-36s %9.3f ms %12.3f ms %8.2f\n", "pop-up first opening", f0, f1, f0 / f1);
    std::printf("%-36s %9.3f ms %12.3f ms %8.2f\n", "pop-up opening again", a0, a1, a0 / a1);
    return 0;
}
