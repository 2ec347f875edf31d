#include "headless/HeadlessWidgets.h"

#include <algorithm>
#include <cmath>

#include "host/ControlError.h"

namespace VemoCalendar {

bool HeadlessWidgetState::Shown() const {
    const HeadlessWidgetState* w = this;
    while (w) {
        if (!w->AsWidget().Visible()) return false;
        Widget* parent = w->Parent();
        w = parent ? dynamic_cast<HeadlessWidgetState*>(parent) : nullptr;
    }
    return true;
}

HeadlessCommandButton::HeadlessCommandButton(HeadlessWidgetFactory& factory, Widget* parent, std::string name,
                                             int index)
    : HeadlessWidget(factory, parent, std::move(name), index), handle_(factory.NewHandle()) {}

// The widget's own range checks, as the three-dimensional button reports them.
void HeadlessCommandButton::SetBevelWidth(int16_t width) {
    if (width < 0 || width > 10) ThrowInvalidPropertyValue();
    Assign(bevelWidth_, width);
}
void HeadlessCommandButton::SetAutoSize(int mode) {
    if (mode < 0 || mode > 2) ThrowInvalidPropertyValue();
    Assign(autoSize_, mode);
}
void HeadlessCommandButton::SetFont3D(int style) {
    if (style < 0 || style > 4) ThrowInvalidPropertyValue();
    Assign(font3D_, style);
}
void HeadlessCommandButton::SetMousePointer(int pointer) {
    if ((pointer < 0 || pointer > 15) && pointer != 99) ThrowInvalidPropertyValue();
    Assign(mousePointer_, pointer);
}

HeadlessPictureSurface::HeadlessPictureSurface(HeadlessWidgetFactory& factory, Widget* parent, std::string name,
                                               double twipsPerPixel)
    : HeadlessWidget(factory, parent, std::move(name), -1), twipsPerPixel_(twipsPerPixel) {}

int HeadlessPictureSurface::ClientWidth() const {
    const int pixels = static_cast<int>(std::nearbyint(Width() / twipsPerPixel_)) - (border_ ? 2 : 0);
    return std::max(pixels, 0);
}
int HeadlessPictureSurface::ClientHeight() const {
    const int pixels = static_cast<int>(std::nearbyint(Height() / twipsPerPixel_)) - (border_ ? 2 : 0);
    return std::max(pixels, 0);
}

void HeadlessPictureSurface::SetBorder(bool singleLine) {
    const int w = ClientWidth(), h = ClientHeight();
    Assign(border_, singleLine);
    NotifyIfClientChanged(w, h);
}

void HeadlessPictureSurface::SetSize(int width, int height) {
    const int w = ClientWidth(), h = ClientHeight();
    HeadlessWidget::SetSize(width, height);
    NotifyIfClientChanged(w, h);
}

void HeadlessPictureSurface::NotifyIfClientChanged(int oldWidth, int oldHeight) {
    if ((ClientWidth() != oldWidth || ClientHeight() != oldHeight) && Events().Resize) Events().Resize();
}

void HeadlessTextBox::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    ++changeCount;
    selStart_ = std::min(selStart_, static_cast<int>(text_.size()));
    selLength_ = 0;
    if (Events().Change) Events().Change();
}

void HeadlessTextBox::SetSelStart(int start) {
    selStart_ = std::clamp(start, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
}

void HeadlessTextBox::SetSelLength(int length) {
    selLength_ = std::clamp(length, 0, static_cast<int>(text_.size()) - selStart_);
}

void HeadlessTextBox::Type(int16_t keyAscii) {
    std::string text = text_;
    int caret = selStart_;
    if (keyAscii == 8) {
        if (selLength_ > 0) {
            text.erase(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_));
        } else if (caret > 0) {
            text.erase(static_cast<size_t>(caret - 1), 1);
            --caret;
        }
    } else if (keyAscii >= 32 && keyAscii < 127) {
        text.erase(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_));
        if (maxLength_ > 0 && static_cast<int>(text.size()) >= maxLength_) return;
        text.insert(static_cast<size_t>(caret), 1, static_cast<char>(keyAscii));
        ++caret;
    } else {
        return;
    }
    SetText(text);
    selStart_ = caret;
    selLength_ = 0;
}

const std::string& HeadlessDropDownList::List(int index) const {
    if (index < 0 || index >= ListCount()) ThrowInvalidPropertyValue();
    return items_[static_cast<size_t>(index)];
}

void HeadlessDropDownList::Clear() {
    items_.clear();
    listIndex_ = -1;
    ++changeCount;
}

void HeadlessDropDownList::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) ThrowInvalidPropertyValue();
    if (index == listIndex_) return;
    listIndex_ = index;
    ++changeCount;
    if (Events().Click) Events().Click();
}

void HeadlessCheckBox::SetValue(int value) {
    if (value < 0 || value > 2) ThrowInvalidPropertyValue();
    if (value == value_) return;
    value_ = value;
    ++changeCount;
    if (Events().Click) Events().Click();
}

void HeadlessOptionButton::SetValue(bool value) {
    if (value == value_) return;
    value_ = value;
    ++changeCount;
    // Option buttons of one container form one group: switching one on switches the others off.
    if (value)
        for (Widget* w : factory_.All())
            if (auto* other = dynamic_cast<HeadlessOptionButton*>(w); other && other != this && other->Parent() == Parent())
                other->SetValue(false);
    if (value && Events().Click) Events().Click();
}

HeadlessWidgetFactory::HeadlessWidgetFactory(std::function<void(Widget&)> focusRequest,
                                             std::function<intptr_t()> newHandle, double twipsPerPixel)
    : focusRequest_(std::move(focusRequest)), newHandle_(std::move(newHandle)), twipsPerPixel_(twipsPerPixel) {}

HeadlessWidgetFactory::~HeadlessWidgetFactory() = default;

template <class T, class... Args>
T& HeadlessWidgetFactory::Add(Args&&... args) {
    auto widget = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& ref = *widget;
    widgets_.push_back(std::move(widget));
    return ref;
}

Panel& HeadlessWidgetFactory::CreatePanel(Widget* parent, const std::string& name, int index) {
    return Add<HeadlessPanel>(parent, name, index);
}
CommandButton& HeadlessWidgetFactory::CreateCommandButton(Widget* parent, const std::string& name, int index) {
    return Add<HeadlessCommandButton>(parent, name, index);
}
PictureSurface& HeadlessWidgetFactory::CreatePictureSurface(Widget* parent, const std::string& name) {
    // Inside another picture surface sizes are already pixels.
    const bool inPixels = parent && dynamic_cast<PictureSurface*>(parent);
    return Add<HeadlessPictureSurface>(parent, name, inPixels ? 1.0 : twipsPerPixel_);
}
TextBox& HeadlessWidgetFactory::CreateTextBox(Widget* parent, const std::string& name) {
    return Add<HeadlessTextBox>(parent, name, -1);
}
DropDownList& HeadlessWidgetFactory::CreateDropDownList(Widget* parent, const std::string& name) {
    return Add<HeadlessDropDownList>(parent, name, -1);
}
Label& HeadlessWidgetFactory::CreateLabel(Widget* parent, const std::string& name, int index) {
    return Add<HeadlessLabel>(parent, name, index);
}
Frame& HeadlessWidgetFactory::CreateFrame(Widget* parent, const std::string& name, int index) {
    return Add<HeadlessFrame>(parent, name, index);
}
CheckBox& HeadlessWidgetFactory::CreateCheckBox(Widget* parent, const std::string& name, int index) {
    return Add<HeadlessCheckBox>(parent, name, index);
}
OptionButton& HeadlessWidgetFactory::CreateOptionButton(Widget* parent, const std::string& name, int index) {
    return Add<HeadlessOptionButton>(parent, name, index);
}
Image& HeadlessWidgetFactory::CreateImage(Widget* parent, const std::string& name) {
    return Add<HeadlessImage>(parent, name, -1);
}
Line& HeadlessWidgetFactory::CreateLine(Widget* parent, const std::string& name, int index) {
    return Add<HeadlessLine>(parent, name, index);
}
PushButton& HeadlessWidgetFactory::CreatePushButton(Widget* parent, const std::string& name) {
    return Add<HeadlessPushButton>(parent, name, -1);
}

Widget* HeadlessWidgetFactory::Find(const std::string& name, int index) const {
    for (const auto& w : widgets_)
        if (w->Name() == name && w->Index() == index) return w.get();
    return nullptr;
}

std::vector<Widget*> HeadlessWidgetFactory::All() const {
    std::vector<Widget*> all;
    for (const auto& w : widgets_) all.push_back(w.get());
    return all;
}

bool HeadlessWidgetFactory::Owns(const Widget* w) const {
    return std::any_of(widgets_.begin(), widgets_.end(), [w](const auto& owned) { return owned.get() == w; });
}

}  // namespace VemoCalendar
