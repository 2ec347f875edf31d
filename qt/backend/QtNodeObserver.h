#pragma once
#include <string>

class QWidget;

namespace VemoCalendar {

class QtNode;

// Hears what happens to the backend's nodes, for whoever mirrors them (the accessibility layer
// registers itself); the backend knows nothing of how they are mirrored.
class QtNodeObserver {
public:
    virtual ~QtNodeObserver() = default;
    // A windowless node got the keyboard inside the real widget that draws it.
    virtual void FocusMoved(QtNode& node) = 0;
    // A node's tag changed (a day cell's class: the selection moves with it).
    virtual void TagChanged(QtNode& node, const std::string& oldTag) = 0;
    // A painted button is pressed; its Click runs after this returns.
    virtual void Pressed(QtNode& node) = 0;
    virtual void NodeGone(QtNode& node) = 0;
};

// The one observer of the application, as Qt's accessibility is one per application; null
// for none.
void SetQtNodeObserver(QtNodeObserver* observer);
QtNodeObserver* CurrentQtNodeObserver();

// The node whose own QWidget `widget` is, or null.
QtNode* QtNodeOfWidget(const QWidget& widget);

}  // namespace VemoCalendar
