#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "host/Control.h"
#include "host/ControlSite.h"
#include "qt/backend/QtControlSurface.h"
#include "qt/backend/QtElementHost.h"
#include "qt/backend/QtHost.h"
#include "qt/backend/QtWidgets.h"

namespace VemoCalendar {

class QtControlSite;

// The form that holds a control: the nearest widget above the control marked as a form (see
// MarkAsForm), else its top-level window; scale values in twips.
class QtParentForm : public ParentForm {
public:
    QtParentForm(QtHost& host, QWidget& surface) : host_(host), surface_(surface) {}
    // Makes `widget` the form of the controls placed inside it, as a main window's form area is:
    // pop-ups are re-parented onto it and placed in its client area.
    static void MarkAsForm(QWidget& widget);
    static bool IsForm(const QWidget& widget);
    QWidget& Window() const;
    intptr_t hwnd() const override { return host_.HandleOf(Window()); }
    double ScaleLeft() const override { return 0; }
    double ScaleTop() const override { return 0; }
    double ScaleWidth() const override;
    double ScaleHeight() const override;

private:
    QtHost& host_;
    QWidget& surface_;
};

// The window of a constituent control: what SetParent moves onto the form. Its one child is the
// constituent's surface, which fills it. Should the form take this window down before the owner
// (a form deletes its children in stacking order), the surface is handed back to the owner's
// surface, hidden, so that the owner still finds its constituent whole until it destroys it.
class QtConstituentFrame : public QWidget {
public:
    QtConstituentFrame(QWidget& ownerSurface, QWidget& surface);
    ~QtConstituentFrame() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<QWidget> ownerSurface_;
    QPointer<QWidget> surface_;
};

// One control on a Qt form: the ControlSite it sees. The control's geometry is kept in twips as
// set (so calWidth reads back what was written) and follows the surface when a Qt layout
// resizes it.
//
// A constituent's site (a control owned by another control, made by CreateConstituent) owns its
// surface and window: they start as a hidden child of the owner's surface and go when the site
// goes, wherever SetParent moved them. Its events go to the owner, its property changes nowhere.
class QtControlSite : public ConstituentSite {
public:
    QtControlSite(QtHost& host, QtControlSurface& surface, std::string name);
    // A constituent of `owner`; see CreateConstituent.
    QtControlSite(QtControlSite& owner, const std::string& name, ConstituentEvents& events);
    ~QtControlSite() override;

    const std::string& Name() const { return name_; }
    // A control placed on a form, owned by its site.
    void Attach(std::unique_ptr<Control> control) {
        owned_ = std::move(control);
        control_ = owned_.get();
    }
    // A constituent, owned by its owner control (which destroys it before the site).
    void Attach(Control& constituent) override { control_ = &constituent; }
    Control& GetControl() const { return *control_; }
    bool HasControl() const { return control_ != nullptr; }
    // The site of the control that owns this one, or null for a control placed on a form.
    QtControlSite* Owner() const { return owner_; }
    QtWidgetFactory& Factory() { return factory_; }
    // The control's own QWidget.
    QWidget& Surface() const { return surface_.Widget(); }
    // The widget the container places: the surface, or a constituent's frame around it.
    QWidget& Placement() const;
    QtHost& Host() const { return host_; }
    template <class T>
    T& Get(const std::string& name, int index = -1) const {
        return factory_.Get<T>(name, index);
    }

    // The application's handlers: events with their by-reference arguments, property changes.
    std::function<void(std::string_view, std::span<Variant>)> onEvent;
    std::function<void(std::string_view)> onPropertyChanged;

    // The surface's size changed under a Qt layout.
    void SurfaceResized();
    // The surface's contents margins changed: the control's inner area is the contents rectangle.
    void ContentsMarginsChanged();

    // ---- ControlSite ----
    double TwipsPerPixelX() const override { return host_.TwipsPerPixelX(); }
    double TwipsPerPixelY() const override { return host_.TwipsPerPixelY(); }
    double ScreenWidthTwips() const override { return host_.ScreenWidthTwips(); }
    double ScreenHeightTwips() const override { return host_.ScreenHeightTwips(); }
    WidgetFactory& Widgets() override { return factory_; }
    std::unique_ptr<ConstituentSite> CreateConstituent(const std::string& name, ConstituentEvents& events) override;
    void PropertyChanged(std::string_view name) override;
    void RaiseEvent(std::string_view name, std::span<Variant> args) override;
    // The inner area: the control's size less the surface's contents margins.
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    double ScaleLeft() const override { return 0; }
    double ScaleTop() const override { return 0; }
    double Width() const override { return width_; }
    double Height() const override { return height_; }
    void SetWidth(double twips) override;
    void SetHeight(double twips) override;
    intptr_t hwnd() const override { return host_.HandleOf(Placement()); }
    // Qt widgets draw through QPainter; there is no device context to hand out.
    intptr_t hDC() const override { return 0; }
    void Move(double left, double top, double width, double height) override;
    bool Visible() const override { return !Placement().isHidden(); }
    void SetVisible(bool visible) override;
    void SetFocus() override;
    ParentForm& Parent() override { return parent_; }
    Widget* ActiveChild() const override;
    FontRef AmbientFont() const override;
    MessageResult MsgBox(const MessageBoxRequest& request) override;
    LibraryIdentity Library() const override { return host_.Library(); }
    Date Today() const override { return host_.Today(); }
    // The site's own locale once one is set, else its owner's (a pop-up speaks as its button), else
    // the host's.
    const LocaleNames& Locale() const override {
        return locale_ ? *locale_ : owner_ ? owner_->Locale() : host_.Locale();
    }
    void SetLocale(const QLocale& locale) { locale_.emplace(locale); }
    AboutBox& About() override { return host_.About(); }
    void ClientToScreen(intptr_t window, ScreenPoint& point) override;
    void SetParent(intptr_t child, intptr_t newParent) override;
    // Both sides at once: the control lays itself out once.
    void Resize(double width, double height);

private:
    // A constituent's frame and surface, declared first: destroyed after the widgets on them.
    struct OwnedWindow {
        QPointer<QtConstituentFrame> frame;
        QPointer<QtSurfaceWidget> surface;
        ~OwnedWindow();
    };
    static QtControlSurface& NewConstituentSurface(QtControlSite& owner);
    OwnedWindow window_;
    QtHost& host_;
    QtControlSurface& surface_;
    QtControlSite* owner_ = nullptr;
    std::optional<QtLocaleNames> locale_;
    ConstituentEvents* events_ = nullptr;
    std::string name_;
    double width_ = 0, height_ = 0;
    QSize notifiedSize_;
    QMargins margins_;
    QtParentForm parent_;
    QtWidgetFactory factory_;
    Control* control_ = nullptr;
    std::unique_ptr<Control> owned_;  // declared after the factory: destroyed before its widgets
};

}  // namespace VemoCalendar
