#pragma once
#include <functional>
#include <string>

class QAccessibleEvent;

namespace VemoCalendar {

class QtNode;
}  // namespace VemoCalendar
class QWidget;
namespace VemoCalendar {

// The accessibility tree of what the backend paints: a calendar's drawing surface is a Table
// named by the calendar's caption, with the title bar and month/year caption as static text, the
// scroll arrows as buttons, the weekday titles as column headers and the day cells as cells named
// with their full date; other painted buttons and panels are buttons and static text.
// Installed once per application; the host does it when it is made.
void InstallQtAccessibility();

// Lets the accessibility layer find the widget's node from its QWidget.
void QtAccessibleMarkNode(QWidget& widget, QtNode& node);
// A windowless widget got the keyboard inside the real widget that draws it.
void QtAccessibleFocusMoved(QtNode& node);
// A widget's tag changed (a day cell's class: selection moves with it).
void QtAccessibleTagChanged(QtNode& node, const std::string& oldTag);
// Hears each event the layer sends, before Qt hands it to the platform (which drops events
// while no screen reader is connected); an empty function stops listening.
void SetQtAccessibleEventSpy(std::function<void(QAccessibleEvent&)> spy);
// A widget goes: its accessible node goes with it.
void QtAccessibleNodeGone(QtNode& node);

}  // namespace VemoCalendar
