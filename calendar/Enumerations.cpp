#include "calendar/Enumerations.h"

#include <array>

namespace VemoCalendar {
namespace {

#define VEMO_CONSTANT(Name) EnumConstant{#Name, Name}

constexpr std::array kFirstDayofWeek{VEMO_CONSTANT(VemocalSunday),   VEMO_CONSTANT(VemocalMonday),
                                     VEMO_CONSTANT(VemocalTuesday),  VEMO_CONSTANT(VemocalWednesday),
                                     VEMO_CONSTANT(VemocalThursday), VEMO_CONSTANT(VemocalFriday),
                                     VEMO_CONSTANT(VemocalSaturday)};
constexpr std::array kAppearance{VEMO_CONSTANT(VemocalFlat), VEMO_CONSTANT(VemocalSunken), VEMO_CONSTANT(VemocalRaised)};
constexpr std::array kSize{VEMO_CONSTANT(VemocalSmall), VEMO_CONSTANT(VemocalMedium), VEMO_CONSTANT(VemocalLarge)};
constexpr std::array kScrollArrowsPos{VEMO_CONSTANT(VemocalNoArrows), VEMO_CONSTANT(VemocalTop),
                                      VEMO_CONSTANT(VemocalMonthYear), VEMO_CONSTANT(VemocalBottom)};
constexpr std::array kMonthTitle{VEMO_CONSTANT(VemocalMonthShort), VEMO_CONSTANT(VemocalMonthLong)};
constexpr std::array kDayTitle{VEMO_CONSTANT(VemocalDayShort), VEMO_CONSTANT(VemocalDayMedium),
                               VEMO_CONSTANT(VemocalDayLong)};
constexpr std::array kAlignment{VEMO_CONSTANT(VemocalLeftTop),     VEMO_CONSTANT(VemocalLeftMiddle),
                                VEMO_CONSTANT(VemocalLeftBottom),  VEMO_CONSTANT(VemocalRightTop),
                                VEMO_CONSTANT(VemocalRightMiddle), VEMO_CONSTANT(VemocalRightBottom),
                                VEMO_CONSTANT(VemocalCenterTop),   VEMO_CONSTANT(VemocalCenterMiddle),
                                VEMO_CONSTANT(VemocalCenterBottom)};
constexpr std::array kAutoSize{VEMO_CONSTANT(VemobtnNone), VEMO_CONSTANT(VemobtnPictureToButton),
                               VEMO_CONSTANT(VemobtnButtonToPicture)};

#undef VEMO_CONSTANT

}  // namespace

const EnumerationInfo kEnumCALFirstDayofWeek{"enumCALFirstDayofWeek", kFirstDayofWeek};
const EnumerationInfo kEnumCALAppearance{"enumCALAppearance", kAppearance};
const EnumerationInfo kEnumCALSize{"enumCALSize", kSize};
const EnumerationInfo kEnumCALScrollArrowsPos{"enumCALScrollArrowsPos", kScrollArrowsPos};
const EnumerationInfo kEnumCALMonthTitle{"enumCALMonthTitle", kMonthTitle};
const EnumerationInfo kEnumCALDayTitle{"enumCALDayTitle", kDayTitle};
const EnumerationInfo kEnumCALAlignment{"enumCALAlignment", kAlignment};
const EnumerationInfo kEnumBTNAutoSize{"enumBTNAutoSize", kAutoSize};

}  // namespace VemoCalendar
