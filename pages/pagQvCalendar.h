#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "host/PropertyPageSite.h"
#include "host/Widget.h"

namespace VemoCalendar {

// The "Calendar" property page: sixteen calendar settings of the selected control (a QvCalendar
// or a QvCalButton, which forwards them), read and written by name on entry 0 of the selection.
//
// Numeric fields take digits and backspace only and are checked when the focus leaves them: a
// refused text shows "Invalid property value" ("Field Error"), puts the focus back and restores
// the last accepted value. Applying writes all sixteen properties in a fixed order and stops at
// the first one the control refuses.
class pagQvCalendar : public PropertyPage {
public:
    explicit pagQvCalendar(PropertyPageSite& site);
    pagQvCalendar(const pagQvCalendar&) = delete;
    pagQvCalendar& operator=(const pagQvCalendar&) = delete;

    std::string_view Name() const override { return "pagQvCalendar"; }
    std::string_view Caption() const override { return "Calendar"; }
    int ClientWidth() const override { return 5775; }
    int ClientHeight() const override { return 4515; }

    // Fills cbxAppearance, cbxScrollArrowsPos and cbxFirstDayofWeek.
    void PropertyPage_Initialize() override;
    // Loads the page from entry 0 of the selection and clears the changed flag. A failed read
    // stops the load there (PropertyAccessError) and the page then refuses to apply.
    void PropertyPage_SelectionChanged() override;
    // Writes all sixteen properties to entry 0; the first refusal stops it (PropertyAccessError).
    void PropertyPage_ApplyChanges() override;

private:
    enum class Field { MinYear, MaxYear, Width, Height };
    void MakeWidgets();
    void MakeOptionGrid(Frame& frame, const char* name, std::array<OptionButton*, 9>& options, int32_t& chosen);
    void ChooseOption(int32_t& chosen, int index);
    void NumericField_LostFocus(Field field);
    bool ValidateMinYear();
    bool ValidateMaxYear();
    bool ValidateWidth();
    bool ValidateHeight();
    void Changed();

    PropertyPageSite& site_;
    TextBox* txtCaption = nullptr;
    DropDownList* cbxAppearance = nullptr;
    DropDownList* cbxScrollArrowsPos = nullptr;
    DropDownList* cbxFirstDayofWeek = nullptr;
    TextBox* txtMinYear = nullptr;
    TextBox* txtMaxYear = nullptr;
    TextBox* txtWidth = nullptr;
    TextBox* txtHeight = nullptr;
    std::array<OptionButton*, 2> optMonthTitle{};
    std::array<OptionButton*, 3> optDayTitle{};
    std::array<OptionButton*, 9> optAlignmentDay{};
    std::array<OptionButton*, 9> optAlignmentNum{};
    CheckBox* chkOutline = nullptr;
    CheckBox* chkShowTitleBar = nullptr;
    CheckBox* chkMouseSensitiveDate = nullptr;
    CheckBox* chkShowDropdownMonth = nullptr;

    int32_t acceptedMinYear = 0, acceptedMaxYear = 0, acceptedWidth = 0, acceptedHeight = 0;
    int32_t chosenMonthTitle = 0, chosenDayTitle = 0, chosenAlignmentDayTitle = 0, chosenAlignmentNum = 0;
    // The error of the last load when it failed: a half-loaded page must not be written back.
    std::optional<PropertyAccessError> loadError_;
};

}  // namespace VemoCalendar
