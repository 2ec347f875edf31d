// Placeholder until persistence lands.
#include "calendar/QvCalendar.h"

namespace VemoCalendar {

void QvCalendar::UserControl_InitProperties() {
    calValue_ = site_.Today();
    notifiedValue_ = calValue_;
    calFont_ = MakeFont("Courier New", 10);
    calMonthYearTitleFont_ = MakeFont("Courier New", 10);
    calScrollArrowsFont_ = MakeFont("Courier New", 10);
    RefreshAll();
}
void QvCalendar::UserControl_ReadProperties(PropertyBag&) {}
void QvCalendar::UserControl_WriteProperties(PropertyBag&) {}
Variant QvCalendar::GetProperty(std::string_view) const { return {}; }
void QvCalendar::SetProperty(std::string_view, const Variant&) {}

}  // namespace VemoCalendar
