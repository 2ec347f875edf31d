// Random sequences of what users and programs do to a drop-down button, checked after every
// step against what must always hold. Seeded, so a failure reproduces.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "calbutton/QvCalButton.h"
#include "headless/HeadlessForm.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

constexpr uint32_t kSeed = 20261209;
constexpr int kSequences = 400;
constexpr int kStepsPerSequence = 40;

class ButtonSequence {
public:
    explicit ButtonSequence(uint32_t seed) : random_(seed) {
        host_.SetToday(MakeDate(1990 + Pick(40), 1 + Pick(12), 1 + Pick(28)));
        form_ = std::make_unique<HeadlessForm>(host_, 9600, 7200);
        button_ = &form_->Place<QvCalButton>("QvCalButton1", Pick(9000), Pick(7000), 1215, 375);
        form_->Place<QvCalendar>("Other", 6000, 300, 3000, 2400);
    }

    std::string Step() {
        const int presses = Count("BtnClick");
        const bool wasOpen = button_->PopupOpen();
        const int action = Pick(9);
        HeadlessControlSite& popup = form_->Site("QvCalButton1.QvCalendar1");
        try {
            switch (action) {
                case 0: form_->Click(Face()); break;
                case 1: form_->Click(popup.Get<Panel>("pnlCalNum", 1 + Pick(42))); break;
                case 2: form_->DoubleClick(popup.Get<Panel>("pnlCalNum", 1 + Pick(42))); break;
                case 3: form_->PressKey(std::array<int16_t, 4>{13, 27, 'a', 9}[Pick(4)]); break;
                case 4: form_->Click(form_->Site("Other").Get<CommandButton>("cmdButton", Pick(4))); break;
                case 5: form_->Click(popup.Get<CommandButton>("cmdButton", Pick(4))); break;
                case 6: form_->Site("QvCalButton1").Move(Pick(9000), Pick(7000), Pick(3000), Pick(3000)); break;
                case 7: button_->SetProperty(kNames[Pick(kNames.size())], Variant(int32_t(Pick(12000)) - 1000)); break;
                case 8: button_->calWidth(Pick(5000)); break;
            }
        } catch (const ControlError& e) {
            if (e.number != 380) return "step " + std::to_string(action) + " raised " + e.description;
        }
        if (button_->PopupOpen() != popup.Visible()) return "open state and calendar visibility differ";
        if (!IsValidDate(button_->calValue())) return "calValue left the date range";
        if (button_->PopupOpen() && popup.ParentWindow() != form_->hwnd()) return "open pop-up is not on the form";
        if (action == 0 && Count("BtnClick") != presses + 1)
            return "a press raised no BtnClick";
        if (action == 0 && wasOpen == button_->PopupOpen()) return "a press did not toggle the pop-up";
        if (action == 4 && button_->PopupOpen()) return "focus moved to another control but the pop-up stays";
        return {};
    }

private:
    static constexpr std::array<const char*, 6> kNames{"calMinYear", "calMaxYear", "calAppearance",
                                                       "calScrollArrowsPos", "BevelWidth", "AutoSize"};
    size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
    CommandButton& Face() { return form_->Site("QvCalButton1").Get<CommandButton>("SSCommand1"); }
    int Count(const std::string& event) const {
        const auto names = host_.EventNames("QvCalButton1");
        return static_cast<int>(std::count(names.begin(), names.end(), event));
    }

    std::mt19937 random_;
    HeadlessHost host_;
    std::unique_ptr<HeadlessForm> form_;
    QvCalButton* button_ = nullptr;
};

TEST(ButtonInvariants, HoldAfterEveryStepOfRandomUse) {
    for (int s = 0; s < kSequences; ++s) {
        ButtonSequence sequence(kSeed + s);
        for (int step = 0; step < kStepsPerSequence; ++step) {
            const std::string error = sequence.Step();
            ASSERT_TRUE(error.empty()) << "sequence " << s << ", step " << step << ": " << error;
        }
    }
}

}  // namespace
}  // namespace VemoCalendar
