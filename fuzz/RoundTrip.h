#pragma once
// Load, save and reload of a form through headless controls: what one control wrote must come
// back from the file and be written again the same. Shared by the round-trip fuzzer and tests.
#include <cmath>
#include <string>

#include "calbutton/QvCalButton.h"
#include "calendar/QvCalendar.h"
#include "formfile/FormFile.h"
#include "headless/HeadlessForm.h"
#include "host/ControlError.h"

namespace VemoCalendar::RoundTrip {

// Equal as stored values: fonts and pictures by content (a loaded one is a new object), numbers
// bit for bit apart from the sign of a zero.
inline bool IsNoObject(const Variant& v) {
    using Kind = Variant::Kind;
    return v.kind() == Kind::Empty || (v.kind() == Kind::Font && !v.ToFont()) ||
           (v.kind() == Kind::Picture && !v.ToPicture());
}

// A font or picture property holding no object is stored as "empty" and reads back as such.
inline bool SameValue(const Variant& a, const Variant& b) {
    if (IsNoObject(a) || IsNoObject(b)) return IsNoObject(a) && IsNoObject(b);
    if (a.kind() != b.kind()) return false;
    switch (a.kind()) {
        case Variant::Kind::Font: {
            const FontRef fa = a.ToFont(), fb = b.ToFont();
            return fa == fb || (fa && fb && *fa == *fb);
        }
        case Variant::Kind::Picture: {
            const PictureRef pa = a.ToPicture(), pb = b.ToPicture();
            return pa == pb || (pa && pb && *pa == *pb);
        }
        default: return a == b;
    }
}

// The first difference between two bags, or "" when they hold the same keys, in the same order,
// with the same values.
inline std::string Difference(const FormBag& a, const FormBag& b) {
    const auto &ea = a.Entries(), &eb = b.Entries();
    for (size_t i = 0; i < ea.size() || i < eb.size(); ++i) {
        if (i >= ea.size()) return "key '" + eb[i].first + "' appeared";
        if (i >= eb.size()) return "key '" + ea[i].first + "' was lost";
        if (ea[i].first != eb[i].first) return "key '" + ea[i].first + "' became '" + eb[i].first + "'";
        if (!SameValue(ea[i].second, eb[i].second)) return "key '" + ea[i].first + "' changed its value";
    }
    return "";
}

inline std::string SiteName(size_t index) {
    std::string name = "c";
    name += std::to_string(index);
    return name;
}

inline bool IsKnownType(const std::string& type) { return type == "QvCalendar" || type == "QvCalButton"; }

// Loads the control on `form` as site `site` (a file may give two controls one name) and writes
// its bag. Throws ControlError when the control refuses.
inline FormBag LoadAndSave(HeadlessForm& form, const std::string& site, StoredControl& stored) {
    FormBag saved;
    if (stored.type == "QvCalButton")
        form.Load<QvCalButton>(site, stored.bag, 0, 0, 1215, 375).UserControl_WriteProperties(saved);
    else
        form.Load<QvCalendar>(site, stored.bag, 0, 0, 4200, 3000).UserControl_WriteProperties(saved);
    return saved;
}

// The first fault of the round trip of `file`, or "". A control that refuses its bag at the
// first load is no fault (the file may be damaged); one that refuses what it saved itself is.
inline std::string Check(FormFile file, Date today) {
    HeadlessHost host;
    host.SetToday(today);
    HeadlessForm first(host);
    FormFile saved;
    saved.width = file.width, saved.height = file.height;
    for (size_t i = 0; i < file.controls.size(); ++i) {
        StoredControl& stored = file.controls[i];
        if (!IsKnownType(stored.type)) continue;
        StoredControl out{stored.type, stored.name, stored.left, stored.top, stored.width, stored.height, {}};
        try {
            out.bag = LoadAndSave(first, SiteName(i), stored);
        } catch (const ControlError&) {
            continue;
        }
        saved.controls.push_back(std::move(out));
    }

    FormFile reread;
    try {
        reread = ParseFormFile(FormatFormFile(saved));
    } catch (const FormFileError& e) {
        return std::string("what the controls saved is no form file: ") + e.what();
    }
    if (reread.controls.size() != saved.controls.size()) return "the number of controls changed";
    HeadlessForm second(host);
    for (size_t i = 0; i < saved.controls.size(); ++i) {
        const StoredControl &a = saved.controls[i];
        StoredControl& b = reread.controls[i];
        const std::string where = "control '" + a.name + "': ";
        if (a.type != b.type || a.name != b.name || a.left != b.left || a.top != b.top || a.width != b.width ||
            a.height != b.height)
            return where + "its type, name or place changed";
        if (std::string d = Difference(a.bag, b.bag); !d.empty()) return where + "in the file, " + d;
        FormBag again;
        try {
            again = LoadAndSave(second, SiteName(i), b);
        } catch (const ControlError& e) {
            return where + "refused what it saved: " + e.description;
        }
        if (std::string d = Difference(a.bag, again); !d.empty()) return where + "saved again, " + d;
    }
    return "";
}

}  // namespace VemoCalendar::RoundTrip
