#pragma once
#include <string>
#include <vector>

#include "host/Color.h"
#include "host/FontObject.h"
#include "host/PictureObject.h"
#include "host/WidgetEvents.h"

namespace VemoCalendar {

// What every widget offers a control. Geometry is in the parent's units: pixels inside a
// picture surface, twips inside a panel, a frame, a dialog or the control itself. A reference a
// widget returns (a caption, a font) holds until that value is next set.
class Widget {
public:
    virtual ~Widget() = default;

    virtual const std::string& Name() const = 0;
    virtual int Index() const = 0;  // position in its widget array, -1 when not in an array

    virtual void Move(int left, int top, int width, int height) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;

    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual const std::string& Tag() const = 0;
    virtual void SetTag(const std::string& tag) = 0;
    // A text the host shows beside the mouse while it rests on the widget; empty for none.
    virtual const std::string& ToolTip() const = 0;
    virtual void SetToolTip(const std::string& text) = 0;

    virtual void SetFocus() = 0;
    // Whether a plain Tab pressed on the widget is a key of its own (KeyDown, KeyPress 9, KeyUp),
    // as the calendar's arrows and year box take it. Otherwise, and for Shift+Tab and Ctrl+Tab
    // always, the host moves the focus along the form's focus chain. Off unless set.
    virtual bool TakesTab() const = 0;
    virtual void SetTakesTab(bool takesTab) = 0;
    // Bring to the front of its siblings' drawing order.
    virtual void BringToFront() = 0;

    WidgetHandlers& Events() { return handlers_; }

private:
    WidgetHandlers handlers_;
};

// Outer bevel of a panel.
enum class Bevel : int { None = 0, Inset = 1, Raised = 2 };

// SSPanel: a three-dimensional panel with a caption.
class Panel : public Widget {
public:
    virtual const std::string& Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual Color BackColor() const = 0;
    virtual void SetBackColor(Color color) = 0;
    virtual Color ForeColor() const = 0;
    virtual void SetForeColor(Color color) = 0;
    // The panel keeps its own copy of the font it is given.
    virtual const FontObject& Font() const = 0;
    virtual void SetFont(const FontObject& font) = 0;
    virtual void SetFontBold(bool bold) = 0;
    // 0 none, 1 inset, 2 raised; other values are kept and drawn as none.
    virtual int BevelOuter() const = 0;
    virtual void SetBevelOuter(int bevel) = 0;
    // 0..8 in the order of enumCALAlignment; other values are kept and drawn centred.
    virtual int Alignment() const = 0;
    virtual void SetAlignment(int alignment) = 0;
    // Whether a click gives the panel the focus, so that keys typed then go to it. Off unless set.
    virtual bool TakesFocus() const = 0;
    virtual void SetTakesFocus(bool takesFocus) = 0;
    // Whether Tab also stops at a panel that takes the focus, in the order the panels were made.
    // Off unless set.
    virtual bool TabStop() const = 0;
    virtual void SetTabStop(bool tabStop) = 0;
};

// SSCommand: a three-dimensional command button.
class CommandButton : public Widget {
public:
    virtual const std::string& Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual const FontObject& Font() const = 0;
    virtual void SetFont(const FontObject& font) = 0;
    virtual Color ForeColor() const = 0;
    virtual void SetForeColor(Color color) = 0;
    virtual PictureRef Picture() const = 0;
    virtual void SetPicture(PictureRef picture) = 0;
    virtual PictureRef MouseIcon() const = 0;
    virtual void SetMouseIcon(PictureRef picture) = 0;
    virtual int16_t BevelWidth() const = 0;
    virtual void SetBevelWidth(int16_t width) = 0;
    virtual bool Outline() const = 0;
    virtual void SetOutline(bool outline) = 0;
    virtual bool RoundedCorners() const = 0;
    virtual void SetRoundedCorners(bool rounded) = 0;
    virtual int AutoSize() const = 0;  // 0 none, 1 picture to button, 2 button to picture
    virtual void SetAutoSize(int mode) = 0;
    virtual int Font3D() const = 0;  // 0..4
    virtual void SetFont3D(int style) = 0;
    virtual int MousePointer() const = 0;  // 0..15, 99 custom
    virtual void SetMousePointer(int pointer) = 0;
    virtual intptr_t WindowHandle() const = 0;
};

// A plain picture surface whose children are placed in pixels.
class PictureSurface : public Widget {
public:
    virtual bool Border() const = 0;
    virtual void SetBorder(bool singleLine) = 0;
    // Inner (client) area in pixels; a border narrows it.
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
};

class TextBox : public Widget {
public:
    virtual const std::string& Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual int MaxLength() const = 0;
    virtual void SetMaxLength(int length) = 0;
    virtual int SelStart() const = 0;
    virtual void SetSelStart(int start) = 0;
    virtual int SelLength() const = 0;
    virtual void SetSelLength(int length) = 0;
    virtual const FontObject& Font() const = 0;
    virtual void SetFont(const FontObject& font) = 0;
};

// A drop-down list. Changing ListIndex, by the user or from code, raises Click when the index
// actually changes.
class DropDownList : public Widget {
public:
    virtual void Clear() = 0;
    virtual void AddItem(const std::string& item) = 0;
    virtual int ListCount() const = 0;
    virtual const std::string& List(int index) const = 0;
    virtual int ListIndex() const = 0;
    virtual void SetListIndex(int index) = 0;
    virtual const FontObject& Font() const = 0;
    virtual void SetFont(const FontObject& font) = 0;
};

class Label : public Widget {
public:
    virtual const std::string& Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual const FontObject& Font() const = 0;
    virtual void SetFont(const FontObject& font) = 0;
    virtual Color ForeColor() const = 0;
    virtual void SetForeColor(Color color) = 0;
};

class Frame : public Widget {
public:
    virtual const std::string& Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // The font of the caption; the frame keeps its own copy.
    virtual const FontObject& Font() const = 0;
    virtual void SetFont(const FontObject& font) = 0;
};

class CheckBox : public Widget {
public:
    virtual const std::string& Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual int Value() const = 0;  // 0 unchecked, 1 checked; a change raises Click
    virtual void SetValue(int value) = 0;
    virtual const FontObject& Font() const = 0;
    virtual void SetFont(const FontObject& font) = 0;
};

class OptionButton : public Widget {
public:
    virtual const std::string& Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Setting true raises Click and switches off the other option buttons of the same container.
    virtual bool Value() const = 0;
    virtual void SetValue(bool value) = 0;
    virtual const FontObject& Font() const = 0;
    virtual void SetFont(const FontObject& font) = 0;
};

class Image : public Widget {
public:
    virtual PictureRef Picture() const = 0;
    virtual void SetPicture(PictureRef picture) = 0;
};

// A line from (x1, y1) to (x2, y2) in the parent's units.
class Line : public Widget {
public:
    virtual void SetPoints(int x1, int y1, int x2, int y2) = 0;
    virtual int X1() const = 0;
    virtual int Y1() const = 0;
    virtual int X2() const = 0;
    virtual int Y2() const = 0;
    virtual Color BorderColor() const = 0;
    virtual void SetBorderColor(Color color) = 0;
};

class PushButton : public Widget {
public:
    virtual const std::string& Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // The button pressed by Enter / Escape anywhere in its dialog.
    virtual bool IsDefault() const = 0;
    virtual void SetDefault(bool isDefault) = 0;
    virtual bool IsCancel() const = 0;
    virtual void SetCancel(bool isCancel) = 0;
};

}  // namespace VemoCalendar
