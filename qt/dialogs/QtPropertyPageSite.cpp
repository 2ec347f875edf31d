#include "qt/dialogs/QtPropertyPageSite.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

#include "host/ControlError.h"
#include "qt/backend/QtConvert.h"
#include "qt/backend/QtEventGuard.h"
#include "qt/backend/QtHost.h"

namespace VemoCalendar {

// Tab, Enter and Escape in a page belong to the dialog: they move the focus, press the default
// button or cancel. A field's key filter discards every control character it is offered, so these
// keys go past it, as they go past a text box on a form.
class QtPageKeys : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        auto& key = static_cast<QKeyEvent&>(*event);
        if (!widget) return false;
        switch (key.key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab: {
                if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
                const bool back = key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier);
                QWidget* next = widget;
                do {
                    next = back ? next->previousInFocusChain() : next->nextInFocusChain();
                } while (next && next != widget &&
                         !((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled()));
                if (next && next != widget) next->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
                return true;
            }
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Escape:
                QCoreApplication::sendEvent(widget->window(), event);
                return true;
            default: return false;
        }
    }
};

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
    FitCaptions();
    keys_ = std::make_unique<QtPageKeys>();
    for (QtNode* node : factory_->Nodes())
        if (node->Window() && node->Focusable()) node->Window()->installEventFilter(keys_.get());
    focusConnection_ = QObject::connect(qApp, &QApplication::focusChanged, surface_,
                                        [this] { GuardQtEvent([this] { SyncFocus(); }); });
}

QtPropertyPageSite::~QtPropertyPageSite() {
    QObject::disconnect(focusConnection_);
    focused_ = nullptr;
    page_.reset();
    factory_.reset();  // the widgets go while the surface that holds them is still there
}

// The designs are measured for Arial; where fontconfig gives a wider face, a caption that would be
// cut grows to the right, as far as its container allows.
void QtPropertyPageSite::FitCaptions() {
    const double twipsPerPixel = host_.TwipsPerPixelX();
    for (QtNode* node : factory_->Nodes()) {
        int needed = 0;
        Widget& w = node->AsWidget();
        if (auto* label = dynamic_cast<Label*>(&w)) {
            needed = QFontMetrics(ToQFont(label->Font())).horizontalAdvance(ToQString(label->Caption())) + 2;
        } else if ((dynamic_cast<CheckBox*>(&w) || dynamic_cast<OptionButton*>(&w)) && node->Window()) {
            if (dynamic_cast<CheckBox*>(&w) ? dynamic_cast<CheckBox&>(w).Caption().empty()
                                            : dynamic_cast<OptionButton&>(w).Caption().empty())
                continue;
            needed = node->Window()->sizeHint().width();
        } else {
            continue;
        }
        const int neededTwips = static_cast<int>(std::ceil(needed * twipsPerPixel));
        if (neededTwips <= w.Width()) continue;
        const int room = (node->ParentNode() ? node->ParentNode()->width_ : page_->ClientWidth()) - w.Left() - 30;
        if (room > w.Width()) w.SetWidth(std::min(neededTwips, room));
    }
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
