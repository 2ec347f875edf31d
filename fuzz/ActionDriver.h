#pragma once
// Random use of a calendar and a drop-down button on one headless form, one action a step,
// checked after each step against what must always hold. The actions come from a byte source,
// so libFuzzer and a seeded generator drive the same code.
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "calbutton/QvCalButton.h"
#include "calendar/QvCalendar.h"
#include "headless/HeadlessForm.h"
#include "host/ControlError.h"

namespace VemoCalendar {

class ActionDriver {
public:
    // `next` gives the next byte of the action stream.
    explicit ActionDriver(std::function<uint8_t()> next) : next_(std::move(next)) {
        host_.SetToday(MakeDate(1990 + Pick(40), 1 + Pick(12), 1 + Pick(28)));
        form_ = std::make_unique<HeadlessForm>(host_, 9600, 7200);
        cal_ = &form_->Place<QvCalendar>("QvCalendar1", 120, 120, 4200, 3000);
        button_ = &form_->Place<QvCalButton>("QvCalButton1", 4500, 120, 1215, 375);
    }

    // One action; returns what went wrong, or nothing.
    std::string Step() {
        const bool wasOpen = button_->PopupOpen();
        const int presses = Count("QvCalButton1", "BtnClick");
        const int action = static_cast<int>(Pick(14));
        HeadlessControlSite& popup = form_->Site("QvCalButton1.QvCalendar1");
        HeadlessControlSite& calSite = form_->Site("QvCalendar1");
        try {
            switch (action) {
                case 0: form_->Click(Face()); break;
                case 1: form_->Click(calSite.Get<Panel>("pnlCalNum", 1 + static_cast<int>(Pick(42)))); break;
                case 2: form_->DoubleClick(calSite.Get<Panel>("pnlCalNum", 1 + static_cast<int>(Pick(42)))); break;
                case 3: form_->Click(calSite.Get<CommandButton>("cmdButton", static_cast<int>(Pick(4)))); break;
                case 4: form_->Click(popup.Get<Panel>("pnlCalNum", 1 + static_cast<int>(Pick(42)))); break;
                case 5: form_->Click(popup.Get<CommandButton>("cmdButton", static_cast<int>(Pick(4)))); break;
                case 6: form_->PressKey(std::array<int16_t, 6>{13, 27, 'a', 9, ' ', '5'}[Pick(6)]); break;
                case 7: form_->PressKeyCode(std::array<int16_t, 8>{33, 34, 35, 36, 37, 38, 39, 40}[Pick(8)], static_cast<int16_t>(Pick(3))); break;
                case 8: form_->Site("QvCalButton1").Move(Signed(9000), Signed(7000), Pick(5000), Pick(5000)); break;
                case 9: form_->Site("QvCalendar1").Move(Signed(9000), Signed(7000), Pick(9000), Pick(9000)); break;
                case 10: cal_->SetProperty(kNumbers[Pick(kNumbers.size() - 2)], Variant(Signed(12000))); break;
                case 11: button_->SetProperty(kNumbers[Pick(kNumbers.size())], Variant(Signed(12000))); break;
                case 12: cal_->calValue(Date(Signed(3000000))); break;
                case 13: button_->calValue(Date(static_cast<double>(Signed(3000000)) + Pick(256) / 256.0)); break;
            }
        } catch (const ControlError& e) {
            if (e.number != 380 && e.number != 13 && e.number != 6)
                return "action " + std::to_string(action) + " raised " + std::to_string(e.number) + " " + e.description;
        }
        if (!IsValidDate(cal_->calValue())) return "the calendar's calValue left the date range";
        if (!IsValidDate(button_->calValue())) return "the button's calValue left the date range";
        if (cal_->calMinYear() > cal_->calMaxYear()) return "the calendar's year limits crossed";
        if (button_->PopupOpen() != popup.Visible()) return "open state and pop-up visibility differ";
        if (button_->PopupOpen() && popup.ParentWindow() != form_->hwnd()) return "open pop-up is not on the form";
        if (action == 0 && Count("QvCalButton1", "BtnClick") != presses + 1) return "a press raised no BtnClick";
        if (action == 0 && wasOpen == button_->PopupOpen()) return "a press did not toggle the pop-up";
        if (action == 3 && button_->PopupOpen()) return "the other control took the focus but the pop-up stays";
        host_.ClearRecord();
        return {};
    }

private:
    // Numeric properties of both controls; the last two only the button has.
    static constexpr std::array<const char*, 10> kNumbers{"calMinYear",    "calMaxYear",        "calAppearance",
                                                          "calScrollArrowsPos", "calFirstDayofWeek", "calMonthTitle",
                                                          "calDayTitle",   "calAlignmentNum",   "BevelWidth",
                                                          "calWidth"};
    size_t Pick(size_t n) {
        const size_t value = static_cast<size_t>(next_()) << 8 | next_();
        return value % n;
    }
    int32_t Signed(int32_t range) {
        const uint32_t value = static_cast<uint32_t>(next_()) << 24 | static_cast<uint32_t>(next_()) << 16 |
                               static_cast<uint32_t>(next_()) << 8 | next_();
        return static_cast<int32_t>(value % (2u * static_cast<uint32_t>(range) + 1)) - range;
    }
    CommandButton& Face() { return form_->Site("QvCalButton1").Get<CommandButton>("SSCommand1"); }
    int Count(const std::string& control, const std::string& event) const {
        const auto names = host_.EventNames(control);
        return static_cast<int>(std::count(names.begin(), names.end(), event));
    }

    std::function<uint8_t()> next_;
    HeadlessHost host_;
    std::unique_ptr<HeadlessForm> form_;
    QvCalendar* cal_ = nullptr;
    QvCalButton* button_ = nullptr;
};

}  // namespace VemoCalendar
