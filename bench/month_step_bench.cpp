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

// A month step with `state.range(0)` marked dates, one every `state.range(1)` days from 1 January
// 1997, stepping through 1997..2023: marked every day (10,000 reach May 2024) each grid paints 42
// marked days; one every 280 days the map is as large but a grid shows one mark at most. Each step is one
// call of MeasuredMarkedMonthStep, whose instructions callgrind counts:
//   valgrind --tool=callgrind --toggle-collect='MeasuredMarkedMonthStep*' \
//       build/bench/month_step_bench --benchmark_filter=MarkedDays/10000/1
// then callgrind_annotate --tree=caller gives the instructions and the number of calls.
[[gnu::noinline]] void MeasuredMarkedMonthStep(QvCalendar& cal, Date value) { cal.calValue(value); }

static void BM_MonthStepMarkedDays(benchmark::State& state) {
    HeadlessHost host;
    host.SetToday(MakeDate(1997, 6, 10));
    HeadlessForm form(host);
    auto& cal = form.Place<QvCalendar>("QvCalendar1", 0, 0, 280 * 15, 200 * 15);
    DayFormat holiday;
    holiday.foreColor = Rgb(0xC0, 0, 0);
    holiday.bold = true;
    holiday.toolTip = "Booked";
    const Date first = MakeDate(1997, 1, 1);
    for (int64_t i = 0; i < state.range(0); ++i) cal.SetDateMark(Date(first.value + static_cast<double>(i * state.range(1))), holiday);
    Date value = MakeDate(1997, 1, 15);
    for (auto _ : state) {
        value = AddMonths(value, 1);
        if (YearOf(value) > 2023) value = MakeDate(1997, 1, 15);
        MeasuredMarkedMonthStep(cal, value);
        if (host.events.size() > 4096) host.ClearRecord();
    }
}
BENCHMARK(BM_MonthStepMarkedDays)->Args({0, 1})->Args({10000, 1})->Args({10000, 280});
