#include "qt/backend/QtControlSurface.h"

#include "qt/backend/QtControlSite.h"
#include "qt/backend/QtEventGuard.h"

namespace VemoCalendar {

namespace {
constexpr char kSurfaceProperty[] = "vemoSurface";
}

QtControlSurface::QtControlSurface(QWidget& widget) : widget_(widget), layer_(widget) {
    layer_.SetSink(this);
    widget_.setFocusPolicy(Qt::ClickFocus);
    widget_.setMouseTracking(true);
    widget_.setProperty(kSurfaceProperty, QVariant::fromValue<void*>(this));
    widget_.installEventFilter(this);
}

QtControlSurface::~QtControlSurface() {
    widget_.removeEventFilter(this);
    widget_.setProperty(kSurfaceProperty, QVariant());
}

QtControlSurface* QtControlSurface::Of(const QWidget& widget) {
    return static_cast<QtControlSurface*>(widget.property(kSurfaceProperty).value<void*>());
}

bool QtControlSurface::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &widget_) return false;
    bool handled = false;
    GuardQtEvent([&] { handled = Deliver(*event); });
    return handled;
}

// The widget's own handlers run after these unless the event is taken here, as a widget drawn by
// an ElementHostWidget hands its events to the layer first.
bool QtControlSurface::Deliver(QEvent& event) {
    switch (event.type()) {
        case QEvent::Paint: {
            QPainter painter(&widget_);
            layer_.Paint(painter, static_cast<QPaintEvent&>(event).rect());
            return true;
        }
        case QEvent::MouseButtonPress: return layer_.MousePress(static_cast<QMouseEvent&>(event));
        case QEvent::MouseButtonDblClick: return layer_.MouseDoubleClick(static_cast<QMouseEvent&>(event));
        case QEvent::MouseMove: return layer_.MouseMove(static_cast<QMouseEvent&>(event));
        case QEvent::MouseButtonRelease: return layer_.MouseRelease(static_cast<QMouseEvent&>(event));
        case QEvent::Leave: layer_.Leave(); return false;
        case QEvent::KeyPress: {
            // A windowless widget that takes Tab hears a plain Tab as a key.
            auto& key = static_cast<QKeyEvent&>(event);
            const bool plainTab =
                key.key() == Qt::Key_Tab && !(key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
            if (plainTab && layer_.TakesPlainTab()) {
                layer_.KeyPress(key);
                return true;
            }
            // Other Tabs move the focus first, as on any widget; the widget hears them only when
            // the focus cannot move.
            const bool navigates = (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) &&
                                   !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
            return !navigates && layer_.KeyPress(key);
        }
        case QEvent::KeyRelease: return layer_.KeyRelease(static_cast<QKeyEvent&>(event));
        case QEvent::FocusIn:
            layer_.FocusIn(static_cast<QFocusEvent&>(event).reason());
            widget_.update();
            return false;
        case QEvent::FocusOut: widget_.update(); return false;
        case QEvent::Show: layer_.HostShown(); return false;
        case QEvent::Resize:
            if (site_) site_->SurfaceResized();
            return false;
        case QEvent::ContentsRectChange:
            if (site_) site_->ContentsMarginsChanged();
            return false;
        default: return false;
    }
}

QPointF QtControlSurface::SinkUnits(QPoint hostPoint) const {
    if (!site_) return hostPoint;
    return {hostPoint.x() * site_->TwipsPerPixelX(), hostPoint.y() * site_->TwipsPerPixelY()};
}

Control* QtControlSurface::AttachedControl() const { return site_ && site_->HasControl() ? &site_->GetControl() : nullptr; }

void QtControlSurface::SinkPressed() { widget_.setFocus(Qt::MouseFocusReason); }
void QtControlSurface::SinkMouseDown(MouseArgs& args) { if (Control* c = AttachedControl()) c->UserControl_MouseDown(args); }
void QtControlSurface::SinkMouseMove(MouseArgs& args) { if (Control* c = AttachedControl()) c->UserControl_MouseMove(args); }
void QtControlSurface::SinkMouseUp(MouseArgs& args) { if (Control* c = AttachedControl()) c->UserControl_MouseUp(args); }
void QtControlSurface::SinkClick() { if (Control* c = AttachedControl()) c->UserControl_Click(); }
void QtControlSurface::SinkDblClick() { if (Control* c = AttachedControl()) c->UserControl_DblClick(); }
void QtControlSurface::SinkKeyDown(KeyArgs& args) { if (Control* c = AttachedControl()) c->UserControl_KeyDown(args); }
void QtControlSurface::SinkKeyPress(int16_t& keyAscii) { if (Control* c = AttachedControl()) c->UserControl_KeyPress(keyAscii); }
void QtControlSurface::SinkKeyUp(KeyArgs& args) { if (Control* c = AttachedControl()) c->UserControl_KeyUp(args); }

}  // namespace VemoCalendar
