#include "pages/pagQvCalendar.h"

#include <string>

#include "host/ControlError.h"
#include "pages/PageFields.h"
#include "pages/PageIcons.h"

namespace VemoCalendar {
namespace {

// Left of an alignment option by its index: left column 0..2, centre 6..8, right 3..5, so that
// each option sits where its alignment puts text in a cell.
int AlignmentOptionLeft(int index) {
    if (index <= 2) return 180;
    if (index >= 6) return 480;
    return 780;
}

}  // namespace

pagQvCalendar::pagQvCalendar(PropertyPageSite& site) : site_(site) { MakeWidgets(); }

// The page's design. Widgets that take the focus are made in their tab order.
void pagQvCalendar::MakeWidgets() {
    WidgetFactory& make = site_.Widgets();
    const FontObject font = PageFont();

    Frame& fraCalendar = make.CreateFrame(nullptr, "fraCalendar");
    fraCalendar.Move(60, 0, 5655, 4455);
    fraCalendar.SetFont(font);

    Image& imgCalendar = make.CreateImage(&fraCalendar, "imgCalendar");
    imgCalendar.Move(120, 300, 480, 480);
    imgCalendar.SetPicture(MakeCalendarPagePicture());

    auto label = [&](const char* name, const char* caption, int left, int top, int width, int height) {
        Label& l = make.CreateLabel(&fraCalendar, name);
        l.Move(left, top, width, height);
        l.SetFont(font);
        l.SetCaption(caption);
    };
    auto list = [&](const char* name, int top) {
        DropDownList& l = make.CreateDropDownList(&fraCalendar, name);
        l.Move(720, top, 1920, 330);
        l.SetFont(font);
        l.Events().Click = [this] { Changed(); };
        return &l;
    };
    auto numeric = [&](const char* name, int left, int top, int maxLength, Field field) {
        TextBox& t = make.CreateTextBox(&fraCalendar, name);
        t.Move(left, top, 915, 330);
        t.SetFont(font);
        t.SetMaxLength(maxLength);
        t.Events().GotFocus = [&t] { SelectAll(t); };
        t.Events().KeyPress = [](int16_t& keyAscii) { NumericKeyFilter(keyAscii); };
        t.Events().LostFocus = [this, field] { NumericField_LostFocus(field); };
        return &t;
    };

    label("lblCaption", "calCaption", 720, 300, 855, 315);
    txtCaption = &make.CreateTextBox(&fraCalendar, "txtCaption");
    txtCaption->Move(720, 540, 1875, 330);
    txtCaption->SetFont(font);
    txtCaption->SetMaxLength(kCaptionMaxLength);
    txtCaption->Events().Change = [this] { Changed(); };
    txtCaption->Events().GotFocus = [this] { SelectAll(*txtCaption); };

    label("lblAppearance", "calAppearance", 720, 900, 1215, 315);
    cbxAppearance = list("cbxAppearance", 1140);
    label("lblScrollArrowsPos", "calScrollArrowsPos", 720, 1500, 1455, 315);
    cbxScrollArrowsPos = list("cbxScrollArrowsPos", 1740);
    label("lblFirstDayofWeek", "calFirstDayofWeek", 720, 2100, 1455, 315);
    cbxFirstDayofWeek = list("cbxFirstDayofWeek", 2340);

    label("lblMinYear", "calMinYear", 720, 2820, 855, 315);
    label("lblMaxYear", "calMaxYear", 1680, 2820, 915, 315);
    txtMinYear = numeric("txtMinYear", 720, 3060, 4, Field::MinYear);
    txtMaxYear = numeric("txtMaxYear", 1680, 3060, 4, Field::MaxYear);
    label("lblWidth", "calWidth", 720, 3540, 855, 315);
    label("lblHeight", "calHeight", 1680, 3540, 915, 315);
    txtWidth = numeric("txtWidth", 720, 3780, 9, Field::Width);
    txtHeight = numeric("txtHeight", 1680, 3780, 9, Field::Height);

    auto frame = [&](Widget* parent, const char* name, const char* caption, int left, int top, int width, int height) {
        Frame& f = make.CreateFrame(parent, name);
        f.Move(left, top, width, height);
        f.SetFont(font);
        f.SetCaption(caption);
        return &f;
    };
    auto option = [&](Frame& parent, const char* name, int index, const char* caption, int left, int top, int width,
                      int height, int32_t& chosen) {
        OptionButton& o = make.CreateOptionButton(&parent, name, index);
        o.Move(left, top, width, height);
        o.SetFont(font);
        o.SetCaption(caption);
        o.Events().Click = [this, &chosen, index] { ChooseOption(chosen, index); };
        return &o;
    };

    Frame* fraTitles = frame(&fraCalendar, "fraTitles", "Titles", 2820, 300, 2655, 1515);
    Frame* fraMonthTitle = frame(fraTitles, "fraMonthTitle", "Month", 120, 180, 1155, 1155);
    optMonthTitle[0] = option(*fraMonthTitle, "optMonthTitle", 0, "Jan", 120, 240, 675, 210, chosenMonthTitle);
    optMonthTitle[1] = option(*fraMonthTitle, "optMonthTitle", 1, "January", 120, 540, 915, 210, chosenMonthTitle);
    Frame* fraDayTitle = frame(fraTitles, "fraDayTitle", "Days", 1380, 180, 1125, 1155);
    optDayTitle[0] = option(*fraDayTitle, "optDayTitle", 0, "M", 120, 240, 615, 195, chosenDayTitle);
    optDayTitle[1] = option(*fraDayTitle, "optDayTitle", 1, "Mon", 120, 540, 735, 195, chosenDayTitle);
    optDayTitle[2] = option(*fraDayTitle, "optDayTitle", 2, "Monday", 120, 840, 915, 195, chosenDayTitle);

    Frame* fraAlignment = frame(&fraCalendar, "fraAlignment", "Alignment", 2820, 1860, 2655, 1515);
    Frame* fraAlignmentDays = frame(fraAlignment, "fraAlignmentDays", "Days", 120, 180, 1155, 1155);
    MakeOptionGrid(*fraAlignmentDays, "optAlignmentDay", optAlignmentDay, chosenAlignmentDayTitle);
    Frame* fraAlignmentNum = frame(fraAlignment, "fraAlignmentNum", "Numbers", 1380, 180, 1125, 1155);
    MakeOptionGrid(*fraAlignmentNum, "optAlignmentNum", optAlignmentNum, chosenAlignmentNum);

    auto check = [&](const char* name, const char* caption, int top, int width) {
        CheckBox& c = make.CreateCheckBox(&fraCalendar, name);
        c.Move(2940, top, width, 255);
        c.SetFont(font);
        c.SetCaption(caption);
        c.Events().Click = [this] { Changed(); };
        return &c;
    };
    chkOutline = check("chkOutline", "calOutline", 3420, 1035);
    chkShowTitleBar = check("chkShowTitleBar", "calShowTitleBar", 3660, 1695);
    chkMouseSensitiveDate = check("chkMouseSensitiveDate", "calMouseSensitiveDate", 3900, 2055);
    chkShowDropdownMonth = check("chkShowDropdownMonth", "calShowDropdownMonth", 4140, 2175);
}

void pagQvCalendar::MakeOptionGrid(Frame& frame, const char* name, std::array<OptionButton*, 9>& options,
                                   int32_t& chosen) {
    WidgetFactory& make = site_.Widgets();
    for (int index = 0; index < 9; ++index) {
        OptionButton& o = make.CreateOptionButton(&frame, name, index);
        o.Move(AlignmentOptionLeft(index), 240 + 300 * (index % 3), 255, 195);
        o.SetFont(PageFont());
        o.Events().Click = [this, &chosen, index] { ChooseOption(chosen, index); };
        options[static_cast<size_t>(index)] = &o;
    }
}

void pagQvCalendar::PropertyPage_Initialize() {
    for (const char* entry : {"VemocalFlat", "VemocalSunken", "VemocalRaised"}) cbxAppearance->AddItem(entry);
    for (const char* entry : {"VemocalNoArrows", "VemocalTop", "VemocalMonthYear", "VemocalBottom"})
        cbxScrollArrowsPos->AddItem(entry);
    for (const char* entry : {"VemocalSunday", "VemocalMonday", "VemocalTuesday", "VemocalWednesday", "VemocalThursday",
                              "VemocalFriday", "VemocalSaturday"})
        cbxFirstDayofWeek->AddItem(entry);
}

void pagQvCalendar::Changed() { site_.SetChanged(true); }

void pagQvCalendar::ChooseOption(int32_t& chosen, int index) {
    chosen = index;
    Changed();
}

void pagQvCalendar::PropertyPage_SelectionChanged() {
    if (site_.SelectedControlCount() == 0) return;
    try {
        loadError_.reset();
        LoadStep("calCaption", [&] { LoadCaption(*txtCaption, ReadString(site_, "calCaption")); });
        LoadStep("calAppearance", [&] { cbxAppearance->SetListIndex(ReadInt32(site_, "calAppearance")); });
        LoadStep("calScrollArrowsPos",
                 [&] { cbxScrollArrowsPos->SetListIndex(ReadInt32(site_, "calScrollArrowsPos")); });
        LoadStep("calFirstDayofWeek",
                 [&] { cbxFirstDayofWeek->SetListIndex(ReadInt32(site_, "calFirstDayofWeek") - 1); });
        chkOutline->SetValue(ReadCheckValue(site_, "calOutline"));
        chkShowTitleBar->SetValue(ReadCheckValue(site_, "calShowTitleBar"));
        chkMouseSensitiveDate->SetValue(ReadCheckValue(site_, "calMouseSensitiveDate"));
        chkShowDropdownMonth->SetValue(ReadCheckValue(site_, "calShowDropdownMonth"));

        auto number = [&](TextBox& field, int32_t& accepted, std::string_view property) {
            field.SetText(std::to_string(ReadInt32(site_, property)));
            accepted = ReadInt32(site_, property);
        };
        number(*txtMinYear, acceptedMinYear, "calMinYear");
        number(*txtMaxYear, acceptedMaxYear, "calMaxYear");
        number(*txtWidth, acceptedWidth, "calWidth");
        number(*txtHeight, acceptedHeight, "calHeight");

        auto options = [&](auto& group, int32_t& chosen, std::string_view property) {
            LoadStep(property, [&] {
                const int32_t value = ReadInt32(site_, property);
                // A value no option stands for (from a damaged form) cannot be shown, as in a list.
                if (value < 0 || value >= static_cast<int32_t>(group.size())) ThrowInvalidPropertyValue();
                group[static_cast<size_t>(value)]->SetValue(true);
                chosen = ReadInt32(site_, property);
            });
        };
        options(optAlignmentDay, chosenAlignmentDayTitle, "calAlignmentDayTitle");
        options(optAlignmentNum, chosenAlignmentNum, "calAlignmentNum");
        options(optMonthTitle, chosenMonthTitle, "calMonthTitle");
        options(optDayTitle, chosenDayTitle, "calDayTitle");
    } catch (const PropertyAccessError& e) {
        loadError_ = e;
        throw;
    }
    site_.SetChanged(false);
}

void pagQvCalendar::PropertyPage_ApplyChanges() {
    if (loadError_) throw *loadError_;
    if (site_.SelectedControlCount() == 0) return;
    WriteSelected(site_, "calCaption", Variant(txtCaption->Text()));
    WriteSelected(site_, "calAppearance", Variant(static_cast<int16_t>(cbxAppearance->ListIndex())));
    WriteSelected(site_, "calScrollArrowsPos", Variant(static_cast<int16_t>(cbxScrollArrowsPos->ListIndex())));
    WriteSelected(site_, "calFirstDayofWeek", Variant(static_cast<int16_t>(cbxFirstDayofWeek->ListIndex() + 1)));
    WriteSelected(site_, "calOutline", Variant(chkOutline->Value() == 1));
    WriteSelected(site_, "calShowTitleBar", Variant(chkShowTitleBar->Value() == 1));
    WriteSelected(site_, "calMouseSensitiveDate", Variant(chkMouseSensitiveDate->Value() == 1));
    WriteSelected(site_, "calShowDropdownMonth", Variant(chkShowDropdownMonth->Value() == 1));
    WriteSelected(site_, "calMinYear", Variant(acceptedMinYear));
    WriteSelected(site_, "calMaxYear", Variant(acceptedMaxYear));
    WriteSelected(site_, "calWidth", Variant(acceptedWidth));
    WriteSelected(site_, "calHeight", Variant(acceptedHeight));
    WriteSelected(site_, "calAlignmentDayTitle", Variant(chosenAlignmentDayTitle));
    WriteSelected(site_, "calAlignmentNum", Variant(chosenAlignmentNum));
    WriteSelected(site_, "calMonthTitle", Variant(chosenMonthTitle));
    WriteSelected(site_, "calDayTitle", Variant(chosenDayTitle));
}

void pagQvCalendar::NumericField_LostFocus(Field field) {
    TextBox* box = nullptr;
    int32_t* accepted = nullptr;
    bool acceptable = false;
    switch (field) {
        case Field::MinYear: box = txtMinYear, accepted = &acceptedMinYear, acceptable = ValidateMinYear(); break;
        case Field::MaxYear: box = txtMaxYear, accepted = &acceptedMaxYear, acceptable = ValidateMaxYear(); break;
        case Field::Width: box = txtWidth, accepted = &acceptedWidth, acceptable = ValidateWidth(); break;
        case Field::Height: box = txtHeight, accepted = &acceptedHeight, acceptable = ValidateHeight(); break;
    }
    if (acceptable) {
        const int32_t value = *Int32Of(box->Text());
        if (value != *accepted) {
            *accepted = value;
            Changed();
        }
    } else {
        box->SetText(std::to_string(*accepted));
        SelectAll(*box);  // the focus is back in the field: typing replaces the restored value
    }
}

bool pagQvCalendar::ValidateMinYear() {
    const std::optional<double> value = NumberOf(txtMinYear->Text());
    const std::optional<double> maximum = NumberOf(txtMaxYear->Text());
    if (!value || !Int32Of(txtMinYear->Text()) || *value < 1600 || (maximum && *value > *maximum)) {
        ShowFieldError(site_, *txtMinYear);
        return false;
    }
    return true;
}

bool pagQvCalendar::ValidateMaxYear() {
    const std::optional<double> value = NumberOf(txtMaxYear->Text());
    const std::optional<double> minimum = NumberOf(txtMinYear->Text());
    if (!value || !Int32Of(txtMaxYear->Text()) || *value > 9999 || (minimum && *value < *minimum)) {
        ShowFieldError(site_, *txtMaxYear);
        return false;
    }
    return true;
}

bool pagQvCalendar::ValidateWidth() {
    const std::optional<int32_t> value = Int32Of(txtWidth->Text());
    if (!value || *value < 0) {
        ShowFieldError(site_, *txtWidth);
        return false;
    }
    return true;
}

bool pagQvCalendar::ValidateHeight() {
    const std::optional<int32_t> value = Int32Of(txtHeight->Text());
    if (!value || *value < 0) {
        ShowFieldError(site_, *txtHeight);
        return false;
    }
    return true;
}

}  // namespace VemoCalendar
