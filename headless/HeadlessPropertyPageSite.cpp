#include "headless/HeadlessPropertyPageSite.h"

#include <algorithm>

#include "host/ControlError.h"

namespace VemoCalendar {

HeadlessPropertyPageSite::HeadlessPropertyPageSite(HeadlessHost& host, const PageMaker& makePage)
    : host_(host),
      factory_([this](Widget& w) { Focus(&w); }, [&host] { return host.NewHandle(); }, host.TwipsPerPixelX()) {
    page_ = makePage(*this);
    if (!page_) throw std::logic_error("no property page made");
    page_->PropertyPage_Initialize();
}

HeadlessPropertyPageSite::~HeadlessPropertyPageSite() {
    focused_ = nullptr;
    page_.reset();
}

PropertyTarget& HeadlessPropertyPageSite::SelectedControl(int index) {
    ++selectedControlFetches;
    if (index < 0 || index >= SelectedControlCount()) throw ControlError(9, "Subscript out of range");
    return *selection_[static_cast<size_t>(index)];
}

void HeadlessPropertyPageSite::SetChanged(bool changed) {
    changed_ = changed;
    changedFlags.push_back(changed);
}

void HeadlessPropertyPageSite::Report(const ControlError& error) {
    const auto* access = dynamic_cast<const PropertyAccessError*>(&error);
    errors.push_back({access ? access->property : std::string(), error.number, error.description});
}

bool HeadlessPropertyPageSite::Select(std::vector<PropertyTarget*> controls) {
    selection_ = std::move(controls);
    try {
        page_->PropertyPage_SelectionChanged();
    } catch (const ControlError& e) {
        Report(e);
        return false;
    }
    return true;
}

bool HeadlessPropertyPageSite::Apply() {
    Focus(nullptr);
    if (!changed_) return false;
    try {
        page_->PropertyPage_ApplyChanges();
    } catch (const ControlError& e) {
        Report(e);
        return false;
    }
    SetChanged(false);
    return true;
}

bool HeadlessPropertyPageSite::PressOK() {
    Focus(nullptr);
    return !changed_ || Apply();
}

bool HeadlessPropertyPageSite::Reachable(Widget& widget) const {
    for (Widget* w = &widget; w; w = HeadlessWidgetFactory::State(*w).Parent())
        if (!w->Visible() || !w->Enabled()) return false;
    return true;
}

std::vector<Widget*> HeadlessPropertyPageSite::TabOrder() const {
    std::vector<Widget*> order;
    for (Widget* w : factory_.All())
        if (HeadlessWidgetFactory::State(*w).TabStop() && Reachable(*w)) order.push_back(w);
    return order;
}

void HeadlessPropertyPageSite::Focus(Widget* widget) {
    if (widget && (!HeadlessWidgetFactory::State(*widget).Focusable() || !Reachable(*widget))) return;
    MoveFocus(widget);
}

void HeadlessPropertyPageSite::MoveFocus(Widget* widget) {
    if (widget == focused_) return;
    Widget* old = focused_;
    // A widget that the focus only passed through, while a LostFocus handler took it elsewhere,
    // never got the focus and so does not lose it.
    const bool oldHadIt = gotFocusDelivered_;
    focused_ = widget;
    gotFocusDelivered_ = false;
    if (old && oldHadIt && old->Events().LostFocus) old->Events().LostFocus();
    if (focused_ != widget) return;  // a handler moved the focus on; that move told the new widget
    gotFocusDelivered_ = true;
    if (widget && widget->Events().GotFocus) widget->Events().GotFocus();
}

void HeadlessPropertyPageSite::Click(Widget& widget) {
    if (!Reachable(widget)) return;
    if (HeadlessWidgetFactory::State(widget).Focusable()) Focus(&widget);
    if (focused_ != &widget && HeadlessWidgetFactory::State(widget).Focusable()) return;  // refused field kept it
    if (widget.Events().MouseDown) {
        MouseArgs args{1, 0, 1, 1};
        widget.Events().MouseDown(args);
    }
    if (auto* check = dynamic_cast<CheckBox*>(&widget)) {
        check->SetValue(check->Value() == 1 ? 0 : 1);  // raises Click
    } else if (auto* option = dynamic_cast<OptionButton*>(&widget)) {
        if (!option->Value()) option->SetValue(true);  // raises Click
        else if (option->Events().Click) option->Events().Click();
    } else if (dynamic_cast<DropDownList*>(&widget) == nullptr && widget.Events().Click) {
        widget.Events().Click();
    }
}

void HeadlessPropertyPageSite::Choose(DropDownList& list, int index) {
    if (!Reachable(list)) return;
    Focus(&list);
    if (focused_ != &list) return;
    list.SetListIndex(index);
}

void HeadlessPropertyPageSite::Choose(DropDownList& list, const std::string& entry) {
    for (int i = 0; i < list.ListCount(); ++i)
        if (list.List(i) == entry) return Choose(list, i);
    throw std::logic_error("no entry " + entry + " in " + list.Name());
}

void HeadlessPropertyPageSite::Tab() {
    const std::vector<Widget*> order = TabOrder();
    if (order.empty()) return;
    auto at = std::find(order.begin(), order.end(), focused_);
    Widget* next = (at == order.end() || at + 1 == order.end()) ? order.front() : *(at + 1);
    MoveFocus(next);
}

void HeadlessPropertyPageSite::PressKey(int16_t keyAscii) {
    if (keyAscii == 9) return Tab();
    Widget* target = focused_;
    if (!target) return;
    KeyArgs key{static_cast<int16_t>(keyAscii >= 'a' && keyAscii <= 'z' ? keyAscii - 32 : keyAscii), 0};
    if (target->Events().KeyDown) target->Events().KeyDown(key);
    int16_t typed = keyAscii;
    if (target->Events().KeyPress) target->Events().KeyPress(typed);
    if (typed != 0 && focused_ == target)
        if (auto* box = dynamic_cast<HeadlessTextBox*>(target)) box->Type(typed);
    if (target->Events().KeyUp) target->Events().KeyUp(key);
}

void HeadlessPropertyPageSite::Type(const std::string& text) {
    for (char c : text) PressKey(static_cast<int16_t>(static_cast<unsigned char>(c)));
}

void HeadlessPropertyPageSite::Paste(const std::string& text) {
    auto* box = dynamic_cast<TextBox*>(focused_);
    if (!box) return;
    std::string result = box->Text();
    const auto start = static_cast<size_t>(box->SelStart());
    result.replace(start, static_cast<size_t>(box->SelLength()), text);
    if (box->MaxLength() > 0 && static_cast<int>(result.size()) > box->MaxLength())
        result.resize(static_cast<size_t>(box->MaxLength()));
    box->SetText(result);
    box->SetSelStart(std::min(static_cast<int>(start + text.size()), static_cast<int>(result.size())));
}

void HeadlessPropertyPageSite::Enter(TextBox& field, const std::string& text) {
    Focus(&field);
    if (focused_ != &field) return;
    field.SetSelStart(0);
    field.SetSelLength(static_cast<int>(field.Text().size()));
    PressKey(8);
    Type(text);
    Tab();
}

}  // namespace VemoCalendar
