#pragma once
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>

class QDesignerFormEditorInterface;

namespace VemoCalendar {

// One widget of the widget box: its class, icon, tool tip and the XML of a newly placed one.
class VemoWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    struct Description {
        QString className;    // as the meta-object names it, namespace included
        QString objectName;   // what Designer names the first one placed
        QString includeFile;
        QString toolTip;
        QString whatsThis;
        QSize size;           // the widget's sizeHint
        std::function<QIcon()> icon;
        std::function<QWidget*(QWidget*)> create;
    };
    VemoWidgetPlugin(Description description, QObject* parent);

    QString name() const override { return d_.className; }
    QString group() const override { return QStringLiteral("VemoCalendar"); }
    QIcon icon() const override;
    QString toolTip() const override { return d_.toolTip; }
    QString whatsThis() const override { return d_.whatsThis; }
    QString includeFile() const override { return d_.includeFile; }
    bool isContainer() const override { return false; }
    QString domXml() const override;
    // A new widget; inside Designer a value it refuses is reported to the user.
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return initialized_; }
    // Designer calls this once with its core; QUiLoader never does.
    void initialize(QDesignerFormEditorInterface* core) override;

private:
    Description d_;
    bool initialized_ = false;
    QPointer<QObject> coreObject_;
    QDesignerFormEditorInterface* core_ = nullptr;
    mutable QIcon icon_;
};

// The plugin's entry point: both controls of the library.
class VemoDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit VemoDesignerPlugin(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

private:
    QList<QDesignerCustomWidgetInterface*> widgets_;
};

// The 16 x 16 widget-box icons, drawn from the controls' own pictures.

}  // namespace VemoCalendar
