#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calbutton/QvCalButton.h"
#include "headless/HeadlessForm.h"

namespace VemoCalendar {

// A drop-down button of 1215 x 375 twips at (600, 300) on a 9600 x 7200 twip headless form (its
// client area starts at screen pixel (200, 100)), with today fixed at 10 June 1997, and a
// calendar beside it to take the focus away.
class ButtonFixture : public ::testing::Test {
protected:
    ButtonFixture() {
        host.SetToday(MakeDate(1997, 6, 10));
        form = std::make_unique<HeadlessForm>(host);
        button = &form->Place<QvCalButton>("QvCalButton1", 600, 300, 1215, 375);
        other = &form->Place<QvCalendar>("Other", 6000, 300, 3000, 2400);
        host.ClearRecord();
    }

    HeadlessControlSite& ButtonSite() { return form->Site("QvCalButton1"); }
    HeadlessControlSite& PopupSite() { return form->Site("QvCalButton1.QvCalendar1"); }
    CommandButton& Face() { return ButtonSite().Get<CommandButton>("SSCommand1"); }
    Panel& Cell(int k) { return PopupSite().Get<Panel>("pnlCalNum", k); }
    void Press() { form->Click(Face()); }
    std::vector<std::string> Events() { return host.EventNames("QvCalButton1"); }
    // The first day cell whose class tag is `tag`.
    int FirstCellTagged(const std::string& tag) {
        for (int k = 1; k <= 42; ++k)
            if (Cell(k).Tag() == tag) return k;
        return 0;
    }

    HeadlessHost host;
    std::unique_ptr<HeadlessForm> form;
    QvCalButton* button = nullptr;
    QvCalendar* other = nullptr;
};

}  // namespace VemoCalendar
