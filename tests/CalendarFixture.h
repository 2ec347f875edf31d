#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/QvCalendar.h"
#include "headless/HeadlessForm.h"

namespace VemoCalendar {

struct Ymd {
    int y, m, d;
};

// A calendar of 280 x 200 pixels placed on a headless form, with today fixed at 10 June 1997.
class CalendarFixture : public ::testing::Test {
protected:
    CalendarFixture() {
        host.SetToday(MakeDate(1997, 6, 10));
        form = std::make_unique<HeadlessForm>(host);
        cal = &form->Place<QvCalendar>("QvCalendar1", 0, 0, 280 * 15, 200 * 15);
        site = &form->Site("QvCalendar1");
        host.ClearRecord();
    }

    Panel& Cell(int k) { return site->Get<Panel>("pnlCalNum", k); }
    Panel& Title(int i) { return site->Get<Panel>("pnlCalDay", i); }
    Panel& Caption() { return site->Get<Panel>("pnlText"); }
    std::vector<std::string> Events() { return host.EventNames("QvCalendar1"); }
    // Captions of cells first..last.
    std::vector<std::string> Captions(int first, int last) {
        std::vector<std::string> out;
        for (int k = first; k <= last; ++k) out.push_back(Cell(k).Caption());
        return out;
    }
    int CountTagged(const std::string& tag) {
        int n = 0;
        for (int k = 1; k <= 42; ++k) n += Cell(k).Tag() == tag;
        return n;
    }

    HeadlessHost host;
    std::unique_ptr<HeadlessForm> form;
    QvCalendar* cal = nullptr;
    HeadlessControlSite* site = nullptr;
};

inline std::vector<std::string> Numbers(int from, int to) {
    std::vector<std::string> out;
    for (int n = from; n <= to; ++n) out.push_back(std::to_string(n));
    return out;
}

}  // namespace VemoCalendar
