// Cost of the calendar's layout pass and of a full RefreshAll on the headless host.
#include <benchmark/benchmark.h>

#include "calendar/LayoutMath.h"
#include "calendar/QvCalendar.h"
#include "headless/HeadlessForm.h"

using namespace VemoCalendar;

namespace {

// The arithmetic alone: every rectangle for one size and setting combination.
void BM_ComputeLayout(benchmark::State& state) {
    LayoutInput input;
    input.width = 280;
    input.height = 200;
    for (auto _ : state) {
        input.width ^= 1;  // 280 / 281, so nothing is folded away
        benchmark::DoNotOptimize(ComputeLayout(input));
    }
}
BENCHMARK(BM_ComputeLayout);

// A resize as the host delivers it: the control grows or shrinks by one pixel, the surface
// follows and the layout pass moves all 59 widgets.
void BM_LayoutPassOnResize(benchmark::State& state) {
    HeadlessHost host;
    HeadlessForm form(host);
    form.Place<QvCalendar>("QvCalendar1", 0, 0, 280 * 15, 200 * 15);
    HeadlessControlSite& site = form.Site("QvCalendar1");
    int width = 280;
    for (auto _ : state) {
        width = width == 280 ? 281 : 280;
        site.Move(0, 0, width * 15, 200 * 15);
    }
    benchmark::DoNotOptimize(site.Get<Panel>("pnlCalNum", 42).Width());
}
BENCHMARK(BM_LayoutPassOnResize);

// A resize that leaves the size as it is (as each apply routine asks for): the pass runs anyway.
void BM_LayoutPassSameSize(benchmark::State& state) {
    HeadlessHost host;
    HeadlessForm form(host);
    QvCalendar& cal = form.Place<QvCalendar>("QvCalendar1", 0, 0, 280 * 15, 200 * 15);
    cal.calShowDropdownMonth(true);
    cal.calScrollArrowsPos(VemocalMonthYear);
    for (auto _ : state) cal.UserControl_Resize();
}
BENCHMARK(BM_LayoutPassSameSize);

// First placement's defaults, which end in RefreshAll: every apply routine, both name tables, the
// weekday titles and a grid fill.
void BM_RefreshAll(benchmark::State& state) {
    HeadlessHost host;
    HeadlessForm form(host);
    QvCalendar& cal = form.Place<QvCalendar>("QvCalendar1", 0, 0, 280 * 15, 200 * 15);
    for (auto _ : state) {
        cal.UserControl_InitProperties();
        host.ClearRecord();  // keeps the host's record of events from growing across iterations
    }
}
BENCHMARK(BM_RefreshAll);

}  // namespace
