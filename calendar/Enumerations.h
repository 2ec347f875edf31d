#pragma once
#include <cstdint>

#include "host/PropertyInfo.h"

namespace VemoCalendar {

// The library's published enumerations. Unscoped with a fixed type, so that a value read from a
// damaged property bag can be held and refused by the setters.
enum enumCALFirstDayofWeek : int32_t {
    VemocalSunday = 1,
    VemocalMonday = 2,
    VemocalTuesday = 3,
    VemocalWednesday = 4,
    VemocalThursday = 5,
    VemocalFriday = 6,
    VemocalSaturday = 7,
};

enum enumCALAppearance : int32_t { VemocalFlat = 0, VemocalSunken = 1, VemocalRaised = 2 };

enum enumCALSize : int32_t { VemocalSmall = 0, VemocalMedium = 1, VemocalLarge = 2 };

enum enumCALScrollArrowsPos : int32_t {
    VemocalNoArrows = 0,
    VemocalTop = 1,
    VemocalMonthYear = 2,
    VemocalBottom = 3,
};

enum enumCALMonthTitle : int32_t { VemocalMonthShort = 0, VemocalMonthLong = 1 };

enum enumCALDayTitle : int32_t { VemocalDayShort = 0, VemocalDayMedium = 1, VemocalDayLong = 2 };

enum enumCALAlignment : int32_t {
    VemocalLeftTop = 0,
    VemocalLeftMiddle = 1,
    VemocalLeftBottom = 2,
    VemocalRightTop = 3,
    VemocalRightMiddle = 4,
    VemocalRightBottom = 5,
    VemocalCenterTop = 6,
    VemocalCenterMiddle = 7,
    VemocalCenterBottom = 8,
};

// Not one of the published enumerations: the selection mode of Qt's calendar, a setting beyond
// the interface (calSelectionMode).
enum enumCALSelectionMode : int32_t { VemocalNoSelection = 0, VemocalSingleSelection = 1 };

enum enumBTNAutoSize : int32_t { VemobtnNone = 0, VemobtnPictureToButton = 1, VemobtnButtonToPicture = 2 };

// The enumerations with their constants' names, for property browsers and pages.
extern const EnumerationInfo kEnumCALFirstDayofWeek;
extern const EnumerationInfo kEnumCALAppearance;
extern const EnumerationInfo kEnumCALSize;
extern const EnumerationInfo kEnumCALScrollArrowsPos;
extern const EnumerationInfo kEnumCALMonthTitle;
extern const EnumerationInfo kEnumCALDayTitle;
extern const EnumerationInfo kEnumCALAlignment;
extern const EnumerationInfo kEnumBTNAutoSize;

}  // namespace VemoCalendar
