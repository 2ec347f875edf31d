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

}  // namespace VemoCalendar
