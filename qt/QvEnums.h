#pragma once
#include <QMetaEnum>
#include <QObject>

#include "calendar/Enumerations.h"
#include "host/Export.h"

// The library's eight enumerations made known to Qt's meta-object system under their own names,
// so that property editors, QVariant and .ui files show and take `VemocalBottom` and its peers.
// The C++ types are the controls' own (calendar/Enumerations.h); moc alone reads the copies
// below to learn the constants' names, and each constant is checked against the control's table
// by the tests.
namespace VemoCalendar {
Q_NAMESPACE_EXPORT(VEMOCALENDAR_EXPORT)

#ifdef Q_MOC_RUN
enum enumCALFirstDayofWeek { VemocalSunday, VemocalMonday, VemocalTuesday, VemocalWednesday, VemocalThursday,
                             VemocalFriday, VemocalSaturday };
enum enumCALAppearance { VemocalFlat, VemocalSunken, VemocalRaised };
enum enumCALSize { VemocalSmall, VemocalMedium, VemocalLarge };
enum enumCALScrollArrowsPos { VemocalNoArrows, VemocalTop, VemocalMonthYear, VemocalBottom };
enum enumCALMonthTitle { VemocalMonthShort, VemocalMonthLong };
enum enumCALDayTitle { VemocalDayShort, VemocalDayMedium, VemocalDayLong };
enum enumCALAlignment { VemocalLeftTop, VemocalLeftMiddle, VemocalLeftBottom, VemocalRightTop, VemocalRightMiddle,
                        VemocalRightBottom, VemocalCenterTop, VemocalCenterMiddle, VemocalCenterBottom };
enum enumBTNAutoSize { VemobtnNone, VemobtnPictureToButton, VemobtnButtonToPicture };
#endif

Q_ENUM_NS(enumCALFirstDayofWeek)
Q_ENUM_NS(enumCALAppearance)
Q_ENUM_NS(enumCALSize)
Q_ENUM_NS(enumCALScrollArrowsPos)
Q_ENUM_NS(enumCALMonthTitle)
Q_ENUM_NS(enumCALDayTitle)
Q_ENUM_NS(enumCALAlignment)
Q_ENUM_NS(enumBTNAutoSize)

// The button face's text effect and mouse pointer, which the control keeps as plain numbers, named
// as the Button page lists them, so that Designer offers them by name. Values outside these stay
// settable by number and are refused by the control as any bad value is.
enum QvFont3D {
    Font3DNone = 0,
    Font3DRaisedLightShading = 1,
    Font3DRaisedHeavyShading = 2,
    Font3DInsetLightShading = 3,
    Font3DInsetHeavyShading = 4
};
Q_ENUM_NS(QvFont3D)
enum QvMousePointer {
    PointerDefault = 0,
    PointerArrow = 1,
    PointerCross = 2,
    PointerIBeam = 3,
    PointerIcon = 4,
    PointerSize = 5,
    PointerSizeNESW = 6,
    PointerSizeNS = 7,
    PointerSizeNWSE = 8,
    PointerSizeWE = 9,
    PointerUpArrow = 10,
    PointerHourGlass = 11,
    PointerNoDrop = 12,
    PointerArrowAndHourGlass = 13,
    PointerArrowAndQuestion = 14,
    PointerSizeAll = 15,
    PointerCustom = 99
};
Q_ENUM_NS(QvMousePointer)

}  // namespace VemoCalendar
