#include "headless/HeadlessForm.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <cmath>
#include <stdexcept>

namespace VemoCalendar {

HeadlessForm::HeadlessForm(HeadlessHost& host, double widthTwips, double heightTwips)
    : host_(host), width_(widthTwips), height_(heightTwips), hwnd_(host.NewHandle()) {}

HeadlessForm::~HeadlessForm() {
    focusedSite_ = nullptr;
    focusedWidget_ = nullptr;
    sites_.clear();
}

HeadlessControlSite& HeadlessForm::AddSite(const std::string& name, double left, double top, double width,
                                           double height) {
    sites_.push_back(std::make_unique<HeadlessControlSite>(*this, name, left, top, width, height));
    return *sites_.back();
}

void HeadlessForm::RemoveSite(HeadlessControlSite& site) {
    if (focusedSite_ == &site) focusedSite_ = nullptr, focusedWidget_ = nullptr;
    std::erase_if(sites_, [&site](const auto& s) { return s.get() == &site; });
}

HeadlessControlSite& HeadlessForm::Site(const std::string& name) {
    for (HeadlessControlSite* s : AllSites())
        if (s->Name() == name) return *s;
    throw std::logic_error("no control " + name);
}

std::vector<HeadlessControlSite*> HeadlessForm::AllSites() const {
    std::vector<HeadlessControlSite*> all;
    for (const auto& s : sites_) all.push_back(s.get());
    all.insert(all.end(), constituents_.begin(), constituents_.end());
    return all;
}

void HeadlessForm::UnregisterConstituent(HeadlessControlSite& site) {
    if (focusedSite_ == &site) focusedSite_ = nullptr, focusedWidget_ = nullptr;
    std::erase(constituents_, &site);
}

HeadlessControlSite* HeadlessForm::SiteOf(const Widget& widget) {
    for (HeadlessControlSite* s : AllSites())
        if (s->Factory().Owns(&widget)) return s;
    return nullptr;
}

HeadlessControlSite* HeadlessForm::SiteOfWindow(intptr_t window) const {
    for (HeadlessControlSite* s : AllSites())
        if (s->hwnd() == window) return s;
    return nullptr;
}

void HeadlessForm::Reparent(intptr_t child, intptr_t newParent) {
    HeadlessControlSite* site = SiteOfWindow(child);
    if (!site || child == newParent) return;
    if (newParent == hwnd_ || SiteOfWindow(newParent)) site->SetParentWindow(newParent);
}

bool HeadlessForm::Shown(const HeadlessControlSite& site) const {
    if (!site.Visible()) return false;
    const HeadlessControlSite* parent = SiteOfWindow(site.ParentWindow());
    return !parent || Shown(*parent);
}

ScreenPoint HeadlessForm::SiteOrigin(const HeadlessControlSite& site) const {
    const HeadlessControlSite* parent = SiteOfWindow(site.ParentWindow());
    const ScreenPoint base = parent ? SiteOrigin(*parent) : ClientOrigin();
    return {base.x + static_cast<int32_t>(std::nearbyint(site.Left() / host_.TwipsPerPixelX())),
            base.y + static_cast<int32_t>(std::nearbyint(site.Top() / host_.TwipsPerPixelY()))};
}

ScreenPoint HeadlessForm::ScreenOriginOf(intptr_t window) {
    if (window == hwnd_) return ClientOrigin();
    const double tx = host_.TwipsPerPixelX(), ty = host_.TwipsPerPixelY();
    for (HeadlessControlSite* s : AllSites()) {
        const ScreenPoint control = SiteOrigin(*s);
        if (window == s->hwnd()) return control;
        for (Widget* w : s->Factory().All()) {
            auto* button = dynamic_cast<CommandButton*>(w);
            if (!button || button->WindowHandle() != window) continue;
            // Walk up to the control, adding each offset in its parent's units.
            ScreenPoint p = control;
            for (Widget* at = w; at; at = HeadlessWidgetFactory::State(*at).Parent()) {
                Widget* parent = HeadlessWidgetFactory::State(*at).Parent();
                const bool pixels = parent && dynamic_cast<PictureSurface*>(parent);
                p.x += pixels ? at->Left() : static_cast<int32_t>(std::nearbyint(at->Left() / tx));
                p.y += pixels ? at->Top() : static_cast<int32_t>(std::nearbyint(at->Top() / ty));
            }
            return p;
        }
    }
    return {0, 0};
}

namespace {

// A control and the controls that own it, innermost first: focus moving within one chain does
// not leave the outer controls.
std::vector<HeadlessControlSite*> OwnerChain(HeadlessControlSite* site) {
    std::vector<HeadlessControlSite*> chain;
    for (; site; site = site->Owner()) chain.push_back(site);
    return chain;
}

bool Contains(const std::vector<HeadlessControlSite*>& chain, HeadlessControlSite* site) {
    return std::find(chain.begin(), chain.end(), site) != chain.end();
}

}  // namespace

void HeadlessForm::MoveFocus(HeadlessControlSite* site, Widget* widget) {
    if (site == focusedSite_ && widget == focusedWidget_) return;
    HeadlessControlSite* oldSite = focusedSite_;
    Widget* oldWidget = focusedWidget_;
    focusedSite_ = site;
    focusedWidget_ = widget;
    if (oldWidget) {
        if (oldWidget->Events().LostFocus) oldWidget->Events().LostFocus();
    } else if (oldSite && oldSite->HasControl()) {
        oldSite->GetControl().UserControl_LostFocus();
    }
    const auto oldChain = OwnerChain(oldSite), newChain = OwnerChain(site);
    for (HeadlessControlSite* s : oldChain)
        if (!Contains(newChain, s) && s->HasControl()) s->GetControl().UserControl_ExitFocus();
    for (auto it = newChain.rbegin(); it != newChain.rend(); ++it)
        if (!Contains(oldChain, *it) && (*it)->HasControl()) (*it)->GetControl().UserControl_EnterFocus();
    // A handler above may have moved the focus on; only the widget still focused hears of it.
    if (focusedSite_ != site || focusedWidget_ != widget) return;
    if (widget) {
        if (widget->Events().GotFocus) widget->Events().GotFocus();
    } else if (site && site->HasControl()) {
        site->GetControl().UserControl_GotFocus();
    }
}

void HeadlessForm::FocusWidget(Widget& widget) {
    HeadlessControlSite* site = SiteOf(widget);
    if (!site || !Reachable(widget)) return;
    if (!HeadlessWidgetFactory::State(widget).Focusable()) return;
    MoveFocus(site, &widget);
}

bool HeadlessForm::Reachable(Widget& widget) {
    HeadlessControlSite* site = SiteOf(widget);
    if (!site || !Shown(*site)) return false;
    for (Widget* w = &widget; w; w = HeadlessWidgetFactory::State(*w).Parent())
        if (!w->Visible() || !w->Enabled()) return false;
    return true;
}

void HeadlessForm::MouseDown(Widget& widget, MouseArgs args) {
    if (!Reachable(widget)) return;
    if (HeadlessWidgetFactory::State(widget).Focusable()) FocusWidget(widget);
    if (widget.Events().MouseDown) widget.Events().MouseDown(args);
}

void HeadlessForm::MouseMove(Widget& widget, MouseArgs args) {
    shownToolTip_.clear();
    if (!Reachable(widget)) return;
    if (widget.Events().MouseMove) widget.Events().MouseMove(args);
    shownToolTip_ = widget.ToolTip();
}

void HeadlessForm::MouseUp(Widget& widget, MouseArgs args) {
    if (Reachable(widget) && widget.Events().MouseUp) widget.Events().MouseUp(args);
}

void HeadlessForm::Click(Widget& widget, MouseArgs args) {
    if (!Reachable(widget)) return;
    MouseDown(widget, args);
    MouseUp(widget, args);
    if (dynamic_cast<DropDownList*>(&widget)) return;
    if (Reachable(widget) && widget.Events().Click) widget.Events().Click();
}

void HeadlessForm::Choose(DropDownList& list, int index) {
    if (!Reachable(list)) return;
    FocusWidget(list);
    list.SetListIndex(index);
}

void HeadlessForm::DoubleClick(Widget& widget, MouseArgs args) {
    Click(widget, args);
    if (Reachable(widget) && widget.Events().DblClick) widget.Events().DblClick();
    MouseUp(widget, args);
}

void HeadlessForm::ClickSurface(HeadlessControlSite& site, MouseArgs args) {
    if (!Shown(site)) return;
    MoveFocus(&site, nullptr);
    Control& c = site.GetControl();
    c.UserControl_MouseDown(args);
    c.UserControl_MouseUp(args);
    c.UserControl_Click();
}

void HeadlessForm::DoubleClickSurface(HeadlessControlSite& site, MouseArgs args) {
    ClickSurface(site, args);
    site.GetControl().UserControl_DblClick();
    site.GetControl().UserControl_MouseUp(args);
}

void HeadlessForm::MouseMoveSurface(HeadlessControlSite& site, MouseArgs args) {
    shownToolTip_.clear();
    if (Shown(site)) site.GetControl().UserControl_MouseMove(args);
}

void HeadlessForm::KeyDown(int16_t keyCode, int16_t shift) {
    KeyArgs args{keyCode, shift};
    if (focusedWidget_) {
        if (focusedWidget_->Events().KeyDown) focusedWidget_->Events().KeyDown(args);
    } else if (focusedSite_) {
        focusedSite_->GetControl().UserControl_KeyDown(args);
    }
}

void HeadlessForm::KeyPress(int16_t keyAscii) {
    if (focusedWidget_) {
        Widget* target = focusedWidget_;
        if (target->Events().KeyPress) target->Events().KeyPress(keyAscii);
        if (keyAscii != 0 && focusedWidget_ == target)
            if (auto* box = dynamic_cast<HeadlessTextBox*>(target)) box->Type(keyAscii);
    } else if (focusedSite_) {
        focusedSite_->GetControl().UserControl_KeyPress(keyAscii);
    }
}

void HeadlessForm::KeyUp(int16_t keyCode, int16_t shift) {
    KeyArgs args{keyCode, shift};
    if (focusedWidget_) {
        if (focusedWidget_->Events().KeyUp) focusedWidget_->Events().KeyUp(args);
    } else if (focusedSite_) {
        focusedSite_->GetControl().UserControl_KeyUp(args);
    }
}

std::vector<std::pair<HeadlessControlSite*, Widget*>> HeadlessForm::FocusChain() {
    std::vector<std::pair<HeadlessControlSite*, Widget*>> chain;
    std::function<void(HeadlessControlSite&)> add = [&](HeadlessControlSite& site) {
        for (Widget* w : site.Factory().All())
            if (HeadlessWidgetFactory::State(*w).TabStop() && Reachable(*w)) chain.emplace_back(&site, w);
        for (HeadlessControlSite* c : constituents_)
            if (c->Owner() == &site) add(*c);
    };
    for (auto& s : sites_) add(*s);
    return chain;
}

namespace {

HeadlessControlSite* Outermost(HeadlessControlSite* site) {
    while (site && site->Owner()) site = site->Owner();
    return site;
}

}  // namespace

void HeadlessForm::Tab(int16_t shift) {
    const bool backwards = (shift & 1) != 0, leaveControl = (shift & 2) != 0;
    if (focusedWidget_ && focusedWidget_->TakesTab() && shift == 0) {
        KeyDown(9);
        KeyPress(9);
        KeyUp(9);
        return;
    }
    const auto chain = FocusChain();
    if (chain.empty()) return;
    const auto n = static_cast<ptrdiff_t>(chain.size());
    ptrdiff_t at = -1;
    for (ptrdiff_t i = 0; i < n; ++i)
        if (chain[static_cast<size_t>(i)].second == focusedWidget_) at = i;
    if (at < 0) at = backwards ? 0 : n - 1;
    HeadlessControlSite* current = Outermost(focusedSite_);
    for (ptrdiff_t step = 1; step <= n; ++step) {
        const auto& [site, widget] = chain[static_cast<size_t>(((at + (backwards ? -step : step)) % n + n) % n)];
        if (leaveControl && current && Outermost(site) == current) continue;
        MoveFocus(site, widget);
        return;
    }
}

void HeadlessForm::PressKeyCode(int16_t keyCode, int16_t shift) {
    KeyDown(keyCode, shift);
    KeyUp(keyCode, shift);
}

void HeadlessForm::PressKey(int16_t keyAscii) {
    if (keyAscii == 9) return Tab();
    // Key codes of letters are those of the capitals; other keys here share their code.
    const auto keyCode = static_cast<int16_t>(std::toupper(keyAscii));
    KeyDown(keyCode);
    KeyPress(keyAscii);
    KeyUp(keyCode);
}

void HeadlessForm::Type(const std::string& text) {
    for (char c : text) PressKey(static_cast<int16_t>(static_cast<unsigned char>(c)));
}

}  // namespace VemoCalendar
