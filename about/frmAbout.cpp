#include "about/frmAbout.h"

#include <cmath>
#include <string>

#include "about/CalendarIcon.h"

namespace VemoCalendar {
namespace {

constexpr int kDialogWidth = 5835;
constexpr int kDialogHeight = 3600;

}  // namespace

int CentredOffset(double screenTwips, double dialogTwips) {
    return static_cast<int>(std::nearbyint(screenTwips - dialogTwips)) / 2;
}

frmAbout::frmAbout(DialogHost& host) : host_(host) {}

bool frmAbout::IsVisible() const { return dialog_ && dialog_->IsVisible(); }

void frmAbout::ShowModal() {
    if (IsVisible()) return;  // already up: a second request must not stack another copy
    dialog_ = host_.CreateDialog("frmAbout");
    Dialog& d = *dialog_;
    d.Resize(kDialogWidth, kDialogHeight);
    d.SetIcon(MakeCalendarIcon(16));
    WidgetFactory& make = d.Widgets();

    Image& picIcon = make.CreateImage(nullptr, "picIcon");
    picIcon.Move(300, 240, 480, 480);
    picIcon.SetPicture(MakeCalendarIcon(32));

    Label& lblTitle = make.CreateLabel(nullptr, "lblTitle");
    lblTitle_ = &lblTitle;
    lblTitle.Move(1050, 240, 3885, 240);
    FontObject titleFont;
    titleFont.name = "Arial";
    titleFont.size = 8.25;
    titleFont.bold = true;
    titleFont.weight = 700;
    lblTitle.SetFont(titleFont);
    lblTitle.SetForeColor(0);

    lblVersion_ = &make.CreateLabel(nullptr, "lblVersion");
    lblVersion_->Move(1050, 480, 3885, 225);

    // The etched separator: a grey line with a white one just below it.
    Line& shadow = make.CreateLine(nullptr, "Line1", 1);
    shadow.SetPoints(90, 2445, 5654, 2445);
    shadow.SetBorderColor(Rgb(128, 128, 128));
    Line& light = make.CreateLine(nullptr, "Line1", 0);
    light.SetPoints(105, 2460, 5654, 2460);
    light.SetBorderColor(Rgb(255, 255, 255));

    PushButton& cmdOK = make.CreatePushButton(nullptr, "cmdOK");
    cmdOK.Move(4140, 2820, 1380, 345);
    cmdOK.SetCaption("OK");
    cmdOK.SetDefault(true);
    cmdOK.SetCancel(true);
    cmdOK.Events().Click = [this] { cmdOK_Click(); };

    Form_Load();
    d.ShowModal();
}

void frmAbout::Form_Load() {
    Dialog& d = *dialog_;
    if (d.State() == WindowState::Normal)
        d.Move(CentredOffset(host_.ScreenWidthTwips(), d.Width()), CentredOffset(host_.ScreenHeightTwips(), d.Height()));
    const LibraryIdentity library = host_.Library();
    d.SetCaption("About " + library.title);
    lblTitle_->SetCaption(library.title);
    lblVersion_->SetCaption("version " + std::to_string(library.major) + "." + std::to_string(library.minor) + "." +
                            std::to_string(library.revision));
}

void frmAbout::cmdOK_Click() {
    if (dialog_) dialog_->Unload();
}

}  // namespace VemoCalendar
