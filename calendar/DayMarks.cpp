#include "calendar/DayMarks.h"

#include <algorithm>

namespace VemoCalendar {

void DayFormat::Merge(const DayFormat& over) {
    if (over.foreColor) foreColor = over.foreColor;
    if (over.backColor) backColor = over.backColor;
    if (over.bold) bold = over.bold;
    if (over.italic) italic = over.italic;
    if (over.underline) underline = over.underline;
    if (!over.toolTip.empty()) toolTip = over.toolTip;
}

void DayMarks::SetDate(int64_t dayNumber, std::optional<DayFormat> format) {
    if (format) dates_.insert_or_assign(dayNumber, std::move(*format));
    else dates_.erase(dayNumber);
}

void DayMarks::SetWeekday(int weekday, std::optional<DayFormat> format) {
    weekdays_[static_cast<size_t>(weekday - 1)] = std::move(format);
    anyWeekday_ = std::any_of(weekdays_.begin(), weekdays_.end(), [](const auto& f) { return f.has_value(); });
}

std::optional<DayFormat> DayMarks::For(int64_t dayNumber, int weekday) const {
    std::optional<DayFormat> format = Weekday(weekday);
    if (const auto it = dates_.find(dayNumber); it != dates_.end()) {
        if (!format) format.emplace();
        format->Merge(it->second);
    }
    return format;
}

std::array<std::optional<DayFormat>, 42> DayMarks::ForGrid(int64_t firstDay, int firstWeekday) const {
    std::array<std::optional<DayFormat>, 42> grid;
    if (anyWeekday_)
        for (size_t i = 0; i < grid.size(); ++i) grid[i] = Weekday(static_cast<int>((firstWeekday - 1 + i) % 7) + 1);
    for (auto it = dates_.lower_bound(firstDay); it != dates_.end() && it->first < firstDay + 42; ++it) {
        std::optional<DayFormat>& format = grid[static_cast<size_t>(it->first - firstDay)];
        if (!format) format.emplace();
        format->Merge(it->second);
    }
    return grid;
}

}  // namespace VemoCalendar
