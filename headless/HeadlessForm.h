#pragma once
#include <memory>
#include <string>
#include <vector>

#include "headless/HeadlessHost.h"
#include "host/Control.h"
#include "host/PropertyBag.h"

namespace VemoCalendar {

class HeadlessForm;

// One control on a headless form: the ControlSite it sees, its widgets and its geometry. A
// constituent's site (a control owned by another control) is one too: its events go to its owner,
// and its position is read in its parent window, the owner's surface until SetParent moves it.
class HeadlessControlSite : public ConstituentSite {
public:
    HeadlessControlSite(HeadlessForm& form, std::string name, double left, double top, double width, double height);
    HeadlessControlSite(HeadlessControlSite& owner, const std::string& name, ConstituentEvents& events);
    ~HeadlessControlSite() override;

    const std::string& Name() const { return name_; }
    bool HasControl() const { return control_ != nullptr; }
    Control& GetControl() { return *control_; }
    // A control placed on the form, owned by its site.
    void Attach(std::unique_ptr<Control> control) {
        owned_ = std::move(control);
        control_ = owned_.get();
    }
    // A constituent, owned by its owner control.
    void Attach(Control& constituent) override { control_ = &constituent; }
    // The control that owns this one, or none for a control placed on the form.
    HeadlessControlSite* Owner() const { return owner_; }
    // The window the control's position is read in: the form's or the owner's.
    intptr_t ParentWindow() const { return parentWindow_; }
    void SetParentWindow(intptr_t window) { parentWindow_ = window; }
    HeadlessWidgetFactory& Factory() { return factory_; }
    // Finds a widget of the control by name and array index, as a test looks for it.
    template <class T>
    T& Get(const std::string& name, int index = -1) const {
        return factory_.Get<T>(name, index);
    }
    double Left() const { return left_; }
    double Top() const { return top_; }

    // ---- ControlSite ----
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    double ScreenWidthTwips() const override;
    double ScreenHeightTwips() const override;
    WidgetFactory& Widgets() override { return factory_; }
    std::unique_ptr<ConstituentSite> CreateConstituent(const std::string& name, ConstituentEvents& events) override;
    void PropertyChanged(std::string_view name) override;
    void RaiseEvent(std::string_view name, std::span<Variant> args) override;
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    double ScaleLeft() const override { return 0; }
    double ScaleTop() const override { return 0; }
    double Width() const override { return width_; }
    double Height() const override { return height_; }
    void SetWidth(double twips) override { Move(left_, top_, twips, height_); }
    void SetHeight(double twips) override { Move(left_, top_, width_, twips); }
    intptr_t hwnd() const override { return hwnd_; }
    intptr_t hDC() const override { return hdc_; }
    void Move(double left, double top, double width, double height) override;
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override;
    void SetFocus() override;
    ParentForm& Parent() override;
    Widget* ActiveChild() const override;
    FontRef AmbientFont() const override;
    MessageResult MsgBox(const MessageBoxRequest& request) override;
    LibraryIdentity Library() const override;
    Date Today() const override;
    const LocaleNames& Locale() const override;
    AboutBox& About() override;
    void ClientToScreen(intptr_t window, ScreenPoint& point) override;
    void SetParent(intptr_t child, intptr_t newParent) override;

private:
    HeadlessForm& form_;
    HeadlessHost& host_;
    HeadlessControlSite* owner_ = nullptr;
    ConstituentEvents* events_ = nullptr;
    std::string name_;
    double left_, top_, width_, height_;
    bool visible_ = true;
    intptr_t hwnd_, hdc_;
    intptr_t parentWindow_;
    HeadlessWidgetFactory factory_;
    Control* control_ = nullptr;
    std::unique_ptr<Control> owned_;  // declared after the factory: destroyed before its widgets
};

// A form holding controls, with the focus and the user's mouse and keyboard. Input is delivered
// as a toolkit delivers it: a click is MouseDown, MouseUp, Click; a double-click adds DblClick and
// a second MouseUp; keys go to the focused widget (or the focused control's own surface) as
// KeyDown, KeyPress, KeyUp, and a text box takes a key press its handler did not swallow.
class HeadlessForm : public ParentForm {
public:
    explicit HeadlessForm(HeadlessHost& host, double widthTwips = 9600, double heightTwips = 7200);
    ~HeadlessForm() override;

    HeadlessHost& Host() { return host_; }

    // A new control as a developer drops it on the form: InitProperties, then sized.
    template <class C>
    C& Place(const std::string& name, double left, double top, double width, double height) {
        HeadlessControlSite& site = AddSite(name, left, top, width, height);
        auto control = std::make_unique<C>(site);
        C& ref = *control;
        site.Attach(std::move(control));
        ref.UserControl_InitProperties();
        ref.UserControl_Resize();
        return ref;
    }
    // A stored control as the form loads it: ReadProperties from the bag, then sized.
    template <class C>
    C& Load(const std::string& name, PropertyBag& bag, double left, double top, double width, double height) {
        HeadlessControlSite& site = AddSite(name, left, top, width, height);
        auto control = std::make_unique<C>(site);
        C& ref = *control;
        site.Attach(std::move(control));
        try {
            ref.UserControl_ReadProperties(bag);
        } catch (...) {
            RemoveSite(site);  // a control that fails to load does not stay half-made on the form
            throw;
        }
        ref.UserControl_Resize();
        return ref;
    }
    // A control of the form by name; a constituent is named after its owner, "Owner.Name".
    HeadlessControlSite& Site(const std::string& name);
    HeadlessControlSite& AddSite(const std::string& name, double left, double top, double width, double height);
    void RemoveSite(HeadlessControlSite& site);
    HeadlessControlSite* SiteOf(const Widget& widget);
    // Constituent sites enter and leave the form with their owners.
    void RegisterConstituent(HeadlessControlSite& site) { constituents_.push_back(&site); }
    void UnregisterConstituent(HeadlessControlSite& site);
    // Makes the control whose window is `child` a child of the window `newParent` (the form or a
    // control), keeping its position numbers.
    void Reparent(intptr_t child, intptr_t newParent);
    // Whether the control is shown: visible itself and inside a shown parent window.
    bool Shown(const HeadlessControlSite& site) const;

    // ---- ParentForm ----
    intptr_t hwnd() const override { return hwnd_; }
    double ScaleLeft() const override { return 0; }
    double ScaleTop() const override { return 0; }
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    // Where the form's client area starts on the screen, in pixels.
    ScreenPoint ClientOrigin() const { return {200, 100}; }
    ScreenPoint ScreenOriginOf(intptr_t window);

    // ---- Focus ----
    Widget* FocusedWidget() const { return focusedWidget_; }
    HeadlessControlSite* FocusedControl() const { return focusedSite_; }
    // Moves the focus to a widget of a control, to a control's own surface (widget null), or
    // away from every control (site null), with the notifications a toolkit sends.
    void MoveFocus(HeadlessControlSite* site, Widget* widget);
    void FocusWidget(Widget& widget);

    // ---- Mouse on a widget (nothing happens on a hidden or disabled one) ----
    // A click on a drop-down list only opens it: the list reports Click when an item is chosen.
    void Click(Widget& widget, MouseArgs args = {1, 0, 1, 1});
    // The user picks item `index` of a drop-down list: the list takes the focus, then its index.
    void Choose(DropDownList& list, int index);
    void DoubleClick(Widget& widget, MouseArgs args = {1, 0, 1, 1});
    void MouseDown(Widget& widget, MouseArgs args = {1, 0, 1, 1});
    void MouseMove(Widget& widget, MouseArgs args = {0, 0, 1, 1});
    void MouseUp(Widget& widget, MouseArgs args = {1, 0, 1, 1});
    // ---- Mouse on a control's own surface ----
    void ClickSurface(HeadlessControlSite& site, MouseArgs args = {1, 0, 1, 1});
    void DoubleClickSurface(HeadlessControlSite& site, MouseArgs args = {1, 0, 1, 1});
    void MouseMoveSurface(HeadlessControlSite& site, MouseArgs args = {0, 0, 1, 1});
    // The tool tip the host shows: that of the widget the mouse last moved over, after its
    // handler ran; empty over a widget without one or over a control's own surface.
    const std::string& ShownToolTip() const { return shownToolTip_; }

    // ---- Keyboard, to whatever has the focus ----
    void KeyDown(int16_t keyCode, int16_t shift = 0);
    void KeyPress(int16_t keyAscii);
    void KeyUp(int16_t keyCode, int16_t shift = 0);
    // KeyDown, KeyPress, KeyUp for one key: a printable character, Enter (13), Escape (27),
    // Space (32) or Backspace (8); Tab (9) goes through Tab().
    void PressKey(int16_t keyAscii);
    // Tab as a toolkit takes it: a plain Tab on a widget that takes Tab is that widget's key;
    // otherwise, and with Shift (1) or Ctrl (2) always, the focus moves along the form's focus
    // chain: backwards with Shift, and out of the focused control with Ctrl.
    void Tab(int16_t shift = 0);
    // KeyDown and KeyUp of a key that types no character (arrows, PgUp, Home, ...).
    void PressKeyCode(int16_t keyCode, int16_t shift = 0);
    void Type(const std::string& text);

private:
    bool Reachable(Widget& widget);
    std::vector<HeadlessControlSite*> AllSites() const;
    // Every widget Tab can stop at, control by control (a constituent right after its owner), in
    // the order each control made them.
    std::vector<std::pair<HeadlessControlSite*, Widget*>> FocusChain();
    HeadlessControlSite* SiteOfWindow(intptr_t window) const;
    ScreenPoint SiteOrigin(const HeadlessControlSite& site) const;
    HeadlessHost& host_;
    double width_, height_;
    intptr_t hwnd_;
    std::vector<std::unique_ptr<HeadlessControlSite>> sites_;
    std::vector<HeadlessControlSite*> constituents_;
    HeadlessControlSite* focusedSite_ = nullptr;
    Widget* focusedWidget_ = nullptr;
    std::string shownToolTip_;
};

}  // namespace VemoCalendar
