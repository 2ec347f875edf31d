#include "pages/pagQvCalButton.h"

#include <string>

#include "host/ControlError.h"
#include "pages/PageFields.h"
#include "pages/PageIcons.h"

namespace VemoCalendar {
namespace {

// The custom pointer stands last in the list, after the standard shapes 0..15.
constexpr int kCustomPointer = 99;
constexpr int kCustomPointerPosition = 16;

}  // namespace

pagQvCalButton::pagQvCalButton(PropertyPageSite& site) : site_(site) { MakeWidgets(); }

// The page's design. Widgets that take the focus are made in their tab order.
void pagQvCalButton::MakeWidgets() {
    WidgetFactory& make = site_.Widgets();
    const FontObject font = PageFont();

    Frame& fraCalButton = make.CreateFrame(nullptr, "fraCalButton");
    fraCalButton.Move(60, 0, 5655, 4335);
    fraCalButton.SetFont(font);

    Image& imgCalendar = make.CreateImage(&fraCalButton, "imgCalendar");
    imgCalendar.Move(120, 300, 480, 480);
    imgCalendar.SetPicture(MakeCalButtonPagePicture());

    auto label = [&](const char* name, const char* caption, int left, int top) {
        Label& l = make.CreateLabel(&fraCalButton, name);
        l.Move(left, top, 1020, 240);
        l.SetFont(font);
        l.SetCaption(caption);
    };
    auto list = [&](const char* name, int left, int top) {
        DropDownList& l = make.CreateDropDownList(&fraCalButton, name);
        l.Move(left, top, 2175, 330);
        l.SetFont(font);
        l.Events().Click = [this] { Changed(); };
        return &l;
    };
    auto check = [&](const char* name, const char* caption, int top, int width) {
        CheckBox& c = make.CreateCheckBox(&fraCalButton, name);
        c.Move(720, top, width, 285);
        c.SetFont(font);
        c.SetCaption(caption);
        c.Events().Click = [this] { Changed(); };
        return &c;
    };

    label("lblCaption", "Caption", 720, 300);
    txtCaption = &make.CreateTextBox(&fraCalButton, "txtCaption");
    txtCaption->Move(720, 540, 2175, 330);
    txtCaption->SetFont(font);
    txtCaption->SetMaxLength(kCaptionMaxLength);
    txtCaption->Events().Change = [this] { Changed(); };
    txtCaption->Events().GotFocus = [this] { SelectAll(*txtCaption); };

    label("lblFont3D", "Font3D", 3105, 300);
    cbxFont3D = list("cbxFont3D", 3105, 540);
    label("lblAutoSize", "AutoSize", 720, 960);
    cbxAutoSize = list("cbxAutoSize", 720, 1200);
    label("lblMousePointer", "MousePointer", 3105, 960);
    cbxMousePointer = list("cbxMousePointer", 3105, 1200);

    label("lblBevelWidth", "BevelWidth", 720, 1680);
    txtBevelWidth = &make.CreateTextBox(&fraCalButton, "txtBevelWidth");
    txtBevelWidth->Move(720, 1920, 1200, 330);
    txtBevelWidth->SetFont(font);
    txtBevelWidth->SetMaxLength(4);
    txtBevelWidth->Events().GotFocus = [this] { SelectAll(*txtBevelWidth); };
    txtBevelWidth->Events().KeyPress = [](int16_t& keyAscii) { NumericKeyFilter(keyAscii); };
    txtBevelWidth->Events().LostFocus = [this] { txtBevelWidth_LostFocus(); };

    chkEnabled = check("chkEnabled", "Enabled", 2520, 1800);
    chkOutline = check("chkOutline", "Outline", 2820, 1500);
    chkRoundedCorners = check("chkRoundedCorners", "RoundedCorners", 3120, 1980);
}

void pagQvCalButton::PropertyPage_Initialize() {
    for (const char* entry : {"0 - None", "1 - Picture To Button", "2 - Button To Picture"}) cbxAutoSize->AddItem(entry);
    for (const char* entry : {"0 - None", "1 - Raised w/ Light Shading", "2 - Raised w/ Heavy Shading",
                              "3 - Inset w/ Light Shading", "4 - Inset w/ Heavy Shading"})
        cbxFont3D->AddItem(entry);
    for (const char* entry :
         {"0 - Default", "1 - Arrow", "2 - Cross", "3 - IBeam", "4 - Icon", "5 - Size", "6 - Size NE SW", "7 - Size N S",
          "8 - Size NW SE", "9 - Size W E", "10 - UpArrow", "11 - HourGlass", "12 - No Drop", "13 - Arrow And HourGlass",
          "14 - Arrow And Question", "15 - Size All", "99 - Custom"})
        cbxMousePointer->AddItem(entry);
}

void pagQvCalButton::Changed() { site_.SetChanged(true); }

void pagQvCalButton::PropertyPage_SelectionChanged() {
    if (site_.SelectedControlCount() == 0) return;
    try {
        loadError_.reset();
        LoadStep("Caption", [&] { LoadCaption(*txtCaption, ReadString(site_, "Caption")); });
        LoadStep("AutoSize", [&] { cbxAutoSize->SetListIndex(ReadInt32(site_, "AutoSize")); });
        LoadStep("Font3D", [&] { cbxFont3D->SetListIndex(ReadInt32(site_, "Font3D")); });
        LoadStep("MousePointer", [&] {
            const int32_t pointer = ReadInt32(site_, "MousePointer");
            if (pointer == kCustomPointer) cbxMousePointer->SetListIndex(kCustomPointerPosition);
            else if (pointer >= 0 && pointer < kCustomPointerPosition) cbxMousePointer->SetListIndex(pointer);
            else ThrowInvalidPropertyValue();
        });
        chkEnabled->SetValue(ReadCheckValue(site_, "Enabled"));
        chkOutline->SetValue(ReadCheckValue(site_, "Outline"));
        chkRoundedCorners->SetValue(ReadCheckValue(site_, "RoundedCorners"));
        txtBevelWidth->SetText(std::to_string(ReadInt32(site_, "BevelWidth")));
        acceptedBevelWidth = ReadInt32(site_, "BevelWidth");
    } catch (const PropertyAccessError& e) {
        loadError_ = e;
        throw;
    }
    site_.SetChanged(false);
}

void pagQvCalButton::PropertyPage_ApplyChanges() {
    if (loadError_) throw *loadError_;
    if (site_.SelectedControlCount() == 0) return;
    WriteSelected(site_, "Caption", Variant(txtCaption->Text()));
    WriteSelected(site_, "AutoSize", Variant(static_cast<int16_t>(cbxAutoSize->ListIndex())));
    WriteSelected(site_, "Font3D", Variant(static_cast<int16_t>(cbxFont3D->ListIndex())));
    const int position = cbxMousePointer->ListIndex();
    WriteSelected(site_, "MousePointer",
                  Variant(static_cast<int16_t>(position == kCustomPointerPosition ? kCustomPointer : position)));
    WriteSelected(site_, "RoundedCorners", Variant(chkRoundedCorners->Value() == 1));
    WriteSelected(site_, "Outline", Variant(chkOutline->Value() == 1));
    // The control's property procedure turns the text into its 16-bit width.
    WriteSelected(site_, "BevelWidth", Variant(txtBevelWidth->Text()));
    WriteSelected(site_, "Enabled", Variant(chkEnabled->Value() == 1));
}

void pagQvCalButton::txtBevelWidth_LostFocus() {
    if (ValidateBevelWidth()) {
        const int32_t value = *Int32Of(txtBevelWidth->Text());
        if (value != acceptedBevelWidth) {
            acceptedBevelWidth = value;
            Changed();
        }
    } else {
        txtBevelWidth->SetText(std::to_string(acceptedBevelWidth));
        SelectAll(*txtBevelWidth);  // the focus is back in the field: typing replaces the restored value
    }
}

bool pagQvCalButton::ValidateBevelWidth() {
    const std::optional<int32_t> value = Int32Of(txtBevelWidth->Text());
    if (!value || *value < 0) {
        ShowFieldError(site_, *txtBevelWidth);
        return false;
    }
    return true;
}

}  // namespace VemoCalendar
