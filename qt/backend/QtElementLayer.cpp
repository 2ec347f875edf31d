#include <QToolTip>
#include <algorithm>

#include "qt/backend/QtConvert.h"
#include "qt/backend/QtElementHost.h"
#include "qt/backend/QtWidgets.h"

namespace VemoCalendar {
namespace {

void PaintTree(QPainter& painter, QtNode& node, const QRect& dirty) {
    if (!node.visible_ || !node.PixelRect().intersects(dirty)) return;
    node.Paint(painter);
    bool clipped = false;
    for (QtNode* child : node.Children()) {
        if (!child->Windowless()) continue;
        if (!clipped) {
            painter.save();
            painter.setClipRect(node.PixelRect(), Qt::IntersectClip);
            clipped = true;
        }
        PaintTree(painter, *child, dirty);
    }
    if (clipped) {
        painter.restore();
        node.HostLayer().PainterRestored();
    }
}

QtNode* HitNode(QtNode& node, QPoint point) {
    if (!node.visible_ || !node.HitTestable() || !node.PixelRect().contains(point)) return nullptr;
    const auto& children = node.Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if ((*it)->Windowless())
            if (QtNode* hit = HitNode(**it, point)) return hit;
    return &node;
}

}  // namespace

void ElementLayer::Add(QtNode& node) { elements_.push_back(&node); }

void ElementLayer::Remove(QtNode& node) {
    elements_.erase(std::remove(elements_.begin(), elements_.end(), &node), elements_.end());
    Forget(node);
}

void ElementLayer::StopAwaiting(QtNode& node) {
    awaiting_.erase(std::remove(awaiting_.begin(), awaiting_.end(), &node), awaiting_.end());
}

void ElementLayer::HostShown() {
    // Making one widget takes it off the list, so a copy is walked.
    const std::vector<QtNode*> awaiting = awaiting_;
    for (QtNode* node : awaiting) node->MakeWindowIfShown();
}

void ElementLayer::Forget(QtNode& node) {
    if (focus_ == &node) focus_ = nullptr;
    if (captured_ == &node) captured_ = nullptr;
    if (cursorOwner_ == &node) cursorOwner_ = nullptr;
}

void ElementLayer::BringToFront(QtNode& node) {
    const auto it = std::find(elements_.begin(), elements_.end(), &node);
    if (it == elements_.end()) return;
    elements_.erase(it);
    elements_.push_back(&node);
}

void ElementLayer::SetFocusElement(QtNode* node) {
    QtNode* old = focus_;
    focus_ = node;
    if (old != node) {
        if (old) old->OnFocusChanged();
        if (node) node->OnFocusChanged();
    }
    if (!widget_.hasFocus()) widget_.setFocus(Qt::OtherFocusReason);
    if (node && old != node)
        if (QtNodeObserver* observer = CurrentQtNodeObserver()) observer->FocusMoved(*node);
    if (node) node->Factory().FocusMovedWithin();
}

void ElementLayer::Invalidate(const QRect& rect) {
    // A widget changing several things at once asks for its rectangle several times.
    if (rect.isEmpty() || pending_.contains(rect)) return;
    pending_ |= rect;
    widget_.update(pending_);
}

void ElementLayer::Paint(QPainter& painter, const QRect& dirty) {
    pending_ = QRect();
    const QPalette& palette = widget_.palette();
    painting_ = &palette;
    painterFont_ = nullptr;
    for (QtNode* node : elements_) PaintTree(painter, *node, dirty);
    painting_ = nullptr;
    painterFont_ = nullptr;
}

void ElementLayer::UseFont(QPainter& painter, const QFont& font) {
    if (painting_ && painterFont_ == &font) return;
    painter.setFont(font);
    painterFont_ = &font;
}

QtNode* ElementLayer::HitTest(QPoint point) const {
    for (auto it = elements_.rbegin(); it != elements_.rend(); ++it)
        if (QtNode* hit = HitNode(**it, point)) return hit;
    return nullptr;
}

void ElementLayer::UpdateCursor(QtNode* node) {
    if (node == cursorOwner_) return;
    const bool had = cursorOwner_ && cursorOwner_->HasCursor();
    cursorOwner_ = node;
    if (node && node->HasCursor()) widget_.setCursor(node->Cursor());
    else if (had) widget_.unsetCursor();
}

MouseArgs ElementLayer::SinkArgs(QMouseEvent& event, bool held) const {
    const QPointF at = sink_->SinkUnits(event.position().toPoint());
    return {MouseButtonsOf(event, held), ShiftOf(event.modifiers()), static_cast<float>(at.x()), static_cast<float>(at.y())};
}

bool ElementLayer::MousePress(QMouseEvent& event) {
    QtNode* target = captured_;
    bool toSink = sinkCaptured_;
    // A first button starts a capture; further buttons go where the first one went.
    if (!capturing_ || event.buttons() == event.button()) {
        target = HitTest(event.position().toPoint());
        toSink = !target;
        captured_ = target;
        sinkCaptured_ = toSink;
        capturing_ = true;
    }
    if (target) {
        if (target->EnabledInHost()) target->OnMousePress(event);
        return true;
    }
    if (!toSink || !sink_) return false;
    sink_->SinkPressed();
    MouseArgs args = SinkArgs(event, false);
    sinkClickArmed_ = event.button() == Qt::LeftButton;
    sink_->SinkMouseDown(args);
    return true;
}

bool ElementLayer::MouseDoubleClick(QMouseEvent& event) {
    QtNode* target = HitTest(event.position().toPoint());
    captured_ = target;
    sinkCaptured_ = !target;
    capturing_ = true;
    if (target) {
        if (target->EnabledInHost()) target->OnMouseDoubleClick(event);
        return true;
    }
    if (!sink_) return false;
    sinkClickArmed_ = false;
    if (event.button() == Qt::LeftButton) sink_->SinkDblClick();
    return true;
}

bool ElementLayer::MouseMove(QMouseEvent& event) {
    // A release lost to a modal dialog opened by a press ends the capture here.
    if (capturing_ && event.buttons() == Qt::NoButton) capturing_ = false;
    QtNode* target = capturing_ ? captured_ : HitTest(event.position().toPoint());
    const bool toSink = capturing_ ? sinkCaptured_ : !target;
    if (!capturing_) UpdateCursor(target);
    if (target) {
        if (target->EnabledInHost()) target->OnMouseMove(event, capturing_);
        return true;
    }
    if (!toSink || !sink_) return false;
    MouseArgs args = SinkArgs(event, true);
    sink_->SinkMouseMove(args);
    return true;
}

bool ElementLayer::MouseRelease(QMouseEvent& event) {
    QtNode* target = capturing_ ? captured_ : HitTest(event.position().toPoint());
    const bool toSink = capturing_ ? sinkCaptured_ : !target;
    if (event.buttons() == Qt::NoButton) capturing_ = false;
    if (target) {
        if (target->EnabledInHost()) target->OnMouseRelease(event);
        return true;
    }
    if (!toSink || !sink_) return false;
    MouseArgs args = SinkArgs(event, false);
    sink_->SinkMouseUp(args);
    if (sinkClickArmed_ && event.button() == Qt::LeftButton && widget_.rect().contains(event.position().toPoint())) {
        sinkClickArmed_ = false;
        sink_->SinkClick();
    }
    return true;
}

void ElementLayer::Leave() { UpdateCursor(nullptr); }

bool ElementLayer::ToolTip(QHelpEvent& event) {
    QtNode* node = HitTest(event.pos());
    if (!node || node->ToolTipText().empty()) return false;
    // Shown for as long as the mouse stays within the child.
    QToolTip::showText(event.globalPos(), node->ShownToolTip(), &widget_, node->PixelRect());
    return true;
}

bool ElementLayer::WantsTab() const { return focus_ && focus_->ShownInHost() && focus_->EnabledInHost(); }

bool ElementLayer::TakesPlainTab() const { return WantsTab() && focus_->AsWidget().TakesTab(); }

bool ElementLayer::KeyPress(QKeyEvent& event) {
    if (WantsTab()) {
        focus_->OnKeyPress(event);
        return true;
    }
    if (!sink_) return false;
    KeyArgs args{KeyCodeOf(event), ShiftOf(event.modifiers())};
    sink_->SinkKeyDown(args);
    int16_t keyAscii = KeyAsciiOf(event);
    if (keyAscii != 0) sink_->SinkKeyPress(keyAscii);
    return true;
}

bool ElementLayer::KeyRelease(QKeyEvent& event) {
    if (WantsTab()) {
        focus_->OnKeyRelease(event);
        return true;
    }
    if (!sink_) return false;
    if (event.isAutoRepeat()) return true;
    KeyArgs args{KeyCodeOf(event), ShiftOf(event.modifiers())};
    sink_->SinkKeyUp(args);
    return true;
}

void ElementLayer::FocusIn(Qt::FocusReason reason) {
    if (!focus_ && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
        // Tab arrives at the first stop, Shift+Tab at the last.
        QtNode* chosen = nullptr;
        for (QtNode* node : elements_)
            if (node->TabStop() && node->ShownInHost() && node->EnabledInHost()) {
                chosen = node;
                if (reason == Qt::TabFocusReason) break;
            }
        if (chosen) {
            focus_ = chosen;
            chosen->OnFocusChanged();
        }
    }
    // Whoever mirrors the widgets hears which child has the keyboard now that this widget has it.
    if (focus_)
        if (QtNodeObserver* observer = CurrentQtNodeObserver()) observer->FocusMoved(*focus_);
}

}  // namespace VemoCalendar
