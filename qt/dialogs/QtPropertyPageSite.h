#pragma once
#include <QMetaObject>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "host/PropertyPageSite.h"
#include "qt/backend/QtElementHost.h"
#include "qt/backend/QtWidgets.h"

namespace VemoCalendar {

class QtHost;
class QtPageKeys;

// The widget a property page's widgets live on, sized to the page's client area.
class QtPageWidget : public ElementHostWidget<QWidget> {
public:
    explicit QtPageWidget(QWidget* parent) : ElementHostWidget(parent) {}
};

// The site of one of the library's own pages on Qt: its widgets on a QtPageWidget, the selection,
// the changed flag (reported through onChanged so that the dialog enables Apply), message boxes
// over the dialog, and the page widgets' focus notifications, which the page's field checks need.
class QtPropertyPageSite : public PropertyPageSite {
public:
    // Makes the page through `makePage` on a new widget (a child of `parent`) and initialises it.
    QtPropertyPageSite(QtHost& host, QWidget* parent,
                       const std::function<std::unique_ptr<PropertyPage>(PropertyPageSite&)>& makePage);
    ~QtPropertyPageSite() override;

    PropertyPage& Page() { return *page_; }
    QtPageWidget& Surface() { return *surface_; }
    QtWidgetFactory& Factory() { return *factory_; }
    std::function<void(bool)> onChanged;

    // Sets the selection and loads the page; a load error goes up to the caller.
    void Select(std::vector<PropertyTarget*> controls);
    // Delivers LostFocus to the page widget that has the focus, as if the focus had left the page,
    // so a field being edited is checked before the page applies.
    void LeavePage();

    // ---- PropertyPageSite ----
    WidgetFactory& Widgets() override { return *factory_; }
    int SelectedControlCount() const override { return static_cast<int>(selection_.size()); }
    PropertyTarget& SelectedControl(int index) override;
    bool Changed() const override { return changed_; }
    void SetChanged(bool changed) override;
    MessageResult MsgBox(const MessageBoxRequest& request) override;

private:
    Widget* PageWidgetOf(QWidget* focus) const;
    void FitCaptions();
    void SyncFocus();
    void MoveFocus(Widget* widget);

    QtHost& host_;
    QtPageWidget* surface_;
    std::unique_ptr<QtWidgetFactory> factory_;
    std::unique_ptr<PropertyPage> page_;
    std::vector<PropertyTarget*> selection_;
    bool changed_ = false;
    Widget* focused_ = nullptr;
    bool gotFocusDelivered_ = false;
    bool delivering_ = false;
    QMetaObject::Connection focusConnection_;
    std::unique_ptr<QtPageKeys> keys_;
};

}  // namespace VemoCalendar
