#include <memory>
#include <string>

#include "calbutton/QvCalButton.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

constexpr Color kButtonTextColor = 0x80000012;  // the system colour of button text

// Reads one key and converts it; a value that does not convert names its key. Nothing is
// caught beyond that: an error ends the load at its key, the keys before it stay applied.
class ButtonReader {
public:
    explicit ButtonReader(PropertyBag& bag) : bag_(bag) {}

    template <class Convert>
    auto Read(std::string_view key, const Variant& defaultValue, Convert convert) {
        const Variant stored = bag_.ReadProperty(key, defaultValue);
        try {
            return convert(stored);
        } catch (const ControlError& e) {
            throw ControlError(e.number, e.description + " in property '" + std::string(key) + "'");
        }
    }
    bool Bool(std::string_view key, bool d) { return Read(key, Variant(d), [](const Variant& v) { return v.ToBool(); }); }
    int16_t Int16(std::string_view key, int16_t d) {
        return Read(key, Variant(d), [](const Variant& v) { return v.ToInt16(); });
    }
    int32_t Int32(std::string_view key, int32_t d) {
        return Read(key, Variant(d), [](const Variant& v) { return v.ToInt32(); });
    }
    Color ColorValue(std::string_view key, Color d) {
        return Read(key, Variant(static_cast<int32_t>(d)), [](const Variant& v) { return v.ToColor(); });
    }
    std::string String(std::string_view key, const char* d) {
        return Read(key, Variant(d), [](const Variant& v) { return v.ToString(); });
    }
    // A stored "no font" is a type mismatch: the calendar and the face always need a font.
    FontRef Font(std::string_view key, FontRef d) {
        return Read(key, Variant(std::move(d)), [](const Variant& v) {
            FontRef font = v.ToFont();
            if (!font) ThrowTypeMismatch();
            return font;
        });
    }
    PictureRef Picture(std::string_view key) {
        return Read(key, Variant(PictureRef{}), [](const Variant& v) { return v.ToPicture(); });
    }
    // A calendar value converted to its property's type before the calendar's setter sees it.
    Variant ForCalendar(const PropertyInfo& p, const Variant& d) {
        return Read(p.name, d, [&p](const Variant& v) {
            switch (p.kind) {
                case PropertyKind::Boolean: return Variant(v.ToBool());
                case PropertyKind::String: return Variant(v.ToString());
                case PropertyKind::Date: return Variant(v.ToDate());
                default: return Variant(v.ToInt32());
            }
        });
    }

private:
    PropertyBag& bag_;
};

}  // namespace

// Only the pop-up's size, date and fonts are set; the face stays as created and the calendar's
// other settings as it was loaded. Nothing is notified.
void QvCalButton::UserControl_InitProperties() {
    calWidth_ = 3200;
    calHeight_ = 4000;
    QvCalendar1_->calWidth(calWidth_);
    QvCalendar1_->calHeight(calHeight_);
    QvCalendar1_->calValue(site_.Today());
    for (size_t i = 0; i < fonts_.size(); ++i) {
        ButtonFont(i)->name = "Courier New";
        ButtonFont(i)->size = 10;
    }
    QvCalendar1_->calFont(ButtonFont(0));
    QvCalendar1_->calMonthYearTitleFont(ButtonFont(1));
    QvCalendar1_->calScrollArrowsFont(ButtonFont(2));
}

// The keys in their load order: the pop-up size, the three calendar fonts through the button's
// setters, every other calendar key in alphabetical order (so calMaxYear before calMinYear, and
// calValue after both meet the calendar's checks), then the face.
void QvCalButton::UserControl_ReadProperties(PropertyBag& bag) {
    ButtonReader read(bag);
    calWidth_ = read.Int32("calWidth", 3200);
    calHeight_ = read.Int32("calHeight", 4000);
    QvCalendar1_->calWidth(calWidth_);
    QvCalendar1_->calHeight(calHeight_);
    calFont(read.Font("calFont", ButtonFont(0)));
    calMonthYearTitleFont(read.Font("calMonthYearTitleFont", ButtonFont(1)));
    calScrollArrowsFont(read.Font("calScrollArrowsFont", ButtonFont(2)));
    for (const PropertyInfo& p : ForwardedStored()) {
        if (p.kind == PropertyKind::Font) continue;
        const Variant d = p.kind == PropertyKind::Date ? Variant(site_.Today()) : QvCalendar::StoredDefault(p.name);
        QvCalendar1_->SetProperty(p.name, read.ForCalendar(p, d));
    }
    SSCommand1_->SetForeColor(read.ColorValue("ForeColor", kButtonTextColor));
    SSCommand1_->SetEnabled(read.Bool("Enabled", true));
    Font(read.Font("Font", site_.AmbientFont()));
    SSCommand1_->SetAutoSize(read.Int32("AutoSize", VemobtnNone));
    SSCommand1_->SetBevelWidth(read.Int16("BevelWidth", 1));
    SSCommand1_->SetCaption(read.String("Caption", "PopCalendar"));
    SSCommand1_->SetFont3D(read.Int32("Font3D", 0));
    MouseIcon(read.Picture("MouseIcon"));
    SSCommand1_->SetMousePointer(read.Int32("MousePointer", 0));
    SSCommand1_->SetOutline(read.Bool("Outline", false));
    Picture(read.Picture("Picture"));
    SSCommand1_->SetRoundedCorners(read.Bool("RoundedCorners", false));
    // The calendar's settings beyond the interface, after the face, where present.
    for (std::string_view name : QvCalendar::SettingNames())
        if (const std::optional<Variant> stored = ReadIfPresent(bag, name)) QvCalendar1_->SetProperty(name, *stored);
    QvCalendar1_->ReadMarkedDaysKeys(bag);
    if (const std::optional<Variant> stored = ReadIfPresent(bag, "ReadOnly")) readOnly_ = stored->ToBool();
}

// The sizes come from the calendar's actual size; the calendar fonts stand in alphabetical
// place among the other calendar keys, each compared with the container's font.
void QvCalButton::UserControl_WriteProperties(PropertyBag& bag) {
    const Variant ambientFont(site_.AmbientFont());
    bag.WriteProperty("calWidth", Variant(QvCalendar1_->calWidth()), Variant(int32_t{3200}));
    bag.WriteProperty("calHeight", Variant(QvCalendar1_->calHeight()), Variant(int32_t{4000}));
    for (const PropertyInfo& p : ForwardedStored()) {
        Variant value = QvCalendar1_->GetProperty(p.name);
        if (p.kind == PropertyKind::Color) value = Variant(static_cast<int32_t>(value.ToColor()));
        const Variant d = p.kind == PropertyKind::Font   ? ambientFont
                          : p.kind == PropertyKind::Date ? Variant(site_.Today())
                                                         : QvCalendar::StoredDefault(p.name);
        bag.WriteProperty(p.name, value, d);
    }
    bag.WriteProperty("ForeColor", Variant(static_cast<int32_t>(ForeColor())), Variant(static_cast<int32_t>(kButtonTextColor)));
    bag.WriteProperty("Enabled", Variant(Enabled()), Variant(true));
    bag.WriteProperty("Font", Variant(Font()), ambientFont);
    bag.WriteProperty("AutoSize", Variant(static_cast<int32_t>(AutoSize())), Variant(int32_t{VemobtnNone}));
    bag.WriteProperty("BevelWidth", Variant(BevelWidth()), Variant(int16_t{1}));
    bag.WriteProperty("Caption", Variant(Caption()), Variant("PopCalendar"));
    bag.WriteProperty("Font3D", Variant(Font3D()), Variant(int32_t{0}));
    bag.WriteProperty("MouseIcon", Variant(MouseIcon()), Variant(PictureRef{}));
    bag.WriteProperty("MousePointer", Variant(MousePointer()), Variant(int32_t{0}));
    bag.WriteProperty("Outline", Variant(Outline()), Variant(false));
    bag.WriteProperty("Picture", Variant(Picture()), Variant(PictureRef{}));
    bag.WriteProperty("RoundedCorners", Variant(RoundedCorners()), Variant(false));
    QvCalendar1_->WriteSettings(bag);
    QvCalendar1_->WriteMarkedDaysKeys(bag);
    if (readOnly_) bag.WriteProperty("ReadOnly", Variant(true), Variant());
}

}  // namespace VemoCalendar
