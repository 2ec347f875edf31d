#include "qt/backend/QtWidgets.h"

#include <QApplication>
#include <QSignalBlocker>
#include <algorithm>

#include "host/ControlError.h"
#include "qt/backend/QtConvert.h"
#include "qt/backend/QtEventGuard.h"
#include "qt/backend/QtHost.h"

namespace VemoCalendar {
namespace {

// The real widget a plain Qt widget is made in: its parent's own window, or the one that draws it.
QWidget& HolderOf(QtNode* parent, QtWidgetFactory& factory) {
    if (!parent) return factory.Root();
    if (parent->Window()) return *parent->Window();
    return parent->HostLayer().HostWidget();
}

}  // namespace

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
    : QtWidgetBase(factory, parent, std::move(name), -1), filter_(*this, true) {
    MakeOrAwaitWindow();
}

void QtTextBox::MakeWindow() {
    edit_ = new QLineEdit(&HolderOf(parent_, factory_));
    edit_->setMaxLength(Limit());
    edit_->setText(shown_);
    if (selLength_ > 0) edit_->setSelection(selStart_, selLength_);
    else edit_->setCursorPosition(selStart_);
    if (fontSet_) edit_->setFont(factory_.FontOf(font_));
    edit_->installEventFilter(&filter_);
    QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this](const QString& text) {
        DeliverSignal(settingFromCode_, [&] { TextChanged(text); });
    });
    AdoptWindow(*edit_);
}

void QtTextBox::TextChanged(const QString& shown) {
    text_ = FromQString(shown);
    if (Events().Change) Events().Change();
}

void QtTextBox::SetText(const std::string& text) {
    if (text == text_) return;
    const int start = SelStart();
    if (!edit_) {
        // What a line edit does: it shows what fits, its cursor at the end, and a change of
        // what it shows is a Change; then the cursor goes back where it was.
        const QString shown = ToQString(text).left(Limit());
        selStart_ = static_cast<int>(shown.size());
        selLength_ = 0;
        if (shown != shown_) {
            shown_ = shown;
            TextChanged(shown);
        }
        text_ = text;
        selStart_ = std::min(start, static_cast<int>(shown_.size()));
        selLength_ = 0;
        return;
    }
    const SettingFromCode fromCode(settingFromCode_);
    edit_->setText(ToQString(text));
    text_ = text;  // also when the box shortened it
    edit_->setCursorPosition(std::min(start, static_cast<int>(edit_->text().size())));
}

void QtTextBox::SetMaxLength(int length) {
    maxLength_ = length < 0 ? 0 : length;
    if (edit_) {
        edit_->setMaxLength(Limit());
        return;
    }
    // A line edit given a limit cuts what it shows to it, the cursor going to the end; the cut
    // is not the code's own change.
    const QString shown = shown_.left(Limit());
    selStart_ = static_cast<int>(shown.size());
    selLength_ = 0;
    if (shown == shown_) return;
    shown_ = shown;
    GuardQtEvent([&] { TextChanged(shown); });
}

int QtTextBox::SelStart() const {
    if (!edit_) return selStart_;
    return edit_->hasSelectedText() ? edit_->selectionStart() : edit_->cursorPosition();
}

void QtTextBox::SetSelStart(int start) {
    const int at = std::clamp(start, 0, ShownLength());
    if (!edit_) {
        selStart_ = at;
        selLength_ = 0;
        return;
    }
    edit_->deselect();
    edit_->setCursorPosition(at);
}

int QtTextBox::SelLength() const {
    if (!edit_) return selLength_;
    return edit_->hasSelectedText() ? edit_->selectionLength() : 0;
}

void QtTextBox::SetSelLength(int length) {
    const int start = SelStart();
    const int clamped = std::clamp(length, 0, ShownLength() - start);
    if (!edit_) {
        selLength_ = clamped;
        return;
    }
    if (clamped == 0) edit_->setCursorPosition(start);
    else edit_->setSelection(start, clamped);
}

void QtTextBox::SetFont(const FontObject& font) {
    if (font == font_) return;
    font_ = font;
    fontSet_ = true;
    if (edit_) edit_->setFont(factory_.FontOf(font));
}

QtDropDownList::QtDropDownList(QtWidgetFactory& factory, QtNode* parent, std::string name)
    : QtWidgetBase(factory, parent, std::move(name), -1), filter_(*this, false) {
    MakeOrAwaitWindow();
}

void QtDropDownList::MakeWindow() {
    combo_ = new QComboBox(&HolderOf(parent_, factory_));
    {
        const QSignalBlocker block(combo_);
        for (const std::string& item : items_) combo_->addItem(ToQString(item));
        combo_->setCurrentIndex(listIndex_);
    }
    if (fontSet_) combo_->setFont(factory_.FontOf(font_));
    combo_->installEventFilter(&filter_);
    // One path for the user's choice and for an index set from code, as a list box reports both.
    QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_,
                     [this](int index) { DeliverSignal(settingFromCode_, [&] { IndexChanged(index); }); });
    AdoptWindow(*combo_);
}

void QtDropDownList::Clear() {
    items_.clear();
    listIndex_ = -1;
    if (!combo_) return;
    const QSignalBlocker block(combo_);
    combo_->clear();
}

void QtDropDownList::AddItem(const std::string& item) {
    items_.push_back(item);
    if (!combo_) return;
    const QSignalBlocker block(combo_);
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
    if (!combo_) {
        IndexChanged(index);  // what the combo box's signal would have done
        return;
    }
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
    fontSet_ = true;
    if (combo_) combo_->setFont(factory_.FontOf(font));
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

void QtFrame::SetFont(const FontObject& font) {
    if (font == font_) return;
    font_ = font;
    widget_->setFont(factory_.FontOf(font));
}

QPointF QtFrame::SinkUnits(QPoint hostPoint) const {
    return {hostPoint.x() * factory_.TwipsPerPixelX(), hostPoint.y() * factory_.TwipsPerPixelY()};
}

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

void QtCheckBox::SetFont(const FontObject& font) {
    if (font == font_) return;
    font_ = font;
    box_->setFont(factory_.FontOf(font));
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

void QtOptionButton::SetFont(const FontObject& font) {
    if (font == font_) return;
    font_ = font;
    button_->setFont(factory_.FontOf(font));
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

}  // namespace VemoCalendar
