#include "designer/PropertyPagesCommand.h"

#include <QMetaProperty>
#include <QPixmap>
#include <QWidget>

namespace VemoCalendar {

namespace {
int quietDepth = 0;

// A pixmap has no ==: two are the same value when their pixels are.
bool SameValue(const QVariant& a, const QVariant& b) {
    const QMetaType pixmap = QMetaType::fromType<QPixmap>();
    if (a.metaType() == pixmap && b.metaType() == pixmap) return a.value<QPixmap>().toImage() == b.value<QPixmap>().toImage();
    return a == b;
}
}  // namespace

QuietRefusals::QuietRefusals() { ++quietDepth; }
QuietRefusals::~QuietRefusals() { --quietDepth; }
bool QuietRefusals::Active() { return quietDepth > 0; }

PropertySnapshot SnapshotOf(const QWidget& widget) {
    // The page's width and height resize the widget: the form learns of that as its geometry.
    PropertySnapshot snapshot{{"geometry", widget.geometry()}};
    const QMetaObject* meta = widget.metaObject();
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isWritable() || !property.isDesignable()) continue;
        snapshot.append({property.name(), property.read(&widget)});
    }
    return snapshot;
}

PropertySnapshot ChangedProperties(const PropertySnapshot& before, const PropertySnapshot& after) {
    PropertySnapshot changed;
    for (qsizetype i = 0; i < after.size(); ++i) {
        if (i >= before.size() || before[i].name != after[i].name || !SameValue(before[i].value, after[i].value))
            changed.append(after[i]);
    }
    return changed;
}

bool WriteUntilSettled(QWidget& widget, const PropertySnapshot& targets, const PropertyWriter& write) {
    // Each pass settles at least one more value when an order exists; one pass per value bounds it.
    for (qsizetype pass = 0; pass <= targets.size(); ++pass) {
        bool settled = true;
        for (const PropertyValue& target : targets) {
            if (SameValue(widget.property(target.name.constData()), target.value)) continue;
            write(widget, target.name, target.value);
            settled = false;
        }
        if (settled) return true;
    }
    for (const PropertyValue& target : targets)
        if (!SameValue(widget.property(target.name.constData()), target.value)) return false;
    return true;
}

int ApplyPropertyPages(const QList<QWidget*>& widgets, const PagesRunner& runDialog, const PropertyWriter& write) {
    QList<PropertySnapshot> before;
    for (QWidget* widget : widgets) before.append(SnapshotOf(*widget));
    runDialog(widgets);

    QuietRefusals quiet;
    const PropertyWriter direct = [](QWidget& w, const QByteArray& name, const QVariant& value) {
        w.setProperty(name.constData(), value);
    };
    int written = 0;
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        QWidget& widget = *widgets[i];
        const PropertySnapshot changed = ChangedProperties(before[i], SnapshotOf(widget));
        if (changed.isEmpty()) continue;
        // Back to the state Designer knows, so that each write below is one undoable step from it.
        PropertySnapshot oldValues;
        for (const PropertyValue& value : changed)
            for (const PropertyValue& old : before[i])
                if (old.name == value.name) oldValues.append(old);
        WriteUntilSettled(widget, oldValues, direct);
        const PropertyWriter counted = [&](QWidget& w, const QByteArray& name, const QVariant& value) {
            write(w, name, value);
            ++written;
        };
        WriteUntilSettled(widget, changed, counted);
    }
    return written;
}

}  // namespace VemoCalendar
