#include "qt/backend/QtWidgets.h"

#include <algorithm>
#include <cmath>

#include "host/ControlError.h"
#include "qt/backend/QtConvert.h"
#include "qt/backend/QtHost.h"

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

// And their text colour: a new pen is a new allocation. Text needs only the pen's colour.
void UsePen(QPainter& painter, const QColor& color) {
    const QPen& pen = painter.pen();
    if (pen.style() != Qt::SolidLine || pen.widthF() != 1.0 || pen.color() != color) painter.setPen(color);
}

}  // namespace

// ---------------------------------------------------------------- QtPanel

QtPanel::QtPanel(QtWidgetFactory& factory, QtNode* parent, std::string name, int index)
    : QtWidgetBase(factory, parent, std::move(name), index), font_(factory.SharedFont(FontObject())) {}

void QtPanel::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    text_.TextChanged();
    Update();
}

void QtPanel::SetFont(const FontObject& font) {
    if (font == font_->object) return;
    font_ = factory_.SharedFont(font);
    Update();
}

void QtPanel::SetTakesFocus(bool takesFocus) {
    takesFocus_ = takesFocus;
    // The widget that draws the panel must accept a click's focus for the panel to get it.
    QWidget& holder = HostLayer().HostWidget();
    if (takesFocus && !(holder.focusPolicy() & Qt::ClickFocus))
        holder.setFocusPolicy(static_cast<Qt::FocusPolicy>(holder.focusPolicy() | Qt::ClickFocus));
}

void QtPanel::SetFontBold(bool bold) {
    if (bold == font_->object.bold) return;
    FontObject font = font_->object;
    font.bold = bold;
    SetFont(font);
}

void QtPanel::Paint(QPainter& painter) {
    const QRect r = rect_;
    if (r.isEmpty()) return;
    const QPalette& palette = HostLayer().Palette();
    const int edge = bevelOuter_ == 1 || bevelOuter_ == 2 ? 1 : 0;
    if (edge && r.width() > 1 && r.height() > 1) {
        // The same pixels as the face and a one-pixel bevel drawn edge by edge, in three fills
        // instead of five: a fill costs far more than the pixels it covers.
        painter.fillRect(r, bevelOuter_ == 1 ? kLight : kShadow);
        painter.fillRect(r.adjusted(0, 0, -1, -1), bevelOuter_ == 1 ? kShadow : kLight);
        painter.fillRect(r.adjusted(1, 1, -1, -1), ToQColor(backColor_, palette));
    } else {
        painter.fillRect(r, ToQColor(backColor_, palette));
    }
    // A panel with the keyboard (the day grid's selected cell) shows it, as a focused button does.
    if (takesFocus_ && HostLayer().FocusElement() == this && HostLayer().HostWidget().hasFocus() && r.width() > 6 &&
        r.height() > 6) {
        painter.setPen(QPen(ToQColor(foreColor_, palette), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(edge + 1, edge + 1, -edge - 2, -edge - 2));
    }
    if (caption_.empty()) return;
    const QRect inner = r.adjusted(edge + 1, edge, -edge - 1, -edge);
    const int flags = AlignmentFlags(alignment_) | Qt::TextSingleLine;
    HostLayer().UseFont(painter, font_->qfont);
    if (!EnabledInHost()) {
        UsePen(painter, kLight);
        text_.Draw(painter, factory_.Captions(), caption_, font_, inner, flags, QPoint(1, 1));
        UsePen(painter, kShadow);
    } else {
        UsePen(painter, ToQColor(foreColor_, palette));
    }
    text_.Draw(painter, factory_.Captions(), caption_, font_, inner, flags);
}

// ---------------------------------------------------------------- QtCommandButton

QtCommandButton::QtCommandButton(QtWidgetFactory& factory, QtNode* parent, std::string name, int index)
    : QtWidgetBase(factory, parent, std::move(name), index),
      font_(factory.SharedFont(FontObject())),
      handle_(factory.Host().NewElementHandle(*this)) {}

QtCommandButton::~QtCommandButton() { factory_.Host().ReleaseHandle(handle_); }

void QtCommandButton::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    text_.TextChanged();
    Update();
}

void QtCommandButton::SetFont(const FontObject& font) {
    if (font == font_->object) return;
    font_ = factory_.SharedFont(font);
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
    const QPalette& palette = HostLayer().Palette();
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
    if (!caption_.empty()) {
        HostLayer().UseFont(painter, font_->qfont);
        const int flags = Qt::AlignCenter | Qt::TextSingleLine;
        const QColor text = EnabledInHost() ? ToQColor(foreColor_, palette) : kShadow;
        // The five text effects: none; raised with a light, or a light and a dark, copy; inset likewise.
        const int direction = font3D_ == 1 || font3D_ == 2 ? -1 : 1;
        if (font3D_ != 0) {
            UsePen(painter, kLight);
            text_.Draw(painter, factory_.Captions(), caption_, font_, content, flags, QPoint(direction, direction));
            if (font3D_ == 2 || font3D_ == 4) {
                UsePen(painter, kShadow);
                text_.Draw(painter, factory_.Captions(), caption_, font_, content, flags, QPoint(-direction, -direction));
            }
        }
        UsePen(painter, text);
        text_.Draw(painter, factory_.Captions(), caption_, font_, content, flags);
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
    if (click) Press();
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
        Press();
    }
}

void QtCommandButton::Press() {
    if (QtNodeObserver* observer = CurrentQtNodeObserver()) observer->Pressed(*this);
    if (auto& h = Events().Click) h();
}

// ---------------------------------------------------------------- Label, image, line

QtLabel::QtLabel(QtWidgetFactory& factory, QtNode* parent, std::string name, int index)
    : QtWidgetBase(factory, parent, std::move(name), index), font_(factory.SharedFont(FontObject())) {}

void QtLabel::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    text_ = ToQString(caption);
    Update();
}

void QtLabel::SetFont(const FontObject& font) {
    if (font == font_->object) return;
    font_ = factory_.SharedFont(font);
    Update();
}

void QtLabel::Paint(QPainter& painter) {
    if (text_.isEmpty() || rect_.isEmpty()) return;
    const QPalette& palette = HostLayer().Palette();
    HostLayer().UseFont(painter, font_->qfont);
    UsePen(painter, EnabledInHost() ? ToQColor(foreColor_, palette) : kShadow);
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
    const QPalette& palette = HostLayer().Palette();
    painter.setPen(QPen(ToQColor(color_, palette), 1));
    painter.drawLine(PixelPoint(x1_, y1_), PixelPoint(x2_, y2_));
}

}  // namespace VemoCalendar
