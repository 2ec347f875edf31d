#pragma once
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QWidget>
#include <utility>
#include <vector>

#include "host/WidgetEvents.h"
#include "qt/backend/QtEventGuard.h"

namespace VemoCalendar {

class QtNode;

// Where input goes that no windowless child takes: the host widget's own notifications.
class InputSink {
public:
    virtual ~InputSink() = default;
    // Converts a point of the host widget into the sink's own units.
    virtual QPointF SinkUnits(QPoint hostPoint) const = 0;
    virtual void SinkMouseDown(MouseArgs& args) = 0;
    virtual void SinkMouseMove(MouseArgs& args) = 0;
    virtual void SinkMouseUp(MouseArgs& args) = 0;
    virtual void SinkClick() = 0;
    virtual void SinkDblClick() = 0;
    virtual void SinkKeyDown(KeyArgs& args) = 0;
    virtual void SinkKeyPress(int16_t& keyAscii) = 0;
    virtual void SinkKeyUp(KeyArgs& args) = 0;
    // A press on the surface itself: the control's surface takes the focus, a picture does not.
    virtual void SinkPressed() {}
};

// An input sink that hands what reaches it to a widget's own handlers.
class HandlerSink : public InputSink {
protected:
    virtual WidgetHandlers& SinkHandlers() = 0;
    void SinkMouseDown(MouseArgs& args) override {
        if (auto& h = SinkHandlers().MouseDown) h(args);
    }
    void SinkMouseMove(MouseArgs& args) override {
        if (auto& h = SinkHandlers().MouseMove) h(args);
    }
    void SinkMouseUp(MouseArgs& args) override {
        if (auto& h = SinkHandlers().MouseUp) h(args);
    }
    void SinkClick() override {
        if (auto& h = SinkHandlers().Click) h();
    }
    void SinkDblClick() override {
        if (auto& h = SinkHandlers().DblClick) h();
    }
    void SinkKeyDown(KeyArgs& args) override {
        if (auto& h = SinkHandlers().KeyDown) h(args);
    }
    void SinkKeyPress(int16_t& keyAscii) override {
        if (auto& h = SinkHandlers().KeyPress) h(keyAscii);
    }
    void SinkKeyUp(KeyArgs& args) override {
        if (auto& h = SinkHandlers().KeyUp) h(args);
    }
};

// The windowless children of one real widget: panels, command buttons, labels, images and lines
// are drawn by the widget that holds them and get their input from it. This keeps a calendar at
// a handful of native widgets however many cells it shows.
class ElementLayer {
public:
    explicit ElementLayer(QWidget& widget) : widget_(widget) {}
    ElementLayer(const ElementLayer&) = delete;
    ElementLayer& operator=(const ElementLayer&) = delete;

    QWidget& HostWidget() const { return widget_; }
    void SetSink(InputSink* sink) { sink_ = sink; }
    // Where the children's co-ordinates start inside the widget (a border moves it).
    QPoint ChildOrigin() const { return origin_; }
    void SetChildOrigin(QPoint origin) { origin_ = origin; }

    void Add(QtNode& node);
    void Remove(QtNode& node);
    // Real children whose QWidgets are made once this widget is shown.
    void Await(QtNode& node) { awaiting_.push_back(&node); }
    void StopAwaiting(QtNode& node);
    void HostShown();
    void BringToFront(QtNode& node);
    // The windowless child that has the keyboard while the host widget has the focus.
    QtNode* FocusElement() const { return focus_; }
    void SetFocusElement(QtNode* node);
    void Forget(QtNode& node);

    // Schedules a repaint of `rect`. The rectangles asked for until the next paint are joined
    // into one: a grid fill then repaints under one clip rectangle, not a region of many.
    void Invalidate(const QRect& rect);
    void Paint(QPainter& painter, const QRect& dirty);
    // The host widget's palette, looked up once per paint.
    const QPalette& Palette() const { return painting_ ? *painting_ : widget_.palette(); }
    // Gives the painter of the paint under way `font`, unless it was the last one given: widgets
    // drawn one after another mostly share one, and comparing two QFonts costs more than drawing
    // a day's number. A painter's restore() takes the font back, so it forgets it.
    void UseFont(QPainter& painter, const QFont& font);
    void PainterRestored() { painterFont_ = nullptr; }
    bool MousePress(QMouseEvent& event);
    bool MouseDoubleClick(QMouseEvent& event);
    bool MouseMove(QMouseEvent& event);
    bool MouseRelease(QMouseEvent& event);
    void Leave();
    // Shows the tool tip of the windowless child under the help event's point; false when that
    // child has none, so the widget's own (if any) shows.
    bool ToolTip(QHelpEvent& event);
    bool KeyPress(QKeyEvent& event);
    bool KeyRelease(QKeyEvent& event);
    // Focus arriving by Tab goes to the first windowless child that takes it.
    void FocusIn(Qt::FocusReason reason);
    bool WantsTab() const;
    // The focused windowless child takes a plain Tab as its own key.
    bool TakesPlainTab() const;

private:
    QtNode* HitTest(QPoint point) const;
    void UpdateCursor(QtNode* node);
    MouseArgs SinkArgs(QMouseEvent& event, bool held) const;

    QWidget& widget_;
    InputSink* sink_ = nullptr;
    QPoint origin_;
    QRect pending_;                  // asked to repaint since the last paint
    const QPalette* painting_ = nullptr;
    const QFont* painterFont_ = nullptr;
    std::vector<QtNode*> elements_;  // back to front
    std::vector<QtNode*> awaiting_;
    QtNode* focus_ = nullptr;
    QtNode* captured_ = nullptr;
    bool capturing_ = false;
    bool sinkCaptured_ = false;
    bool sinkClickArmed_ = false;
    QtNode* cursorOwner_ = nullptr;
};

// A real widget that holds windowless children.
template <class Base>
class ElementHostWidget : public Base {
public:
    template <class... Args>
    explicit ElementHostWidget(Args&&... args) : Base(std::forward<Args>(args)...), layer_(*this) {
        this->setMouseTracking(true);
    }
    ElementLayer& Layer() { return layer_; }

protected:
    // Drawn under the windowless children.
    virtual void PaintBackground(QPainter&, const QRect&) {}
    void paintEvent(QPaintEvent* event) override {
        Base::paintEvent(event);
        QPainter painter(this);
        PaintBackground(painter, event->rect());
        layer_.Paint(painter, event->rect());
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (!layer_.MousePress(*event)) Base::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (!layer_.MouseDoubleClick(*event)) Base::mouseDoubleClickEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!layer_.MouseMove(*event)) Base::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!layer_.MouseRelease(*event)) Base::mouseReleaseEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        layer_.Leave();
        Base::leaveEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (!layer_.KeyPress(*event)) Base::keyPressEvent(event);
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        if (!layer_.KeyRelease(*event)) Base::keyReleaseEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override {
        layer_.FocusIn(event->reason());
        Base::focusInEvent(event);
        this->update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        Base::focusOutEvent(event);
        this->update();
    }
    bool event(QEvent* event) override {
        bool handled = false;
        GuardQtEvent([&] { handled = Deliver(event); });
        return handled;
    }

private:
    bool Deliver(QEvent* event) {
        if (event->type() == QEvent::Show) layer_.HostShown();
        if (event->type() == QEvent::ToolTip && layer_.ToolTip(*static_cast<QHelpEvent*>(event))) return true;
        // A windowless widget that takes Tab hears a plain Tab as a key; other Tabs move the focus.
        if (event->type() == QEvent::KeyPress && layer_.TakesPlainTab()) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Tab && !(key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
                keyPressEvent(key);
                return true;
            }
        }
        return Base::event(event);
    }

    ElementLayer layer_;
};

}  // namespace VemoCalendar
