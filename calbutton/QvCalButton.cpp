#include "calbutton/QvCalButton.h"

#include <map>
#include <string>

#include "calbutton/ButtonPicture.h"
#include "host/ControlError.h"
#include "host/EventArgs.h"

namespace VemoCalendar {
namespace {

// The embedded calendar's design data: its three fonts, Courier New 9.75 pt regular. Every other
// setting starts at the calendar's own loading default.
class CalendarDesign : public PropertyBag {
public:
    CalendarDesign() {
        for (const char* key : {"calFont", "calMonthYearTitleFont", "calScrollArrowsFont"})
            values_[key] = Variant(MakeFont("Courier New", 9.75));
    }
    Variant ReadProperty(std::string_view key, const Variant& defaultValue) override {
        const auto it = values_.find(std::string(key));
        return it == values_.end() ? defaultValue : it->second;
    }
    void WriteProperty(std::string_view key, const Variant& value, const Variant&) override {
        values_[std::string(key)] = value;
    }

private:
    std::map<std::string, Variant> values_;
};

// The size the calendar is designed at inside the button: the default pop-up size.
constexpr double kDesignWidth = 3200, kDesignHeight = 4000;

// A picture that the form could not save is refused now, not when the form is saved.
void RefuseUnstorable(const PictureRef& picture) {
    if (picture && !IsStorablePicture(*picture)) ThrowInvalidPropertyValue();
}

}  // namespace

QvCalButton::QvCalButton(ControlSite& site) : site_(site) {
    CreateButtonWidget();
    CreateCalendar();
}

QvCalButton::~QvCalButton() = default;

void QvCalButton::CreateButtonWidget() {
    SSCommand1_ = &site_.Widgets().CreateCommandButton(nullptr, "SSCommand1");
    FontObject face;
    face.name = "Arial";
    face.size = 8.25;
    face.weight = 400;
    SSCommand1_->SetFont(face);
    SSCommand1_->SetPicture(MakeButtonPicture());
    SSCommand1_->SetCaption("");
    WidgetHandlers& on = SSCommand1_->Events();
    on.Click = [this] { SSCommand1_Click(); };
    // The widget's events are the button's own, prefixed "Btn", with the widget's arguments.
    on.KeyDown = [this](KeyArgs& a) { RaiseKeyEvent(site_, "BtnKeyDown", a); };
    on.KeyPress = [this](int16_t& keyAscii) { RaiseKeyPressEvent(site_, "BtnKeyPress", keyAscii); };
    on.KeyUp = [this](KeyArgs& a) { RaiseKeyEvent(site_, "BtnKeyUp", a); };
    on.MouseDown = [this](MouseArgs& a) { RaiseMouseEvent(site_, "BtnMouseDown", a); };
    on.MouseMove = [this](MouseArgs& a) { RaiseMouseEvent(site_, "BtnMouseMove", a); };
    on.MouseUp = [this](MouseArgs& a) { RaiseMouseEvent(site_, "BtnMouseUp", a); };
}

// The calendar is made hidden, so that at design time the control shows only the button.
void QvCalButton::CreateCalendar() {
    calendarSite_ = site_.CreateConstituent("QvCalendar1", *this);
    calendarSite_->SetVisible(false);
    calendarSite_->Move(0, 0, kDesignWidth, kDesignHeight);
    QvCalendar1_ = std::make_unique<QvCalendar>(*calendarSite_);
    calendarSite_->Attach(*QvCalendar1_);
    CalendarDesign design;
    QvCalendar1_->UserControl_ReadProperties(design);
    QvCalendar1_->UserControl_Resize();
}

FontRef& QvCalButton::ButtonFont(size_t i) {
    if (!fonts_[i]) fonts_[i] = std::make_shared<FontObject>();
    return fonts_[i];
}

// ---- Pop-up size ----

void QvCalButton::calWidth(int32_t twips) {
    calWidth_ = twips;
    QvCalendar1_->calWidth(twips);
    site_.PropertyChanged("calWidth");
}

void QvCalButton::calHeight(int32_t twips) {
    calHeight_ = twips;
    QvCalendar1_->calHeight(twips);
    site_.PropertyChanged("calHeight");
}

// ---- Face ----

enumBTNAutoSize QvCalButton::AutoSize() const { return static_cast<enumBTNAutoSize>(SSCommand1_->AutoSize()); }
void QvCalButton::AutoSize(enumBTNAutoSize value) {
    SSCommand1_->SetAutoSize(value);
    site_.PropertyChanged("AutoSize");
    if (value == VemobtnButtonToPicture) UserControl_Resize();
}
int16_t QvCalButton::BevelWidth() const { return SSCommand1_->BevelWidth(); }
void QvCalButton::BevelWidth(int16_t value) {
    SSCommand1_->SetBevelWidth(value);
    site_.PropertyChanged("BevelWidth");
}
std::string QvCalButton::Caption() const { return SSCommand1_->Caption(); }
void QvCalButton::Caption(const std::string& value) {
    SSCommand1_->SetCaption(value);
    site_.PropertyChanged("Caption");
}
int32_t QvCalButton::Font3D() const { return SSCommand1_->Font3D(); }
void QvCalButton::Font3D(int32_t value) {
    SSCommand1_->SetFont3D(value);
    site_.PropertyChanged("Font3D");
}
PictureRef QvCalButton::MouseIcon() const { return SSCommand1_->MouseIcon(); }
void QvCalButton::MouseIcon(PictureRef picture) {
    RefuseUnstorable(picture);
    SSCommand1_->SetMouseIcon(std::move(picture));
    site_.PropertyChanged("MouseIcon");
}
int32_t QvCalButton::MousePointer() const { return SSCommand1_->MousePointer(); }
void QvCalButton::MousePointer(int32_t value) {
    SSCommand1_->SetMousePointer(value);
    site_.PropertyChanged("MousePointer");
}
bool QvCalButton::Outline() const { return SSCommand1_->Outline(); }
void QvCalButton::Outline(bool value) {
    SSCommand1_->SetOutline(value);
    site_.PropertyChanged("Outline");
}
PictureRef QvCalButton::Picture() const { return SSCommand1_->Picture(); }
void QvCalButton::Picture(PictureRef picture) {
    RefuseUnstorable(picture);
    SSCommand1_->SetPicture(std::move(picture));
    site_.PropertyChanged("Picture");
}
bool QvCalButton::RoundedCorners() const { return SSCommand1_->RoundedCorners(); }
void QvCalButton::RoundedCorners(bool value) {
    SSCommand1_->SetRoundedCorners(value);
    site_.PropertyChanged("RoundedCorners");
}
Color QvCalButton::ForeColor() const { return SSCommand1_->ForeColor(); }
void QvCalButton::ForeColor(Color value) {
    SSCommand1_->SetForeColor(value);
    site_.PropertyChanged("ForeColor");
}
bool QvCalButton::Enabled() const { return SSCommand1_->Enabled(); }
void QvCalButton::Enabled(bool value) {
    SSCommand1_->SetEnabled(value);
    site_.PropertyChanged("Enabled");
}
FontRef QvCalButton::Font() const { return std::make_shared<FontObject>(SSCommand1_->Font()); }
// No font is no font to draw with: refused like a value the widget cannot take.
void QvCalButton::Font(FontRef font) {
    if (!font) ThrowInvalidPropertyValue();
    SSCommand1_->SetFont(*font);
    site_.PropertyChanged("Font");
}

int32_t QvCalButton::hwnd() const { return static_cast<int32_t>(site_.hwnd()); }
int32_t QvCalButton::hDC() const { return static_cast<int32_t>(site_.hDC()); }

}  // namespace VemoCalendar
