#include "calendar/LayoutMath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace VemoCalendar {
namespace {

// Sums of rows and columns are kept in 64 bits so that a surface near the int range cannot wrap.
using Px = int64_t;

int Saturate(Px value) {
    return static_cast<int>(std::clamp<Px>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Positions as computed; sizes that came out negative collapse to 0.
LayoutRect Rect(Px left, Px top, Px width, Px height) {
    return {Saturate(left), Saturate(top), Saturate(std::max<Px>(width, 0)), Saturate(std::max<Px>(height, 0))};
}

bool ArrowsHaveOwnRow(enumCALScrollArrowsPos arrows) { return arrows == VemocalTop || arrows == VemocalBottom; }

}  // namespace

int RoundToInt(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    if (rounded >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}

DropDownInterior FitDropDownInterior(int panelWidth, double twipsPerPixelX, int monthListLeft) {
    const double p = panelWidth;
    DropDownInterior fit;
    fit.monthListWidth = std::max(RoundToInt((p - p / 3) * twipsPerPixelX), 0);
    fit.yearLeft = Saturate(Px{monthListLeft} + fit.monthListWidth);
    fit.yearWidth = std::max(RoundToInt(p * twipsPerPixelX - (2.0 * monthListLeft + fit.monthListWidth)), 0);
    return fit;
}

void FitTitleRow(CalendarLayout& layout, const LayoutInput& input, int titleWidth) {
    if (input.showDropdownMonth) layout.dropDown = FitDropDownInterior(titleWidth, input.twipsPerPixelX, input.monthListLeft);
    if (input.arrows != VemocalMonthYear) return;
    const Px cw = layout.cellWidth;
    const Px y = layout.title.top;
    const Px h = Px{layout.monthYearHeight} - 1;
    // One pixel gap between the title and the next-month arrow.
    Px x = 2 * cw + titleWidth;
    layout.arrows[2] = Rect(x + 1, y, cw - 1, h);
    x += cw;
    layout.arrows[3] = Rect(x, y, Px{input.width} - x, h);
}

CalendarLayout ComputeLayout(const LayoutInput& input) {
    CalendarLayout layout;
    const Px w = input.width;
    const Px th = input.showTitleBar ? kTitleBarHeight : 0;
    Px g = Px{input.height} - th;

    Px rows = kBaseRowCount;
    Px bw = 0;
    if (ArrowsHaveOwnRow(input.arrows)) {
        rows += 1;
        bw = RoundToInt(static_cast<double>(w) / kArrowsPerRow);
    }
    if (input.showDropdownMonth) {
        // The month/year row leaves the shared rows for a fixed height of its own.
        g -= kDropdownRowHeight;
        rows -= 1;
    }
    const Px cw = RoundToInt(static_cast<double>(w) / kColumns);
    const Px rh = RoundToInt(static_cast<double>(g) / static_cast<double>(rows));
    // The rounding remainder goes to the last week row, or to the month/year row when that one
    // shares the height with the others.
    const Px my = input.showDropdownMonth ? kDropdownRowHeight : g - (rows - 1) * rh;
    const Px lh = input.showDropdownMonth ? g - (rows - 1) * rh : rh;

    layout.titleBarHeight = Saturate(th);
    layout.rowCount = Saturate(rows);
    layout.cellWidth = Saturate(cw);
    layout.rowHeight = Saturate(rh);
    layout.monthYearHeight = Saturate(my);
    layout.lastRowHeight = Saturate(lh);
    layout.arrowWidth = Saturate(bw);

    layout.titleBar = Rect(0, 0, w, th);
    const Px insetX = RoundToInt(kCaptionInsetPixels * input.twipsPerPixelX);
    const Px insetY = RoundToInt(kCaptionInsetPixels * input.twipsPerPixelY);
    layout.caption = Rect(insetX, insetY, RoundToInt(static_cast<double>(w) * input.twipsPerPixelX) - 2 * insetX,
                          RoundToInt(static_cast<double>(th) * input.twipsPerPixelY) - 2 * insetY);

    Px y = th;
    if (input.arrows == VemocalTop) {
        for (int i = 0; i < 3; ++i) layout.arrows[static_cast<size_t>(i)] = Rect(i * bw, y, bw, rh - 1);
        layout.arrows[3] = Rect(3 * bw, y, w - 3 * bw, rh - 1);
        y += rh;  // the arrows are one pixel shorter than their row: a gap below them
    }

    if (input.arrows == VemocalMonthYear) {
        layout.arrows[0] = Rect(0, y, cw, my - 1);
        layout.arrows[1] = Rect(cw, y, cw - 1, my - 1);
        layout.title = Rect(2 * cw, y, 3 * cw, my);
    } else {
        layout.title = Rect(0, y, w, my);
    }
    FitTitleRow(layout, input, layout.title.width);

    // Columns 1..6 are CW wide; the last one runs to the right edge. The week column, when
    // shown, comes first and is as wide as a day column of eight.
    const Px dayWidth = input.showWeekNumbers ? RoundToInt(static_cast<double>(w) / (kColumns + 1)) : cw;
    const Px gridLeft = input.showWeekNumbers ? dayWidth : 0;
    y += my;
    Px x = gridLeft;
    for (size_t i = 0; i < 7; ++i) {
        layout.weekdays[i] = Rect(x, y, i == 6 ? w - x : dayWidth, rh);
        x += dayWidth;
    }
    for (int n = 1; n <= 42; ++n) {
        const bool lastRow = n >= 36;
        const Px height = lastRow && input.arrows != VemocalBottom ? lh : rh;
        if ((n - 1) % kColumns == 0) {
            x = gridLeft;
            y += rh;
            layout.weekNumbers[static_cast<size_t>((n - 1) / kColumns)] = Rect(0, y, gridLeft, height);
        }
        const bool lastColumn = n % kColumns == 0;
        layout.cells[static_cast<size_t>(n - 1)] = Rect(x, y, lastColumn ? w - x : dayWidth, height);
        x += dayWidth;
    }

    if (input.arrows == VemocalBottom) {
        y += rh + 1;
        x = 0;
        for (size_t i = 0; i < 3; ++i) {
            layout.arrows[i] = Rect(x, y, bw, lh - 1);
            x += bw;
        }
        layout.arrows[3] = Rect(x, y, w - x, lh - 1);
    }
    return layout;
}

}  // namespace VemoCalendar
