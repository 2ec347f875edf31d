#pragma once
#include <cstdint>
#include <functional>

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
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void()> Change;  // text of a text box changed
    std::function<void(MouseArgs&)> MouseDown;
    std::function<void(MouseArgs&)> MouseMove;
    std::function<void(MouseArgs&)> MouseUp;
    std::function<void(KeyArgs&)> KeyDown;
    std::function<void(KeyArgs&)> KeyUp;
    // Set keyAscii to 0 to swallow the key; a text box then does not receive it.
    std::function<void(int16_t& keyAscii)> KeyPress;
    std::function<void()> Resize;  // size of a picture surface's inner area changed
};

}  // namespace VemoCalendar
