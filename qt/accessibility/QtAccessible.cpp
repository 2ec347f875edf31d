#include "qt/accessibility/QtAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDate>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "calbutton/QvCalButton.h"
#include "calendar/QvCalendar.h"
#include "qt/backend/QtControlSite.h"
#include "qt/backend/QtConvert.h"
#include "qt/backend/QtEventGuard.h"
#include "qt/backend/QtHost.h"
#include "qt/backend/QtNodeObserver.h"
#include "qt/backend/QtWidgets.h"

namespace VemoCalendar {
namespace {

constexpr char kFocusPending[] = "vemoAccessibleFocusPending";


// The registered interface of each windowless widget asked for, and the containers made so far
// (events are sent only for widgets somebody has looked at).
QHash<const QtNode*, QAccessible::Id>& Elements() {
    static QHash<const QtNode*, QAccessible::Id> elements;
    return elements;
}
QHash<const QWidget*, QAccessibleInterface*>& Containers() {
    static QHash<const QWidget*, QAccessibleInterface*> containers;
    return containers;
}

std::function<void(QAccessibleEvent&)>& Spy() {
    static std::function<void(QAccessibleEvent&)> spy;
    return spy;
}

void Send(QAccessibleEvent& event) {
    if (Spy()) Spy()(event);
    QAccessible::updateAccessibility(&event);
}

QtNode* NodeOfWidget(const QWidget* widget) { return QtNodeOfWidget(*widget); }

template <class T>
T* ControlOf(const QtNode& node) {
    QtControlSite* site = node.Factory().Site();
    return site && site->HasControl() ? dynamic_cast<T*>(&site->GetControl()) : nullptr;
}

QLocale LocaleOf(const QtNode& node) {
    if (QtControlSite* site = node.Factory().Site())
        if (const auto* names = dynamic_cast<const QtLocaleNames*>(&site->Locale())) return names->Locale();
    return QLocale();
}

// A date as the user's locale writes it in full: "Tuesday, 10 June 1997".
QString LongDate(const QtNode& near, QDate date) { return LocaleOf(near).toString(date, QLocale::LongFormat); }

QtNode* Find(const QtNode& near, const std::string& name, int index = -1) {
    Widget* widget = near.Factory().Find(name, index);
    return widget ? &QtWidgetFactory::Node(*widget) : nullptr;
}

bool Is(const QtNode& node, const char* name) { return node.name_ == name && ControlOf<QvCalendar>(node); }

// The date a day cell shows: its number in the month its class names.
QDate CellDate(const QtNode& cell) {
    const auto* calendar = ControlOf<QvCalendar>(cell);
    if (!calendar) return {};
    const Date value = calendar->calValue();
    if (!IsValidDate(value)) return {};
    QDate month(YearOf(value), MonthOf(value), 1);
    const std::string& tag = const_cast<QtNode&>(cell).AsWidget().Tag();
    if (tag == "Prev") month = month.addMonths(-1);
    else if (tag == "Next") month = month.addMonths(1);
    const std::string& caption = dynamic_cast<const Panel&>(const_cast<QtNode&>(cell).AsWidget()).Caption();
    const int day = QString::fromStdString(caption).toInt();
    return QDate(month.year(), month.month(), day);
}

bool HasKeyboard(const QtNode& node) {
    QWidget& host = node.HostLayer().HostWidget();
    return node.HostLayer().FocusElement() == &node && host.hasFocus();
}

QAccessibleInterface* InterfaceOf(QtNode& node);

// ---------------------------------------------------------------- Painted widgets

class ElementInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit ElementInterface(QtNode& node) : node_(&node) {}
    void Forget() { node_ = nullptr; }

    bool isValid() const override { return node_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return node_ ? node_->HostLayer().HostWidget().window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return node_ ? QAccessible::queryAccessibleInterface(&node_->HostLayer().HostWidget()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!node_) return {};
        const QRect r = node_->PixelRect();
        return QRect(node_->HostLayer().HostWidget().mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::Role role() const override {
        if (!node_) return QAccessible::NoRole;
        if (Is(*node_, "pnlCalNum")) return QAccessible::ListItem;
        if (Is(*node_, "pnlCalDay")) return QAccessible::ColumnHeader;
        if (Is(*node_, "pnlCalWeek")) return QAccessible::RowHeader;
        if (dynamic_cast<QtCommandButton*>(node_))
            return ControlOf<QvCalButton>(*node_) ? QAccessible::ButtonDropDown : QAccessible::Button;
        return QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override {
        if (!node_) return {};
        if (t == QAccessible::Name) return Name();
        if (t == QAccessible::Description && Is(*node_, "pnlCalNum")) return CellClass();
        // Tab goes round the arrows; a screen-reader user must hear how to get out.
        if (t == QAccessible::Description && Is(*node_, "cmdButton"))
            return QStringLiteral("Tab moves to the next arrow; Shift+Tab or Ctrl+Tab leaves them");
        return {};
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!node_) return s;
        s.invisible = !node_->ShownInHost();
        s.disabled = !node_->EnabledInHost();
        s.focusable = node_->Focusable();
        s.focused = HasKeyboard(*node_);
        if (Is(*node_, "pnlCalNum")) {
            s.selectable = true;
            s.selected = node_->AsWidget().Tag() == "CurrSelected";
        }
        if (auto* button = dynamic_cast<QtCommandButton*>(node_)) {
            s.pressed = button->Pressed();
            if (auto* owner = ControlOf<QvCalButton>(*node_)) {
                s.hasPopup = true;
                s.expanded = owner->PopupOpen();
                s.collapsed = !s.expanded;
            }
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (!node_) return nullptr;
        if (type == QAccessible::ActionInterface && dynamic_cast<QtCommandButton*>(node_))
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // ---- Action: a press, as a click on the button ----
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (!node_ || action != pressAction() || !node_->ShownInHost() || !node_->EnabledInHost()) return;
        if (auto* button = dynamic_cast<QtCommandButton*>(node_)) GuardQtEvent([button] { button->Press(); });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QString Name() const {
        if (Is(*node_, "pnlCalNum")) {
            const QDate date = CellDate(*node_);
            // A marked day says why it is marked, after its date.
            const QString why = node_->ShownToolTip();
            if (date.isValid()) return LongDate(*node_, date) + (why.isEmpty() ? QString() : ", " + why);
        } else if (Is(*node_, "pnlCalWeek")) {
            return QStringLiteral("Week ") + ToQString(dynamic_cast<const Panel&>(node_->AsWidget()).Caption());
        } else if (Is(*node_, "pnlCalDay")) {
            // The weekday of the column, from the first row's date.
            if (QtNode* cell = Find(*node_, "pnlCalNum", node_->index_)) {
                const QDate date = CellDate(*cell);
                if (date.isValid()) return LocaleOf(*node_).dayName(date.dayOfWeek(), QLocale::LongFormat);
            }
        } else if (Is(*node_, "cmdButton")) {
            static const char* const kArrows[] = {"Previous year", "Previous month", "Next month", "Next year"};
            if (node_->index_ >= 0 && node_->index_ < 4) return QString::fromLatin1(kArrows[node_->index_]);
        }
        if (auto* button = dynamic_cast<QtCommandButton*>(node_)) {
            if (!button->Caption().empty()) return ToQString(button->Caption());
            // A drop-down button with a picture face says what it is and the date it holds.
            if (auto* owner = ControlOf<QvCalButton>(*node_)) {
                const QDate value = ToQDate(owner->GetProperty("calValue").ToDate());
                if (value.isValid()) return QStringLiteral("Date, ") + LongDate(*node_, value);
            }
            return {};
        }
        // Captions padded with blanks for the eye (the title bar's) are read without them.
        if (auto* panel = dynamic_cast<QtPanel*>(node_)) return ToQString(panel->Caption()).trimmed();
        if (auto* label = dynamic_cast<QtLabel*>(node_)) return ToQString(label->Caption()).trimmed();
        return {};
    }

    // The day's class in words: previous or next month, else today and weekend as they apply.
    QString CellClass() const {
        const std::string& tag = node_->AsWidget().Tag();
        if (tag == "Prev") return QStringLiteral("previous month");
        if (tag == "Next") return QStringLiteral("next month");
        QStringList parts;
        const QDate date = CellDate(*node_);
        QtControlSite* site = node_->Factory().Site();
        if (tag == "CurrToday" || (site && date.isValid() && FromQDate(date) == site->Today())) parts << "today";
        if (tag == "CurrWeekend" || (date.isValid() && date.dayOfWeek() >= 6)) parts << "weekend";
        return parts.join(QStringLiteral(", "));
    }

    QtNode* node_;
};

QAccessibleInterface* InterfaceOf(QtNode& node) {
    auto& elements = Elements();
    if (const auto it = elements.constFind(&node); it != elements.constEnd())
        if (QAccessibleInterface* iface = QAccessible::accessibleInterface(*it)) return iface;
    auto* iface = new ElementInterface(node);
    elements.insert(&node, QAccessible::registerAccessibleInterface(iface));
    return iface;
}

// What a person can perceive of a painted widget: buttons, and panels or labels with a text.
bool Perceivable(QtNode& node) {
    if (!node.Windowless() || !node.ShownInHost() || node.PixelRect().isEmpty()) return false;
    if (dynamic_cast<QtCommandButton*>(&node)) return true;
    if (auto* panel = dynamic_cast<QtPanel*>(&node)) return !panel->Caption().empty();
    if (auto* label = dynamic_cast<QtLabel*>(&node)) return !label->Caption().empty();
    return false;
}

// ---------------------------------------------------------------- Real widgets that draw others

class ContainerInterface : public QAccessibleWidget {
public:
    ContainerInterface(QWidget* widget, QtWidgetFactory& factory, QAccessible::Role role)
        : QAccessibleWidget(widget, role), factory_(factory) {
        Containers().insert(widget, this);
    }
    ~ContainerInterface() override { Containers().remove(widget()); }

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto children = Children();
        return index >= 0 && index < static_cast<int>(children.size()) ? children[static_cast<size_t>(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto children = Children();
        const auto it = std::find(children.begin(), children.end(), child);
        return it == children.end() ? -1 : static_cast<int>(it - children.begin());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (QAccessibleInterface* c : Children())
            if (c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!widget()->hasFocus()) {
            for (QAccessibleInterface* c : Children())
                if (c->object() && c->state().focused) return c;
            return nullptr;
        }
        for (QtNode* node : factory_.Nodes())
            if (node->Windowless() && &node->HostLayer().HostWidget() == widget() && HasKeyboard(*node)) return InterfaceOf(*node);
        return nullptr;
    }

protected:
    // The widget's shown real children, then its painted ones in the order they were made.
    virtual std::vector<QAccessibleInterface*> Children() const {
        std::vector<QAccessibleInterface*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (!child || child->isWindow() || child->isHidden()) continue;
            if (QtNode* node = NodeOfWidget(child); node && !node->ShownInHost()) continue;
            if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child)) children.push_back(iface);
        }
        for (QtNode* node : factory_.Nodes())
            if (node->Windowless() && &node->HostLayer().HostWidget() == widget() && Perceivable(*node))
                children.push_back(InterfaceOf(*node));
        return children;
    }
    QtWidgetFactory& factory_;
};

// What a calendar says of a date its focused arrow selected: a notice a reader speaks as it is
// shown, while its focus stays on the arrow (name and description changes of the focused arrow
// are not heard: Qt sends them without the new text).
class DateNotice : public QAccessibleInterface {
public:
    explicit DateNotice(QWidget& surface) : surface_(&surface) {}
    bool Shown() const { return !text_.isEmpty(); }
    void Show(const QString& text) {
        if (Shown()) Hide();  // a reader speaks a notice as it appears, so a second one appears anew
        text_ = text;
        Notify(QAccessible::ObjectShow);
        QTimer::singleShot(kShownMs, surface_, [this, text] {
            if (text_ == text) Hide();
        });
    }

    bool isValid() const override { return !surface_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return surface_ ? surface_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return surface_ ? QAccessible::queryAccessibleInterface(surface_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? text_ : QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !Shown();
        return s;
    }

private:
    static constexpr int kShownMs = 300;
    void Hide() {
        text_.clear();
        Notify(QAccessible::ObjectHide);
    }
    void Notify(QAccessible::Event type) {
        QAccessibleEvent event(this, type);
        Send(event);
    }

    QPointer<QWidget> surface_;
    QString text_;
};

// A calendar's drawing surface: a list of its days, each named with its full date. Not a table:
// a reader reads a table's whole row (seven dates) whenever the focus moves to another week.
class CalendarDays : public ContainerInterface {
public:
    CalendarDays(QWidget* widget, QtNode& picture)
        : ContainerInterface(widget, picture.Factory(), QAccessible::List),
          picture_(picture),
          notice_(QAccessible::registerAccessibleInterface(new DateNotice(*widget))) {}
    ~CalendarDays() override { QAccessible::deleteAccessibleInterface(notice_); }

    QString text(QAccessible::Text t) const override {
        const auto* calendar = ControlOf<QvCalendar>(picture_);
        if (t == QAccessible::Name && calendar) return ToQString(calendar->calCaption());
        if (t == QAccessible::Description)
            if (QtNode* caption = Find(picture_, "pnlText")) return ToQString(dynamic_cast<QtPanel&>(*caption).Caption());
        return ContainerInterface::text(t);
    }
    DateNotice& Notice() const { return *static_cast<DateNotice*>(QAccessible::accessibleInterface(notice_)); }

protected:
    // Title bar, caption, arrows, the month list and year box when shown, titles, days, and the
    // notice while it is shown.
    std::vector<QAccessibleInterface*> Children() const override {
        std::vector<QAccessibleInterface*> children;
        auto add = [&](const char* name, int index) {
            QtNode* node = Find(picture_, name, index);
            if (!node || !node->ShownInHost()) return;
            if (node->Windowless()) children.push_back(InterfaceOf(*node));
            else if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(node->Window())) children.push_back(iface);
        };
        add("pnlTitleBar1", -1);
        add("pnlText", -1);
        for (int i = 0; i < 4; ++i) add("cmdButton", i);
        add("cbxMonth", -1);
        add("txtYear", -1);
        for (int i = 1; i <= 7; ++i) add("pnlCalDay", i);
        for (int r = 1; r <= 6; ++r) add("pnlCalWeek", r);
        for (int k = 1; k <= 42; ++k) add("pnlCalNum", k);
        if (Notice().Shown()) children.push_back(&Notice());
        return children;
    }

private:
    QtNode& picture_;
    QAccessible::Id notice_;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (QtNode* node = NodeOfWidget(widget)) {
        if (!node->Layer()) return nullptr;  // a plain Qt widget speaks for itself
        if (node->name_ == "Picture1" && ControlOf<QvCalendar>(*node)) return new CalendarDays(widget, *node);
        return new ContainerInterface(widget, node->Factory(), QAccessible::Client);
    }
    if (QtControlSurface* surface = QtControlSurface::Of(*widget); surface && surface->Site())
        return new ContainerInterface(widget, surface->Site()->Factory(), QAccessible::Client);
    return nullptr;
}


// Qt announces a widget's own focus once its FocusIn has been delivered, so a painted child focused
// during that delivery would be announced first and then lost behind its widget. A widget's focused
// child is announced when the event loop next turns, once however often it moved by then.
void SendFocus(QtNode& node) {
    QWidget& host = node.HostLayer().HostWidget();
    if (host.property(kFocusPending).toBool()) return;
    host.setProperty(kFocusPending, true);
    ElementLayer* layer = &node.HostLayer();
    QMetaObject::invokeMethod(
        &host,
        [host = &host, layer] {
            host->setProperty(kFocusPending, QVariant());
            // Only a widget a reader knows (Qt's focus event for it has made its interface by now).
            QtNode* focused = layer->FocusElement();
            if (!focused || !host->hasFocus() || !Containers().contains(host)) return;
            QAccessibleEvent event(InterfaceOf(*focused), QAccessible::Focus);
            Send(event);
        },
        Qt::QueuedConnection);
}

// The focus stays on a pressed arrow (or wherever it was, for a reader's action), so the date the
// press selected is announced once the press's work is done.
void AnnounceDateAnArrowSelects(QtNode& arrow) {
    if (!Is(arrow, "cmdButton")) return;
    QWidget& host = arrow.HostLayer().HostWidget();
    const Date before = ControlOf<QvCalendar>(arrow)->calValue();
    QMetaObject::invokeMethod(
        &host,
        [host = &host, arrow = &arrow, before] {
            auto* days = dynamic_cast<CalendarDays*>(Containers().value(host));
            const auto* calendar = ControlOf<QvCalendar>(*arrow);
            if (!days || !calendar) return;
            const QDate value = ToQDate(calendar->calValue());
            if (value.isValid() && value != ToQDate(before)) days->Notice().Show(LongDate(*arrow, value));
        },
        Qt::QueuedConnection);
}

void SendTagChange(QtNode& node, const std::string& oldTag) {
    if (!node.Windowless() || node.name_ != "pnlCalNum") return;
    const bool was = oldTag == "CurrSelected", is = node.AsWidget().Tag() == "CurrSelected";
    if (was == is || !Containers().contains(&node.HostLayer().HostWidget())) return;
    QAccessibleInterface* cell = InterfaceOf(node);
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent stateEvent(cell, changed);
    Send(stateEvent);
    if (is) {
        QAccessibleEvent selection(cell, QAccessible::Selection);
        Send(selection);
    }
}

void ForgetNode(QtNode& node) {
    auto& elements = Elements();
    const auto it = elements.find(&node);
    if (it == elements.end()) return;
    const QAccessible::Id id = *it;
    elements.erase(it);
    if (auto* iface = static_cast<ElementInterface*>(QAccessible::accessibleInterface(id))) {
        iface->Forget();
        QAccessible::deleteAccessibleInterface(id);
    }
}

// Mirrors the backend's nodes into the accessibility tree.
class AccessibilityMirror : public QtNodeObserver {
    void FocusMoved(QtNode& node) override { SendFocus(node); }
    void TagChanged(QtNode& node, const std::string& oldTag) override { SendTagChange(node, oldTag); }
    void Pressed(QtNode& node) override { AnnounceDateAnArrowSelects(node); }
    void NodeGone(QtNode& node) override { ForgetNode(node); }
};

}  // namespace

void InstallQtAccessibility() {
    static AccessibilityMirror mirror;
    if (CurrentQtNodeObserver() == &mirror) return;
    SetQtNodeObserver(&mirror);
    QAccessible::installFactory(Factory);
}

void SetQtAccessibleEventSpy(std::function<void(QAccessibleEvent&)> spy) { Spy() = std::move(spy); }

}  // namespace VemoCalendar
