#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "host/Control.h"
#include "host/ControlSite.h"
#include "qt/QtElementHost.h"
#include "qt/QtHost.h"
#include "qt/QtWidgets.h"

namespace VemoCalendar {

class QtControlSite;

// The control's own QWidget: it draws the windowless widgets placed directly on the control and
// hands input on its own surface to the control (UserControl_Click, _KeyPress, ...).
class QtControlSurface : public ElementHostWidget<QWidget>, private InputSink {
public:
    explicit QtControlSurface(QWidget* parent = nullptr);
    ~QtControlSurface() override;
    void AttachSite(QtControlSite* site);
    QtControlSite* Site() const { return site_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointF SinkUnits(QPoint hostPoint) const override;
    void SinkMouseDown(MouseArgs& args) override;
    void SinkMouseMove(MouseArgs& args) override;
    void SinkMouseUp(MouseArgs& args) override;
    void SinkClick() override;
    void SinkDblClick() override;
    void SinkKeyDown(KeyArgs& args) override;
    void SinkKeyPress(int16_t& keyAscii) override;
    void SinkKeyUp(KeyArgs& args) override;
    void SinkPressed() override;
    QtControlSite* site_ = nullptr;
};

// The form that holds a control: the surface's top-level window, scale values in twips.
class QtParentForm : public ParentForm {
public:
    QtParentForm(QtHost& host, QWidget& surface) : host_(host), surface_(surface) {}
    QWidget& Window() const { return *surface_.window(); }
    intptr_t hwnd() const override { return host_.HandleOf(Window()); }
    double ScaleLeft() const override { return 0; }
    double ScaleTop() const override { return 0; }
    double ScaleWidth() const override;
    double ScaleHeight() const override;

private:
    QtHost& host_;
    QWidget& surface_;
};

// One control on a Qt form: the ControlSite it sees. The control's geometry is kept in twips as
// set (so calWidth reads back what was written) and follows the surface when a Qt layout
// resizes it.
class QtControlSite : public ControlSite {
public:
    QtControlSite(QtHost& host, QtControlSurface& surface, std::string name);
    ~QtControlSite() override;

    const std::string& Name() const { return name_; }
    void Attach(std::unique_ptr<Control> control) { control_ = std::move(control); }
    Control& GetControl() const { return *control_; }
    bool HasControl() const { return control_ != nullptr; }
    QtWidgetFactory& Factory() { return factory_; }
    QtControlSurface& Surface() const { return surface_; }
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

    // ---- ControlSite ----
    double TwipsPerPixelX() const override { return host_.TwipsPerPixelX(); }
    double TwipsPerPixelY() const override { return host_.TwipsPerPixelY(); }
    double ScreenWidthTwips() const override { return host_.ScreenWidthTwips(); }
    double ScreenHeightTwips() const override { return host_.ScreenHeightTwips(); }
    WidgetFactory& Widgets() override { return factory_; }
    void PropertyChanged(std::string_view name) override;
    void RaiseEvent(std::string_view name, std::span<Variant> args) override;
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    double ScaleLeft() const override { return 0; }
    double ScaleTop() const override { return 0; }
    double Width() const override { return width_; }
    double Height() const override { return height_; }
    void SetWidth(double twips) override;
    void SetHeight(double twips) override;
    intptr_t hwnd() const override { return host_.HandleOf(surface_); }
    // Qt widgets draw through QPainter; there is no device context to hand out.
    intptr_t hDC() const override { return 0; }
    void Move(double left, double top, double width, double height) override;
    bool Visible() const override { return !surface_.isHidden(); }
    void SetVisible(bool visible) override { surface_.setVisible(visible); }
    void SetFocus() override;
    ParentForm& Parent() override { return parent_; }
    Widget* ActiveChild() const override;
    FontRef AmbientFont() const override;
    MessageResult MsgBox(const MessageBoxRequest& request) override;
    LibraryIdentity Library() const override { return host_.Library(); }
    Date Today() const override { return host_.Today(); }
    const LocaleNames& Locale() const override { return host_.Locale(); }
    AboutBox& About() override { return host_.About(); }
    void ClientToScreen(intptr_t window, ScreenPoint& point) override;
    void SetParent(intptr_t child, intptr_t newParent) override;

private:
    void Resize(double width, double height);
    QtHost& host_;
    QtControlSurface& surface_;
    std::string name_;
    double width_ = 0, height_ = 0;
    QSize notifiedSize_;
    QtParentForm parent_;
    QtWidgetFactory factory_;
    std::unique_ptr<Control> control_;  // declared after the factory: destroyed before its widgets
};

}  // namespace VemoCalendar
