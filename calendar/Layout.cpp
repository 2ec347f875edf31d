// Placeholder until the layout pass lands.
#include "calendar/QvCalendar.h"

namespace VemoCalendar {

void QvCalendar::UserControl_Resize() {}
void QvCalendar::Picture1_Resize() {}
int32_t QvCalendar::calWidth() const { return 0; }
void QvCalendar::calWidth(int32_t) {}
int32_t QvCalendar::calHeight() const { return 0; }
void QvCalendar::calHeight(int32_t) {}
void QvCalendar::calShowTitleBar(bool) {}
void QvCalendar::calShowDropdownMonth(bool) {}
void QvCalendar::calScrollArrowsPos(enumCALScrollArrowsPos) {}

}  // namespace VemoCalendar
