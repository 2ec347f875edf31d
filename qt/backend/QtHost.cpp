#include "qt/backend/QtHost.h"

#include <QApplication>
#include <QDate>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "qt/backend/QtControlSite.h"
#include "qt/backend/QtConvert.h"
#include "qt/backend/QtEventGuard.h"

namespace VemoCalendar {

// ---------------------------------------------------------------- Locale names

std::string QtLocaleNames::MonthName(int month, bool abbreviated) const {
    if (month < 1 || month > 12) return {};
    return FromQString(locale_.monthName(month, abbreviated ? QLocale::ShortFormat : QLocale::LongFormat));
}

std::string QtLocaleNames::WeekdayName(int weekday, bool abbreviated) const {
    if (weekday < 1 || weekday > 7) return {};
    // Qt counts Monday = 1 .. Sunday = 7.
    const int qtDay = weekday == 1 ? 7 : weekday - 1;
    return FromQString(locale_.dayName(qtDay, abbreviated ? QLocale::ShortFormat : QLocale::LongFormat));
}

// ---------------------------------------------------------------- Host

QtHost::QtHost() : about_(*this) {
    connect(qApp, &QApplication::focusChanged, this, [this] { GuardQtEvent([this] { SyncFocus(); }); });
    qApp->installEventFilter(this);
}

QtHost::~QtHost() = default;

QtHost& QtHost::ForApplication() {
    static QPointer<QtHost> host;
    if (!host) {
        host = new QtHost;
        host->setParent(qApp);
    }
    return *host;
}

Date QtHost::Today() const {
    if (today_) return *today_;
    return FromQDate(QDate::currentDate());
}

// Twips per pixel from the screen's logical DPI (96 gives 15, 144 gives 10, 192 gives 7.5).
double QtHost::TwipsPerPixelX() const {
    if (twipsPerPixel_ > 0) return twipsPerPixel_;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

double QtHost::TwipsPerPixelY() const {
    if (twipsPerPixel_ > 0) return twipsPerPixel_;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

double QtHost::ScreenWidthTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return (screen ? screen->geometry().width() : 1024) * TwipsPerPixelX();
}

double QtHost::ScreenHeightTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return (screen ? screen->geometry().height() : 768) * TwipsPerPixelY();
}

std::unique_ptr<Dialog> QtHost::CreateDialog(const std::string& name) { return std::make_unique<QtDialog>(*this, name); }

MessageResult QtHost::ShowMessageBox(const MessageBoxRequest& request, QWidget* parent) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (request.icon) {
        case MessageIcon::Critical: icon = QMessageBox::Critical; break;
        case MessageIcon::Question: icon = QMessageBox::Question; break;
        case MessageIcon::Exclamation: icon = QMessageBox::Warning; break;
        case MessageIcon::Information: icon = QMessageBox::Information; break;
        case MessageIcon::None: break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (request.buttons == MessageButtons::OKCancel) buttons = QMessageBox::Ok | QMessageBox::Cancel;
    else if (request.buttons == MessageButtons::YesNo) buttons = QMessageBox::Yes | QMessageBox::No;
    QMessageBox box(icon, ToQString(request.title), ToQString(request.text), buttons, parent ? parent->window() : nullptr);
    box.setObjectName("vemoMessageBox");
    // Qt has no system-modal windows; application modality is the nearest it offers.
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
        case QMessageBox::Cancel: return MessageResult::Cancel;
        case QMessageBox::Yes: return MessageResult::Yes;
        case QMessageBox::No: return MessageResult::No;
        default: return MessageResult::OK;
    }
}

intptr_t QtHost::HandleOf(QWidget& widget) {
    const auto it = widgetHandles_.constFind(&widget);
    if (it != widgetHandles_.constEnd()) return *it;
    const intptr_t handle = ++lastHandle_;
    handles_[handle] = {&widget, nullptr};
    widgetHandles_.insert(&widget, handle);
    connect(&widget, &QObject::destroyed, this, [this, handle, key = &widget] {
        handles_.erase(handle);
        widgetHandles_.remove(key);
    });
    return handle;
}

intptr_t QtHost::NewElementHandle(QtNode& node) {
    const intptr_t handle = ++lastHandle_;
    handles_[handle] = {nullptr, &node};
    return handle;
}

void QtHost::ReleaseHandle(intptr_t handle) { handles_.erase(handle); }

bool QtHost::ScreenOrigin(intptr_t handle, QPoint& origin) const {
    const auto it = handles_.find(handle);
    if (it == handles_.end()) return false;
    if (it->second.node) {
        QtNode& node = *it->second.node;
        origin = node.HostLayer().HostWidget().mapToGlobal(node.PixelRect().topLeft());
        return true;
    }
    if (!it->second.widget) return false;
    origin = it->second.widget->mapToGlobal(QPoint(0, 0));
    return true;
}

QWidget* QtHost::WidgetOf(intptr_t handle) const {
    const auto it = handles_.find(handle);
    return it == handles_.end() ? nullptr : it->second.widget.data();
}

void QtHost::UnregisterSite(QtControlSite& site) {
    sites_.remove(&site.Surface());
    if (focusedSite_ == &site) {
        // A constituent taken down with the focus leaves it with its owner, which still has to
        // hear when the focus leaves.
        focusedSite_ = site.Owner();
        focusedWidget_ = nullptr;
    }
}

QtControlSite* QtHost::ConstituentOf(const QtControlSite& owner, std::string_view name) const {
    for (QtControlSite* site : sites_)
        if (site->Owner() == &owner && site->Name() == name) return site;
    return nullptr;
}

void QtHost::SyncFocus() {
    QWidget* focus = QApplication::focusWidget();
    // The application losing the keyboard to another program moves no focus between controls.
    if (!focus && !QApplication::activeWindow()) return;
    QtControlSite* site = nullptr;
    Widget* widget = nullptr;
    for (QWidget* at = focus; at; at = at->parentWidget()) {
        if (QtNode* node = nodes_.value(at)) {
            site = node->Factory().Site();
            ElementLayer* layer = node->Layer();
            QtNode* element = layer ? layer->FocusElement() : nullptr;
            if (element && element->ShownInHost() && element->EnabledInHost()) widget = &element->AsWidget();
            else if (node->Focusable()) widget = &node->AsWidget();
            break;
        }
        if (QtControlSite* owner = sites_.value(at)) {
            site = owner;
            QtNode* element = owner->Factory().RootLayer().FocusElement();
            if (element && element->ShownInHost() && element->EnabledInHost()) widget = &element->AsWidget();
            break;
        }
    }
    // Widgets of dialogs belong to no control, nor do those of a control being taken down.
    if (site && !sites_.contains(&site->Surface())) site = nullptr;
    if (!site) widget = nullptr;
    MoveFocus(site, widget);
}

namespace {

// A control and the controls that own it, innermost first: focus moving between a control and its
// constituent stays inside the owner.
std::vector<QtControlSite*> OwnerChain(QtControlSite* site) {
    std::vector<QtControlSite*> chain;
    for (QtControlSite* at = site; at; at = at->Owner()) chain.push_back(at);
    return chain;
}

bool Contains(const std::vector<QtControlSite*>& chain, const QtControlSite* site) {
    return std::find(chain.begin(), chain.end(), site) != chain.end();
}

}  // namespace

void QtHost::MoveFocus(QtControlSite* site, Widget* widget) {
    if (site == focusedSite_ && widget == focusedWidget_) return;
    QtControlSite* oldSite = focusedSite_;
    Widget* oldWidget = focusedWidget_;
    focusedSite_ = site;
    focusedWidget_ = widget;
    if (oldWidget) {
        if (oldWidget->Events().LostFocus) oldWidget->Events().LostFocus();
    } else if (oldSite && oldSite->HasControl()) {
        oldSite->GetControl().UserControl_LostFocus();
    }
    if (oldSite != site) {
        const std::vector<QtControlSite*> left = OwnerChain(oldSite), entered = OwnerChain(site);
        // A handler may take a control down (or move the focus on); each step checks that the
        // control it names is still registered.
        auto alive = [this](QtControlSite* at) {
            for (QtControlSite* registered : std::as_const(sites_))
                if (registered == at) return at->HasControl();
            return false;
        };
        for (QtControlSite* at : left)
            if (!Contains(entered, at) && alive(at)) at->GetControl().UserControl_ExitFocus();
        for (auto it = entered.rbegin(); it != entered.rend(); ++it)
            if (!Contains(left, *it) && alive(*it)) (*it)->GetControl().UserControl_EnterFocus();
    }
    // A handler above may have moved the focus on; only the widget still focused hears of it.
    if (focusedSite_ != site || focusedWidget_ != widget) return;
    if (widget) {
        if (widget->Events().GotFocus) widget->Events().GotFocus();
    } else if (site && site->HasControl()) {
        site->GetControl().UserControl_GotFocus();
    }
}

// ---------------------------------------------------------------- Tab routing

namespace {

QtControlSite* Outermost(QtControlSite* site) {
    while (site && site->Owner()) site = site->Owner();
    return site;
}

bool IsTabKey(const QKeyEvent& key) { return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab; }

}  // namespace

QtControlSite* QtHost::SiteOfWidget(const QWidget* widget) const {
    for (const QWidget* at = widget; at; at = at->parentWidget()) {
        if (QtNode* node = nodes_.value(at)) return node->Factory().Site();
        if (QtControlSite* site = sites_.value(at)) return site;
    }
    return nullptr;
}

QtNode* QtHost::FocusedNode(QWidget& focus) const {
    ElementLayer* layer = nullptr;
    QtNode* node = nodes_.value(&focus);
    if (node) layer = node->Layer();
    else if (QtControlSite* site = sites_.value(&focus)) layer = &site->Factory().RootLayer();
    QtNode* element = layer ? layer->FocusElement() : nullptr;
    if (element && element->ShownInHost() && element->EnabledInHost()) return element;
    return node && node->Focusable() ? node : nullptr;
}

std::vector<QtHost::TabPlace> QtHost::TabChain(QWidget& focus) const {
    QWidget* window = focus.window();
    QtNode* focusedNode = FocusedNode(focus);
    std::vector<TabPlace> chain;
    std::vector<const QtControlSite*> added;
    std::function<void(QtControlSite&)> addSite = [&](QtControlSite& site) {
        added.push_back(&site);
        if (&site.Surface() == &focus && !focusedNode) chain.push_back({&site, nullptr, &focus, false});
        for (QtNode* node : site.Factory().Nodes()) {
            QWidget* holder = node->Window() ? node->Window() : &node->HostLayer().HostWidget();
            const bool stop = node->TabStop() && node->ShownInHost() && node->EnabledInHost() &&
                              holder->isVisibleTo(window) && holder->isEnabled();
            if (stop || node == focusedNode) chain.push_back({&site, node, holder, stop});
        }
        for (QtControlSite* constituent : sites_)
            if (constituent->Owner() == &site) addSite(*constituent);
    };
    QWidget* at = window;
    do {
        const bool ours = nodes_.contains(at) || sites_.contains(at);
        if (QtControlSite* site = ours ? SiteOfWidget(at) : nullptr) {
            // A constituent's stops follow its owner's, wherever its window went.
            QtControlSite* group = site;
            while (group->Owner() && group->Owner()->Surface().window() == window) group = group->Owner();
            if (std::find(added.begin(), added.end(), group) == added.end()) addSite(*group);
        } else if (!ours || !SiteOfWidget(at)) {
            const bool stop = (at->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !at->focusProxy() &&
                              at->isVisibleTo(window) && at->isEnabled() && at != window;
            if (stop || at == &focus) chain.push_back({nullptr, nullptr, at, stop});
        }
        at = at->nextInFocusChain();
    } while (at && at != window);
    return chain;
}

void QtHost::FocusPlace(const TabPlace& place, bool backwards) {
    const bool wasRouting = routingTab_;
    routingTab_ = true;
    if (place.node) place.node->NodeSetFocus();
    else place.widget->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    routingTab_ = wasRouting;
}

bool QtHost::MoveTabFocus(bool backwards, bool leaveControl) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return false;
    const std::vector<TabPlace> chain = TabChain(*focus);
    const QtNode* focusedNode = FocusedNode(*focus);
    const auto n = static_cast<ptrdiff_t>(chain.size());
    ptrdiff_t at = -1;
    for (ptrdiff_t i = 0; i < n; ++i) {
        const TabPlace& place = chain[static_cast<size_t>(i)];
        if (focusedNode ? place.node == focusedNode : (!place.node && place.widget == focus)) at = i;
    }
    if (at < 0) return false;
    QtControlSite* current = Outermost(chain[static_cast<size_t>(at)].site);
    for (ptrdiff_t step = 1; step < n; ++step) {
        const TabPlace& place = chain[static_cast<size_t>(((at + (backwards ? -step : step)) % n + n) % n)];
        if (!place.stop || (leaveControl && current && Outermost(place.site) == current)) continue;
        FocusPlace(place, backwards);
        return true;
    }
    return true;
}

bool QtHost::FilterTab(QWidget& widget, QKeyEvent& key) {
    if (&widget != QApplication::focusWidget() || (key.modifiers() & Qt::AltModifier)) return false;
    const bool ours = nodes_.contains(&widget) || sites_.contains(&widget);
    if (!ours) return false;
    const bool backwards = key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier);
    const bool leave = (key.modifiers() & Qt::ControlModifier) != 0;
    if (key.type() == QEvent::KeyRelease && tabMoved_) {
        // The release of a Tab that moved the focus belongs to no widget.
        tabMoved_ = false;
        return true;
    }
    if (key.type() == QEvent::KeyPress) tabMoved_ = false;
    QtNode* focused = FocusedNode(widget);
    // Only a widget that takes Tab hears a plain Tab as a key; a text box that swallows keys does not.
    if (!backwards && !leave && focused && focused->AsWidget().TakesTab()) return false;
    if (key.type() == QEvent::KeyRelease) return true;
    if (!SiteOfWidget(&widget)) {
        // A dialog's widget: the dialog's own chain, as Qt walks it; Ctrl+Tab is the dialog's.
        if (leave) return false;
        QWidget* next = &widget;
        do next = backwards ? next->previousInFocusChain() : next->nextInFocusChain();
        while (next && next != &widget &&
               !((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled() && !next->focusProxy()));
        if (next && next != &widget) next->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        tabMoved_ = true;
        return true;
    }
    MoveTabFocus(backwards, leave);
    tabMoved_ = true;
    return true;
}

// Focus that Qt's own Tab brings into a control from outside lands on the control's first stop
// (Shift+Tab: its last), whichever of the control's widgets Qt picked. Focus given to a control's
// own widget otherwise (setFocus() from code, a window's activation, a click on its margin) goes
// on to its first stop too, as QCalendarWidget hands it to its view: keys work there at once.
bool QtHost::FilterFocusIn(QWidget& widget, QFocusEvent& focus) {
    if (routingTab_) return false;
    const bool tab = focus.reason() == Qt::TabFocusReason || focus.reason() == Qt::BacktabFocusReason;
    // Tab may land on any of a control's widgets; other focus matters only on the control's own.
    if (!sites_.contains(&widget) && (!tab || !nodes_.contains(&widget))) return false;
    // A constituent's own widget (the pop-up calendar's) is its owner's matter.
    if (!tab && SiteOfWidget(&widget)->Owner()) return false;
    QtControlSite* control = Outermost(SiteOfWidget(&widget));
    if (!control || &widget != QApplication::focusWidget()) return false;
    if (tab && lastFocusOut_ && Outermost(SiteOfWidget(lastFocusOut_)) == control) return false;
    const bool backwards = focus.reason() == Qt::BacktabFocusReason;
    const std::vector<TabPlace> chain = TabChain(widget);
    const TabPlace* target = nullptr;
    for (const TabPlace& place : chain)
        if (place.stop && Outermost(place.site) == control && (!target || backwards)) target = &place;
    if (!target) return false;
    if (target->widget == &widget) {
        if (target->node && target->node->Windowless()) target->node->HostLayer().SetFocusElement(target->node);
        return false;
    }
    FocusPlace(*target, backwards);
    return true;
}

bool QtHost::eventFilter(QObject* watched, QEvent* event) {
    bool consumed = false;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (watched->isWidgetType() && IsTabKey(static_cast<QKeyEvent&>(*event)))
                GuardQtEvent([&] { consumed = FilterTab(static_cast<QWidget&>(*watched), static_cast<QKeyEvent&>(*event)); });
            break;
        case QEvent::FocusOut:
            if (watched->isWidgetType()) lastFocusOut_ = static_cast<QWidget*>(watched);
            break;
        case QEvent::FocusIn:
            if (watched->isWidgetType())
                GuardQtEvent([&] { consumed = FilterFocusIn(static_cast<QWidget&>(*watched), static_cast<QFocusEvent&>(*event)); });
            break;
        default: break;
    }
    return consumed;
}

// ---------------------------------------------------------------- Dialog

class QtDialogWidget : public ElementHostWidget<QDialog> {
public:
    // A window of its own, owned by the Dialog object alone; modal over the whole application.
    explicit QtDialogWidget(QtDialog& owner) : ElementHostWidget(nullptr), owner_(owner) {
        setWindowModality(Qt::ApplicationModal);
    }
    // Escape and the close box press the cancel button, when there is one.
    void reject() override { owner_.Cancel(); }

private:
    QtDialog& owner_;
};

QtDialog::QtDialog(QtHost& host, const std::string& name) : host_(host), widget_(std::make_unique<QtDialogWidget>(*this)) {
    widget_->setObjectName(ToQString(name));
    factory_ = std::make_unique<QtWidgetFactory>(host, host, *widget_, widget_->Layer(), nullptr);
}

// The widgets go first, while the dialog that holds them is still there.
QtDialog::~QtDialog() { factory_.reset(); }

QDialog& QtDialog::Window() const { return *widget_; }

void QtDialog::SetCaption(const std::string& caption) {
    caption_ = caption;
    widget_->setWindowTitle(ToQString(caption));
}

void QtDialog::SetIcon(PictureRef icon) {
    const QImage image = icon ? ToQImage(*icon) : QImage();
    widget_->setWindowIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
}

int QtDialog::Left() const { return static_cast<int>(std::nearbyint(widget_->x() * host_.TwipsPerPixelX())); }
int QtDialog::Top() const { return static_cast<int>(std::nearbyint(widget_->y() * host_.TwipsPerPixelY())); }

void QtDialog::Move(int left, int top) {
    widget_->move(TwipsToPixels(left, host_.TwipsPerPixelX()), TwipsToPixels(top, host_.TwipsPerPixelY()));
}

void QtDialog::Resize(int width, int height) {
    width_ = width, height_ = height;
    widget_->setFixedSize(TwipsToPixels(width, host_.TwipsPerPixelX()), TwipsToPixels(height, host_.TwipsPerPixelY()));
}

WindowState QtDialog::State() const {
    if (widget_->windowState() & Qt::WindowMinimized) return WindowState::Minimized;
    if (widget_->windowState() & Qt::WindowMaximized) return WindowState::Maximized;
    return WindowState::Normal;
}

// Visible from the start of the showing: Qt hands the dialog's first widget the focus while it
// shows the window, before the window itself counts as visible, and a control that loses the
// focus to the dialog must already see it up.
void QtDialog::ShowModal() {
    showing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{showing_};
    widget_->exec();
}

void QtDialog::Unload() { widget_->done(QDialog::Accepted); }

bool QtDialog::IsVisible() const { return showing_ || widget_->isVisible(); }

void QtDialog::Cancel() {
    for (QtNode* node : factory_->Nodes())
        if (auto* button = dynamic_cast<QtPushButton*>(node); button && button->IsCancel()) {
            if (button->Enabled() && button->Events().Click) button->Events().Click();
            return;
        }
    widget_->done(QDialog::Rejected);
}

}  // namespace VemoCalendar
