#include "calendar/QvCalendar.h"
#include "host/EventArgs.h"

namespace VemoCalendar {

void QvCalendar::RaiseEvent(std::string_view name) { site_.RaiseEvent(name, {}); }

void QvCalendar::RaiseMouseEvent(std::string_view name, MouseArgs& args) {
    VemoCalendar::RaiseMouseEvent(site_, name, args);
}

void QvCalendar::RaiseKeyEvent(std::string_view name, KeyArgs& args) { VemoCalendar::RaiseKeyEvent(site_, name, args); }

void QvCalendar::RaiseKeyPress(int16_t& keyAscii) { RaiseKeyPressEvent(site_, "KeyPress", keyAscii); }

}  // namespace VemoCalendar
