#include "designer/VemoTaskMenu.h"

#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QUndoStack>

#include "designer/PropertyPagesCommand.h"
#include "qt/QvCalButtonWidget.h"
#include "qt/QvCalendarWidget.h"

namespace VemoCalendar {

VemoTaskMenu::VemoTaskMenu(QvControlWidget* widget, QObject* parent)
    : QObject(parent), widget_(widget), action_(new QAction(QStringLiteral("Property Pages…"), this)) {
    action_->setObjectName(QStringLiteral("actionPropertyPages"));
    connect(action_, &QAction::triggered, this, &VemoTaskMenu::OpenPages);
}

void VemoTaskMenu::OpenPages() {
    if (!widget_) return;
    QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(widget_);
    // The dialog applies one page set to every control it gets, so the selection is narrowed to
    // the controls of this widget's class.
    QList<QWidget*> widgets{widget_.data()};
    if (form) {
        QDesignerFormWindowCursorInterface* cursor = form->cursor();
        for (int i = 0; i < cursor->selectedWidgetCount(); ++i) {
            QWidget* selected = cursor->selectedWidget(i);
            if (selected != widget_ && selected->metaObject() == widget_->metaObject()) widgets.append(selected);
        }
    }
    const auto run = [this](const QList<QWidget*>& selection) {
        QList<QvControlWidget*> controls;
        for (QWidget* w : selection) controls.append(static_cast<QvControlWidget*>(w));
        QvControlWidget::execPropertyPages(controls, widget_->window());
    };
    if (!form) {
        // Outside a form (a preview) there is no undo stack: the dialog writes directly.
        run(widgets);
        return;
    }
    // The undo step opens with the first write: a dialog cancelled, or closed without a change,
    // leaves no empty step behind and the form unmodified.
    bool stepOpen = false;
    const PropertyWriter throughCursor = [form, &stepOpen](QWidget& w, const QByteArray& name, const QVariant& value) {
        if (!stepOpen) form->commandHistory()->beginMacro(QStringLiteral("Property Pages"));
        stepOpen = true;
        form->cursor()->setWidgetProperty(&w, QString::fromLatin1(name), value);
    };
    ApplyPropertyPages(widgets, run, throughCursor);
    if (stepOpen) form->commandHistory()->endMacro();
    if (QDesignerPropertyEditorInterface* editor = form->core()->propertyEditor())
        if (editor->object() == widget_) editor->setObject(widget_);
}

QObject* VemoTaskMenuFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const {
    if (iid != QLatin1String(Q_TYPEID(QDesignerTaskMenuExtension))) return nullptr;
    if (auto* widget = qobject_cast<QvControlWidget*>(object)) return new VemoTaskMenu(widget, parent);
    return nullptr;
}

}  // namespace VemoCalendar
