#include "qt/QtWidgets.h"

#include "qt/QtEventGuard.h"

#include <QApplication>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "host/ControlError.h"
#include "qt/QtConvert.h"
#include "qt/QtHost.h"

namespace VemoCalendar {
namespace {

// The classic three-dimensional edge colours.
const QColor kLight(255, 255, 255);
const QColor kShadow(128, 128, 128);

// Top and left edges in `topLeft`, bottom and right in `bottomRight`, `width` pixels deep.
void PaintBevel(QPainter& painter, QRect r, int width, const QColor& topLeft, const QColor& bottomRight) {
    for (int i = 0; i < width && r.width() > 1 && r.height() > 1; ++i) {
        painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), topLeft);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height() - 1), bottomRight);
        r.adjust(1, 1, -1, -1);
    }
}

// Alignment 0..8 in the order left-top, left-middle, left-bottom, right-..., center-...; any
// other value is centred.
int AlignmentFlags(int alignment) {
    if (alignment < 0 || alignment > 8) return Qt::AlignCenter;
    static constexpr int kHorizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    static constexpr int kVertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return kHorizontal[alignment / 3] | kVertical[alignment % 3];
}

}  // namespace

// ---------------------------------------------------------------- QtNode

QtNode::QtNode(QtWidgetFactory& factory, QtNode* parent, std::string name, int index)
    : name_(std::move(name)), index_(index), factory_(factory), parent_(parent) {
    if (parent_) parent_->children_.push_back(this);
}

QtNode::~QtNode() {
    if (window_) {
        factory_.Host().UnregisterNode(*window_);
        window_->blockSignals(true);
        delete window_;
    } else {
        HostLayer().Remove(*this);
    }
    if (parent_) parent_->RemoveChild(*this);
}

void QtNode::RemoveChild(QtNode& child) {
    children_.erase(std::remove(children_.begin(), children_.end(), &child), children_.end());
}

ElementLayer& QtNode::HostLayer() const {
    if (!parent_) return factory_.RootLayer();
    if (parent_->Window()) {
        if (ElementLayer* layer = parent_->Layer()) return *layer;
        throw std::logic_error("widget " + parent_->name_ + " cannot hold other widgets");
    }
    return parent_->HostLayer();
}

QPoint QtNode::ChildOriginFor(const QtNode* parent) const {
    if (!parent) return factory_.RootLayer().ChildOrigin();
    if (parent->Window()) return parent->window_ && const_cast<QtNode*>(parent)->Layer()
                                     ? const_cast<QtNode*>(parent)->Layer()->ChildOrigin()
                                     : QPoint();
    return parent->rect_.topLeft();
}

QRect QtNode::ComputeRect() const {
    const QPoint o = ChildOriginFor(parent_);
    if (parent_ && parent_->ChildrenInPixels())
        return QRect(o.x() + left_, o.y() + top_, std::max(width_, 0), std::max(height_, 0));
    const double tx = factory_.TwipsPerPixelX(), ty = factory_.TwipsPerPixelY();
    return QRect(o.x() + TwipsToPixels(left_, tx), o.y() + TwipsToPixels(top_, ty),
                 std::max(TwipsToPixels(width_, tx), 0), std::max(TwipsToPixels(height_, ty), 0));
}

void QtNode::Reposition() {
    const QRect old = rect_;
    rect_ = ComputeRect();
    if (rect_ == old) return;
    if (window_) {
        window_->setGeometry(rect_);
    } else if (ShownInHost()) {
        QWidget& host = HostLayer().HostWidget();
        host.update(old);
        host.update(rect_);
    }
    if (old.size() != rect_.size()) Resized();
    if (!window_ && old.topLeft() != rect_.topLeft())
        for (QtNode* child : children_) child->Reposition();
}

bool QtNode::ShownInHost() const {
    if (!visible_) return false;
    for (const QtNode* p = parent_; p && !p->window_; p = p->parent_)
        if (!p->visible_) return false;
    return true;
}

bool QtNode::EnabledInHost() const {
    if (!enabled_) return false;
    for (const QtNode* p = parent_; p && !p->window_; p = p->parent_)
        if (!p->enabled_) return false;
    return true;
}

void QtNode::Update() const {
    if (!window_ && !rect_.isEmpty() && ShownInHost()) HostLayer().HostWidget().update(rect_);
}

void QtNode::ApplyVisibility() {
    if (window_) {
        // A hide is applied once control returns to the event loop: a widget hidden and shown
        // again within one handler (as the layout pass does with its surface) is never taken
        // off the screen, so it neither repaints nor loses the focus it holds.
        if (ShownInHost()) {
            hidePending_ = false;
            if (window_->isHidden()) window_->show();
        } else if (!hidePending_ && !window_->isHidden()) {
            hidePending_ = true;
            QMetaObject::invokeMethod(window_, [this] {
                if (!hidePending_) return;
                hidePending_ = false;
                if (!ShownInHost()) window_->hide();
            }, Qt::QueuedConnection);
        }
        return;
    }
    if (!rect_.isEmpty()) HostLayer().HostWidget().update(rect_);
    for (QtNode* child : children_) child->ApplyVisibility();
}

void QtNode::ApplyEnabled() {
    if (window_) {
        window_->setEnabled(EnabledInHost());
        return;
    }
    Update();
    for (QtNode* child : children_) child->ApplyEnabled();
}

void QtNode::NodeMove(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left, top_ = top, width_ = width, height_ = height;
    Reposition();
}

void QtNode::NodeSetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    ApplyVisibility();
}

void QtNode::NodeSetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    ApplyEnabled();
}

void QtNode::NodeSetFocus() {
    if (!Focusable()) return;
    if (window_) {
        window_->setFocus(Qt::OtherFocusReason);
        factory_.FocusMovedWithin();
    } else {
        HostLayer().SetFocusElement(this);
    }
}

void QtNode::NodeBringToFront() {
    if (window_) {
        window_->raise();
        return;
    }
    if (parent_ && !parent_->window_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        siblings.push_back(this);
    } else {
        HostLayer().BringToFront(*this);
    }
    Update();
}

void QtNode::AdoptWindow(QWidget& widget) {
    window_ = &widget;
    widget.setObjectName(ToQString(name_));
    if (index_ >= 0) widget.setProperty("index", index_);
    factory_.Host().RegisterNode(widget, *this);
    rect_ = ComputeRect();
    widget.setGeometry(rect_);
    widget.setEnabled(EnabledInHost());
    widget.setVisible(ShownInHost());
}

static QWidget& HolderOf(QtNode* parent, QtWidgetFactory& factory) {
    if (!parent) return factory.Root();
    if (parent->Window()) return *parent->Window();
    return parent->HostLayer().HostWidget();
}

QPointF QtNode::LocalUnits(QPoint hostPoint) const {
    const QPoint local = hostPoint - rect_.topLeft();
    return {local.x() * factory_.TwipsPerPixelX(), local.y() * factory_.TwipsPerPixelY()};
}

MouseArgs QtNode::MouseArgsOf(QMouseEvent& event, bool held) const {
    const QPoint at = event.position().toPoint();
    QPointF units;
    if (!window_) units = LocalUnits(at);
    else if (ChildrenInPixels()) units = at;
    else units = QPointF(at.x() * factory_.TwipsPerPixelX(), at.y() * factory_.TwipsPerPixelY());
    return {MouseButtonsOf(event, held), ShiftOf(event.modifiers()), static_cast<float>(units.x()),
            static_cast<float>(units.y())};
}

void QtNode::OnMousePress(QMouseEvent& event) {
    clickArmed_ = event.button() == Qt::LeftButton;
    MouseArgs args = MouseArgsOf(event, false);
    if (auto& h = AsWidget().Events().MouseDown) h(args);
}

void QtNode::OnMouseDoubleClick(QMouseEvent& event) {
    clickArmed_ = false;
    if (event.button() != Qt::LeftButton) return;
    if (auto& h = AsWidget().Events().DblClick) h();
}

void QtNode::OnMouseMove(QMouseEvent& event, bool) {
    MouseArgs args = MouseArgsOf(event, true);
    if (auto& h = AsWidget().Events().MouseMove) h(args);
}

void QtNode::OnMouseRelease(QMouseEvent& event) {
    MouseArgs args = MouseArgsOf(event, false);
    const bool click = clickArmed_ && event.button() == Qt::LeftButton && rect_.contains(event.position().toPoint());
    if (event.button() == Qt::LeftButton) clickArmed_ = false;
    if (auto& h = AsWidget().Events().MouseUp) h(args);
    if (click)
        if (auto& h = AsWidget().Events().Click) h();
}

void QtNode::OnKeyPress(QKeyEvent& event) {
    KeyArgs args{KeyCodeOf(event), ShiftOf(event.modifiers())};
    if (auto& h = AsWidget().Events().KeyDown) h(args);
    int16_t keyAscii = KeyAsciiOf(event);
    if (keyAscii != 0)
        if (auto& h = AsWidget().Events().KeyPress) h(keyAscii);
}

void QtNode::OnKeyRelease(QKeyEvent& event) {
    if (event.isAutoRepeat()) return;
    KeyArgs args{KeyCodeOf(event), ShiftOf(event.modifiers())};
    if (auto& h = AsWidget().Events().KeyUp) h(args);
}

// ---------------------------------------------------------------- QtPanel

QtPanel::QtPanel(QtWidgetFactory& factory, QtNode* parent, std::string name, int index)
    : QtWidgetBase(factory, parent, std::move(name), index), qfont_(ToQFont(font_)) {}

void QtPanel::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    text_ = ToQString(caption);
    Update();
}

void QtPanel::SetFont(const FontObject& font) {
    if (font == font_) return;
    font_ = font;
    FontChanged();
}

void QtPanel::SetFontBold(bool bold) {
    if (bold == font_.bold) return;
    font_.bold = bold;
    FontChanged();
}

void QtPanel::FontChanged() {
    qfont_ = ToQFont(font_);
    Update();
}

void QtPanel::Paint(QPainter& painter) {
    const QRect r = rect_;
    if (r.isEmpty()) return;
    const QPalette& palette = HostLayer().HostWidget().palette();
    painter.fillRect(r, ToQColor(backColor_, palette));
    int edge = 0;
    if (bevelOuter_ == 1) PaintBevel(painter, r, edge = 1, kShadow, kLight);
    else if (bevelOuter_ == 2) PaintBevel(painter, r, edge = 1, kLight, kShadow);
    if (text_.isEmpty()) return;
    const QRect inner = r.adjusted(edge + 1, edge, -edge - 1, -edge);
    const int flags = AlignmentFlags(alignment_) | Qt::TextSingleLine;
    painter.setFont(qfont_);
    if (!EnabledInHost()) {
        painter.setPen(kLight);
        painter.drawText(inner.translated(1, 1), flags, text_);
        painter.setPen(kShadow);
    } else {
        painter.setPen(ToQColor(foreColor_, palette));
    }
    painter.drawText(inner, flags, text_);
}

// ---------------------------------------------------------------- QtCommandButton

QtCommandButton::QtCommandButton(QtWidgetFactory& factory, QtNode* parent, std::string name, int index)
    : QtWidgetBase(factory, parent, std::move(name), index),
      qfont_(ToQFont(font_)),
      handle_(factory.Host().NewElementHandle(*this)) {}

QtCommandButton::~QtCommandButton() { factory_.Host().ReleaseHandle(handle_); }

void QtCommandButton::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    text_ = ToQString(caption);
    Update();
}

void QtCommandButton::SetFont(const FontObject& font) {
    if (font == font_) return;
    font_ = font;
    qfont_ = ToQFont(font_);
    Update();
}

void QtCommandButton::SetPicture(PictureRef picture) {
    picture_ = std::move(picture);
    image_ = picture_ ? ToQImage(*picture_) : QImage();
    FitToPicture();
    Update();
}

void QtCommandButton::SetMouseIcon(PictureRef picture) {
    mouseIcon_ = std::move(picture);
    if (mousePointer_ == 99 && HostLayer().HostWidget().underMouse()) HostLayer().HostWidget().setCursor(Cursor());
}

// The widget's own range checks, as the three-dimensional button reports them.
void QtCommandButton::SetBevelWidth(int16_t width) {
    if (width < 0 || width > 10) ThrowInvalidPropertyValue();
    if (Assign(bevelWidth_, width)) FitToPicture();
}

void QtCommandButton::SetOutline(bool outline) {
    if (Assign(outline_, outline)) FitToPicture();
}

void QtCommandButton::SetAutoSize(int mode) {
    if (mode < 0 || mode > 2) ThrowInvalidPropertyValue();
    if (Assign(autoSize_, mode)) FitToPicture();
}

void QtCommandButton::SetFont3D(int style) {
    if (style < 0 || style > 4) ThrowInvalidPropertyValue();
    Assign(font3D_, style);
}

void QtCommandButton::SetMousePointer(int pointer) {
    if ((pointer < 0 || pointer > 15) && pointer != 99) ThrowInvalidPropertyValue();
    mousePointer_ = pointer;
}

QCursor QtCommandButton::Cursor() const { return CursorOf(mousePointer_, mouseIcon_); }

// "Button to picture": the button takes the picture's size plus its frame on each side.
void QtCommandButton::FitToPicture() {
    if (autoSize_ != 2 || image_.isNull()) return;
    const int w = image_.width() + 2 * Frame(), h = image_.height() + 2 * Frame();
    if (parent_ && parent_->ChildrenInPixels()) {
        NodeMove(left_, top_, w, h);
    } else {
        NodeMove(left_, top_, static_cast<int>(std::nearbyint(w * factory_.TwipsPerPixelX())),
                 static_cast<int>(std::nearbyint(h * factory_.TwipsPerPixelY())));
    }
}

void QtCommandButton::Paint(QPainter& painter) {
    const QRect r = rect_;
    if (r.isEmpty()) return;
    const QPalette& palette = HostLayer().HostWidget().palette();
    const QColor face = palette.color(QPalette::Button);
    const bool round = roundedCorners_ && r.width() > 2 && r.height() > 2;
    if (round) {
        // Corners are left to the holder, which shows through them.
        painter.fillRect(r.adjusted(1, 0, -1, 0), face);
        painter.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), face);
        painter.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), face);
    } else {
        painter.fillRect(r, face);
    }
    QRect inner = r;
    if (outline_ && r.width() > 2 && r.height() > 2) {
        const QColor line(0, 0, 0);
        const int c = round ? 1 : 0;
        painter.fillRect(QRect(r.left() + c, r.top(), r.width() - 2 * c, 1), line);
        painter.fillRect(QRect(r.left() + c, r.bottom(), r.width() - 2 * c, 1), line);
        painter.fillRect(QRect(r.left(), r.top() + c, 1, r.height() - 2 * c), line);
        painter.fillRect(QRect(r.right(), r.top() + c, 1, r.height() - 2 * c), line);
        inner.adjust(1, 1, -1, -1);
    }
    if (pressed_) PaintBevel(painter, inner, std::max<int>(1, bevelWidth_ / 2), kShadow, face);
    else PaintBevel(painter, inner, bevelWidth_, kLight, kShadow);
    QRect content = inner.adjusted(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
    if (pressed_) content.translate(1, 1);

    if (!image_.isNull()) {
        if (autoSize_ == 1) {
            painter.drawImage(content, image_);
        } else {
            const QRect at(QPoint(content.center().x() - image_.width() / 2 + 1, content.center().y() - image_.height() / 2 + 1),
                           image_.size());
            painter.drawImage(at, image_);
        }
    }
    const bool focused = HostLayer().FocusElement() == this && HostLayer().HostWidget().hasFocus();
    if (!text_.isEmpty()) {
        painter.setFont(qfont_);
        const int flags = Qt::AlignCenter | Qt::TextSingleLine;
        const QColor text = EnabledInHost() ? ToQColor(foreColor_, palette) : kShadow;
        // The five text effects: none; raised with a light, or a light and a dark, copy; inset likewise.
        const int direction = font3D_ == 1 || font3D_ == 2 ? -1 : 1;
        if (font3D_ != 0) {
            painter.setPen(kLight);
            painter.drawText(content.translated(direction, direction), flags, text_);
            if (font3D_ == 2 || font3D_ == 4) {
                painter.setPen(kShadow);
                painter.drawText(content.translated(-direction, -direction), flags, text_);
            }
        }
        painter.setPen(text);
        painter.drawText(content, flags, text_);
    }
    if (focused && content.width() > 4 && content.height() > 4) {
        QPen pen(QColor(0, 0, 0), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(content.adjusted(1, 1, -2, -2));
    }
}

void QtCommandButton::OnMousePress(QMouseEvent& event) {
    if (event.button() == Qt::LeftButton) {
        NodeSetFocus();
        mouseDown_ = true;
        pressed_ = true;
        Update();
    }
    MouseArgs args = MouseArgsOf(event, false);
    if (auto& h = Events().MouseDown) h(args);
}

// A button has no double-click: the second press is a press like the first.
void QtCommandButton::OnMouseDoubleClick(QMouseEvent& event) { OnMousePress(event); }

void QtCommandButton::OnMouseMove(QMouseEvent& event, bool captured) {
    if (mouseDown_ && captured) {
        const bool inside = rect_.contains(event.position().toPoint());
        if (inside != pressed_) {
            pressed_ = inside;
            Update();
        }
    }
    MouseArgs args = MouseArgsOf(event, true);
    if (auto& h = Events().MouseMove) h(args);
}

void QtCommandButton::OnMouseRelease(QMouseEvent& event) {
    bool click = false;
    if (event.button() == Qt::LeftButton && mouseDown_) {
        mouseDown_ = false;
        click = pressed_;
        pressed_ = false;
        Update();
    }
    MouseArgs args = MouseArgsOf(event, false);
    if (auto& h = Events().MouseUp) h(args);
    if (click)
        if (auto& h = Events().Click) h();
}

void QtCommandButton::OnKeyPress(QKeyEvent& event) {
    KeyArgs args{KeyCodeOf(event), ShiftOf(event.modifiers())};
    if (auto& h = Events().KeyDown) h(args);
    if (event.key() == Qt::Key_Space && !event.isAutoRepeat()) {
        spaceDown_ = true;
        pressed_ = true;
        Update();
    }
    int16_t keyAscii = KeyAsciiOf(event);
    if (keyAscii != 0)
        if (auto& h = Events().KeyPress) h(keyAscii);
}

void QtCommandButton::OnKeyRelease(QKeyEvent& event) {
    if (event.isAutoRepeat()) return;
    KeyArgs args{KeyCodeOf(event), ShiftOf(event.modifiers())};
    if (auto& h = Events().KeyUp) h(args);
    if (event.key() == Qt::Key_Space && spaceDown_) {
        spaceDown_ = false;
        pressed_ = false;
        Update();
        if (auto& h = Events().Click) h();
    }
}

// ---------------------------------------------------------------- Label, image, line

QtLabel::QtLabel(QtWidgetFactory& factory, QtNode* parent, std::string name, int index)
    : QtWidgetBase(factory, parent, std::move(name), index), qfont_(ToQFont(font_)) {}

void QtLabel::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    text_ = ToQString(caption);
    Update();
}

void QtLabel::SetFont(const FontObject& font) {
    if (font == font_) return;
    font_ = font;
    qfont_ = ToQFont(font_);
    Update();
}

void QtLabel::Paint(QPainter& painter) {
    if (text_.isEmpty() || rect_.isEmpty()) return;
    const QPalette& palette = HostLayer().HostWidget().palette();
    painter.setFont(qfont_);
    painter.setPen(EnabledInHost() ? ToQColor(foreColor_, palette) : kShadow);
    painter.drawText(rect_, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_);
}

void QtImage::SetPicture(PictureRef picture) {
    picture_ = std::move(picture);
    image_ = picture_ ? ToQImage(*picture_) : QImage();
    Update();
}

void QtImage::Paint(QPainter& painter) {
    if (image_.isNull() || rect_.isEmpty()) return;
    painter.save();
    painter.setClipRect(rect_, Qt::IntersectClip);
    painter.drawImage(rect_.topLeft(), image_);
    painter.restore();
}

void QtLine::SetPoints(int x1, int y1, int x2, int y2) {
    if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) return;
    Update();
    x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
    Reposition();
    Update();
}

QPoint QtLine::PixelPoint(int x, int y) const {
    const QPoint o = ChildOriginFor(parent_);
    if (parent_ && parent_->ChildrenInPixels()) return o + QPoint(x, y);
    return o + QPoint(TwipsToPixels(x, factory_.TwipsPerPixelX()), TwipsToPixels(y, factory_.TwipsPerPixelY()));
}

QRect QtLine::ComputeRect() const { return QRect(PixelPoint(x1_, y1_), PixelPoint(x2_, y2_)).normalized(); }

void QtLine::Paint(QPainter& painter) {
    const QPalette& palette = HostLayer().HostWidget().palette();
    painter.setPen(QPen(ToQColor(color_, palette), 1));
    painter.drawLine(PixelPoint(x1_, y1_), PixelPoint(x2_, y2_));
}

// ---------------------------------------------------------------- Picture surface

class QtPictureWidget : public ElementHostWidget<QWidget> {
public:
    QtPictureWidget(QtPictureSurface& owner, QWidget& parent) : ElementHostWidget(&parent), owner_(owner) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void PaintBackground(QPainter& painter, const QRect& dirty) override {
        painter.fillRect(dirty, palette().color(QPalette::Button));
        if (owner_.border_) {
            painter.setPen(palette().color(QPalette::Shadow));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    QtPictureSurface& owner_;
};

QtPictureSurface::QtPictureSurface(QtWidgetFactory& factory, QtNode* parent, std::string name)
    : QtWidgetBase(factory, parent, std::move(name), -1) {
    widget_ = new QtPictureWidget(*this, HolderOf(parent, factory));
    widget_->Layer().SetSink(this);
    AdoptWindow(*widget_);
    clientWidth_ = ClientWidth();
    clientHeight_ = ClientHeight();
}

ElementLayer* QtPictureSurface::Layer() { return &widget_->Layer(); }

int QtPictureSurface::ClientWidth() const { return std::max(rect_.width() - (border_ ? 2 : 0), 0); }
int QtPictureSurface::ClientHeight() const { return std::max(rect_.height() - (border_ ? 2 : 0), 0); }

void QtPictureSurface::SetBorder(bool singleLine) {
    if (singleLine == border_) return;
    border_ = singleLine;
    widget_->Layer().SetChildOrigin(border_ ? QPoint(1, 1) : QPoint());
    widget_->update();
    for (QtNode* child : children_) child->Reposition();
    NotifyIfClientChanged(clientWidth_, clientHeight_);
}

void QtPictureSurface::Resized() { NotifyIfClientChanged(clientWidth_, clientHeight_); }

void QtPictureSurface::NotifyIfClientChanged(int oldWidth, int oldHeight) {
    clientWidth_ = ClientWidth();
    clientHeight_ = ClientHeight();
    if ((clientWidth_ != oldWidth || clientHeight_ != oldHeight) && Events().Resize) Events().Resize();
}

QPointF QtPictureSurface::SinkUnits(QPoint hostPoint) const { return hostPoint - widget_->Layer().ChildOrigin(); }
void QtPictureSurface::SinkMouseDown(MouseArgs& args) { if (Events().MouseDown) Events().MouseDown(args); }
void QtPictureSurface::SinkMouseMove(MouseArgs& args) { if (Events().MouseMove) Events().MouseMove(args); }
void QtPictureSurface::SinkMouseUp(MouseArgs& args) { if (Events().MouseUp) Events().MouseUp(args); }
void QtPictureSurface::SinkClick() { if (Events().Click) Events().Click(); }
void QtPictureSurface::SinkDblClick() { if (Events().DblClick) Events().DblClick(); }
void QtPictureSurface::SinkKeyDown(KeyArgs& args) { if (Events().KeyDown) Events().KeyDown(args); }
void QtPictureSurface::SinkKeyPress(int16_t& keyAscii) { if (Events().KeyPress) Events().KeyPress(keyAscii); }
void QtPictureSurface::SinkKeyUp(KeyArgs& args) { if (Events().KeyUp) Events().KeyUp(args); }

// ---------------------------------------------------------------- Plain Qt widgets

bool QtRealNode::eventFilter(QObject* watched, QEvent* event) {
    bool consumed = false;
    GuardQtEvent([&] { consumed = FilterEvent(watched, event); });
    return consumed;
}

bool QtRealNode::FilterEvent(QObject* watched, QEvent* event) {
    WidgetHandlers& h = node_.AsWidget().Events();
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto& mouse = static_cast<QMouseEvent&>(*event);
            clickArmed_ = mouse.button() == Qt::LeftButton;
            MouseArgs args = node_.MouseArgsOf(mouse, false);
            if (h.MouseDown) h.MouseDown(args);
            break;
        }
        case QEvent::MouseButtonDblClick: {
            auto& mouse = static_cast<QMouseEvent&>(*event);
            clickArmed_ = false;
            if (mouse.button() == Qt::LeftButton && h.DblClick) h.DblClick();
            break;
        }
        case QEvent::MouseMove: {
            MouseArgs args = node_.MouseArgsOf(static_cast<QMouseEvent&>(*event), true);
            if (h.MouseMove) h.MouseMove(args);
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto& mouse = static_cast<QMouseEvent&>(*event);
            MouseArgs args = node_.MouseArgsOf(mouse, false);
            const bool click = clickOnRelease_ && clickArmed_ && mouse.button() == Qt::LeftButton &&
                               node_.Window()->rect().contains(mouse.position().toPoint());
            if (mouse.button() == Qt::LeftButton) clickArmed_ = false;
            if (h.MouseUp) h.MouseUp(args);
            if (click && h.Click) h.Click();
            break;
        }
        case QEvent::KeyPress: {
            if (forwarding_) break;
            auto& key = static_cast<QKeyEvent&>(*event);
            KeyArgs args{KeyCodeOf(key), ShiftOf(key.modifiers())};
            if (h.KeyDown) h.KeyDown(args);
            const int16_t typed = KeyAsciiOf(key);
            if (typed == 0 || !h.KeyPress) break;
            int16_t keyAscii = typed;
            h.KeyPress(keyAscii);
            if (keyAscii == 0) return true;  // swallowed: the widget never sees it
            if (keyAscii != typed) {
                // The handler typed another character in its place.
                const QString text(QChar(static_cast<char16_t>(keyAscii)));
                QKeyEvent replaced(QEvent::KeyPress, keyAscii < 32 ? key.key() : Qt::Key_unknown, key.modifiers(), text);
                forwarding_ = true;
                QCoreApplication::sendEvent(watched, &replaced);
                forwarding_ = false;
                return true;
            }
            break;
        }
        case QEvent::KeyRelease: {
            auto& key = static_cast<QKeyEvent&>(*event);
            if (key.isAutoRepeat()) break;
            KeyArgs args{KeyCodeOf(key), ShiftOf(key.modifiers())};
            if (h.KeyUp) h.KeyUp(args);
            break;
        }
        default: break;
    }
    return false;
}

QtTextBox::QtTextBox(QtWidgetFactory& factory, QtNode* parent, std::string name)
    : QtWidgetBase(factory, parent, std::move(name), -1), edit_(new QLineEdit(&HolderOf(parent, factory))), filter_(*this, true) {
    edit_->setMaxLength(32767);
    edit_->installEventFilter(&filter_);
    QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this](const QString& text) {
        DeliverSignal(settingFromCode_, [&] {
            text_ = FromQString(text);
            if (Events().Change) Events().Change();
        });
    });
    AdoptWindow(*edit_);
}

void QtTextBox::SetText(const std::string& text) {
    if (text == text_) return;
    const int start = SelStart();
    const SettingFromCode fromCode(settingFromCode_);
    edit_->setText(ToQString(text));
    text_ = text;  // also when the box shortened it
    edit_->setCursorPosition(std::min(start, static_cast<int>(edit_->text().size())));
}

void QtTextBox::SetMaxLength(int length) {
    maxLength_ = length < 0 ? 0 : length;
    edit_->setMaxLength(maxLength_ == 0 ? 32767 : maxLength_);
}

int QtTextBox::SelStart() const { return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition(); }

void QtTextBox::SetSelStart(int start) {
    edit_->deselect();
    edit_->setCursorPosition(std::clamp(start, 0, static_cast<int>(edit_->text().size())));
}

int QtTextBox::SelLength() const { return edit_->hasSelectedText() ? edit_->selectionLength() : 0; }

void QtTextBox::SetSelLength(int length) {
    const int start = SelStart();
    const int clamped = std::clamp(length, 0, static_cast<int>(edit_->text().size()) - start);
    if (clamped == 0) edit_->setCursorPosition(start);
    else edit_->setSelection(start, clamped);
}

void QtTextBox::SetFont(const FontObject& font) {
    if (font == font_) return;
    font_ = font;
    edit_->setFont(ToQFont(font));
}

QtDropDownList::QtDropDownList(QtWidgetFactory& factory, QtNode* parent, std::string name)
    : QtWidgetBase(factory, parent, std::move(name), -1), combo_(new QComboBox(&HolderOf(parent, factory))), filter_(*this, false) {
    combo_->installEventFilter(&filter_);
    // One path for the user's choice and for an index set from code, as a list box reports both.
    QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_,
                     [this](int index) { DeliverSignal(settingFromCode_, [&] { IndexChanged(index); }); });
    AdoptWindow(*combo_);
}

void QtDropDownList::Clear() {
    const QSignalBlocker block(combo_);
    combo_->clear();
    items_.clear();
    listIndex_ = -1;
}

void QtDropDownList::AddItem(const std::string& item) {
    const QSignalBlocker block(combo_);
    items_.push_back(item);
    combo_->addItem(ToQString(item));
    // A Qt combo box selects its first item by itself; a list keeps no selection until asked.
    if (combo_->currentIndex() != listIndex_) combo_->setCurrentIndex(listIndex_);
}

const std::string& QtDropDownList::List(int index) const {
    if (index < 0 || index >= ListCount()) ThrowInvalidPropertyValue();
    return items_[static_cast<size_t>(index)];
}

void QtDropDownList::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) ThrowInvalidPropertyValue();
    if (index == listIndex_) return;
    const SettingFromCode fromCode(settingFromCode_);
    combo_->setCurrentIndex(index);
}

void QtDropDownList::IndexChanged(int index) {
    if (index == listIndex_) return;
    listIndex_ = index;
    if (Events().Click) Events().Click();
}

void QtDropDownList::SetFont(const FontObject& font) {
    if (font == font_) return;
    font_ = font;
    combo_->setFont(ToQFont(font));
}

class QtFrameWidget : public ElementHostWidget<QGroupBox> {
public:
    explicit QtFrameWidget(QWidget& parent) : ElementHostWidget(&parent) {}
};

QtFrame::QtFrame(QtWidgetFactory& factory, QtNode* parent, std::string name, int index)
    : QtWidgetBase(factory, parent, std::move(name), index) {
    widget_ = new QtFrameWidget(HolderOf(parent, factory));
    widget_->Layer().SetSink(this);
    AdoptWindow(*widget_);
}

ElementLayer* QtFrame::Layer() { return &widget_->Layer(); }

void QtFrame::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    widget_->setTitle(ToQString(caption));
}

QPointF QtFrame::SinkUnits(QPoint hostPoint) const {
    return {hostPoint.x() * factory_.TwipsPerPixelX(), hostPoint.y() * factory_.TwipsPerPixelY()};
}
void QtFrame::SinkMouseDown(MouseArgs& args) { if (Events().MouseDown) Events().MouseDown(args); }
void QtFrame::SinkMouseMove(MouseArgs& args) { if (Events().MouseMove) Events().MouseMove(args); }
void QtFrame::SinkMouseUp(MouseArgs& args) { if (Events().MouseUp) Events().MouseUp(args); }
void QtFrame::SinkClick() { if (Events().Click) Events().Click(); }
void QtFrame::SinkDblClick() { if (Events().DblClick) Events().DblClick(); }

QtCheckBox::QtCheckBox(QtWidgetFactory& factory, QtNode* parent, std::string name, int index)
    : QtWidgetBase(factory, parent, std::move(name), index), box_(new QCheckBox(&HolderOf(parent, factory))), filter_(*this, false) {
    box_->installEventFilter(&filter_);
    QObject::connect(box_, &QCheckBox::stateChanged, box_,
                     [this](int state) { DeliverSignal(settingFromCode_, [&] { StateChanged(state); }); });
    AdoptWindow(*box_);
}

void QtCheckBox::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    box_->setText(ToQString(caption));
}

void QtCheckBox::SetValue(int value) {
    if (value < 0 || value > 2) ThrowInvalidPropertyValue();
    if (value == value_) return;
    const SettingFromCode fromCode(settingFromCode_);
    if (value == 2) box_->setTristate(true);
    box_->setCheckState(value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked);
}

void QtCheckBox::StateChanged(int state) {
    const int value = state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
    if (value == value_) return;
    value_ = value;
    if (Events().Click) Events().Click();
}

QtOptionButton::QtOptionButton(QtWidgetFactory& factory, QtNode* parent, std::string name, int index)
    : QtWidgetBase(factory, parent, std::move(name), index), button_(new QRadioButton(&HolderOf(parent, factory))), filter_(*this, false) {
    button_->installEventFilter(&filter_);
    QObject::connect(button_, &QRadioButton::toggled, button_,
                     [this](bool checked) { DeliverSignal(settingFromCode_, [&] { Toggled(checked); }); });
    AdoptWindow(*button_);
}

void QtOptionButton::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    button_->setText(ToQString(caption));
}

void QtOptionButton::SetValue(bool value) {
    if (value == value_) return;
    const SettingFromCode fromCode(settingFromCode_);
    button_->setChecked(value);
}

void QtOptionButton::Toggled(bool checked) {
    if (checked == value_) return;
    value_ = checked;
    if (checked && Events().Click) Events().Click();
}

QtPushButton::QtPushButton(QtWidgetFactory& factory, QtNode* parent, std::string name)
    : QtWidgetBase(factory, parent, std::move(name), -1), button_(new QPushButton(&HolderOf(parent, factory))), filter_(*this, false) {
    button_->installEventFilter(&filter_);
    QObject::connect(button_, &QPushButton::clicked, button_, [this] {
        GuardQtEvent([this] {
            if (Events().Click) Events().Click();
        });
    });
    AdoptWindow(*button_);
}

void QtPushButton::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    button_->setText(ToQString(caption));
}

void QtPushButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    button_->setDefault(isDefault);
    button_->setAutoDefault(isDefault);
}

// ---------------------------------------------------------------- Factory

QtWidgetFactory::QtWidgetFactory(QtHost& host, const ScreenMetrics& metrics, QWidget& root, ElementLayer& rootLayer,
                                 QtControlSite* site)
    : host_(host), metrics_(metrics), root_(root), rootLayer_(rootLayer), site_(site) {}

QtWidgetFactory::~QtWidgetFactory() {
    while (!nodes_.empty()) nodes_.pop_back();
}

template <class T, class... Args>
T& QtWidgetFactory::Add(Widget* parent, Args&&... args) {
    QtNode* parentNode = parent ? &Node(*parent) : nullptr;
    auto node = std::make_unique<T>(*this, parentNode, std::forward<Args>(args)...);
    T& ref = *node;
    if (!ref.Window()) {
        if (!parentNode || parentNode->Window()) ref.HostLayer().Add(ref);
        // A windowless button is reached by Tab through the widget that draws it.
        if (ref.Focusable()) {
            QWidget& holder = ref.HostLayer().HostWidget();
            if (!(holder.focusPolicy() & Qt::TabFocus))
                holder.setFocusPolicy(static_cast<Qt::FocusPolicy>(holder.focusPolicy() | Qt::TabFocus));
        }
        ref.Reposition();
    }
    nodes_.push_back(std::move(node));
    return ref;
}

Panel& QtWidgetFactory::CreatePanel(Widget* parent, const std::string& name, int index) {
    return Add<QtPanel>(parent, name, index);
}
CommandButton& QtWidgetFactory::CreateCommandButton(Widget* parent, const std::string& name, int index) {
    return Add<QtCommandButton>(parent, name, index);
}
PictureSurface& QtWidgetFactory::CreatePictureSurface(Widget* parent, const std::string& name) {
    return Add<QtPictureSurface>(parent, name);
}
TextBox& QtWidgetFactory::CreateTextBox(Widget* parent, const std::string& name) { return Add<QtTextBox>(parent, name); }
DropDownList& QtWidgetFactory::CreateDropDownList(Widget* parent, const std::string& name) {
    return Add<QtDropDownList>(parent, name);
}
Label& QtWidgetFactory::CreateLabel(Widget* parent, const std::string& name, int index) {
    return Add<QtLabel>(parent, name, index);
}
Frame& QtWidgetFactory::CreateFrame(Widget* parent, const std::string& name, int index) {
    return Add<QtFrame>(parent, name, index);
}
CheckBox& QtWidgetFactory::CreateCheckBox(Widget* parent, const std::string& name, int index) {
    return Add<QtCheckBox>(parent, name, index);
}
OptionButton& QtWidgetFactory::CreateOptionButton(Widget* parent, const std::string& name, int index) {
    return Add<QtOptionButton>(parent, name, index);
}
Image& QtWidgetFactory::CreateImage(Widget* parent, const std::string& name) { return Add<QtImage>(parent, name, -1); }
Line& QtWidgetFactory::CreateLine(Widget* parent, const std::string& name, int index) {
    return Add<QtLine>(parent, name, index);
}
PushButton& QtWidgetFactory::CreatePushButton(Widget* parent, const std::string& name) {
    return Add<QtPushButton>(parent, name);
}

Widget* QtWidgetFactory::Find(const std::string& name, int index) const {
    for (const auto& node : nodes_)
        if (node->name_ == name && node->index_ == index) return &node->AsWidget();
    return nullptr;
}

std::vector<QtNode*> QtWidgetFactory::Nodes() const {
    std::vector<QtNode*> all;
    for (const auto& node : nodes_) all.push_back(node.get());
    return all;
}

void QtWidgetFactory::FocusMovedWithin() { host_.SyncFocus(); }

}  // namespace VemoCalendar
