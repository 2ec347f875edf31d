#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "headless/HeadlessHost.h"
#include "headless/HeadlessWidgets.h"
#include "host/PropertyPageSite.h"

namespace VemoCalendar {

// An error a page reported to the site, as the host shows it.
struct PageSiteError {
    std::string property;  // empty when the error named none
    int32_t number = 0;
    std::string description;
};

// The headless host's property-page site: one page, the selected controls, the changed flag that
// enables Apply, and a developer's hands on the page (focus, Tab, typing, clicks, list choices,
// Apply). It records what the page reported: errors, message boxes (through the host) and every
// change of the changed flag.
//
// Focus moves as on a form: the old widget hears LostFocus, then the new one GotFocus, unless a
// LostFocus handler sent the focus elsewhere (a refused field taking it back).
class HeadlessPropertyPageSite : public PropertyPageSite {
public:
    using PageMaker = std::function<std::unique_ptr<PropertyPage>(PropertyPageSite&)>;
    // Makes the page on this site and initialises it.
    HeadlessPropertyPageSite(HeadlessHost& host, const PageMaker& makePage);
    ~HeadlessPropertyPageSite() override;

    PropertyPage& Page() { return *page_; }
    HeadlessWidgetFactory& Factory() { return factory_; }
    template <class T>
    T& Get(const std::string& name, int index = -1) const {
        return factory_.Get<T>(name, index);
    }

    // ---- PropertyPageSite ----
    WidgetFactory& Widgets() override { return factory_; }
    int SelectedControlCount() const override { return static_cast<int>(selection_.size()); }
    // Out of range: error 9, "Subscript out of range".
    PropertyTarget& SelectedControl(int index) override;
    bool Changed() const override { return changed_; }
    void SetChanged(bool changed) override;
    MessageResult MsgBox(const MessageBoxRequest& request) override { return host_.ShowMessageBox(request); }

    // ---- The host's side ----
    // A new selection, entry 0 first; the page loads. False when the page reported an error.
    bool Select(std::vector<PropertyTarget*> controls);
    bool ApplyEnabled() const { return changed_; }
    // The developer presses Apply: the focus leaves the page (so a field being edited is checked),
    // then, when Apply is enabled, the page applies and the flag clears. False when nothing was
    // applied or the page reported an error (the flag then stays set).
    bool Apply();
    // OK: as Apply, but applies only when something changed; true when the pages may close.
    bool PressOK();

    // ---- Record ----
    std::vector<PageSiteError> errors;
    std::vector<bool> changedFlags;  // every SetChanged, in order
    int selectedControlFetches = 0;  // calls of SelectedControl

    // ---- The developer ----
    Widget* FocusedWidget() const { return focused_; }
    // Focusable widgets in Tab order (the order they were made), shown and enabled.
    std::vector<Widget*> TabOrder() const;
    // The focus to a widget (a click into it), or off the page (null) to the host's buttons.
    void Focus(Widget* widget);
    // A mouse click: the widget takes the focus; a check box toggles, an option switches on, a
    // push button clicks.
    void Click(Widget& widget);
    // Picks an entry of a drop-down list (it takes the focus first).
    void Choose(DropDownList& list, int index);
    void Choose(DropDownList& list, const std::string& entry);
    // One key to the focused widget: Tab moves the focus on; other keys pass its KeyPress
    // handler, and a text box then types what the handler left.
    void PressKey(int16_t keyAscii);
    void Type(const std::string& text);
    void Tab();
    // Pastes into the focused text box: replaces its selection, bypassing KeyPress, within MaxLength.
    void Paste(const std::string& text);
    // Focus into the field, select everything, delete it, type `text`, and Tab out.
    void Enter(TextBox& field, const std::string& text);

private:
    void MoveFocus(Widget* widget);
    bool Reachable(Widget& widget) const;
    void Report(const ControlError& error);

    HeadlessHost& host_;
    HeadlessWidgetFactory factory_;
    std::unique_ptr<PropertyPage> page_;  // after the factory: goes before its widgets
    std::vector<PropertyTarget*> selection_;
    bool changed_ = false;
    Widget* focused_ = nullptr;
    bool gotFocusDelivered_ = false;
};

}  // namespace VemoCalendar
