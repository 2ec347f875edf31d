#include <cmath>

#include "headless/HeadlessForm.h"

namespace VemoCalendar {

HeadlessControlSite::HeadlessControlSite(HeadlessForm& form, std::string name, double left, double top, double width,
                                         double height)
    : form_(form),
      host_(form.Host()),
      name_(std::move(name)),
      left_(left),
      top_(top),
      width_(width),
      height_(height),
      hwnd_(host_.NewHandle()),
      hdc_(host_.NewHandle()),
      parentWindow_(form.hwnd()),
      factory_([this](Widget& w) { form_.FocusWidget(w); }, [this] { return host_.NewHandle(); },
               host_.TwipsPerPixelX()) {}

HeadlessControlSite::HeadlessControlSite(HeadlessControlSite& owner, const std::string& name, ConstituentEvents& events)
    : HeadlessControlSite(owner.form_, owner.name_ + "." + name, 0, 0, 0, 0) {
    owner_ = &owner;
    events_ = &events;
    parentWindow_ = owner.hwnd();
    form_.RegisterConstituent(*this);
}

HeadlessControlSite::~HeadlessControlSite() {
    if (owner_) form_.UnregisterConstituent(*this);
}

std::unique_ptr<ConstituentSite> HeadlessControlSite::CreateConstituent(const std::string& name,
                                                                        ConstituentEvents& events) {
    return std::make_unique<HeadlessControlSite>(*this, name, events);
}

double HeadlessControlSite::TwipsPerPixelX() const { return host_.TwipsPerPixelX(); }
double HeadlessControlSite::TwipsPerPixelY() const { return host_.TwipsPerPixelY(); }
double HeadlessControlSite::ScreenWidthTwips() const { return host_.ScreenWidthTwips(); }
double HeadlessControlSite::ScreenHeightTwips() const { return host_.ScreenHeightTwips(); }

// A constituent's owner tells the host about its own properties.
void HeadlessControlSite::PropertyChanged(std::string_view name) {
    if (!owner_) host_.propertyChanges.push_back({name_, std::string(name)});
}

void HeadlessControlSite::RaiseEvent(std::string_view name, std::span<Variant> args) {
    if (events_) events_->ConstituentEvent(name, args);
    else host_.RecordEvent(name_, name, args);
}

void HeadlessControlSite::Move(double left, double top, double width, double height) {
    const bool resized = width != width_ || height != height_;
    left_ = left, top_ = top, width_ = width, height_ = height;
    if (resized && control_) control_->UserControl_Resize();
}

void HeadlessControlSite::SetVisible(bool visible) {
    visible_ = visible;
    // A control that hides while it holds the focus loses it.
    if (!visible && form_.FocusedControl() == this) form_.MoveFocus(nullptr, nullptr);
}

void HeadlessControlSite::SetFocus() {
    // Like a toolkit, the focus goes to the first child that can take it, else to the surface.
    for (Widget* w : factory_.All()) {
        auto& state = HeadlessWidgetFactory::State(*w);
        if (state.TabStop() && state.Shown() && w->Enabled()) {
            form_.MoveFocus(this, w);
            return;
        }
    }
    form_.MoveFocus(this, nullptr);
}

ParentForm& HeadlessControlSite::Parent() { return form_; }

Widget* HeadlessControlSite::ActiveChild() const {
    return form_.FocusedControl() == this ? form_.FocusedWidget() : nullptr;
}

FontRef HeadlessControlSite::AmbientFont() const { return host_.AmbientFont(); }
MessageResult HeadlessControlSite::MsgBox(const MessageBoxRequest& request) { return host_.ShowMessageBox(request); }
LibraryIdentity HeadlessControlSite::Library() const { return host_.Library(); }
Date HeadlessControlSite::Today() const { return host_.Today(); }
const LocaleNames& HeadlessControlSite::Locale() const { return host_.Locale(); }
AboutBox& HeadlessControlSite::About() { return host_.About(); }

void HeadlessControlSite::ClientToScreen(intptr_t window, ScreenPoint& point) {
    const ScreenPoint origin = form_.ScreenOriginOf(window);
    point.x += origin.x;
    point.y += origin.y;
}

void HeadlessControlSite::SetParent(intptr_t child, intptr_t newParent) { form_.Reparent(child, newParent); }

}  // namespace VemoCalendar
