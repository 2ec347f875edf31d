// Opening a drop-down calendar: QvCalButton beside Qt's QDateEdit with calendarPopup(true), both
// in one warm process, off screen. "Open" is a mouse press on the control until the calendar has
// painted; "first" is the first opening of a control just made, "again" the opening after it was
// closed once.
//   qt_popup_bench                       wall-clock medians and ratios
//   qt_popup_bench --open ours|qt first  one measured opening, for valgrind --tool=callgrind
//   qt_popup_bench --open ours|qt again  (collection toggled on MeasuredOpen; run-qt-bench.sh)
#include <QApplication>
#include <QDateEdit>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "qt/QtHost.h"
#include "qt/QvCalButtonWidget.h"

using namespace VemoCalendar;
using Clock = std::chrono::steady_clock;

namespace {

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

void Click(QWidget& widget, QPoint at) {
    const QPointF local(at), global(widget.mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

// Delivers what is pending and paints what is dirty in `window` now (the same for both peers).
void PaintNow(QWidget& window) {
    QApplication::sendPostedEvents();
    QEvent update(QEvent::UpdateRequest);
    QApplication::sendEvent(&window, &update);
}

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
__attribute__((noinline)) bool OpenUntilPainted(Peer& p, PaintCounter& counter) {
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

// The measured opening; its name is what callgrind's --toggle-collect looks for.
__attribute__((noinline)) bool MeasuredOpen(Peer& p, PaintCounter& counter) { return OpenUntilPainted(p, counter); }

void Close(Peer& p) {
    p.close();
    QApplication::processEvents();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The time of the first and of the second opening of a new control, median over `reps` controls.
// The warm-up goes around MeasuredOpen, so that callgrind counts only the opening under test.
std::pair<double, double> OpenMs(const std::function<Peer()>& make, PaintCounter& counter, int reps, bool warmUp = false) {
    auto open = warmUp ? OpenUntilPainted : MeasuredOpen;
    std::vector<double> first, again;
    for (int r = 0; r < reps; ++r) {
        Peer p = make();
        ShowNow(*p.form);
        auto t0 = Clock::now();
        if (!open(p, counter)) std::fprintf(stderr, "a pop-up did not open or paint\n");
        first.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        Close(p);
        t0 = Clock::now();
        if (!open(p, counter)) std::fprintf(stderr, "a pop-up did not open again or paint\n");
        again.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        Close(p);
        counter.watched = nullptr;
    }
    return {Median(first), Median(again)};
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtHost host;
    host.SetToday(MakeDate(2026, 12, 8));
    PaintCounter counter;
    app.installEventFilter(&counter);
    auto ours = [&host] { return MakeOurs(host); };
    auto theirs = [] { return MakeQt(); };

    // The process is warm: one control of each kind has opened and closed its pop-up twice.
    OpenMs(ours, counter, 1, true);
    OpenMs(theirs, counter, 1, true);

    if (argc == 4 && std::strcmp(argv[1], "--open") == 0) {
        Peer p = std::strcmp(argv[2], "qt") == 0 ? MakeQt() : MakeOurs(host);
        ShowNow(*p.form);
        if (std::strcmp(argv[3], "again") == 0) {
            OpenUntilPainted(p, counter);  // the first opening, not measured
            Close(p);
        }
        const bool ok = MeasuredOpen(p, counter);
        counter.watched = nullptr;
        Close(p);
        return ok ? 0 : 1;
    }

    const auto [firstOurs, againOurs] = OpenMs(ours, counter, 41);
    const auto [firstQt, againQt] = OpenMs(theirs, counter, 41);
    std::printf("%-34s %12s %14s %8s\n", "wall-clock medians", "QvCalButton", "QDateEdit", "ratio");
    std::printf("%-34s %10.3f ms %12.3f ms %8.2f\n", "first opening of a new control", firstOurs, firstQt, firstOurs / firstQt);
    std::printf("%-34s %10.3f ms %12.3f ms %8.2f\n", "opening again", againOurs, againQt, againOurs / againQt);
    return 0;
}
