#include "qt/backend/QtControlSite.h"

#include <QApplication>
#include <QResizeEvent>

#include "qt/backend/QtConvert.h"

namespace VemoCalendar {

// ---------------------------------------------------------------- Constituent frame

QtConstituentFrame::QtConstituentFrame(QWidget& ownerSurface, QWidget& surface)
    : QWidget(&ownerSurface), ownerSurface_(&ownerSurface), surface_(&surface) {}

QtConstituentFrame::~QtConstituentFrame() {
    if (!surface_ || surface_->parentWidget() != this) return;
    surface_->hide();
    surface_->setParent(ownerSurface_.data());
}

void QtConstituentFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (surface_ && surface_->parentWidget() == this) surface_->setGeometry(rect());
}

// ---------------------------------------------------------------- Parent form

namespace {
constexpr char kFormProperty[] = "vemoForm";
}

void QtParentForm::MarkAsForm(QWidget& widget) { widget.setProperty(kFormProperty, true); }

bool QtParentForm::IsForm(const QWidget& widget) { return widget.property(kFormProperty).toBool(); }

QWidget& QtParentForm::Window() const {
    for (QWidget* at = surface_.parentWidget(); at; at = at->parentWidget())
        if (IsForm(*at) || at->isWindow()) return *at;
    return *surface_.window();
}

double QtParentForm::ScaleWidth() const { return Window().width() * host_.TwipsPerPixelX(); }
double QtParentForm::ScaleHeight() const { return Window().height() * host_.TwipsPerPixelY(); }

// ---------------------------------------------------------------- Site

QtControlSite::QtControlSite(QtHost& host, QtControlSurface& surface, std::string name)
    : host_(host),
      surface_(surface),
      name_(std::move(name)),
      width_(surface.Widget().width() * host.TwipsPerPixelX()),
      height_(surface.Widget().height() * host.TwipsPerPixelY()),
      notifiedSize_(surface.Widget().size()),
      parent_(host, surface.Widget()),
      factory_(host, host, surface.Widget(), surface.Layer(), this) {
    Surface().setObjectName(ToQString(name_));
    surface_.AttachSite(this);
    host_.RegisterSite(Surface(), *this);
}

QtControlSurface& QtControlSite::NewConstituentSurface(QtControlSite& owner) {
    auto* surface = new QtSurfaceWidget;
    auto* frame = new QtConstituentFrame(owner.Surface(), *surface);
    frame->hide();
    surface->setParent(frame);
    surface->show();
    return surface->Surface();
}

QtControlSite::QtControlSite(QtControlSite& owner, const std::string& name, ConstituentEvents& events)
    : QtControlSite(owner.host_, NewConstituentSurface(owner), name) {
    window_.surface = static_cast<QtSurfaceWidget*>(&Surface());
    window_.frame = static_cast<QtConstituentFrame*>(Surface().parentWidget());
    window_.frame->setObjectName(ToQString(name));
    owner_ = &owner;
    events_ = &events;
}

QtControlSite::~QtControlSite() {
    owned_.reset();
    host_.UnregisterSite(*this);
    surface_.AttachSite(nullptr);
}

// The surface goes first, so that its frame has nothing left to hand back.
QtControlSite::OwnedWindow::~OwnedWindow() {
    delete surface.data();
    delete frame.data();
}

std::unique_ptr<ConstituentSite> QtControlSite::CreateConstituent(const std::string& name, ConstituentEvents& events) {
    return std::make_unique<QtControlSite>(*this, name, events);
}

QWidget& QtControlSite::Placement() const {
    if (window_.frame) return *window_.frame;
    return Surface();
}

// A constituent's owner tells the host about its own properties.
void QtControlSite::PropertyChanged(std::string_view name) {
    if (owner_) return;
    if (onPropertyChanged) onPropertyChanged(name);
}

void QtControlSite::RaiseEvent(std::string_view name, std::span<Variant> args) {
    if (events_) events_->ConstituentEvent(name, args);
    else if (onEvent) onEvent(name, args);
}

void QtControlSite::SetVisible(bool visible) {
    QWidget& placement = Placement();
    // A constituent hidden while it holds the keyboard hands it back to its owner rather than to
    // whatever control Qt would pick next, so the focus does not leave the owner on the way.
    if (!visible && owner_) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && (focus == &placement || placement.isAncestorOf(focus))) owner_->Surface().setFocus(Qt::OtherFocusReason);
    }
    placement.setVisible(visible);
}

void QtControlSite::SetWidth(double twips) { Resize(twips, height_); }
void QtControlSite::SetHeight(double twips) { Resize(width_, twips); }

void QtControlSite::Move(double left, double top, double width, double height) {
    Placement().move(TwipsToPixels(left, TwipsPerPixelX()), TwipsToPixels(top, TwipsPerPixelY()));
    Resize(width, height);
}

// The new size reaches the control at once, also while the surface is hidden (Qt would deliver
// its resize event only when it is shown).
void QtControlSite::Resize(double width, double height) {
    if (width == width_ && height == height_) return;
    width_ = width, height_ = height;
    const QSize pixels(std::max(TwipsToPixels(width, TwipsPerPixelX()), 0), std::max(TwipsToPixels(height, TwipsPerPixelY()), 0));
    notifiedSize_ = pixels;
    if (window_.frame) window_.frame->resize(pixels);
    Surface().resize(pixels);
    if (control_) control_->UserControl_Resize();
}

double QtControlSite::ScaleWidth() const {
    return std::max(0.0, width_ - (margins_.left() + margins_.right()) * TwipsPerPixelX());
}

double QtControlSite::ScaleHeight() const {
    return std::max(0.0, height_ - (margins_.top() + margins_.bottom()) * TwipsPerPixelY());
}

// The widgets' co-ordinates start at the contents rectangle's corner, so drawing, hit tests and
// the accessible rectangles all move with it.
void QtControlSite::ContentsMarginsChanged() {
    if (Surface().contentsMargins() == margins_) return;
    margins_ = Surface().contentsMargins();
    factory_.RootLayer().SetChildOrigin(QPoint(margins_.left(), margins_.top()));
    for (QtNode* node : factory_.Nodes())
        if (!node->ParentNode()) node->Reposition();
    Surface().update();
    if (control_) control_->UserControl_Resize();
}

void QtControlSite::SurfaceResized() {
    if (Surface().size() == notifiedSize_) return;
    notifiedSize_ = Surface().size();
    width_ = notifiedSize_.width() * TwipsPerPixelX();
    height_ = notifiedSize_.height() * TwipsPerPixelY();
    if (control_) control_->UserControl_Resize();
}

void QtControlSite::SetFocus() {
    // Like a form, the focus goes to the first child that can take it, else to the surface.
    for (QtNode* node : factory_.Nodes()) {
        QWidget* holder = node->Window() ? node->Window() : &node->HostLayer().HostWidget();
        if (node->TabStop() && node->ShownInHost() && node->EnabledInHost() && holder->isVisibleTo(&Surface())) {
            node->NodeSetFocus();
            return;
        }
    }
    Surface().setFocus(Qt::OtherFocusReason);
    host_.SyncFocus();
}

Widget* QtControlSite::ActiveChild() const {
    return host_.FocusedSite() == this ? host_.FocusedWidget() : nullptr;
}

FontRef QtControlSite::AmbientFont() const {
    const QWidget* container = Surface().parentWidget();
    return std::make_shared<FontObject>(FromQFont(container ? container->font() : QApplication::font()));
}

MessageResult QtControlSite::MsgBox(const MessageBoxRequest& request) { return host_.ShowMessageBox(request, &Surface()); }

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
