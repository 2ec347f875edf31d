#pragma once
// Seed form files for the fuzzers, made by the controls themselves: a calendar and a drop-down
// button as placed, and with every stored property set to a value other than its default, plus
// one bag of every value type. The seeds test checks each one round-trips.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "calbutton/QvCalButton.h"
#include "calendar/QvCalendar.h"
#include "formfile/FormFile.h"
#include "headless/HeadlessForm.h"
#include "tests/StoredCalendarValues.h"

namespace VemoCalendar::Seeds {

inline Date SeedToday() { return MakeDate(2024, 2, 29); }

inline StoredControl Stored(const std::string& type, const std::string& name, double left, double top, double width,
                            double height) {
    return StoredControl{type, name, left, top, width, height, {}};
}

// (file name, form) for every seed.
inline std::vector<std::pair<std::string, FormFile>> SeedForms() {
    HeadlessHost host;
    host.SetToday(SeedToday());
    HeadlessForm form(host);
    std::vector<std::pair<std::string, FormFile>> seeds;

    // As placed: every key at what a new control writes.
    {
        FormFile file{9600, 7200, {}};
        StoredControl cal = Stored("QvCalendar", "QvCalendar1", 120, 120, 4200, 3000);
        form.Place<QvCalendar>("placedCal", 0, 0, 4200, 3000).UserControl_WriteProperties(cal.bag);
        StoredControl button = Stored("QvCalButton", "QvCalButton1", 4500, 120, 1215, 375);
        form.Place<QvCalButton>("placedButton", 0, 0, 1215, 375).UserControl_WriteProperties(button.bag);
        file.controls.push_back(std::move(cal));
        file.controls.push_back(std::move(button));
        seeds.emplace_back("placed.json", std::move(file));
    }
    // A calendar with every stored key changed.
    {
        QvCalendar& cal = form.Place<QvCalendar>("changedCal", 0, 0, 4200, 3000);
        for (const StoredValue& v : NonDefaultStoredValues()) cal.SetProperty(v.key, v.value);
        FormFile file{6000, 4000, {}};
        StoredControl stored = Stored("QvCalendar", "Termine", 60, 60, 4800, 3600);
        cal.UserControl_WriteProperties(stored.bag);
        file.controls.push_back(std::move(stored));
        seeds.emplace_back("calendar-changed.json", std::move(file));
    }
    // A drop-down button with its face and its calendar changed, and pictures.
    {
        QvCalButton& b = form.Place<QvCalButton>("changedButton", 0, 0, 1215, 375);
        b.calWidth(2800);
        b.calHeight(3600);
        b.calMaxYear(2050);
        b.calMinYear(1990);
        b.calValue(Date(MakeDate(2004, 2, 29).value + 0.25));
        b.calCaption("Due date");
        b.calAppearance(VemocalSunken);
        b.calScrollArrowsPos(VemocalNoArrows);
        b.calFirstDayofWeek(VemocalMonday);
        b.calShowDropdownMonth(true);
        b.calFont(MakeFont("Verdana", 7.5));
        b.Caption("Pick");
        b.BevelWidth(3);
        b.Font3D(2);
        b.Outline(true);
        b.RoundedCorners(true);
        b.MousePointer(99);
        b.ForeColor(0x00FF00);
        b.MouseIcon(std::make_shared<PictureObject>(PictureObject{2, 1, {0xFF0000FF, 0x8000FF00}}));
        b.Picture(std::make_shared<PictureObject>(PictureObject{3, 2, {1, 2, 3, 0xFFFFFFFF, 0x80808080, 0}}));
        b.Font(MakeFont("Tahoma", 9));
        FormFile file{9600, 7200, {}};
        StoredControl stored = Stored("QvCalButton", "Due", 600, 300, 1215, 375);
        b.UserControl_WriteProperties(stored.bag);
        file.controls.push_back(std::move(stored));
        seeds.emplace_back("button-changed.json", std::move(file));
    }
    // Every value type the format knows, in one bag.
    {
        FormFile file{9600, 7200, {}};
        StoredControl stored = Stored("QvCalendar", "Values", -300, -300, 0, 0);
        stored.bag.Set("empty", Variant());
        stored.bag.Set("bool", Variant(true));
        stored.bag.Set("i16", Variant(int16_t{-32768}));
        stored.bag.Set("i32", Variant(int32_t{2147483647}));
        stored.bag.Set("single", Variant(1.5f));
        stored.bag.Set("double", Variant(-0.125));
        stored.bag.Set("date", Variant(Date(35500.5)));
        stored.bag.Set("string", Variant(std::string("\xC3\xA4 \"quoted\" \\ line\nbreak")));
        stored.bag.Set("color", Variant::FromColor(0x8000000F));
        stored.bag.Set("font", Variant(TestFont("Arial", 9, true, false, 0)));
        stored.bag.Set("picture", Variant(std::make_shared<PictureObject>(PictureObject{1, 1, {0xFF102030}})));
        stored.bag.Set("noPicture", Variant(std::make_shared<PictureObject>()));
        file.controls.push_back(std::move(stored));
        seeds.emplace_back("every-value-type.json", std::move(file));
    }
    return seeds;
}

}  // namespace VemoCalendar::Seeds
