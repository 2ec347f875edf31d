#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "host/PropertyPageSite.h"
#include "host/Widget.h"

namespace VemoCalendar {

// The "Button" property page: the face of the selected QvCalButton (Caption, Font3D, AutoSize,
// MousePointer, BevelWidth, Enabled, Outline, RoundedCorners), read and written by name on
// entry 0 of the selection.
//
// The bevel width field takes digits and backspace only; leaving it with a refused text shows
// "Invalid property value" ("Field Error"), puts the focus back and restores the last accepted
// width. Applying writes all eight properties, the bevel width as the field's text, and stops at
// the first one the control refuses.
class pagQvCalButton : public PropertyPage {
public:
    explicit pagQvCalButton(PropertyPageSite& site);
    pagQvCalButton(const pagQvCalButton&) = delete;
    pagQvCalButton& operator=(const pagQvCalButton&) = delete;

    std::string_view Name() const override { return "pagQvCalButton"; }
    std::string_view Caption() const override { return "Button"; }
    int ClientWidth() const override { return 5790; }
    int ClientHeight() const override { return 4410; }

    // Fills cbxAutoSize, cbxFont3D and cbxMousePointer.
    void PropertyPage_Initialize() override;
    // Loads the page from entry 0 and clears the changed flag; a failed read stops the load
    // (PropertyAccessError) and the page then refuses to apply.
    void PropertyPage_SelectionChanged() override;
    // Writes all eight properties to entry 0; the first refusal stops it (PropertyAccessError).
    void PropertyPage_ApplyChanges() override;

private:
    void MakeWidgets();
    void txtBevelWidth_LostFocus();
    bool ValidateBevelWidth();
    void Changed();

    PropertyPageSite& site_;
    TextBox* txtCaption = nullptr;
    DropDownList* cbxFont3D = nullptr;
    DropDownList* cbxAutoSize = nullptr;
    DropDownList* cbxMousePointer = nullptr;
    TextBox* txtBevelWidth = nullptr;
    CheckBox* chkEnabled = nullptr;
    CheckBox* chkOutline = nullptr;
    CheckBox* chkRoundedCorners = nullptr;

    int32_t acceptedBevelWidth = 0;
    std::optional<PropertyAccessError> loadError_;
};

}  // namespace VemoCalendar
