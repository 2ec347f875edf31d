#pragma once
#include <string>

#include "host/Widget.h"

namespace VemoCalendar {

// Makes the widgets of a control or a dialog. The factory's owner keeps each widget alive as long
// as the control or dialog it belongs to. A null parent places the widget on the control's (or
// dialog's) own surface. Widgets start visible, enabled, at zero size.
class WidgetFactory {
public:
    virtual ~WidgetFactory() = default;
    virtual Panel& CreatePanel(Widget* parent, const std::string& name, int index = -1) = 0;
    virtual CommandButton& CreateCommandButton(Widget* parent, const std::string& name, int index = -1) = 0;
    virtual PictureSurface& CreatePictureSurface(Widget* parent, const std::string& name) = 0;
    virtual TextBox& CreateTextBox(Widget* parent, const std::string& name) = 0;
    virtual DropDownList& CreateDropDownList(Widget* parent, const std::string& name) = 0;
    virtual Label& CreateLabel(Widget* parent, const std::string& name, int index = -1) = 0;
    virtual Frame& CreateFrame(Widget* parent, const std::string& name, int index = -1) = 0;
    virtual CheckBox& CreateCheckBox(Widget* parent, const std::string& name, int index = -1) = 0;
    virtual OptionButton& CreateOptionButton(Widget* parent, const std::string& name, int index = -1) = 0;
    virtual Image& CreateImage(Widget* parent, const std::string& name) = 0;
    virtual Line& CreateLine(Widget* parent, const std::string& name, int index = -1) = 0;
    virtual PushButton& CreatePushButton(Widget* parent, const std::string& name) = 0;
};

}  // namespace VemoCalendar
