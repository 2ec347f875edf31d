#pragma once
#include <QByteArray>
#include <QList>
#include <QVariant>
#include <functional>

class QDesignerFormWindowInterface;
class QWidget;

namespace VemoCalendar {

// A widget's Designer-visible property values: its geometry, then its own Q_PROPERTYs (not
// QWidget's) that are designable and writable, in declaration order.
struct PropertyValue {
    QByteArray name;
    QVariant value;
};
using PropertySnapshot = QList<PropertyValue>;
PropertySnapshot SnapshotOf(const QWidget& widget);
// The entries of `after` whose value differs from `before` (same widget, same order).
PropertySnapshot ChangedProperties(const PropertySnapshot& before, const PropertySnapshot& after);

// Writes `targets` until the widget holds every one of them, retrying those refused: properties
// that limit each other (calMinYear, calMaxYear, calValue) are only accepted in some orders.
// `write` is the path to the widget (directly, or through Designer's form cursor); true when the
// widget ended up with every target value.
using PropertyWriter = std::function<void(QWidget&, const QByteArray&, const QVariant&)>;
bool WriteUntilSettled(QWidget& widget, const PropertySnapshot& targets, const PropertyWriter& write);

// While one exists, a value a control refuses in Designer is not reported to the user (the
// Property Pages command writes values in orders that it expects to be refused at first).
class QuietRefusals {
public:
    QuietRefusals();
    ~QuietRefusals();
    QuietRefusals(const QuietRefusals&) = delete;
    QuietRefusals& operator=(const QuietRefusals&) = delete;
    static bool Active();
};

// Opens the Property Pages dialog for `widgets` (entry 0 first, all of one class) and, once it
// closed, hands its changes to the form: each widget goes back to its values from before the
// dialog, then every changed property is written through `write` (Designer's form cursor, so that
// undo and the form's modified flag see them). Returns the number of properties written.
using PagesRunner = std::function<void(const QList<QWidget*>&)>;
int ApplyPropertyPages(const QList<QWidget*>& widgets, const PagesRunner& runDialog, const PropertyWriter& write);

}  // namespace VemoCalendar
