#pragma once
#include <cstdint>

#include "host/Handler.h"

namespace VemoCalendar {

// Mouse arguments as a widget delivers them; handlers may change them (by reference).
struct MouseArgs {
    int16_t button = 0;  // 1 left, 2 right, 4 middle
    int16_t shift = 0;   // 1 shift, 2 ctrl, 4 alt
    float x = 0;         // in the widget's own units
    float y = 0;
};

struct KeyArgs {
    int16_t keyCode = 0;
    int16_t shift = 0;
};

// The notifications a widget raises. A widget array's index is the widget's own Index().
// Unset handlers are simply not called.
struct WidgetHandlers {
    Handler<void()> Click;
    Handler<void()> DblClick;
    Handler<void()> GotFocus;
    Handler<void()> LostFocus;
    Handler<void()> Change;  // text of a text box changed
    Handler<void(MouseArgs&)> MouseDown;
    Handler<void(MouseArgs&)> MouseMove;
    Handler<void(MouseArgs&)> MouseUp;
    Handler<void(KeyArgs&)> KeyDown;
    Handler<void(KeyArgs&)> KeyUp;
    // Set keyAscii to 0 to swallow the key; a text box then does not receive it.
    Handler<void(int16_t& keyAscii)> KeyPress;
    Handler<void()> Resize;  // size of a picture surface's inner area changed
};

}  // namespace VemoCalendar
