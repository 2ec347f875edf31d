#pragma once
#include <QObject>
#include <QWidget>

#include "host/Control.h"
#include "qt/backend/QtElementHost.h"

namespace VemoCalendar {

class QtControlSite;

// What makes a QWidget a control's surface: it draws the windowless widgets placed directly on
// the control and hands input on its own area to the control (UserControl_Click, _KeyPress, ...).
// It hooks the widget's events, so the widget may be any QWidget: a constituent's bare
// QtSurfaceWidget, or a public widget that keeps its surface behind its private pointer.
class QtControlSurface : public QObject, private InputSink {
public:
    explicit QtControlSurface(QWidget& widget);
    ~QtControlSurface() override;
    QtControlSurface(const QtControlSurface&) = delete;
    QtControlSurface& operator=(const QtControlSurface&) = delete;

    QWidget& Widget() const { return widget_; }
    ElementLayer& Layer() { return layer_; }
    void AttachSite(QtControlSite* site) { site_ = site; }
    QtControlSite* Site() const { return site_; }
    // The surface of `widget`, or null when it is none.
    static QtControlSurface* Of(const QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Deliver(QEvent& event);
    QPointF SinkUnits(QPoint hostPoint) const override;
    void SinkMouseDown(MouseArgs& args) override;
    void SinkMouseMove(MouseArgs& args) override;
    void SinkMouseUp(MouseArgs& args) override;
    void SinkClick() override;
    void SinkDblClick() override;
    void SinkKeyDown(KeyArgs& args) override;
    void SinkKeyPress(int16_t& keyAscii) override;
    void SinkKeyUp(KeyArgs& args) override;
    void SinkPressed() override;
    Control* AttachedControl() const;

    QWidget& widget_;
    ElementLayer layer_;
    QtControlSite* site_ = nullptr;
};

// A QWidget that is nothing but a control's surface: a constituent's (the drop-down button's
// calendar).
class QtSurfaceWidget : public QWidget {
public:
    explicit QtSurfaceWidget(QWidget* parent = nullptr) : QWidget(parent), surface_(*this) {}
    QtControlSurface& Surface() { return surface_; }

private:
    QtControlSurface surface_;
};

}  // namespace VemoCalendar
