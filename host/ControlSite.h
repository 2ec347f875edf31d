#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "host/Date.h"
#include "host/Dialog.h"
#include "host/FontObject.h"
#include "host/LibraryIdentity.h"
#include "host/LocaleNames.h"
#include "host/MessageBox.h"
#include "host/ParentForm.h"
#include "host/Variant.h"
#include "host/WidgetFactory.h"
#include "host/Export.h"

namespace VemoCalendar {

// Screen facts a control or dialog needs; twips are 1/1440 inch.
class VEMOCALENDAR_EXPORT ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;
    virtual double ScreenWidthTwips() const = 0;
    virtual double ScreenHeightTwips() const = 0;
};

// What dialogs (the About box, message boxes) need of the host.
class VEMOCALENDAR_EXPORT DialogHost : public ScreenMetrics {
public:
    virtual std::unique_ptr<Dialog> CreateDialog(const std::string& name) = 0;
    virtual LibraryIdentity Library() const = 0;
};

class Control;
class VEMOCALENDAR_EXPORT ConstituentSite;

// What a control that owns another control (a constituent) hears of it: the constituent's events,
// with the constituent's own argument references, so that a change the owner's host makes to a
// by-reference argument reaches the constituent when the call returns.
class VEMOCALENDAR_EXPORT ConstituentEvents {
public:
    virtual ~ConstituentEvents() = default;
    virtual void ConstituentEvent(std::string_view name, std::span<Variant> args) = 0;
};

// Everything a control asks of the container that holds it.
class VEMOCALENDAR_EXPORT ControlSite : public ScreenMetrics {
public:
    virtual WidgetFactory& Widgets() = 0;

    // A site for a control owned by this one, placed on this control's surface (and moved onto
    // the form by SetParent). Its events go to `events`, its property changes nowhere: the owner
    // tells the host about its own properties. The site lives as long as the returned pointer;
    // destroying it takes the constituent's window with it, wherever it has been re-parented.
    virtual std::unique_ptr<ConstituentSite> CreateConstituent(const std::string& name,
                                                               ConstituentEvents& events) = 0;

    // Tells the host the named property changed, so it marks its stored state as changed.
    virtual void PropertyChanged(std::string_view name) = 0;
    // Raises a control event. Arguments are passed by reference: when the call returns, `args`
    // holds whatever the host's handler left in them.
    virtual void RaiseEvent(std::string_view name, std::span<Variant> args) = 0;

    // Own geometry, in twips. Setting the outer size resizes the control and delivers
    // UserControl_Resize.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    virtual double ScaleLeft() const = 0;
    virtual double ScaleTop() const = 0;
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    virtual void SetWidth(double twips) = 0;
    virtual void SetHeight(double twips) = 0;
    virtual intptr_t hwnd() const = 0;
    virtual intptr_t hDC() const = 0;

    // The control as its container places it (the extender): position in the parent, visibility
    // and focus.
    virtual void Move(double left, double top, double width, double height) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetFocus() = 0;

    virtual ParentForm& Parent() = 0;
    // The control's child widget that has the focus, or none.
    virtual Widget* ActiveChild() const = 0;
    virtual FontRef AmbientFont() const = 0;

    virtual MessageResult MsgBox(const MessageBoxRequest& request) = 0;
    virtual LibraryIdentity Library() const = 0;
    virtual Date Today() const = 0;
    virtual const LocaleNames& Locale() const = 0;
    virtual AboutBox& About() = 0;

    // The two window-system calls of the pop-up. Results are not reported.
    virtual void ClientToScreen(intptr_t window, ScreenPoint& point) = 0;
    virtual void SetParent(intptr_t child, intptr_t newParent) = 0;
};

// The site of a constituent control. The owner makes the constituent on it, then attaches it, so
// that the host delivers the constituent's notifications (resize, focus, input); the owner keeps
// ownership and destroys the constituent before the site.
class ConstituentSite : public ControlSite {
public:
    virtual void Attach(Control& constituent) = 0;
};

}  // namespace VemoCalendar
