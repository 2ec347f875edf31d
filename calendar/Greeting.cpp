#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "calendar/QvCalendar.h"

namespace VemoCalendar {
namespace {

// A word typed on the month/year row while the calendar shows its date brings up its message.
struct GreetingWord {
    std::string_view word;
    int32_t year, month, day;
    std::string_view firstLine, thirdLine, fourthLine;
};

constexpr std::array<GreetingWord, 2> kGreetings{{
    {"MOON", 1969, 7, 20, "Houston, Tranquility Base here.", "The Eagle has landed.",
     "One small step for a calendar, too."},
    {"EPOCH", 1970, 1, 1, "Happy new year, Unix time!", "Every second since has been counted from here.",
     "Greetings from the VemoCalendar team."},
}};

// "dddd, mmmm dd, yyyy." with the host's full weekday and month names.
std::string LongDateText(const LocaleNames& locale, Date date) {
    const CivilDate c = CivilOf(date);
    char digits[16];
    std::snprintf(digits, sizeof digits, " %02d, %04d.", static_cast<int>(c.day), static_cast<int>(c.year));
    return locale.WeekdayName(WeekdayOf(date), false) + ", " + locale.MonthName(c.month, false) + digits;
}

}  // namespace

void QvCalendar::CheckGreeting(int16_t keyAscii) {
    typedLetters_ += static_cast<char>(keyAscii);
    for (const GreetingWord& g : kGreetings) {
        if (!g.word.starts_with(typedLetters_)) continue;
        if (typedLetters_.size() < g.word.size()) return;  // keep collecting
        typedLetters_.clear();
        if (calValue_.value != MakeDate(g.year, g.month, g.day).value) return;
        MessageBoxRequest request;
        request.text = std::string(g.firstLine) + "\r\nToday is " + LongDateText(site_.Locale(), calValue_) + "\r\n" +
                       std::string(g.thirdLine) + "\r\n" + std::string(g.fourthLine);
        request.title = "QvCalendar Easter Egg";
        request.icon = MessageIcon::Information;
        request.buttons = MessageButtons::OK;
        request.modality = MessageModality::System;
        site_.MsgBox(request);
        return;
    }
    // A letter that fits neither word is dropped with the rest.
    typedLetters_.clear();
}

}  // namespace VemoCalendar
