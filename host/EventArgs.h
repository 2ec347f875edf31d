#pragma once
#include <array>
#include <string_view>

#include "host/ControlSite.h"
#include "host/WidgetEvents.h"

namespace VemoCalendar {

// A widget's by-reference arguments raised as a control's event: whatever the host's handler
// leaves in the variants is handed back to the widget.
inline void RaiseMouseEvent(ControlSite& site, std::string_view name, MouseArgs& args) {
    std::array<Variant, 4> v{Variant(args.button), Variant(args.shift), Variant(args.x), Variant(args.y)};
    site.RaiseEvent(name, v);
    args = {v[0].ToInt16(), v[1].ToInt16(), v[2].ToSingle(), v[3].ToSingle()};
}

inline void RaiseKeyEvent(ControlSite& site, std::string_view name, KeyArgs& args) {
    std::array<Variant, 2> v{Variant(args.keyCode), Variant(args.shift)};
    site.RaiseEvent(name, v);
    args = {v[0].ToInt16(), v[1].ToInt16()};
}

inline void RaiseKeyPressEvent(ControlSite& site, std::string_view name, int16_t& keyAscii) {
    std::array<Variant, 1> v{Variant(keyAscii)};
    site.RaiseEvent(name, v);
    keyAscii = v[0].ToInt16();
}

}  // namespace VemoCalendar
