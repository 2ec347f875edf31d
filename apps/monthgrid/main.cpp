// Prints the month of a date as QvCalendar shows it, on the headless host:
//   monthgrid [YYYY-MM-DD [first-day-of-week 1..7]]
// Each cell shows its day number and a mark for its class: < previous month, > next month,
// * selected, ! today, w weekend, blank for an ordinary day.
#include <cstdio>
#include <iostream>
#include <string>

#include "calendar/QvCalendar.h"
#include "headless/HeadlessForm.h"

using namespace VemoCalendar;

namespace {

char MarkOf(const std::string& tag) {
    if (tag == "Prev") return '<';
    if (tag == "Next") return '>';
    if (tag == "CurrSelected") return '*';
    if (tag == "CurrToday") return '!';
    if (tag == "CurrWeekend") return 'w';
    return ' ';
}

}  // namespace

int main(int argc, char** argv) {
    HeadlessHost host;
    host.SetToday(MakeDate(2026, 12, 8));
    HeadlessForm form(host);
    auto& calendar = form.Place<QvCalendar>("QvCalendar1", 0, 0, 4200, 3000);
    try {
        if (argc > 1) {
            int y = 0, m = 0, d = 0;
            if (std::sscanf(argv[1], "%d-%d-%d", &y, &m, &d) != 3) throw std::invalid_argument("date");
            calendar.calValue(MakeDate(y, m, d));
        }
        if (argc > 2) calendar.calFirstDayofWeek(static_cast<enumCALFirstDayofWeek>(std::stoi(argv[2])));
    } catch (const std::exception& e) {
        std::cerr << "usage: monthgrid [YYYY-MM-DD [1..7]]  (" << e.what() << ")\n";
        return 2;
    }
    auto& site = form.Site("QvCalendar1");
    std::cout << site.Get<Panel>("pnlText").Caption() << "\n";
    for (int i = 1; i <= 7; ++i) std::printf("%4s", site.Get<Panel>("pnlCalDay", i).Caption().c_str());
    std::cout << "\n";
    for (int k = 1; k <= 42; ++k) {
        const Panel& cell = site.Get<Panel>("pnlCalNum", k);
        std::printf("%3s%c", cell.Caption().c_str(), MarkOf(cell.Tag()));
        if (k % 7 == 0) std::cout << "\n";
    }
    return 0;
}
