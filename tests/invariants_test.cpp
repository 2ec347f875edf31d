// Random sequences of what users and programs do to a calendar, checked after every step against
// what must always hold. Seeded, so a failure reproduces; the message names sequence and steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "calendar/CellClass.h"
#include "calendar/MonthGridPlan.h"
#include "calendar/QvCalendar.h"
#include "headless/HeadlessForm.h"
#include "headless/MemoryPropertyBag.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

constexpr uint32_t kSeed = 19970610;
constexpr int kSequences = 4000;
constexpr int kStepsPerSequence = 20;

class Sequence {
public:
    explicit Sequence(uint32_t seed) : random_(seed) {
        host_.SetToday(RandomDate(1990, 2030));
        form_ = std::make_unique<HeadlessForm>(host_);
        if (Chance(0.5)) {
            cal_ = &form_->Place<QvCalendar>("QvCalendar1", 0, 0, 4200, 3000);
            Log("placed new");
        } else {
            MemoryPropertyBag bag = RandomStoredBag();
            cal_ = &form_->Load<QvCalendar>("QvCalendar1", bag, 0, 0, 4200, 3000);
        }
        site_ = &form_->Site("QvCalendar1");
    }

    // One step; returns what went wrong, or nothing.
    std::string Step() {
        host_.ClearRecord();
        if (Chance(0.75)) {
            const int32_t year = YearOf(cal_->calValue());
            const bool inside = cal_->calMinYear() <= year && year <= cal_->calMaxYear();
            UserAction();
            const int32_t after = YearOf(cal_->calValue());
            if (inside && (after < cal_->calMinYear() || after > cal_->calMaxYear()))
                return "the user left the year limits " + std::to_string(cal_->calMinYear()) + ".." +
                       std::to_string(cal_->calMaxYear()) + " for " + std::to_string(after);
        } else if (std::string error = PropertySet(); !error.empty()) {
            return error;
        }
        return CheckInvariants();
    }

    // What must hold after creation, before any step.
    std::string Check() { return CheckInvariants(); }
    HeadlessControlSite& Site() { return *site_; }

    std::string Trace() const {
        std::ostringstream out;
        for (const std::string& line : log_) out << "  " << line << "\n";
        return out.str();
    }

private:
    // ---- Randomness ----

    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    Date RandomDate(int firstYear, int lastYear) {
        const int year = Between(firstYear, lastYear), month = Between(1, 12);
        return MakeDate(year, month, Between(1, DaysInMonthOf(year, month)));
    }
    // Any valid date, often at the ends of the range, sometimes with a time of day.
    Date AnyValidDate() {
        switch (Between(0, 5)) {
            case 0: return MakeDate(100, 1, Between(1, 31));
            case 1: return MakeDate(9999, 12, Between(1, 31));
            case 2: return Date(RandomDate(100, 9999).value + Between(0, 23) / 24.0);
            default: return RandomDate(Chance(0.5) ? 100 : 1500, Chance(0.5) ? 9999 : 2100);
        }
    }
    int32_t AnyYear() { return Chance(0.7) ? Between(1590, 2110) : Between(0, 10100); }

    void Log(const std::string& line) { log_.push_back(line); }

    // A bag as a damaged or hand-made form may hold it: limits and enumerations unchecked.
    MemoryPropertyBag RandomStoredBag() {
        MemoryPropertyBag bag;
        std::ostringstream line;
        line << "loaded";
        const auto put = [&](const char* key, Variant value) {
            line << " " << key << "=" << (value.kind() == Variant::Kind::Date ? std::to_string(value.ToDate().value)
                                                                               : value.ToString());
            bag.Set(key, std::move(value));
        };
        put("calValue", Variant(AnyValidDate()));
        if (Chance(0.5)) put("calMinYear", Variant(AnyYear()));
        if (Chance(0.5)) put("calMaxYear", Variant(AnyYear()));
        if (Chance(0.3)) put("calFirstDayofWeek", Variant(int32_t{Between(-3, 10)}));
        if (Chance(0.5)) put("calShowDropdownMonth", Variant(Chance(0.7)));
        if (Chance(0.3)) put("calScrollArrowsPos", Variant(int32_t{Between(0, 4)}));
        if (Chance(0.3)) put("calMouseSensitiveDate", Variant(true));
        if (Chance(0.2)) put("calAppearance", Variant(int32_t{Between(-1, 4)}));
        if (Chance(0.2)) put("calMonthTitle", Variant(int32_t{Between(0, 2)}));
        Log(line.str());
        return bag;
    }

    // ---- What the user does ----

    Panel& Cell(int k) { return site_->Get<Panel>("pnlCalNum", k); }
    TextBox& YearBox() { return site_->Get<TextBox>("txtYear"); }
    DropDownList& MonthList() { return site_->Get<DropDownList>("cbxMonth"); }
    CommandButton& Arrow(int i) { return site_->Get<CommandButton>("cmdButton", i); }
    bool CanType() {
        Widget& box = YearBox();
        return HeadlessWidgetFactory::State(box).Shown() && box.Enabled() && site_->Visible();
    }

    std::string RandomYearText() {
        switch (Between(0, 3)) {
            case 0: return std::to_string(Between(0, 12000));
            case 1: {
                // Limits from a damaged bag may stand the wrong way round.
                const int32_t low = std::min(cal_->calMinYear(), cal_->calMaxYear());
                const int32_t high = std::max(cal_->calMinYear(), cal_->calMaxYear());
                return std::to_string(Between(low - 2, high + 2));
            }
            case 2: return "";
            default: return "1e3x";  // letters are swallowed, digits pass
        }
    }

    void UserAction() {
        switch (Between(0, 7)) {
            case 0:
            case 1: {
                const int k = Between(1, 42);
                Log("click cell " + std::to_string(k) + " (" + Cell(k).Tag() + " " + Cell(k).Caption() + ")");
                form_->Click(Cell(k));
                break;
            }
            case 2: {
                const int k = Between(1, 42);
                Log("double-click cell " + std::to_string(k) + " (" + Cell(k).Tag() + " " + Cell(k).Caption() + ")");
                form_->DoubleClick(Cell(k));
                break;
            }
            case 3: {
                const int i = Between(0, 3);
                Log("click arrow " + std::to_string(i));
                form_->Click(Arrow(i));
                break;
            }
            case 4: {
                const int index = Between(0, 11);
                Log("choose month " + std::to_string(index + 1));
                form_->Choose(MonthList(), index);
                break;
            }
            case 5:
            case 6: {
                if (!CanType()) return UserAction();
                const std::string text = RandomYearText();
                form_->FocusWidget(YearBox());
                form_->Type(text);
                if (Chance(0.5)) {
                    Log("type \"" + text + "\" and Enter");
                    form_->PressKey(13);
                } else {
                    const int i = Between(0, 3);
                    Log("type \"" + text + "\" and click arrow " + std::to_string(i));
                    form_->Click(Arrow(i));
                    // A hidden arrow takes no click, and the box keeps the focus: leave it.
                    form_->MoveFocus(nullptr, nullptr);
                }
                break;
            }
            default: {
                const int k = Between(1, 42);
                Log("hover cell " + std::to_string(k));
                form_->MouseMove(Cell(k));
                break;
            }
        }
    }

    // ---- What a program does ----

    std::string PropertySet() {
        std::string name;
        Variant value;
        switch (Between(0, 11)) {
            case 0:
            case 1:
                name = "calValue";
                value = Variant(Chance(0.9) ? AnyValidDate() : Date(Chance(0.5) ? MakeDate(10000, 1, 1).value : std::numeric_limits<double>::quiet_NaN()));
                break;
            case 2: name = "calMinYear", value = Variant(AnyYear()); break;
            case 3: name = "calMaxYear", value = Variant(AnyYear()); break;
            case 4: name = "calFirstDayofWeek", value = Variant(int32_t{Between(0, 8)}); break;
            case 5: name = "calAppearance", value = Variant(int32_t{Between(-1, 3)}); break;
            case 6: name = "calShowDropdownMonth", value = Variant(Chance(0.6)); break;
            case 7: name = "calMouseSensitiveDate", value = Variant(Chance(0.5)); break;
            case 8: name = "calScrollArrowsPos", value = Variant(int32_t{Between(-1, 4)}); break;
            case 9: name = "calMonthTitle", value = Variant(int32_t{Between(0, 2)}); break;
            case 10: name = "calDayTitle", value = Variant(int32_t{Between(0, 3)}); break;
            default: name = "Enabled", value = Variant(Chance(0.8)); break;
        }
        const std::string shown =
            value.kind() == Variant::Kind::Date ? std::to_string(value.ToDate().value) : value.ToString();
        try {
            cal_->SetProperty(name, value);
            Log("set " + name + " = " + shown);
        } catch (const ControlError& e) {
            Log("set " + name + " = " + shown + " refused");
            if (e.number != kErrInvalidPropertyValue) return "set " + name + " raised " + std::to_string(e.number);
        }
        return {};
    }

    // ---- What must always hold ----

    std::string CheckInvariants() {
        const Date value = cal_->calValue();
        if (!IsValidDate(value)) return "calValue " + std::to_string(value.value) + " is not a valid date";
        const CivilDate c = CivilOf(value);
        const std::string year = std::to_string(c.year);

        const bool abbreviated = cal_->calMonthTitle() != VemocalMonthLong;
        const std::string caption = host_.Locale().MonthName(c.month, abbreviated) + " " + year;
        if (site_->Get<Panel>("pnlText").Caption() != caption)
            return "pnlText shows \"" + site_->Get<Panel>("pnlText").Caption() + "\", not \"" + caption + "\"";
        if (YearBox().Text() != year) return "txtYear shows \"" + YearBox().Text() + "\", not " + year;
        if (MonthList().ListIndex() != c.month - 1)
            return "cbxMonth shows month " + std::to_string(MonthList().ListIndex() + 1);

        // The shown month's days fill the cells from its first weekday on, in order.
        const int start = WeekdayIndex(FirstOfMonth(value), NormalizedFirstDay(cal_->calFirstDayofWeek()));
        const int days = DaysInMonth(value);
        int selected = 0;
        for (int k = 1; k <= 42; ++k) {
            const std::string& tag = Cell(k).Tag();
            const bool shownMonth = k >= start && k < start + days;
            const bool shownTag = tag == kTagCurr || tag == kTagCurrWeekend || tag == kTagCurrToday || tag == kTagCurrSelected;
            if (shownMonth != shownTag || (!shownMonth && tag != (k < start ? kTagPrev : kTagNext)))
                return "cell " + std::to_string(k) + " is tagged " + tag + " in a month starting at cell " +
                       std::to_string(start);
            if (shownMonth && Cell(k).Caption() != std::to_string(k - start + 1))
                return "cell " + std::to_string(k) + " shows " + Cell(k).Caption();
            if (tag == kTagCurrSelected) {
                if (selected != 0) return "cells " + std::to_string(selected) + " and " + std::to_string(k) + " are selected";
                selected = k;
            }
        }
        if (selected == 0) return "no cell is selected";
        if (Cell(selected).Caption() != std::to_string(c.day))
            return "the selected cell shows " + Cell(selected).Caption() + ", calValue's day is " + std::to_string(c.day);
        return {};
    }

    std::mt19937 random_;
    HeadlessHost host_;
    std::unique_ptr<HeadlessForm> form_;
    QvCalendar* cal_ = nullptr;
    HeadlessControlSite* site_ = nullptr;
    std::vector<std::string> log_;
};

TEST(CalendarInvariants, HoldAfterEveryStepOfRandomUseAndSetup) {
    std::mt19937 seeds(kSeed);
    for (int n = 0; n < kSequences; ++n) {
        const uint32_t seed = seeds();
        Sequence sequence(seed);
        for (int step = 0; step <= kStepsPerSequence; ++step) {
            const std::string error = step == 0 ? sequence.Check() : sequence.Step();
            if (!error.empty()) {
                FAIL() << "sequence " << n << " (seed " << seed << "), step " << step << ": " << error << "\n"
                       << sequence.Trace();
            }
        }
    }
}

Panel& Selected(HeadlessControlSite& site) {
    for (int k = 1; k <= 42; ++k)
        if (site.Get<Panel>("pnlCalNum", k).Tag() == kTagCurrSelected) return site.Get<Panel>("pnlCalNum", k);
    throw std::logic_error("no selected cell");
}

// The checks themselves notice a grid that does not show calValue.
TEST(CalendarInvariants, NoticeADamagedDisplay) {
    using Damage = void (*)(HeadlessControlSite&);
    const Damage damages[] = {
        [](HeadlessControlSite& s) {
            const int other = Selected(s).Index() == 1 ? 2 : 1;
            s.Get<Panel>("pnlCalNum", other).SetTag(std::string(kTagCurrSelected));
        },
        [](HeadlessControlSite& s) { Selected(s).SetTag(std::string(kTagCurr)); },
        [](HeadlessControlSite& s) { Selected(s).SetCaption("0"); },
        [](HeadlessControlSite& s) { s.Get<Panel>("pnlCalNum", 42).SetTag(std::string(kTagCurr)); },
        [](HeadlessControlSite& s) { s.Get<Panel>("pnlText").SetCaption("Nonember 1997"); },
        [](HeadlessControlSite& s) { s.Get<TextBox>("txtYear").SetText("0"); },
    };
    for (const Damage damage : damages) {
        Sequence sequence(kSeed);
        ASSERT_EQ(sequence.Check(), "");
        damage(sequence.Site());
        EXPECT_NE(sequence.Check(), "");
    }
}

}  // namespace
}  // namespace VemoCalendar
