#include "qt/backend/QtWidgets.h"

#include <QApplication>
#include <algorithm>

#include "qt/backend/QtCaptionText.h"
#include "qt/backend/QtConvert.h"
#include "qt/backend/QtHost.h"
#include "qt/backend/QtNodeObserver.h"

namespace VemoCalendar {

namespace {
constexpr char kNodeProperty[] = "vemoNode";
QtNodeObserver* nodeObserver = nullptr;
}  // namespace

void SetQtNodeObserver(QtNodeObserver* observer) { nodeObserver = observer; }
QtNodeObserver* CurrentQtNodeObserver() { return nodeObserver; }

QtNode* QtNodeOfWidget(const QWidget& widget) {
    return static_cast<QtNode*>(widget.property(kNodeProperty).value<void*>());
}

// ---------------------------------------------------------------- QtNode

QtNode::QtNode(QtWidgetFactory& factory, QtNode* parent, std::string name, int index)
    : name_(std::move(name)), index_(index), stackedAt_(factory.NextStackTime()), factory_(factory), parent_(parent) {
    if (parent_) parent_->children_.push_back(this);
}

QtNode::~QtNode() {
    if (QtNodeObserver* observer = CurrentQtNodeObserver()) observer->NodeGone(*this);
    if (window_) {
        factory_.Host().UnregisterNode(*window_);
        window_->blockSignals(true);
        delete window_;
    } else if (windowPending_) {
        HostLayer().StopAwaiting(*this);
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
    } else if (!windowPending_ && ShownInHost()) {
        HostLayer().Invalidate(old);
        HostLayer().Invalidate(rect_);
    }
    if (old.size() != rect_.size()) Resized();
    if (Windowless() && old.topLeft() != rect_.topLeft())
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
    if (Windowless() && !rect_.isEmpty() && ShownInHost()) HostLayer().Invalidate(rect_);
}

void QtNode::ApplyVisibility() {
    if (windowPending_) {
        MakeWindowIfShown();
        return;
    }
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
    if (!rect_.isEmpty()) HostLayer().Invalidate(rect_);
    for (QtNode* child : children_) child->ApplyVisibility();
}

void QtNode::ApplyEnabled() {
    if (windowPending_) return;  // the widget takes the state when it is made
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
    if (windowPending_) EnsureWindow();
    if (window_) {
        window_->setFocus(Qt::OtherFocusReason);
        factory_.FocusMovedWithin();
    } else {
        HostLayer().SetFocusElement(this);
    }
}

void QtNode::NodeBringToFront() {
    stackedAt_ = factory_.NextStackTime();
    if (windowPending_) return;  // RestoreStacking puts it in its place when it is made
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
    widget.setProperty(kNodeProperty, QVariant::fromValue<void*>(this));
    if (index_ >= 0) widget.setProperty("index", index_);
    factory_.Host().RegisterNode(widget, *this);
    rect_ = ComputeRect();
    widget.setGeometry(rect_);
    widget.setEnabled(EnabledInHost());
    widget.setVisible(ShownInHost());
    if (toolTip_) widget.setToolTip(ShownToolTip());
}

QString QtNode::ShownToolTip() const {
    constexpr size_t kShownCharacters = 1000;
    const std::string& tip = ToolTipText();
    const size_t shown = BytesOfCodePoints(tip, kShownCharacters);
    return shown == tip.size() ? ToQString(tip) : ToQString(tip.substr(0, shown)) + QChar(0x2026);
}

const std::string& QtNode::ToolTipText() const {
    static const std::string none;
    return toolTip_ ? *toolTip_ : none;
}

void QtNode::NodeSetToolTip(const std::string& text) {
    if (text.empty()) toolTip_.reset();
    else toolTip_ = std::make_unique<std::string>(text);
    if (window_) window_->setToolTip(ShownToolTip());
}

ElementLayer* QtNode::HolderLayer() const {
    if (!parent_) return &factory_.RootLayer();
    if (parent_->window_) return parent_->Layer();
    if (parent_->windowPending_) return nullptr;
    return &parent_->HostLayer();
}

void QtNode::MakeOrAwaitWindow() {
    // A widget made inside a plain Qt widget (no layer to wait on) is made at once too.
    ElementLayer* layer = HolderLayer();
    if (!factory_.Site() || !layer || (ShownInHost() && layer->HostWidget().isVisible())) {
        MakeWindow();
        return;
    }
    windowPending_ = true;
    layer->Await(*this);
}

QWidget& QtNode::EnsureWindow() {
    if (windowPending_) {
        // Cleared while the widget is made, so that its own show does not make it again.
        windowPending_ = false;
        try {
            MakeWindow();
        } catch (...) {
            windowPending_ = true;
            throw;
        }
        HostLayer().StopAwaiting(*this);
        PlaceInFocusChain();
        RestoreStacking();
    }
    if (!window_) throw std::logic_error("widget " + name_ + " has no window of its own");
    return *window_;
}

void QtNode::RestoreStacking() {
    // A widget made late is made in front of its siblings: those made or brought to the front
    // after it go back in front of it, in their order.
    std::vector<QtNode*> above;
    for (QtNode* node : factory_.Nodes())
        if (node != this && node->window_ && node->window_->parentWidget() == window_->parentWidget() &&
            node->stackedAt_ > stackedAt_)
            above.push_back(node);
    std::sort(above.begin(), above.end(), [](const QtNode* a, const QtNode* b) { return a->stackedAt_ < b->stackedAt_; });
    for (QtNode* node : above) node->window_->raise();
}

void QtNode::MakeWindowIfShown() {
    if (windowPending_ && ShownInHost() && HostLayer().HostWidget().isVisible()) EnsureWindow();
}

void QtNode::PlaceInFocusChain() {
    // Qt puts a widget made late last in its window's focus chain; it goes where it would have
    // been had it been made with the widgets made before it.
    QWidget* before = factory_.Root().focusPolicy() != Qt::NoFocus ? &factory_.Root() : nullptr;
    for (QtNode* node : factory_.Nodes()) {
        if (node == this) break;
        if (node->window_ && node->window_->focusPolicy() != Qt::NoFocus) before = node->window_;
    }
    if (before) QWidget::setTabOrder(before, window_);
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
    if (Focusable()) NodeSetFocus();
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

}  // namespace VemoCalendar
