#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/ControlSite.h"
#include "host/Widget.h"
#include "host/WidgetFactory.h"
#include "qt/backend/QtNodeObserver.h"
#include "qt/backend/QtCaptionText.h"
#include "qt/backend/QtElementHost.h"
#include "qt/backend/QtFontCache.h"

namespace VemoCalendar {

class QtHost;
class QtControlSite;
class QtWidgetFactory;

// What every widget of the Qt backend has: its place in the widget tree, its geometry in the
// parent's units (pixels inside a picture surface, twips elsewhere), its pixel rectangle in the
// real widget that holds it, visibility, enabled flag and tag.
//
// A node is either windowless (drawn by the nearest real widget above it, through that widget's
// ElementLayer) or real (a QWidget of its own). A control's real node may wait for its QWidget
// until it is first shown or focused; until then its state lives in the node.
class QtNode {
public:
    QtNode(QtWidgetFactory& factory, QtNode* parent, std::string name, int index);
    QtNode(const QtNode&) = delete;
    QtNode& operator=(const QtNode&) = delete;
    virtual ~QtNode();

    virtual Widget& AsWidget() = 0;
    // The node's own QWidget, or null when it is windowless or its widget is still to be made.
    QWidget* Window() const { return window_; }
    // Drawn by a layer: neither a QWidget of its own nor one still to be made.
    bool Windowless() const { return !window_ && !windowPending_; }
    bool WindowPending() const { return windowPending_; }
    // The node's QWidget, made now if it was still to be made.
    QWidget& EnsureWindow();
    // Makes a waiting QWidget once the node is shown on a visible holder.
    void MakeWindowIfShown();
    // The layer that draws this node's windowless children (real nodes that hold some).
    virtual ElementLayer* Layer() { return nullptr; }
    virtual bool ChildrenInPixels() const { return false; }
    virtual bool Focusable() const { return false; }
    // Reached by Tab and as its control's first widget (panels that take the focus are not).
    virtual bool TabStop() const { return Focusable(); }

    // ---- Windowless nodes: drawing and input, in the host widget's pixels ----
    virtual void Paint(QPainter&) {}
    virtual bool HitTestable() const { return true; }
    virtual bool HasCursor() const { return false; }
    virtual QCursor Cursor() const { return {}; }
    virtual void OnMousePress(QMouseEvent& event);
    virtual void OnMouseDoubleClick(QMouseEvent& event);
    virtual void OnMouseMove(QMouseEvent& event, bool captured);
    virtual void OnMouseRelease(QMouseEvent& event);
    virtual void OnKeyPress(QKeyEvent& event);
    virtual void OnKeyRelease(QKeyEvent& event);
    virtual void OnFocusChanged() { Update(); }

    QtWidgetFactory& Factory() const { return factory_; }
    QtNode* ParentNode() const { return parent_; }
    const std::vector<QtNode*>& Children() const { return children_; }
    // The layer that draws this node (windowless) or the one of its Qt parent (real).
    ElementLayer& HostLayer() const;
    const QRect& PixelRect() const { return rect_; }
    // Visible (enabled) itself and through every windowless ancestor up to the real widget.
    bool ShownInHost() const;
    bool EnabledInHost() const;
    // Schedules a repaint of this windowless node's rectangle.
    void Update() const;
    // Converts a host-widget point into this node's own units (twips, or pixels for a picture).
    QPointF LocalUnits(QPoint hostPoint) const;
    // Mouse arguments for a point in the host widget (windowless) or in the node's own widget.
    MouseArgs MouseArgsOf(QMouseEvent& event, bool held) const;

    // Tree operations behind the Widget interface.
    void NodeMove(int left, int top, int width, int height);
    void NodeSetVisible(bool visible);
    void NodeSetEnabled(bool enabled);
    void NodeSetFocus();
    void NodeBringToFront();
    void NodeSetToolTip(const std::string& text);
    void RemoveChild(QtNode& child);

    const std::string name_;
    const int index_;
    uint32_t stackedAt_;  // when the node was made or last brought to the front
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true, enabled_ = true;
    std::string tag_;
    // A windowless node's is shown by its layer, a real one's by its QWidget. Few nodes have one,
    // so it is held only once set.
    std::unique_ptr<std::string> toolTip_;
    const std::string& ToolTipText() const;
    // The tip as a tool tip shows it and a reader hears it: whole, or its first thousand
    // characters and an ellipsis (laying out a huge text would stall the pop-up). The stored
    // text stays whole.
    QString ShownToolTip() const;

    // Recomputes the rectangle (after a move of this node or of a windowless ancestor).
    void Reposition();
    void ApplyVisibility();
    void ApplyEnabled();

protected:
    // The pixel rectangle from the geometry and the parent's origin.
    virtual QRect ComputeRect() const;
    // Called when the node's size in pixels changed.
    virtual void Resized() {}
    QPoint ChildOriginFor(const QtNode* parent) const;
    // The layer of the real widget this node's own QWidget is (or will be) made in; null inside
    // a plain Qt widget.
    ElementLayer* HolderLayer() const;
    void PlaceInFocusChain();
    void RestoreStacking();
    // Makes `widget` this node's QWidget: parented, placed and shown as the node is.
    void AdoptWindow(QWidget& widget);
    // Called by a real node's constructor. A control's real node makes its QWidget (through
    // MakeWindow) only when it is first shown or focused: most calendars never show the month
    // list and year box, and a combo box costs more to make than all the rest of a calendar.
    // A dialog's widgets, and widgets whose holder is already on screen, are made at once.
    void MakeOrAwaitWindow();
    virtual void MakeWindow() {}

    QtWidgetFactory& factory_;
    QtNode* parent_;
    std::vector<QtNode*> children_;
    QRect rect_;
    QWidget* window_ = nullptr;
    bool windowPending_ = false;  // a real node whose QWidget is still to be made
    bool hidePending_ = false;
    bool clickArmed_ = false;
};

// The Widget members, implemented once over QtNode.
template <class Interface>
class QtWidgetBase : public Interface, public QtNode {
public:
    QtWidgetBase(QtWidgetFactory& factory, QtNode* parent, std::string name, int index)
        : QtNode(factory, parent, std::move(name), index) {}
    Widget& AsWidget() override { return *this; }
    const std::string& Name() const override { return name_; }
    int Index() const override { return index_; }
    void Move(int left, int top, int width, int height) override { NodeMove(left, top, width, height); }
    int Left() const override { return left_; }
    int Top() const override { return top_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetLeft(int left) override { NodeMove(left, top_, width_, height_); }
    void SetWidth(int width) override { NodeMove(left_, top_, width, height_); }
    void SetHeight(int height) override { NodeMove(left_, top_, width_, height); }
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override { NodeSetVisible(visible); }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { NodeSetEnabled(enabled); }
    const std::string& Tag() const override { return tag_; }
    void SetTag(const std::string& tag) override {
        if (tag == tag_) return;
        std::string old = std::move(tag_);
        tag_ = tag;
        if (QtNodeObserver* observer = CurrentQtNodeObserver()) observer->TagChanged(*this, old);
    }
    const std::string& ToolTip() const override { return ToolTipText(); }
    void SetToolTip(const std::string& text) override { NodeSetToolTip(text); }
    void SetFocus() override { NodeSetFocus(); }
    bool TakesTab() const override { return takesTab_; }
    void SetTakesTab(bool takesTab) override { takesTab_ = takesTab; }
    void BringToFront() override { NodeBringToFront(); }

protected:
    // Stores a value and repaints when it changed; false when nothing changed.
    template <class T>
    bool Assign(T& field, const T& value) {
        if (field == value) return false;
        field = value;
        Update();
        return true;
    }

private:
    bool takesTab_ = false;
};

// SSPanel, drawn by its holder: back colour, outer bevel, aligned caption.
class QtPanel : public QtWidgetBase<Panel> {
public:
    QtPanel(QtWidgetFactory& factory, QtNode* parent, std::string name, int index);
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override;
    Color BackColor() const override { return backColor_; }
    void SetBackColor(Color color) override { Assign(backColor_, color); }
    Color ForeColor() const override { return foreColor_; }
    void SetForeColor(Color color) override { Assign(foreColor_, color); }
    const FontObject& Font() const override { return font_->object; }
    void SetFont(const FontObject& font) override;
    void SetFontBold(bool bold) override;
    int BevelOuter() const override { return bevelOuter_; }
    void SetBevelOuter(int bevel) override { Assign(bevelOuter_, bevel); }
    int Alignment() const override { return alignment_; }
    void SetAlignment(int alignment) override { Assign(alignment_, alignment); }
    bool TakesFocus() const override { return takesFocus_; }
    void SetTakesFocus(bool takesFocus) override;
    bool Focusable() const override { return takesFocus_; }
    bool TabStop() const override { return takesFocus_ && tabStop_; }
    void SetTabStop(bool tabStop) override { tabStop_ = tabStop; }
    void Paint(QPainter& painter) override;

private:
    std::string caption_;
    CaptionText text_;
    Color backColor_ = 0xC0C0C0;
    Color foreColor_ = 0;
    QtFontRef font_;
    int bevelOuter_ = 2;
    int alignment_ = 7;
    bool takesFocus_ = false;
    bool tabStop_ = false;
};

// SSCommand, drawn by its holder: bevel, outline, rounded corners, 3-D text, picture, pressed
// look, focus rectangle; pressed by the mouse or by Space.
class QtCommandButton : public QtWidgetBase<CommandButton> {
public:
    QtCommandButton(QtWidgetFactory& factory, QtNode* parent, std::string name, int index);
    ~QtCommandButton() override;
    bool Focusable() const override { return true; }
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override;
    const FontObject& Font() const override { return font_->object; }
    void SetFont(const FontObject& font) override;
    Color ForeColor() const override { return foreColor_; }
    void SetForeColor(Color color) override { Assign(foreColor_, color); }
    PictureRef Picture() const override { return picture_; }
    void SetPicture(PictureRef picture) override;
    PictureRef MouseIcon() const override { return mouseIcon_; }
    void SetMouseIcon(PictureRef picture) override;
    int16_t BevelWidth() const override { return bevelWidth_; }
    void SetBevelWidth(int16_t width) override;
    bool Outline() const override { return outline_; }
    void SetOutline(bool outline) override;
    bool RoundedCorners() const override { return roundedCorners_; }
    void SetRoundedCorners(bool rounded) override { Assign(roundedCorners_, rounded); }
    int AutoSize() const override { return autoSize_; }
    void SetAutoSize(int mode) override;
    int Font3D() const override { return font3D_; }
    void SetFont3D(int style) override;
    int MousePointer() const override { return mousePointer_; }
    void SetMousePointer(int pointer) override;
    intptr_t WindowHandle() const override { return handle_; }

    bool Pressed() const { return pressed_; }
    // A completed press, from the mouse, Space or a screen reader's action: the node observer
    // hears of it, then Click runs.
    void Press();
    void Paint(QPainter& painter) override;
    bool HasCursor() const override { return mousePointer_ != 0; }
    QCursor Cursor() const override;
    void OnMousePress(QMouseEvent& event) override;
    void OnMouseDoubleClick(QMouseEvent& event) override;
    void OnMouseMove(QMouseEvent& event, bool captured) override;
    void OnMouseRelease(QMouseEvent& event) override;
    void OnKeyPress(QKeyEvent& event) override;
    void OnKeyRelease(QKeyEvent& event) override;

private:
    void FitToPicture();
    int Frame() const { return bevelWidth_ + (outline_ ? 1 : 0); }
    std::string caption_;
    CaptionText text_;
    QtFontRef font_;
    Color foreColor_ = 0;
    PictureRef picture_, mouseIcon_;
    QImage image_;
    int16_t bevelWidth_ = 2;
    bool outline_ = true;
    bool roundedCorners_ = true;
    int autoSize_ = 0;
    int font3D_ = 0;
    int mousePointer_ = 0;
    intptr_t handle_;
    bool pressed_ = false;      // drawn pressed
    bool mouseDown_ = false;    // left button went down on it
    bool spaceDown_ = false;
};

class QtLabel : public QtWidgetBase<Label> {
public:
    QtLabel(QtWidgetFactory& factory, QtNode* parent, std::string name, int index);
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override;
    const FontObject& Font() const override { return font_->object; }
    void SetFont(const FontObject& font) override;
    Color ForeColor() const override { return foreColor_; }
    void SetForeColor(Color color) override { Assign(foreColor_, color); }
    void Paint(QPainter& painter) override;

private:
    std::string caption_;
    QString text_;
    QtFontRef font_;
    Color foreColor_ = 0;
};

class QtImage : public QtWidgetBase<Image> {
public:
    using QtWidgetBase::QtWidgetBase;
    PictureRef Picture() const override { return picture_; }
    void SetPicture(PictureRef picture) override;
    void Paint(QPainter& painter) override;

private:
    PictureRef picture_;
    QImage image_;
};

class QtLine : public QtWidgetBase<Line> {
public:
    using QtWidgetBase::QtWidgetBase;
    void SetPoints(int x1, int y1, int x2, int y2) override;
    int X1() const override { return x1_; }
    int Y1() const override { return y1_; }
    int X2() const override { return x2_; }
    int Y2() const override { return y2_; }
    Color BorderColor() const override { return color_; }
    void SetBorderColor(Color color) override { Assign(color_, color); }
    void Paint(QPainter& painter) override;
    bool HitTestable() const override { return false; }

protected:
    QRect ComputeRect() const override;

private:
    QPoint PixelPoint(int x, int y) const;
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Color color_ = 0;
};

// ---- Real widgets ----

class QtPictureWidget;

// A picture surface: its own QWidget, holding windowless children placed in pixels; the single
// line border narrows the inner area by one pixel on each side.
class QtPictureSurface : public QtWidgetBase<PictureSurface>, private HandlerSink {
public:
    QtPictureSurface(QtWidgetFactory& factory, QtNode* parent, std::string name);
    ElementLayer* Layer() override;
    bool ChildrenInPixels() const override { return true; }
    bool Border() const override { return border_; }
    void SetBorder(bool singleLine) override;
    int ClientWidth() const override;
    int ClientHeight() const override;

protected:
    void Resized() override;

private:
    friend class QtPictureWidget;
    void NotifyIfClientChanged(int oldWidth, int oldHeight);
    QPointF SinkUnits(QPoint hostPoint) const override;
    WidgetHandlers& SinkHandlers() override { return Events(); }
    QtPictureWidget* widget_;
    bool border_ = false;
    int clientWidth_ = 0, clientHeight_ = 0;
};

// Widgets that are plain Qt widgets: their mouse and key events reach the handlers through an
// event filter; a KeyPress handler that sets the key to 0 keeps it from the widget.
class QtRealNode : public QObject {
public:
    // `clickOnRelease`: a left click on the widget raises Click (a text box does; lists and
    // buttons raise it from their own signals).
    QtRealNode(QtNode& node, bool clickOnRelease) : node_(node), clickOnRelease_(clickOnRelease) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FilterEvent(QObject* watched, QEvent* event);
    QtNode& node_;
    bool clickOnRelease_;
    bool clickArmed_ = false;
    bool forwarding_ = false;
};

class QtTextBox : public QtWidgetBase<TextBox> {
public:
    QtTextBox(QtWidgetFactory& factory, QtNode* parent, std::string name);
    bool Focusable() const override { return true; }
    const std::string& Text() const override { return text_; }
    void SetText(const std::string& text) override;
    int MaxLength() const override { return maxLength_; }
    void SetMaxLength(int length) override;
    int SelStart() const override;
    void SetSelStart(int start) override;
    int SelLength() const override;
    void SetSelLength(int length) override;
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override;
    // The line edit, made now if it was still to be made.
    QLineEdit& Edit() {
        EnsureWindow();
        return *edit_;
    }

private:
    void MakeWindow() override;
    void TextChanged(const QString& shown);
    // The longest text the box shows: a text box without a limit still holds at most 32767.
    int Limit() const { return maxLength_ == 0 ? 32767 : maxLength_; }
    // The length of the text the box shows, in the line edit's characters.
    int ShownLength() const { return static_cast<int>(edit_ ? edit_->text().size() : shown_.size()); }
    QLineEdit* edit_ = nullptr;
    bool settingFromCode_ = false;
    QtRealNode filter_;
    std::string text_;
    int maxLength_ = 0;
    FontObject font_;
    // What the line edit shows and where its cursor and selection are, until it is made.
    QString shown_;
    int selStart_ = 0, selLength_ = 0;
    bool fontSet_ = false;
};

class QtDropDownList : public QtWidgetBase<DropDownList> {
public:
    QtDropDownList(QtWidgetFactory& factory, QtNode* parent, std::string name);
    bool Focusable() const override { return true; }
    void Clear() override;
    void AddItem(const std::string& item) override;
    int ListCount() const override { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const override;
    int ListIndex() const override { return listIndex_; }
    // Outside -1..ListCount()-1: error 380, as a list box refuses it.
    void SetListIndex(int index) override;
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override;
    // The combo box, made now if it was still to be made.
    QComboBox& Combo() {
        EnsureWindow();
        return *combo_;
    }

private:
    void MakeWindow() override;
    void IndexChanged(int index);
    QComboBox* combo_ = nullptr;
    bool settingFromCode_ = false;
    QtRealNode filter_;
    std::vector<std::string> items_;
    int listIndex_ = -1;
    FontObject font_;
    bool fontSet_ = false;
};

class QtFrameWidget;

class QtFrame : public QtWidgetBase<Frame>, private HandlerSink {
public:
    QtFrame(QtWidgetFactory& factory, QtNode* parent, std::string name, int index);
    ElementLayer* Layer() override;
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override;
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override;

private:
    QPointF SinkUnits(QPoint hostPoint) const override;
    WidgetHandlers& SinkHandlers() override { return Events(); }
    // A frame hears the mouse but takes no keys.
    void SinkKeyDown(KeyArgs&) override {}
    void SinkKeyPress(int16_t&) override {}
    void SinkKeyUp(KeyArgs&) override {}
    QtFrameWidget* widget_;
    std::string caption_;
    FontObject font_;
};

class QtCheckBox : public QtWidgetBase<CheckBox> {
public:
    QtCheckBox(QtWidgetFactory& factory, QtNode* parent, std::string name, int index);
    bool Focusable() const override { return true; }
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override;
    int Value() const override { return value_; }
    void SetValue(int value) override;
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override;

private:
    void StateChanged(int state);
    QCheckBox* box_;
    bool settingFromCode_ = false;
    QtRealNode filter_;
    std::string caption_;
    int value_ = 0;
    FontObject font_;
};

class QtOptionButton : public QtWidgetBase<OptionButton> {
public:
    QtOptionButton(QtWidgetFactory& factory, QtNode* parent, std::string name, int index);
    bool Focusable() const override { return true; }
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override;
    bool Value() const override { return value_; }
    void SetValue(bool value) override;
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override;

private:
    void Toggled(bool checked);
    QRadioButton* button_;
    bool settingFromCode_ = false;
    QtRealNode filter_;
    std::string caption_;
    bool value_ = false;
    FontObject font_;
};

class QtPushButton : public QtWidgetBase<PushButton> {
public:
    QtPushButton(QtWidgetFactory& factory, QtNode* parent, std::string name);
    bool Focusable() const override { return true; }
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override;
    bool IsDefault() const override { return default_; }
    void SetDefault(bool isDefault) override;
    bool IsCancel() const override { return cancel_; }
    void SetCancel(bool isCancel) override { cancel_ = isCancel; }
    QPushButton& Button() const { return *button_; }

private:
    QPushButton* button_;
    QtRealNode filter_;
    std::string caption_;
    bool default_ = false, cancel_ = false;
};

// Makes and owns the widgets of one control or dialog. `root` is the real widget that holds the
// widgets made without a parent (the control's surface or the dialog), measured in twips.
class QtWidgetFactory : public WidgetFactory {
public:
    QtWidgetFactory(QtHost& host, const ScreenMetrics& metrics, QWidget& root, ElementLayer& rootLayer,
                    QtControlSite* site);
    ~QtWidgetFactory() override;

    Panel& CreatePanel(Widget* parent, const std::string& name, int index) override;
    CommandButton& CreateCommandButton(Widget* parent, const std::string& name, int index) override;
    PictureSurface& CreatePictureSurface(Widget* parent, const std::string& name) override;
    TextBox& CreateTextBox(Widget* parent, const std::string& name) override;
    DropDownList& CreateDropDownList(Widget* parent, const std::string& name) override;
    Label& CreateLabel(Widget* parent, const std::string& name, int index) override;
    Frame& CreateFrame(Widget* parent, const std::string& name, int index) override;
    CheckBox& CreateCheckBox(Widget* parent, const std::string& name, int index) override;
    OptionButton& CreateOptionButton(Widget* parent, const std::string& name, int index) override;
    Image& CreateImage(Widget* parent, const std::string& name) override;
    Line& CreateLine(Widget* parent, const std::string& name, int index) override;
    PushButton& CreatePushButton(Widget* parent, const std::string& name) override;

    // The widget of that name and array index (-1 for none), or null.
    Widget* Find(const std::string& name, int index = -1) const;
    template <class T>
    T& Get(const std::string& name, int index = -1) const {
        auto* found = dynamic_cast<T*>(Find(name, index));
        if (!found) throw std::logic_error("no widget " + name + "(" + std::to_string(index) + ") of that kind");
        return *found;
    }
    static QtNode& Node(Widget& widget) { return dynamic_cast<QtNode&>(widget); }
    std::vector<QtNode*> Nodes() const;

    QtHost& Host() const { return host_; }
    QtControlSite* Site() const { return site_; }
    QWidget& Root() const { return root_; }
    ElementLayer& RootLayer() const { return rootLayer_; }
    double TwipsPerPixelX() const { return metrics_.TwipsPerPixelX(); }
    double TwipsPerPixelY() const { return metrics_.TwipsPerPixelY(); }
    // The keyboard moved between windowless children without Qt seeing a focus change.
    void FocusMovedWithin();
    // A clock for the stacking order of the widgets: each widget made or brought to the front
    // takes the next time.
    uint32_t NextStackTime() { return ++stackClock_; }
    // The laid-out captions of the painted widgets, shared with the other controls.
    CaptionLayouts& Captions();
    // The QFont of a font object, shared by every widget of the control that shows it.
    QFont FontOf(const FontObject& font) { return fonts_.Get(font)->qfont; }
    QtFontRef SharedFont(const FontObject& font) { return fonts_.Get(font); }

private:
    template <class T, class... Args>
    T& Add(Widget* parent, Args&&... args);
    QtHost& host_;
    const ScreenMetrics& metrics_;
    QWidget& root_;
    ElementLayer& rootLayer_;
    QtControlSite* site_;
    QtFontCache fonts_;
    std::vector<std::unique_ptr<QtNode>> nodes_;
    uint32_t stackClock_ = 0;
};

}  // namespace VemoCalendar
