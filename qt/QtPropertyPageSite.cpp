#include "qt/QtPropertyPageSite.h"

#include <QApplication>

#include "host/ControlError.h"
#include "qt/QtConvert.h"
#include "qt/QtEventGuard.h"
#include "qt/QtHost.h"

namespace VemoCalendar {

QtPropertyPageSite::QtPropertyPageSite(QtHost& host, QWidget* parent,
                                       const std::function<std::unique_ptr<PropertyPage>(PropertyPageSite&)>& makePage)
    : host_(host), surface_(new QtPageWidget(parent)) {
    factory_ = std::make_unique<QtWidgetFactory>(host, host, *surface_, surface_->Layer(), nullptr);
    page_ = makePage(*this);
    if (!page_) throw std::logic_error("no property page made");
    surface_->setObjectName(ToQString(std::string(page_->Name())));
    surface_->setFixedSize(TwipsToPixels(page_->ClientWidth(), host.TwipsPerPixelX()),
                           TwipsToPixels(page_->ClientHeight(), host.TwipsPerPixelY()));
    page_->PropertyPage_Initialize();
    focusConnection_ = QObject::connect(qApp, &QApplication::focusChanged, surface_,
                                        [this] { GuardQtEvent([this] { SyncFocus(); }); });
}

QtPropertyPageSite::~QtPropertyPageSite() {
    QObject::disconnect(focusConnection_);
    focused_ = nullptr;
    page_.reset();
    factory_.reset();  // the widgets go while the surface that holds them is still there
}

PropertyTarget& QtPropertyPageSite::SelectedControl(int index) {
    if (index < 0 || index >= SelectedControlCount()) throw ControlError(9, "Subscript out of range");
    return *selection_[static_cast<size_t>(index)];
}

void QtPropertyPageSite::SetChanged(bool changed) {
    changed_ = changed;
    if (onChanged) onChanged(changed);
}

MessageResult QtPropertyPageSite::MsgBox(const MessageBoxRequest& request) {
    return host_.ShowMessageBox(request, surface_);
}

void QtPropertyPageSite::Select(std::vector<PropertyTarget*> controls) {
    selection_ = std::move(controls);
    page_->PropertyPage_SelectionChanged();
}

Widget* QtPropertyPageSite::PageWidgetOf(QWidget* focus) const {
    for (QWidget* at = focus; at && at != surface_; at = at->parentWidget())
        for (QtNode* node : factory_->Nodes())
            if (node->Window() == at && node->Focusable()) return &node->AsWidget();
    return nullptr;
}

void QtPropertyPageSite::SyncFocus() {
    // While a handler runs (a field's message box, its focus put back) Qt moves the focus about;
    // the page hears only where it ends up.
    if (delivering_) return;
    QWidget* focus = QApplication::focusWidget();
    // Another window (a message box, the colour dialog) taking the keyboard is not the page's move.
    if (focus && focus->window() != surface_->window()) return;
    MoveFocus(PageWidgetOf(focus));
}

void QtPropertyPageSite::LeavePage() { MoveFocus(nullptr); }

void QtPropertyPageSite::MoveFocus(Widget* widget) {
    if (widget == focused_) return;
    Widget* old = focused_;
    const bool oldHadIt = gotFocusDelivered_;
    focused_ = widget;
    gotFocusDelivered_ = false;
    if (old && oldHadIt && old->Events().LostFocus) {
        delivering_ = true;
        try {
            old->Events().LostFocus();
        } catch (...) {
            delivering_ = false;
            throw;
        }
        delivering_ = false;
    }
    // Follow where the focus is now: a refused field put it back, and a page left from code still
    // holds Qt's focus in the widget, which must be checked again when the developer leaves it.
    QWidget* focus = QApplication::focusWidget();
    Widget* now = focus && focus->window() == surface_->window() ? PageWidgetOf(focus) : nullptr;
    if (now != widget) {
        focused_ = now;
        widget = now;
    }
    gotFocusDelivered_ = true;
    if (widget && widget->Events().GotFocus) widget->Events().GotFocus();
}

}  // namespace VemoCalendar
