#pragma once
#include <string>

#include "host/PictureObject.h"
#include "host/WidgetFactory.h"

namespace VemoCalendar {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// A dialog window made by the host; positions and sizes in twips. Its widgets are made through
// Widgets() and live until the dialog is unloaded.
class Dialog {
public:
    virtual ~Dialog() = default;
    virtual WidgetFactory& Widgets() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual const std::string& Caption() const = 0;
    virtual void SetIcon(PictureRef icon) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void Move(int left, int top) = 0;
    virtual void Resize(int width, int height) = 0;
    virtual WindowState State() const = 0;
    // Shows the dialog and returns once it has been unloaded.
    virtual void ShowModal() = 0;
    // Closes the dialog (ending ShowModal). Its widgets live on until the Dialog object is
    // destroyed, so a widget handler may unload its own dialog.
    virtual void Unload() = 0;
    virtual bool IsVisible() const = 0;
};

// The library-wide About box, handed out by the host.
class AboutBox {
public:
    virtual ~AboutBox() = default;
    // Loads the box afresh and shows it modally; returns once the user has closed it.
    virtual void ShowModal() = 0;
    virtual bool IsVisible() const = 0;
};

}  // namespace VemoCalendar
