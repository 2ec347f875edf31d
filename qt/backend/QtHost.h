#pragma once
#include <QDialog>
#include <QHash>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

#include "about/frmAbout.h"
#include "host/ControlSite.h"
#include "qt/backend/QtWidgets.h"

namespace VemoCalendar {

class QtControlSite;
class QtNode;

// Month and weekday names of a QLocale (the user's, unless one is given).
class QtLocaleNames : public LocaleNames {
public:
    explicit QtLocaleNames(QLocale locale = QLocale()) : locale_(std::move(locale)) {}
    std::string MonthName(int month, bool abbreviated) const override;
    std::string WeekdayName(int weekday, bool abbreviated) const override;
    const QLocale& Locale() const { return locale_; }

private:
    QLocale locale_;
};

// The library's host on Qt 6 Widgets, one per application: screen metrics from the screen's
// logical DPI, today's date from the system clock (or fixed), the user's locale, message boxes,
// the About box, window handles for the pop-up calls, and the focus as the controls hear of it.
class QtHost : public QObject, public DialogHost {
public:
    QtHost();
    ~QtHost() override;
    // The host that wrapper widgets use when none is given; made on first use, lives with the
    // application object.
    static QtHost& ForApplication();

    // ---- Settings ----
    void SetToday(std::optional<Date> today) { today_ = today; }
    Date Today() const;
    void SetLocale(const QLocale& locale) { locale_ = QtLocaleNames(locale); }
    const LocaleNames& Locale() const { return locale_; }
    // Fixes the twips per pixel (as a screen of 1440 / factor DPI would give); 0 returns to the screen's.
    void SetTwipsPerPixel(double factor) { twipsPerPixel_ = factor; }

    // ---- DialogHost ----
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    double ScreenWidthTwips() const override;
    double ScreenHeightTwips() const override;
    std::unique_ptr<Dialog> CreateDialog(const std::string& name) override;
    LibraryIdentity Library() const override { return VemoCalendarIdentity(); }
    frmAbout& About() { return about_; }
    // The caption layouts every painted widget of this host draws from.
    CaptionLayouts& Captions() { return captions_; }

    MessageResult ShowMessageBox(const MessageBoxRequest& request, QWidget* parent);

    // ---- Window handles: our own numbers for real widgets and windowless buttons ----
    intptr_t HandleOf(QWidget& widget);
    intptr_t NewElementHandle(QtNode& node);
    void ReleaseHandle(intptr_t handle);
    // The client-area origin of the window on the screen, in pixels; false for an unknown handle.
    bool ScreenOrigin(intptr_t handle, QPoint& origin) const;
    QWidget* WidgetOf(intptr_t handle) const;

    // ---- Focus ----
    void RegisterNode(QWidget& widget, QtNode& node) { nodes_.insert(&widget, &node); }
    void UnregisterNode(QWidget& widget) { nodes_.remove(&widget); }
    void RegisterSite(QWidget& surface, QtControlSite& site) { sites_.insert(&surface, &site); }
    void UnregisterSite(QtControlSite& site);
    // The constituent of `owner` of that name (the drop-down button's calendar), or null.
    QtControlSite* ConstituentOf(const QtControlSite& owner, std::string_view name) const;
    QtControlSite* FocusedSite() const { return focusedSite_; }
    Widget* FocusedWidget() const { return focusedWidget_; }
    // Works out which control and widget have the focus now and tells them, in the order a form
    // does: lost focus, exit, enter, got focus.
    void SyncFocus();

    // One place on a form's Tab chain: a widget of a control (a windowless one drawn by `widget`),
    // or another program widget. `stop` is false for the focused place that Tab does not reach.
    struct TabPlace {
        QtControlSite* site = nullptr;
        QtNode* node = nullptr;
        QWidget* widget = nullptr;
        bool stop = true;
    };
    // The Tab chain of the window that holds `focus`: the window's own focus chain, with each
    // control's widgets in the control's order at the control's place and a constituent's right
    // after its owner's.
    std::vector<TabPlace> TabChain(QWidget& focus) const;
    // Moves the focus from the focused widget of a control one stop along its window's chain;
    // `leaveControl` skips every stop of the focused control. False when nothing is focused here.
    bool MoveTabFocus(bool backwards, bool leaveControl);

protected:
    // Tab, Shift+Tab and Ctrl+Tab on the controls' widgets; focus arriving in a control by Tab.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MoveFocus(QtControlSite* site, Widget* widget);
    // The control (or null) and the widget of it that `widget` has the keyboard for.
    QtControlSite* SiteOfWidget(const QWidget* widget) const;
    QtNode* FocusedNode(QWidget& focus) const;
    bool FilterTab(QWidget& widget, QKeyEvent& key);
    bool FilterFocusIn(QWidget& widget, QFocusEvent& focus);
    void FocusPlace(const TabPlace& place, bool backwards);
    bool routingTab_ = false;
    bool tabMoved_ = false;
    QPointer<QWidget> lastFocusOut_;
    struct HandleTarget {
        QPointer<QWidget> widget;
        QtNode* node = nullptr;
    };
    std::optional<Date> today_;
    QtLocaleNames locale_;
    double twipsPerPixel_ = 0;
    intptr_t lastHandle_ = 0x10000;
    std::unordered_map<intptr_t, HandleTarget> handles_;
    QHash<const QWidget*, intptr_t> widgetHandles_;
    QHash<const QWidget*, QtNode*> nodes_;
    QHash<const QWidget*, QtControlSite*> sites_;
    QtControlSite* focusedSite_ = nullptr;
    Widget* focusedWidget_ = nullptr;
    frmAbout about_;
    CaptionLayouts captions_;
};

class QtDialogWidget;

// A modal dialog on a real QDialog; positions and sizes in twips. Enter presses the default
// button, Escape (and the close box) the cancel button.
class QtDialog : public Dialog {
public:
    QtDialog(QtHost& host, const std::string& name);
    ~QtDialog() override;
    WidgetFactory& Widgets() override { return *factory_; }
    QtWidgetFactory& Factory() { return *factory_; }
    void SetCaption(const std::string& caption) override;
    const std::string& Caption() const override { return caption_; }
    void SetIcon(PictureRef icon) override;
    int Left() const override;
    int Top() const override;
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Move(int left, int top) override;
    void Resize(int width, int height) override;
    WindowState State() const override;
    void ShowModal() override;
    void Unload() override;
    bool IsVisible() const override;
    QDialog& Window() const;

private:
    friend class QtDialogWidget;
    void Cancel();
    QtHost& host_;
    std::unique_ptr<QtDialogWidget> widget_;
    std::unique_ptr<QtWidgetFactory> factory_;
    std::string caption_;
    int width_ = 0, height_ = 0;
    bool showing_ = false;
};

}  // namespace VemoCalendar
