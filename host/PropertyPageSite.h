#pragma once
#include <string>
#include <string_view>

#include "host/ControlError.h"
#include "host/MessageBox.h"
#include "host/PropertyTarget.h"
#include "host/WidgetFactory.h"

namespace VemoCalendar {

// The host's site for a design-time property page.
class PropertyPageSite {
public:
    virtual ~PropertyPageSite() = default;
    // Makes the page's widgets; positions in twips, a null parent being the page's client area.
    // Widgets that take the focus are reached by Tab in the order they were made.
    virtual WidgetFactory& Widgets() = 0;
    virtual int SelectedControlCount() const = 0;
    // Entry 0 is the first selected control.
    virtual PropertyTarget& SelectedControl(int index) = 0;
    // While true the host enables its Apply command.
    virtual bool Changed() const = 0;
    virtual void SetChanged(bool changed) = 0;
    virtual MessageResult MsgBox(const MessageBoxRequest& request) = 0;
};

// A design-time property page. The site makes it (its widgets come from its design), calls
// PropertyPage_Initialize once, PropertyPage_SelectionChanged whenever the selection changes and
// PropertyPage_ApplyChanges when the developer applies. Errors of the selected control leave the
// two last as PropertyAccessError, for the site to report.
class PropertyPage {
public:
    virtual ~PropertyPage() = default;
    // The page's name in a control's page list ("pagQvCalendar") and its tab caption ("Calendar").
    virtual std::string_view Name() const = 0;
    virtual std::string_view Caption() const = 0;
    // The client area the page's design asks for, in twips.
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;

    virtual void PropertyPage_Initialize() = 0;
    virtual void PropertyPage_SelectionChanged() = 0;
    virtual void PropertyPage_ApplyChanges() = 0;
};

// A control's error while a page read or wrote one of its properties: the control's own number
// and text, and the property it stopped at. Caught as a ControlError it is the control's error.
struct PropertyAccessError : ControlError {
    PropertyAccessError(std::string property, const ControlError& error)
        : ControlError(error.number, error.description), property(std::move(property)) {}
    std::string property;
};

}  // namespace VemoCalendar
