#include "qt/QvCalButtonWidget.h"

#include "host/ControlError.h"

namespace VemoCalendar {

QvCalButtonWidget::QvCalButtonWidget(QWidget* parent, QtHost* host, const QString& name) : QtControlSurface(parent) {
    Create(host, name, nullptr);
}

QvCalButtonWidget::QvCalButtonWidget(PropertyBag& bag, QWidget* parent, QtHost* host, const QString& name)
    : QtControlSurface(parent) {
    Create(host, name, &bag);
}

// The site goes first: it takes the button down, and the button its calendar, wherever the
// pop-up was re-parented.
QvCalButtonWidget::~QvCalButtonWidget() { site_.reset(); }

void QvCalButtonWidget::Create(QtHost* host, const QString& name, PropertyBag* bag) {
    QtHost& h = host ? *host : QtHost::ForApplication();
    site_ = std::make_unique<QtControlSite>(h, *this, FromQString(name));
    site_->onEvent = [this](std::string_view event, std::span<Variant> args) { Dispatch(event, args); };
    site_->onPropertyChanged = [this](std::string_view property) { emit PropertyChanged(ToQString(std::string(property))); };
    site_->SetWidth(sizeHint().width() * site_->TwipsPerPixelX());
    site_->SetHeight(sizeHint().height() * site_->TwipsPerPixelY());
    auto control = std::make_unique<QvCalButton>(*site_);
    button_ = control.get();
    site_->Attach(std::move(control));
    if (bag) button_->UserControl_ReadProperties(*bag);
    else button_->UserControl_InitProperties();
    button_->UserControl_Resize();
}

QWidget* QvCalButtonWidget::popup() const {
    QtControlSite* calendar = site_->Host().ConstituentOf(*site_, "QvCalendar1");
    return calendar ? &calendar->Surface() : nullptr;
}

bool QvCalButtonWidget::popupOpen() const {
    QtControlSite* calendar = site_->Host().ConstituentOf(*site_, "QvCalendar1");
    return calendar && calendar->Visible();
}

Variant QvCalButtonWidget::Get(std::string_view name) const { return button_->GetProperty(name); }

bool QvCalButtonWidget::Set(std::string_view name, const Variant& value) {
    try {
        button_->SetProperty(name, value);
        return true;
    } catch (const ControlError& e) {
        emit propertyRefused(ToQString(std::string(name)), e.number, ToQString(e.description));
        return false;
    }
}

bool QvCalButtonWidget::setBevelWidth(int value) {
    // A width past 16 bits is refused as the control refuses any bad value, not cut short.
    if (value < INT16_MIN || value > INT16_MAX) {
        const ControlError overflow(6, "Overflow");
        emit propertyRefused("BevelWidth", overflow.number, ToQString(overflow.description));
        return false;
    }
    return Set("BevelWidth", Variant(static_cast<int16_t>(value)));
}

QFont QvCalButtonWidget::FontOf(std::string_view name) const {
    const FontRef font = Get(name).ToFont();
    return font ? ToQFont(*font) : QFont();
}

bool QvCalButtonWidget::SetFont(std::string_view name, const QFont& font) {
    return Set(name, Variant(std::make_shared<FontObject>(FromQFont(font))));
}

QImage QvCalButtonWidget::ImageOf(std::string_view name) const {
    const PictureRef picture = Get(name).ToPicture();
    return picture ? ToQImage(*picture) : QImage();
}

// A null image is the empty picture.
bool QvCalButtonWidget::SetImage(std::string_view name, const QImage& image) {
    return Set(name, image.isNull() ? Variant(PictureRef()) : Variant(FromQImage(image)));
}

QColor QvCalButtonWidget::ColorOf(std::string_view name) const { return ToQColor(Get(name).ToColor(), palette()); }

bool QvCalButtonWidget::SetColor(std::string_view name, const QColor& color) {
    return Set(name, Variant(static_cast<int32_t>(FromQColor(color))));
}

void QvCalButtonWidget::Dispatch(std::string_view name, std::span<Variant> args) {
    const bool button = name.starts_with("Btn");
    const std::string_view base = button ? name.substr(3) : name;
    if (name == "MonthChanged") emit MonthChanged();
    else if (name == "ValueChanged") emit ValueChanged();
    else if (name == "YearChanged") emit YearChanged();
    else if (name == "BtnClick") emit BtnClick();
    else if (name == "Click") emit Click();
    else if ((base == "KeyDown" || base == "KeyUp") && args.size() == 2) {
        KeyArgs key{args[0].ToInt16(), args[1].ToInt16()};
        if (name == "BtnKeyDown") emit BtnKeyDown(key);
        else if (name == "BtnKeyUp") emit BtnKeyUp(key);
        else if (name == "KeyDown") emit KeyDown(key);
        else emit KeyUp(key);
        args[0] = Variant(key.keyCode);
        args[1] = Variant(key.shift);
    } else if (base == "KeyPress" && args.size() == 1) {
        KeyPressArgs key{args[0].ToInt16()};
        if (button) emit BtnKeyPress(key);
        else emit KeyPress(key);
        args[0] = Variant(key.keyAscii);
    } else if ((base == "MouseDown" || base == "MouseMove" || base == "MouseUp") && args.size() == 4) {
        MouseArgs mouse{args[0].ToInt16(), args[1].ToInt16(), args[2].ToSingle(), args[3].ToSingle()};
        if (name == "BtnMouseDown") emit BtnMouseDown(mouse);
        else if (name == "BtnMouseMove") emit BtnMouseMove(mouse);
        else if (name == "BtnMouseUp") emit BtnMouseUp(mouse);
        else if (name == "MouseDown") emit MouseDown(mouse);
        else if (name == "MouseMove") emit MouseMove(mouse);
        else emit MouseUp(mouse);
        args[0] = Variant(mouse.button);
        args[1] = Variant(mouse.shift);
        args[2] = Variant(mouse.x);
        args[3] = Variant(mouse.y);
    }
    QVariantList values;
    for (const Variant& v : args) {
        switch (v.kind()) {
            case Variant::Kind::Integer: values << v.ToInt16(); break;
            case Variant::Kind::Single: values << v.ToSingle(); break;
            default: values << ToQString(v.ToString()); break;
        }
    }
    emit EventRaised(ToQString(std::string(name)), values);
}

}  // namespace VemoCalendar
