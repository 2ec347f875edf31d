#pragma once
#include <string>

#include "host/MessageBox.h"
#include "host/PropertyTarget.h"
#include "host/WidgetFactory.h"

namespace VemoCalendar {

// The host's site for a design-time property page.
class PropertyPageSite {
public:
    virtual ~PropertyPageSite() = default;
    virtual WidgetFactory& Widgets() = 0;
    virtual int SelectedControlCount() const = 0;
    // Entry 0 is the first selected control.
    virtual PropertyTarget& SelectedControl(int index) = 0;
    // While true the host enables its Apply command.
    virtual bool Changed() const = 0;
    virtual void SetChanged(bool changed) = 0;
    virtual MessageResult MsgBox(const MessageBoxRequest& request) = 0;
};

}  // namespace VemoCalendar
