#pragma once
#include <memory>

#include "host/ControlSite.h"
#include "host/Dialog.h"

namespace VemoCalendar {

// The library's About box: one object for the whole library, handed out by the host. Each
// showing loads the dialog afresh (Form_Load), shows it modally, and "OK" (or Enter, or Escape)
// unloads it.
class frmAbout : public AboutBox {
public:
    explicit frmAbout(DialogHost& host);
    void ShowModal() override;
    bool IsVisible() const override;

    // The dialog while it is loaded, for hosts and tests that look at it; null when unloaded.
    Dialog* LoadedDialog() const { return dialog_.get(); }

private:
    void Form_Load();
    void cmdOK_Click();

    DialogHost& host_;
    std::unique_ptr<Dialog> dialog_;
    Label* lblTitle_ = nullptr;
    Label* lblVersion_ = nullptr;
};

// Centres a length the way Form_Load does: (screen - dialog) rounded, then halved toward zero.
int CentredOffset(double screenTwips, double dialogTwips);

}  // namespace VemoCalendar
