// Placeholder until the interaction handlers land.
#include "calendar/QvCalendar.h"

namespace VemoCalendar {

void QvCalendar::ConnectHandlers() {}
void QvCalendar::ApplyEnabledState() {}
void QvCalendar::calMouseSensitiveDate(bool) {}
void QvCalendar::Enabled(bool) {}
void QvCalendar::UserControl_EnterFocus() {}
void QvCalendar::UserControl_ExitFocus() {}
void QvCalendar::UserControl_LostFocus() {}
void QvCalendar::UserControl_Click() {}
void QvCalendar::UserControl_DblClick() {}
void QvCalendar::UserControl_MouseDown(MouseArgs&) {}
void QvCalendar::UserControl_MouseMove(MouseArgs&) {}
void QvCalendar::UserControl_MouseUp(MouseArgs&) {}
void QvCalendar::UserControl_KeyDown(KeyArgs&) {}
void QvCalendar::UserControl_KeyPress(int16_t&) {}
void QvCalendar::UserControl_KeyUp(KeyArgs&) {}

}  // namespace VemoCalendar
