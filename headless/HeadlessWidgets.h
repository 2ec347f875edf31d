#pragma once
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/Widget.h"
#include "host/WidgetFactory.h"

namespace VemoCalendar {

class HeadlessWidgetFactory;

// The parts of a headless widget that tests and the input driver see beyond the interface.
class HeadlessWidgetState {
public:
    virtual ~HeadlessWidgetState() = default;
    virtual Widget& AsWidget() = 0;
    virtual const Widget& AsWidget() const = 0;
    virtual Widget* Parent() const = 0;
    // Widgets that take the focus when clicked (text boxes, lists, buttons, some panels).
    virtual bool Focusable() const = 0;
    // Widgets that take it also as their control's first widget.
    virtual bool TabStop() const { return Focusable(); }
    // Order of the last BringToFront among siblings (higher is in front); 0 never brought.
    virtual int FrontOrder() const = 0;
    // Visible and every parent visible.
    bool Shown() const;
    // Counts of property writes that changed something, for "nothing was redrawn" checks.
    int changeCount = 0;
};

// Common state of every headless widget.
template <class Interface>
class HeadlessWidget : public Interface, public HeadlessWidgetState {
public:
    HeadlessWidget(HeadlessWidgetFactory& factory, Widget* parent, std::string name, int index)
        : factory_(factory), parent_(parent), name_(std::move(name)), index_(index) {}

    const std::string& Name() const override { return name_; }
    int Index() const override { return index_; }
    void Move(int left, int top, int width, int height) override {
        Assign(left_, left);
        Assign(top_, top);
        SetSize(width, height);
    }
    int Left() const override { return left_; }
    int Top() const override { return top_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetLeft(int left) override { Assign(left_, left); }
    void SetWidth(int width) override { SetSize(width, height_); }
    void SetHeight(int height) override { SetSize(width_, height); }
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override { Assign(visible_, visible); }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { Assign(enabled_, enabled); }
    const std::string& Tag() const override { return tag_; }
    void SetTag(const std::string& tag) override { tag_ = tag; }
    const std::string& ToolTip() const override { return toolTip_; }
    void SetToolTip(const std::string& text) override { Assign(toolTip_, text); }
    void SetFocus() override;
    bool TakesTab() const override { return takesTab_; }
    void SetTakesTab(bool takesTab) override { takesTab_ = takesTab; }
    void BringToFront() override;

    Widget& AsWidget() override { return *this; }
    const Widget& AsWidget() const override { return *this; }
    Widget* Parent() const override { return parent_; }
    bool Focusable() const override { return false; }
    int FrontOrder() const override { return frontOrder_; }

protected:
    template <class T>
    void Assign(T& field, const T& value) {
        if (field == value) return;
        field = value;
        ++changeCount;
    }
    virtual void SetSize(int width, int height) {
        Assign(width_, width);
        Assign(height_, height);
    }
    HeadlessWidgetFactory& factory_;

private:
    Widget* parent_;
    std::string name_;
    int index_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string tag_;
    std::string toolTip_;
    int frontOrder_ = 0;
    bool takesTab_ = false;
};

class HeadlessPanel : public HeadlessWidget<Panel> {
public:
    using HeadlessWidget::HeadlessWidget;
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { Assign(caption_, caption); }
    Color BackColor() const override { return backColor_; }
    void SetBackColor(Color color) override { Assign(backColor_, color); }
    Color ForeColor() const override { return foreColor_; }
    void SetForeColor(Color color) override { Assign(foreColor_, color); }
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override { Assign(font_, font); }
    void SetFontBold(bool bold) override { Assign(font_.bold, bold); }
    int BevelOuter() const override { return bevelOuter_; }
    void SetBevelOuter(int bevel) override { Assign(bevelOuter_, bevel); }
    int Alignment() const override { return alignment_; }
    void SetAlignment(int alignment) override { Assign(alignment_, alignment); }
    bool TakesFocus() const override { return takesFocus_; }
    void SetTakesFocus(bool takesFocus) override { takesFocus_ = takesFocus; }
    bool Focusable() const override { return takesFocus_; }
    bool TabStop() const override { return takesFocus_ && tabStop_; }
    void SetTabStop(bool tabStop) override { tabStop_ = tabStop; }

private:
    std::string caption_;
    Color backColor_ = 0xC0C0C0;
    Color foreColor_ = 0;
    FontObject font_;
    int bevelOuter_ = 2;
    int alignment_ = 7;
    bool takesFocus_ = false;
    bool tabStop_ = false;
};

class HeadlessCommandButton : public HeadlessWidget<CommandButton> {
public:
    HeadlessCommandButton(HeadlessWidgetFactory& factory, Widget* parent, std::string name, int index);
    bool Focusable() const override { return true; }
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { Assign(caption_, caption); }
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override { Assign(font_, font); }
    Color ForeColor() const override { return foreColor_; }
    void SetForeColor(Color color) override { Assign(foreColor_, color); }
    PictureRef Picture() const override { return picture_; }
    void SetPicture(PictureRef picture) override { picture_ = std::move(picture); }
    PictureRef MouseIcon() const override { return mouseIcon_; }
    void SetMouseIcon(PictureRef picture) override { mouseIcon_ = std::move(picture); }
    int16_t BevelWidth() const override { return bevelWidth_; }
    void SetBevelWidth(int16_t width) override;
    bool Outline() const override { return outline_; }
    void SetOutline(bool outline) override { Assign(outline_, outline); }
    bool RoundedCorners() const override { return roundedCorners_; }
    void SetRoundedCorners(bool rounded) override { Assign(roundedCorners_, rounded); }
    int AutoSize() const override { return autoSize_; }
    void SetAutoSize(int mode) override;
    int Font3D() const override { return font3D_; }
    void SetFont3D(int style) override;
    int MousePointer() const override { return mousePointer_; }
    void SetMousePointer(int pointer) override;
    intptr_t WindowHandle() const override { return handle_; }

private:
    std::string caption_;
    FontObject font_;
    Color foreColor_ = 0;
    PictureRef picture_, mouseIcon_;
    int16_t bevelWidth_ = 2;
    bool outline_ = true;
    bool roundedCorners_ = true;
    int autoSize_ = 0;
    int font3D_ = 0;
    int mousePointer_ = 0;
    intptr_t handle_;
};

class HeadlessPictureSurface : public HeadlessWidget<PictureSurface> {
public:
    // `twipsPerPixel` converts the size it is given (in its parent's twips) to its pixel interior.
    HeadlessPictureSurface(HeadlessWidgetFactory& factory, Widget* parent, std::string name, double twipsPerPixel);
    bool Border() const override { return border_; }
    void SetBorder(bool singleLine) override;
    int ClientWidth() const override;
    int ClientHeight() const override;

protected:
    void SetSize(int width, int height) override;

private:
    void NotifyIfClientChanged(int oldWidth, int oldHeight);
    double twipsPerPixel_;
    bool border_ = false;
};

class HeadlessTextBox : public HeadlessWidget<TextBox> {
public:
    using HeadlessWidget::HeadlessWidget;
    bool Focusable() const override { return true; }
    const std::string& Text() const override { return text_; }
    void SetText(const std::string& text) override;
    int MaxLength() const override { return maxLength_; }
    void SetMaxLength(int length) override { maxLength_ = length < 0 ? 0 : length; }
    int SelStart() const override { return selStart_; }
    void SetSelStart(int start) override;
    int SelLength() const override { return selLength_; }
    void SetSelLength(int length) override;
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override { Assign(font_, font); }
    // What typing a character does to the text: replaces the selection (Backspace deletes it,
    // or the character before the caret), within MaxLength.
    void Type(int16_t keyAscii);

private:
    std::string text_;
    int maxLength_ = 0;
    int selStart_ = 0, selLength_ = 0;
    FontObject font_;
};

class HeadlessDropDownList : public HeadlessWidget<DropDownList> {
public:
    using HeadlessWidget::HeadlessWidget;
    bool Focusable() const override { return true; }
    void Clear() override;
    void AddItem(const std::string& item) override { items_.push_back(item); }
    int ListCount() const override { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const override;
    int ListIndex() const override { return listIndex_; }
    // Outside -1..ListCount()-1: error 380, as a list box refuses it.
    void SetListIndex(int index) override;
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override { Assign(font_, font); }
    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    FontObject font_;
};

class HeadlessLabel : public HeadlessWidget<Label> {
public:
    using HeadlessWidget::HeadlessWidget;
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { Assign(caption_, caption); }
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override { Assign(font_, font); }
    Color ForeColor() const override { return foreColor_; }
    void SetForeColor(Color color) override { Assign(foreColor_, color); }

private:
    std::string caption_;
    FontObject font_;
    Color foreColor_ = 0;
};

class HeadlessFrame : public HeadlessWidget<Frame> {
public:
    using HeadlessWidget::HeadlessWidget;
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { Assign(caption_, caption); }
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override { Assign(font_, font); }

private:
    std::string caption_;
    FontObject font_;
};

class HeadlessCheckBox : public HeadlessWidget<CheckBox> {
public:
    using HeadlessWidget::HeadlessWidget;
    bool Focusable() const override { return true; }
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { Assign(caption_, caption); }
    int Value() const override { return value_; }
    void SetValue(int value) override;
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override { Assign(font_, font); }

private:
    std::string caption_;
    int value_ = 0;
    FontObject font_;
};

class HeadlessOptionButton : public HeadlessWidget<OptionButton> {
public:
    using HeadlessWidget::HeadlessWidget;
    bool Focusable() const override { return true; }
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { Assign(caption_, caption); }
    bool Value() const override { return value_; }
    void SetValue(bool value) override;
    const FontObject& Font() const override { return font_; }
    void SetFont(const FontObject& font) override { Assign(font_, font); }

private:
    std::string caption_;
    bool value_ = false;
    FontObject font_;
};

class HeadlessImage : public HeadlessWidget<Image> {
public:
    using HeadlessWidget::HeadlessWidget;
    PictureRef Picture() const override { return picture_; }
    void SetPicture(PictureRef picture) override { picture_ = std::move(picture); }

private:
    PictureRef picture_;
};

class HeadlessLine : public HeadlessWidget<Line> {
public:
    using HeadlessWidget::HeadlessWidget;
    void SetPoints(int x1, int y1, int x2, int y2) override { x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2; }
    int X1() const override { return x1_; }
    int Y1() const override { return y1_; }
    int X2() const override { return x2_; }
    int Y2() const override { return y2_; }
    Color BorderColor() const override { return color_; }
    void SetBorderColor(Color color) override { Assign(color_, color); }

private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Color color_ = 0;
};

class HeadlessPushButton : public HeadlessWidget<PushButton> {
public:
    using HeadlessWidget::HeadlessWidget;
    bool Focusable() const override { return true; }
    const std::string& Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { Assign(caption_, caption); }
    bool IsDefault() const override { return default_; }
    void SetDefault(bool isDefault) override { default_ = isDefault; }
    bool IsCancel() const override { return cancel_; }
    void SetCancel(bool isCancel) override { cancel_ = isCancel; }

private:
    std::string caption_;
    bool default_ = false, cancel_ = false;
};

// Makes and owns the widgets of one control, dialog or property page, and finds them by name.
class HeadlessWidgetFactory : public WidgetFactory {
public:
    // `focusRequest` is called when a widget asks for the focus; `newHandle` hands out window
    // handles; `twipsPerPixel` sizes picture surfaces.
    HeadlessWidgetFactory(std::function<void(Widget&)> focusRequest, std::function<intptr_t()> newHandle,
                          double twipsPerPixel);
    ~HeadlessWidgetFactory() override;

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
    // As Find, but of a given kind; throws std::logic_error when missing or of another kind.
    template <class T>
    T& Get(const std::string& name, int index = -1) const {
        auto* found = dynamic_cast<T*>(Find(name, index));
        if (!found) throw std::logic_error("no widget " + name + "(" + std::to_string(index) + ") of that kind");
        return *found;
    }
    static HeadlessWidgetState& State(Widget& w) { return dynamic_cast<HeadlessWidgetState&>(w); }
    std::vector<Widget*> All() const;
    bool Owns(const Widget* w) const;

    void RequestFocus(Widget& w) { focusRequest_(w); }
    intptr_t NewHandle() { return newHandle_(); }
    int NextFrontOrder() { return ++frontCounter_; }

private:
    template <class T, class... Args>
    T& Add(Args&&... args);
    std::vector<std::unique_ptr<Widget>> widgets_;
    std::function<void(Widget&)> focusRequest_;
    std::function<intptr_t()> newHandle_;
    double twipsPerPixel_;
    int frontCounter_ = 0;
};

template <class Interface>
void HeadlessWidget<Interface>::SetFocus() {
    factory_.RequestFocus(*this);
}

template <class Interface>
void HeadlessWidget<Interface>::BringToFront() {
    frontOrder_ = factory_.NextFrontOrder();
}

}  // namespace VemoCalendar
