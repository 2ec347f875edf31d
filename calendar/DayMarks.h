#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "host/Color.h"
#include "host/Export.h"

namespace VemoCalendar {

// How a marked day is drawn. Every attribute is optional: one left unset keeps what the day's
// class (or a weekday's mark under a date's) gives it. An empty tool tip is none.
struct DayFormat {
    std::optional<Color> foreColor;
    std::optional<Color> backColor;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::string toolTip;

    bool operator==(const DayFormat&) const = default;
    // The attributes set in `over` replace these, as Qt merges one text format into another.
    void Merge(const DayFormat& over);
};

// The marks of one calendar: formats per date (by day number) and per weekday (Sunday = 1).
class VEMOCALENDAR_EXPORT DayMarks {
public:
    bool Empty() const { return dates_.empty() && !anyWeekday_; }
    const std::map<int64_t, DayFormat>& Dates() const { return dates_; }
    const std::optional<DayFormat>& Weekday(int weekday) const { return weekdays_[static_cast<size_t>(weekday - 1)]; }

    // Null clears the mark.
    void SetDate(int64_t dayNumber, std::optional<DayFormat> format);
    void ClearDates() { dates_.clear(); }
    void SetWeekday(int weekday, std::optional<DayFormat> format);

    // The format a day is drawn with: its weekday's mark with its date's merged over it; null when
    // neither is marked.
    std::optional<DayFormat> For(int64_t dayNumber, int weekday) const;
    // For() of 42 consecutive days from `firstDay` (whose weekday is `firstWeekday`), looking up
    // only the dates in that range.
    std::array<std::optional<DayFormat>, 42> ForGrid(int64_t firstDay, int firstWeekday) const;

private:
    std::map<int64_t, DayFormat> dates_;
    std::array<std::optional<DayFormat>, 7> weekdays_;
    bool anyWeekday_ = false;
};

}  // namespace VemoCalendar
