#pragma once
#include <functional>

class QAccessibleEvent;

namespace VemoCalendar {

// The accessibility tree of what the backend paints: a calendar's drawing surface is a List named
// by the calendar's caption, with the title bar and month/year caption as static text, the scroll
// arrows as buttons, the weekday titles as column headers and the day cells as list items named
// with their full date; a date an arrow selects is announced by a notice shown for a moment.
// Other painted buttons and panels are buttons and static text.
// Installed once per application, by the first widget made; it then hears of the backend's nodes
// as they take the focus, change their tags and go.
void InstallQtAccessibility();

// Hears each event the layer sends, before Qt hands it to the platform (which drops events
// while no screen reader is connected); an empty function stops listening.
void SetQtAccessibleEventSpy(std::function<void(QAccessibleEvent&)> spy);

}  // namespace VemoCalendar
