#include <memory>
#include <string>
#include <vector>

#include "calendar/PropertyEntry.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

// A stored value converted to what its field holds. A value that does not convert names its
// key, so a damaged form can be mended; errors of the bag itself pass through unchanged.
Variant StoredValue(const PropertyInfo& info, const Variant& stored) {
    try {
        switch (info.kind) {
            case PropertyKind::Boolean: return Variant(stored.ToBool());
            case PropertyKind::Int16: return Variant(stored.ToInt16());
            case PropertyKind::Int32:
            case PropertyKind::Enumeration: return Variant(stored.ToInt32());
            // A negative stored colour is a system colour and stays one.
            case PropertyKind::Color: return Variant::FromColor(stored.ToColor());
            case PropertyKind::String: return Variant(stored.ToString());
            case PropertyKind::Date: {
                // A stored date that is no date would leave the calendar nothing to show: it fails
                // the load like a number too large for its type.
                const Date date = stored.ToDate();
                if (!IsValidDate(date)) ThrowOverflow();
                return Variant(date);
            }
            case PropertyKind::Font: {
                // A stored "no font" is a type mismatch: the calendar always needs a font.
                FontRef font = stored.ToFont();
                if (!font) ThrowTypeMismatch();
                return Variant(std::move(font));
            }
            case PropertyKind::Picture: return Variant(stored.ToPicture());
        }
    } catch (const ControlError& e) {
        throw ControlError(e.number, e.description + " in property '" + std::string(info.name) + "'");
    }
    ThrowTypeMismatch();
}

// The bag holds colours as 32-bit integers.
Variant WrittenValue(const PropertyInfo& info, Variant value) {
    if (info.kind == PropertyKind::Color) return Variant(static_cast<int32_t>(value.ToColor()));
    return value;
}

}  // namespace

void QvCalendar::UserControl_InitProperties() {
    StoreValueQuietly(site_.Today());
    notifiedValue_ = calValue_;
    for (FontRef* font : {&calFont_, &calMonthYearTitleFont_, &calScrollArrowsFont_}) {
        if (!*font) *font = std::make_shared<FontObject>();
        (*font)->name = "Courier New";
        (*font)->size = 10;
    }
    for (const PropertyEntry* e : StoredInReadOrder())
        if (e->info.kind != PropertyKind::Date && e->info.kind != PropertyKind::Font) e->store(*this, e->defaultValue);
    RefreshAll();
}

// Stored values are taken as they are, without the setters' checks and clamps (a system colour
// stays one, an out-of-range enumeration is kept). Every key is read and converted before any is
// stored, so a bag that fails to load leaves the control as it was. notifiedValue is left alone:
// the first Refresh reports the loaded value as a change.
void QvCalendar::UserControl_ReadProperties(PropertyBag& bag) {
    std::vector<Variant> values;
    for (const PropertyEntry* e : StoredInReadOrder()) {
        Variant defaultValue = e->defaultValue;
        // A missing font gives a fresh font object of the platform's defaults.
        if (e->info.kind == PropertyKind::Font) defaultValue = Variant(std::make_shared<FontObject>());
        if (e->info.kind == PropertyKind::Date) defaultValue = Variant(site_.Today());
        values.push_back(StoredValue(e->info, bag.ReadProperty(e->info.name, defaultValue)));
    }
    const auto settings = ReadSettings(bag);
    MarkedDaysSettings marked = ReadMarkedDays(bag);
    for (size_t i = 0; i < values.size(); ++i) StoredInReadOrder()[i]->store(*this, values[i]);
    StoreSettings(settings);
    StoreMarkedDays(std::move(marked));
    RefreshAll();
}

// "Enabled" and "calValue" go first, the other keys follow in their read order. Fonts are
// compared with the container's font, the value with the day of saving.
void QvCalendar::UserControl_WriteProperties(PropertyBag& bag) {
    std::vector<const PropertyEntry*> order{&Find("Enabled"), &Find("calValue")};
    for (const PropertyEntry* e : StoredInReadOrder())
        if (e != order[0] && e != order[1]) order.push_back(e);
    const Variant ambientFont(site_.AmbientFont());
    for (const PropertyEntry* e : order) {
        Variant defaultValue = e->defaultValue;
        if (e->info.kind == PropertyKind::Font) defaultValue = ambientFont;
        if (e->info.kind == PropertyKind::Date) defaultValue = Variant(site_.Today());
        bag.WriteProperty(e->info.name, WrittenValue(e->info, e->get(*this)), defaultValue);
    }
    WriteSettings(bag);
    WriteMarkedDaysKeys(bag);
}

}  // namespace VemoCalendar
