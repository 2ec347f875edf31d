// One month step on the headless host: calValue one month on, Refresh and its events.
#include <benchmark/benchmark.h>

#include "calendar/MonthGridPlan.h"
#include "calendar/QvCalendar.h"
#include "headless/HeadlessForm.h"

using namespace VemoCalendar;

static void BM_MonthStep(benchmark::State& state) {
    HeadlessHost host;
    host.SetToday(MakeDate(1997, 6, 10));
    HeadlessForm form(host);
    auto& cal = form.Place<QvCalendar>("QvCalendar1", 0, 0, 280 * 15, 200 * 15);
    Date value = MakeDate(1997, 1, 15);
    for (auto _ : state) {
        value = AddMonths(value, 1);
        if (YearOf(value) > 9000) value = MakeDate(1997, 1, 15);
        cal.calValue(value);
        // Keep the record from growing across millions of steps.
        if (host.events.size() > 4096) host.ClearRecord();
    }
}
BENCHMARK(BM_MonthStep);

static void BM_PlanMonthGrid(benchmark::State& state) {
    Date value = MakeDate(1997, 1, 15);
    for (auto _ : state) {
        value = AddMonths(value, 1);
        if (YearOf(value) > 9000) value = MakeDate(1997, 1, 15);
        benchmark::DoNotOptimize(PlanMonthGrid(value, 1, MakeDate(1997, 6, 10)));
    }
}
BENCHMARK(BM_PlanMonthGrid);
