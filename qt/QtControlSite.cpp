#include "qt/QtControlSite.h"

#include <QApplication>
#include <QResizeEvent>

#include "qt/QtConvert.h"

namespace VemoCalendar {

// ---------------------------------------------------------------- Surface

QtControlSurface::QtControlSurface(QWidget* parent) : ElementHostWidget(parent) {
    Layer().SetSink(this);
    setFocusPolicy(Qt::ClickFocus);
}

QtControlSurface::~QtControlSurface() = default;

void QtControlSurface::AttachSite(QtControlSite* site) { site_ = site; }

void QtControlSurface::resizeEvent(QResizeEvent* event) {
    ElementHostWidget::resizeEvent(event);
    if (site_) site_->SurfaceResized();
}

QPointF QtControlSurface::SinkUnits(QPoint hostPoint) const {
    if (!site_) return hostPoint;
    return {hostPoint.x() * site_->TwipsPerPixelX(), hostPoint.y() * site_->TwipsPerPixelY()};
}

void QtControlSurface::SinkPressed() { setFocus(Qt::MouseFocusReason); }
void QtControlSurface::SinkMouseDown(MouseArgs& args) { if (site_ && site_->HasControl()) site_->GetControl().UserControl_MouseDown(args); }
void QtControlSurface::SinkMouseMove(MouseArgs& args) { if (site_ && site_->HasControl()) site_->GetControl().UserControl_MouseMove(args); }
void QtControlSurface::SinkMouseUp(MouseArgs& args) { if (site_ && site_->HasControl()) site_->GetControl().UserControl_MouseUp(args); }
void QtControlSurface::SinkClick() { if (site_ && site_->HasControl()) site_->GetControl().UserControl_Click(); }
void QtControlSurface::SinkDblClick() { if (site_ && site_->HasControl()) site_->GetControl().UserControl_DblClick(); }
void QtControlSurface::SinkKeyDown(KeyArgs& args) { if (site_ && site_->HasControl()) site_->GetControl().UserControl_KeyDown(args); }
void QtControlSurface::SinkKeyPress(int16_t& keyAscii) { if (site_ && site_->HasControl()) site_->GetControl().UserControl_KeyPress(keyAscii); }
void QtControlSurface::SinkKeyUp(KeyArgs& args) { if (site_ && site_->HasControl()) site_->GetControl().UserControl_KeyUp(args); }

// ---------------------------------------------------------------- Parent form

double QtParentForm::ScaleWidth() const { return Window().width() * host_.TwipsPerPixelX(); }
double QtParentForm::ScaleHeight() const { return Window().height() * host_.TwipsPerPixelY(); }

// ---------------------------------------------------------------- Site

QtControlSite::QtControlSite(QtHost& host, QtControlSurface& surface, std::string name)
    : host_(host),
      surface_(surface),
      name_(std::move(name)),
      width_(surface.width() * host.TwipsPerPixelX()),
      height_(surface.height() * host.TwipsPerPixelY()),
      notifiedSize_(surface.size()),
      parent_(host, surface),
      factory_(host, host, surface, surface.Layer(), this) {
    surface_.setObjectName(ToQString(name_));
    surface_.AttachSite(this);
    host_.RegisterSite(surface_, *this);
}

QtControlSite::~QtControlSite() {
    control_.reset();
    host_.UnregisterSite(*this);
    surface_.AttachSite(nullptr);
}

void QtControlSite::PropertyChanged(std::string_view name) {
    if (onPropertyChanged) onPropertyChanged(name);
}

void QtControlSite::RaiseEvent(std::string_view name, std::span<Variant> args) {
    if (onEvent) onEvent(name, args);
}

void QtControlSite::SetWidth(double twips) { Resize(twips, height_); }
void QtControlSite::SetHeight(double twips) { Resize(width_, twips); }

void QtControlSite::Move(double left, double top, double width, double height) {
    surface_.move(TwipsToPixels(left, TwipsPerPixelX()), TwipsToPixels(top, TwipsPerPixelY()));
    Resize(width, height);
}

// The new size reaches the control at once, also while the surface is hidden (Qt would deliver
// its resize event only when it is shown).
void QtControlSite::Resize(double width, double height) {
    if (width == width_ && height == height_) return;
    width_ = width, height_ = height;
    const QSize pixels(std::max(TwipsToPixels(width, TwipsPerPixelX()), 0), std::max(TwipsToPixels(height, TwipsPerPixelY()), 0));
    notifiedSize_ = pixels;
    surface_.resize(pixels);
    if (control_) control_->UserControl_Resize();
}

void QtControlSite::SurfaceResized() {
    if (surface_.size() == notifiedSize_) return;
    notifiedSize_ = surface_.size();
    width_ = notifiedSize_.width() * TwipsPerPixelX();
    height_ = notifiedSize_.height() * TwipsPerPixelY();
    if (control_) control_->UserControl_Resize();
}

void QtControlSite::SetFocus() {
    // Like a form, the focus goes to the first child that can take it, else to the surface.
    for (QtNode* node : factory_.Nodes()) {
        QWidget* holder = node->Window() ? node->Window() : &node->HostLayer().HostWidget();
        if (node->TabStop() && node->ShownInHost() && node->EnabledInHost() && holder->isVisibleTo(&surface_)) {
            node->NodeSetFocus();
            return;
        }
    }
    surface_.setFocus(Qt::OtherFocusReason);
    host_.SyncFocus();
}

Widget* QtControlSite::ActiveChild() const {
    return host_.FocusedSite() == this ? host_.FocusedWidget() : nullptr;
}

FontRef QtControlSite::AmbientFont() const {
    const QWidget* container = surface_.parentWidget();
    return std::make_shared<FontObject>(FromQFont(container ? container->font() : QApplication::font()));
}

MessageResult QtControlSite::MsgBox(const MessageBoxRequest& request) { return host_.ShowMessageBox(request, &surface_); }

void QtControlSite::ClientToScreen(intptr_t window, ScreenPoint& point) {
    QPoint origin;
    if (!host_.ScreenOrigin(window, origin)) return;
    point.x += origin.x();
    point.y += origin.y();
}

// The child keeps its position numbers, now read in the new parent's client area, and is put
// over the parent's other children.
void QtControlSite::SetParent(intptr_t child, intptr_t newParent) {
    QWidget* widget = host_.WidgetOf(child);
    QWidget* parent = host_.WidgetOf(newParent);
    if (!widget || !parent || widget == parent) return;
    if (widget->parentWidget() != parent) {
        const QRect geometry = widget->geometry();
        const bool shown = !widget->isHidden();
        widget->setParent(parent);
        widget->setGeometry(geometry);
        widget->setVisible(shown);
    }
    widget->raise();
}

}  // namespace VemoCalendar
