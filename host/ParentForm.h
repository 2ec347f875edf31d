#pragma once
#include <cstdint>

namespace VemoCalendar {

// The form that holds a control; scale values in twips.
class ParentForm {
public:
    virtual ~ParentForm() = default;
    virtual intptr_t hwnd() const = 0;
    virtual double ScaleLeft() const = 0;
    virtual double ScaleTop() const = 0;
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
};

struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
};

}  // namespace VemoCalendar
