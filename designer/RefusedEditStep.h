#pragma once
#include <QPointer>
#include <QString>
#include <QUndoStack>
#include <QWidget>

namespace VemoCalendar {

// The undo step of a value that a control refused in Designer. The property editor pushes its
// step whether the value took or not; a refused write changed nothing, so its step, and the
// "changed" mark that step set (which would make the form store the old value), are taken back.
class RefusedEditStep {
public:
    // Call while the refused write runs (from propertyRefused): notes where the widget's form
    // undo stack stands. Outside a form there is nothing to take back.
    RefusedEditStep(QWidget& widget, const QString& property);
    // Call once the write has returned. When exactly one step was pushed since, and it is this
    // widget's change of this property alone, it is undone and dropped from the stack; true then.
    // Any other step (a macro, several widgets, another command) is left alone.
    bool Drop() const;

private:
    QPointer<QWidget> widget_;
    QString property_;
    QPointer<QUndoStack> stack_;
    int index_ = -1;
};

}  // namespace VemoCalendar
