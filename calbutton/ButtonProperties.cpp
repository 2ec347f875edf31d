#include <algorithm>
#include <vector>

#include "calbutton/QvCalButton.h"
#include "host/ControlError.h"

namespace VemoCalendar {

// A member the button answers itself; writes go through its public setter.
struct QvCalButton::OwnProperty {
    PropertyInfo info;
    Variant (*get)(const QvCalButton&);
    void (*set)(QvCalButton&, const Variant&);  // null for a read-only member
};

#define VEMO_OWN(Name, Kind, Convert, ...)                                                          \
    OwnProperty {                                                                                   \
        {#Name, PropertyKind::Kind, true, true __VA_OPT__(, ) __VA_ARGS__},                         \
            [](const QvCalButton& b) { return Variant(b.Name()); },                                 \
            [](QvCalButton& b, const Variant& v) { b.Name(Convert); }                               \
    }

// In the order of the interface; the forwarded calendar members stand between AutoSize and hwnd.
const std::vector<QvCalButton::OwnProperty>& QvCalButton::OwnProperties() {
    static const std::vector<OwnProperty> table{
        VEMO_OWN(calWidth, Int32, v.ToInt32()),
        OwnProperty{{"AutoSize", PropertyKind::Enumeration, true, true, &kEnumBTNAutoSize},
                    [](const QvCalButton& b) { return Variant(static_cast<int32_t>(b.AutoSize())); },
                    [](QvCalButton& b, const Variant& v) { b.AutoSize(static_cast<enumBTNAutoSize>(v.ToInt32())); }},
        OwnProperty{{"hwnd", PropertyKind::Int32, false, false},
                    [](const QvCalButton& b) { return Variant(b.hwnd()); }, nullptr},
        OwnProperty{{"hDC", PropertyKind::Int32, false, false},
                    [](const QvCalButton& b) { return Variant(b.hDC()); }, nullptr},
        VEMO_OWN(calHeight, Int32, v.ToInt32()),
        VEMO_OWN(BevelWidth, Int16, v.ToInt16()),
        VEMO_OWN(Caption, String, v.ToString()),
        VEMO_OWN(Font3D, Int32, v.ToInt32()),
        VEMO_OWN(MouseIcon, Picture, v.ToPicture()),
        VEMO_OWN(MousePointer, Int32, v.ToInt32()),
        VEMO_OWN(Outline, Boolean, v.ToBool()),
        VEMO_OWN(Picture, Picture, v.ToPicture()),
        VEMO_OWN(RoundedCorners, Boolean, v.ToBool()),
        OwnProperty{{"ForeColor", PropertyKind::Color, true, true},
                    [](const QvCalButton& b) { return Variant::FromColor(b.ForeColor()); },
                    [](QvCalButton& b, const Variant& v) { b.ForeColor(v.ToColor()); }},
        VEMO_OWN(Enabled, Boolean, v.ToBool()),
        VEMO_OWN(Font, Font, v.ToFont()),
    };
    return table;
}

#undef VEMO_OWN

const QvCalButton::OwnProperty* QvCalButton::FindOwn(std::string_view name) {
    const auto& table = OwnProperties();
    const auto it = std::find_if(table.begin(), table.end(), [name](const OwnProperty& p) { return p.info.name == name; });
    return it == table.end() ? nullptr : &*it;
}

// Every "cal" member of the calendar but the two sizes, which the button answers itself.
bool QvCalButton::Forwards(std::string_view name) const {
    if (!name.starts_with("cal") || FindOwn(name)) return false;
    const auto settings = QvCalendar::SettingNames();
    if (std::find(settings.begin(), settings.end(), name) != settings.end()) return true;
    const auto calendar = QvCalendar1_->Properties();
    return std::any_of(calendar.begin(), calendar.end(), [name](const PropertyInfo& p) { return p.name == name; });
}

const std::vector<PropertyInfo>& QvCalButton::ForwardedStored() const {
    static const std::vector<PropertyInfo> stored = [this] {
        std::vector<PropertyInfo> list;
        for (const PropertyInfo& p : QvCalendar1_->Properties())
            if (p.stored && Forwards(p.name)) list.push_back(p);
        std::sort(list.begin(), list.end(), [](const PropertyInfo& a, const PropertyInfo& b) { return a.name < b.name; });
        return list;
    }();
    return stored;
}

std::span<const PropertyInfo> QvCalButton::Properties() const {
    static const std::vector<PropertyInfo> infos = [this] {
        std::vector<PropertyInfo> forwarded;
        for (const PropertyInfo& p : QvCalendar1_->Properties())
            if (Forwards(p.name)) forwarded.push_back(p);
        std::sort(forwarded.begin(), forwarded.end(),
                  [](const PropertyInfo& a, const PropertyInfo& b) { return a.name < b.name; });
        std::vector<PropertyInfo> list;
        for (const OwnProperty& p : OwnProperties()) {
            if (p.info.name == "hwnd") list.insert(list.end(), forwarded.begin(), forwarded.end());
            list.push_back(p.info);
        }
        return list;
    }();
    return infos;
}

Variant QvCalButton::GetProperty(std::string_view name) const {
    if (name == "ReadOnly") return Variant(readOnly_);
    if (const OwnProperty* own = FindOwn(name)) return own->get(*this);
    if (!Forwards(name)) ThrowNotSupported();
    return QvCalendar1_->GetProperty(name);
}

void QvCalButton::SetProperty(std::string_view name, const Variant& value) {
    if (name == "ReadOnly") return ReadOnly(value.ToBool());
    if (const OwnProperty* own = FindOwn(name)) {
        if (!own->set) ThrowNotSupported();
        own->set(*this, value);
        return;
    }
    if (!Forwards(name)) ThrowNotSupported();
    const Date min = QvCalendar1_->calMinDate(), max = QvCalendar1_->calMaxDate();
    QvCalendar1_->SetProperty(name, value);
    site_.PropertyChanged(name);
    // A range end set past the other pulls it along; the calendar's own notice of that stays
    // inside the button, so the host hears it from here.
    if (name == "calMaxDate" && QvCalendar1_->calMinDate() != min) site_.PropertyChanged("calMinDate");
    if (name == "calMinDate" && QvCalendar1_->calMaxDate() != max) site_.PropertyChanged("calMaxDate");
}

}  // namespace VemoCalendar
