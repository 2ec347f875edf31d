#pragma once
#include <QAction>
#include <QPointer>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>

namespace VemoCalendar {

class QvControlWidget;

// The task-menu entry "Property Pages…" of both controls: opens the Property Pages dialog for the
// selected controls of the widget's class (the widget itself first) and records its changes on the
// form's undo stack through the form cursor.
class VemoTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    VemoTaskMenu(QvControlWidget* widget, QObject* parent);
    QAction* preferredEditAction() const override { return action_; }
    QList<QAction*> taskActions() const override { return {action_}; }

private:
    void OpenPages();
    QPointer<QvControlWidget> widget_;
    QAction* action_;
};

class VemoTaskMenuFactory : public QExtensionFactory {
    Q_OBJECT

public:
    explicit VemoTaskMenuFactory(QExtensionManager* parent = nullptr) : QExtensionFactory(parent) {}

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

}  // namespace VemoCalendar
