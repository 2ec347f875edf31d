#include "designer/RefusedEditStep.h"

#include <QtDesigner/QDesignerFormWindowInterface>

namespace VemoCalendar {

RefusedEditStep::RefusedEditStep(QWidget& widget, const QString& property) : widget_(&widget), property_(property) {
    if (QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(&widget)) {
        stack_ = form->commandHistory();
        if (stack_) index_ = stack_->index();
    }
}

bool RefusedEditStep::Drop() const {
    if (!widget_ || !stack_ || widget_->objectName().isEmpty()) return false;
    // The step is the refused write's when it is the one pushed on top since the refusal.
    if (stack_->index() != index_ + 1 || stack_->count() != index_ + 1) return false;
    // Designer names a property step of one widget "Changed 'calMinYear' of 'qvCalendar'".
    auto* step = const_cast<QUndoCommand*>(stack_->command(index_));
    const QString text = step->text();
    if (step->childCount() != 0 || !text.contains(property_) || !text.contains(widget_->objectName())) return false;
    stack_->undo();  // writes the old value back and restores the old changed mark
    // An obsolete command is deleted instead of redone: no redo step is left either.
    step->setObsolete(true);
    stack_->redo();
    return true;
}

}  // namespace VemoCalendar
