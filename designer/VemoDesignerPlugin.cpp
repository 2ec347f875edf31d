#include "designer/VemoDesignerPlugin.h"

#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/QExtensionManager>

#include "designer/PropertyPagesCommand.h"
#include "designer/RefusedEditStep.h"
#include "designer/VemoTaskMenu.h"
#include "qt/QvCalButtonWidget.h"
#include "qt/QvCalendarWidget.h"

namespace VemoCalendar {

VemoWidgetPlugin::VemoWidgetPlugin(Description description, QObject* parent)
    : QObject(parent), d_(std::move(description)) {}

QIcon VemoWidgetPlugin::icon() const {
    // Drawn on first use: the widget box asks once an application (and its screen) exists.
    if (icon_.isNull() && d_.icon) icon_ = d_.icon();
    return icon_;
}

QString VemoWidgetPlugin::domXml() const {
    // The widget box's tool tip (toolTip()) stays the box's: a placed widget starts with no tool
    // tip of its own, as Qt's widgets do, so none is saved into the form or shown at run time.
    return QStringLiteral(
               "<ui language=\"c++\">\n"
               " <widget class=\"%1\" name=\"%2\">\n"
               "  <property name=\"geometry\">\n"
               "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
               "  </property>\n"
               " </widget>\n"
               "</ui>\n")
        .arg(d_.className, d_.objectName)
        .arg(d_.size.width())
        .arg(d_.size.height());
}

void VemoWidgetPlugin::initialize(QDesignerFormEditorInterface* core) {
    if (initialized_) return;
    initialized_ = true;
    core_ = core;
    coreObject_ = core;
    if (!core) return;
    // The task menu is registered once for both widgets; the factory tells them apart.
    QExtensionManager* manager = core->extensionManager();
    if (manager && !manager->findChild<VemoTaskMenuFactory*>(QString(), Qt::FindDirectChildrenOnly))
        manager->registerExtensions(new VemoTaskMenuFactory(manager), Q_TYPEID(QDesignerTaskMenuExtension));
}

QWidget* VemoWidgetPlugin::createWidget(QWidget* parent) {
    QWidget* widget = d_.create(parent);
    if (!coreObject_) return widget;
    // In Designer a refused value keeps the old one and leaves no undo step; the user is told why
    // and the property editor is refreshed so it no longer shows the value that did not take.
    QDesignerFormEditorInterface* core = core_;
    auto* control = static_cast<QvControlWidget*>(widget);
    connect(control, &QvControlWidget::propertyRefused, widget,
            [widget, core](const QString& name, int number, const QString& description) {
                if (QuietRefusals::Active()) return;
                const RefusedEditStep step(*widget, name);
                // The step is pushed once the write returns: it is taken back on the next turn.
                QTimer::singleShot(0, widget, [widget, core, step, name, number, description] {
                    step.Drop();
                    QMessageBox::warning(widget->window(), QStringLiteral("VemoCalendar"),
                                         QStringLiteral("%1: %2 (error %3)").arg(name, description).arg(number));
                    if (QDesignerPropertyEditorInterface* editor = core->propertyEditor())
                        if (editor->object() == widget) editor->setObject(widget);
                });
            });
    return widget;
}

VemoDesignerPlugin::VemoDesignerPlugin(QObject* parent) : QObject(parent) {
    widgets_.append(new VemoWidgetPlugin(
        {QStringLiteral("VemoCalendar::QvCalendarWidget"), QStringLiteral("qvCalendar"),
         QStringLiteral("qt/QvCalendarWidget.h"), QStringLiteral("Month calendar: pick a date with the mouse or the keys"),
         QStringLiteral("A month calendar with a title bar, scroll arrows, month and year lists and a day grid; "
                        "calValue is the selected date."),
         QSize(280, 200), &QvCalendarWidget::widgetIcon, [](QWidget* p) -> QWidget* { return new QvCalendarWidget(p); }},
        this));
    widgets_.append(new VemoWidgetPlugin(
        {QStringLiteral("VemoCalendar::QvCalButtonWidget"), QStringLiteral("qvCalButton"),
         QStringLiteral("qt/QvCalButtonWidget.h"), QStringLiteral("Date button: drops a calendar down to pick a date"),
         QStringLiteral("A button that opens a calendar over the form; calValue is the date picked in it."),
         QSize(81, 25), &QvCalButtonWidget::widgetIcon, [](QWidget* p) -> QWidget* { return new QvCalButtonWidget(p); }},
        this));
}

}  // namespace VemoCalendar
