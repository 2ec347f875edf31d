#pragma once
#include <array>

#include "calendar/Enumerations.h"

namespace VemoCalendar {

// Fixed measures of the calendar's layout, in pixels of the drawing surface.
inline constexpr int kTitleBarHeight = 22;
inline constexpr int kDropdownRowHeight = 28;
inline constexpr int kBaseRowCount = 8;  // month/year row, weekday row, six week rows
inline constexpr int kColumns = 7;
inline constexpr int kArrowsPerRow = 4;
// The caption panel sits this many pixels in from each edge of the title bar.
inline constexpr int kCaptionInsetPixels = 3;

// A widget's place in its parent's units. Widths and heights are never negative.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const LayoutRect&) const = default;
};

// What the layout pass reads before it places anything.
struct LayoutInput {
    int width = 0;   // inner width of the drawing surface, pixels
    int height = 0;  // inner height of the drawing surface, pixels
    bool showTitleBar = true;
    bool showDropdownMonth = false;
    enumCALScrollArrowsPos arrows = VemocalBottom;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    int monthListLeft = 45;  // left edge of the month list inside the drop-down row, twips
    // A first column of week numbers: it takes one share of eight of the width beside the day
    // columns, in the weekday row and the six week rows; the rows above keep the whole width.
    bool showWeekNumbers = false;
};

// The month list and year box inside the drop-down row panel, in twips.
struct DropDownInterior {
    int monthListWidth = 0;
    int yearLeft = 0;
    int yearWidth = 0;
};

// Every position the layout pass sets, and the row and column measures it derived them from.
struct CalendarLayout {
    int titleBarHeight = 0;   // TH
    int rowCount = 0;         // R, rows sharing the height left after the fixed rows
    int cellWidth = 0;        // CW
    int rowHeight = 0;        // RH
    int monthYearHeight = 0;  // MY, unclamped
    int lastRowHeight = 0;    // LH, unclamped
    int arrowWidth = 0;       // BW, 0 unless the arrows have a row of their own

    LayoutRect titleBar;   // pnlTitleBar0, pixels
    LayoutRect caption;    // pnlTitleBar1, twips inside the title bar
    LayoutRect title;      // pnlText or pnlMonthYear, pixels
    DropDownInterior dropDown;
    std::array<LayoutRect, 4> arrows;     // cmdButton 0..3; unused with VemocalNoArrows
    std::array<LayoutRect, 7> weekdays;   // pnlCalDay 1..7 at [0..6]
    std::array<LayoutRect, 42> cells;     // pnlCalNum 1..42 at [0..41]
    std::array<LayoutRect, 6> weekNumbers;  // pnlCalWeek 1..6 at [0..5]; unused without the column
};

// Nearest integer, ties to even; NaN gives 0 and values past the int range stop at its ends.
int RoundToInt(double value);

// The month list and year box for a drop-down row `panelWidth` pixels wide: the list takes two
// thirds of the row, the year box the rest up to a right margin equal to the list's left margin.
DropDownInterior FitDropDownInterior(int panelWidth, double twipsPerPixelX, int monthListLeft);

// Everything that depends on the width the title widget actually took: the drop-down interior
// and, with VemocalMonthYear, the two arrows right of the title. The layout pass calls it again
// with the width read back from the widget, which may differ from the one asked for.
void FitTitleRow(CalendarLayout& layout, const LayoutInput& input, int titleWidth);

// The whole layout for one surface size and setting combination, assuming each widget takes the
// size it is given. Rows always end at the surface's bottom edge; sizes that come out negative on
// a tiny surface are clamped to 0, positions are not.
CalendarLayout ComputeLayout(const LayoutInput& input);

}  // namespace VemoCalendar
