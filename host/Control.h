#pragma once
#include <string_view>

#include "host/PropertyBag.h"
#include "host/PropertyTarget.h"
#include "host/WidgetEvents.h"
#include "host/Export.h"

namespace VemoCalendar {

// The notifications a host delivers to a control, named as the control's handlers.
class VEMOCALENDAR_EXPORT Control : public PropertyTarget {
public:
    virtual std::string_view TypeName() const = 0;

    virtual void UserControl_InitProperties() = 0;
    virtual void UserControl_ReadProperties(PropertyBag& bag) = 0;
    virtual void UserControl_WriteProperties(PropertyBag& bag) = 0;
    virtual void UserControl_Resize() = 0;

    // Focus entering and leaving the control as a whole (any of its widgets).
    virtual void UserControl_EnterFocus() {}
    virtual void UserControl_ExitFocus() {}
    // The control's own surface (not a child widget) getting and losing the focus.
    virtual void UserControl_GotFocus() {}
    virtual void UserControl_LostFocus() {}

    // Input on the control's own surface.
    virtual void UserControl_Click() {}
    virtual void UserControl_DblClick() {}
    virtual void UserControl_MouseDown(MouseArgs&) {}
    virtual void UserControl_MouseMove(MouseArgs&) {}
    virtual void UserControl_MouseUp(MouseArgs&) {}
    virtual void UserControl_KeyDown(KeyArgs&) {}
    virtual void UserControl_KeyPress(int16_t&) {}
    virtual void UserControl_KeyUp(KeyArgs&) {}

    // An ambient property of the container changed: "Locale" for the month and weekday names.
    virtual void UserControl_AmbientChanged(std::string_view) {}
};

}  // namespace VemoCalendar
