#include <array>

#include "calendar/QvCalendar.h"

namespace VemoCalendar {

void QvCalendar::RaiseEvent(std::string_view name) { site_.RaiseEvent(name, {}); }

// Widget arguments go to the host as by-reference variants; whatever the host's handler leaves
// in them is handed back to the widget.
void QvCalendar::RaiseMouseEvent(std::string_view name, MouseArgs& args) {
    std::array<Variant, 4> v{Variant(args.button), Variant(args.shift), Variant(args.x), Variant(args.y)};
    site_.RaiseEvent(name, v);
    args = {v[0].ToInt16(), v[1].ToInt16(), v[2].ToSingle(), v[3].ToSingle()};
}

void QvCalendar::RaiseKeyEvent(std::string_view name, KeyArgs& args) {
    std::array<Variant, 2> v{Variant(args.keyCode), Variant(args.shift)};
    site_.RaiseEvent(name, v);
    args = {v[0].ToInt16(), v[1].ToInt16()};
}

void QvCalendar::RaiseKeyPress(int16_t& keyAscii) {
    std::array<Variant, 1> v{Variant(keyAscii)};
    site_.RaiseEvent("KeyPress", v);
    keyAscii = v[0].ToInt16();
}

}  // namespace VemoCalendar
