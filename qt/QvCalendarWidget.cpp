#include "qt/QvCalendarWidget.h"

namespace VemoCalendar {

QvCalendarWidget::QvCalendarWidget(QWidget* parent, QtHost* host, const QString& name) : QtControlSurface(parent) {
    Create(host, name, nullptr);
}

QvCalendarWidget::QvCalendarWidget(PropertyBag& bag, QWidget* parent, QtHost* host, const QString& name)
    : QtControlSurface(parent) {
    Create(host, name, &bag);
}

QvCalendarWidget::~QvCalendarWidget() = default;

void QvCalendarWidget::Create(QtHost* host, const QString& name, PropertyBag* bag) {
    QtHost& h = host ? *host : QtHost::ForApplication();
    site_ = std::make_unique<QtControlSite>(h, *this, FromQString(name));
    auto control = std::make_unique<QvCalendar>(*site_);
    calendar_ = control.get();
    site_->Attach(std::move(control));
    site_->onEvent = [this](std::string_view event, std::span<Variant> args) { Dispatch(event, args); };
    site_->onPropertyChanged = [this](std::string_view property) { emit PropertyChanged(ToQString(std::string(property))); };
    if (bag) calendar_->UserControl_ReadProperties(*bag);
    else calendar_->UserControl_InitProperties();
    site_->SetWidth(sizeHint().width() * site_->TwipsPerPixelX());
    site_->SetHeight(sizeHint().height() * site_->TwipsPerPixelY());
    calendar_->UserControl_Resize();
}

void QvCalendarWidget::Dispatch(std::string_view name, std::span<Variant> args) {
    if (name == "ValueChanged") emit ValueChanged();
    else if (name == "MonthChanged") emit MonthChanged();
    else if (name == "YearChanged") emit YearChanged();
    else if (name == "Click") emit Click();
    else if (name == "DblClick") emit DblClick();
    else if ((name == "KeyDown" || name == "KeyUp") && args.size() == 2) {
        KeyArgs key{args[0].ToInt16(), args[1].ToInt16()};
        if (name == "KeyDown") emit KeyDown(key);
        else emit KeyUp(key);
        args[0] = Variant(key.keyCode);
        args[1] = Variant(key.shift);
    } else if (name == "KeyPress" && args.size() == 1) {
        KeyPressArgs key{args[0].ToInt16()};
        emit KeyPress(key);
        args[0] = Variant(key.keyAscii);
    } else if ((name == "MouseDown" || name == "MouseMove" || name == "MouseUp") && args.size() == 4) {
        MouseArgs mouse{args[0].ToInt16(), args[1].ToInt16(), args[2].ToSingle(), args[3].ToSingle()};
        if (name == "MouseDown") emit MouseDown(mouse);
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
