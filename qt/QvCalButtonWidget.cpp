#include "qt/QvCalButtonWidget.h"

#include <QFontMetrics>
#include <algorithm>

#include "calbutton/ButtonPicture.h"
#include "host/ControlError.h"
#include "qt/backend/QtConvert.h"
#include "qt/backend/QtControlSite.h"
#include "qt/backend/QtHost.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {

QvCalButtonWidget::QvCalButtonWidget(QWidget* parent, QtHost* host, const QString& name) : QvControlWidget(parent) {
    Create(host, name, nullptr);
}

QvCalButtonWidget::QvCalButtonWidget(PropertyBag& bag, QWidget* parent, QtHost* host, const QString& name)
    : QvControlWidget(parent) {
    Create(host, name, &bag);
}

QvCalButtonWidget::~QvCalButtonWidget() = default;

QIcon QvCalButtonWidget::widgetIcon() { return ToQIcon(MakeButtonPicture(), 16); }

QvCalButton& QvCalButtonWidget::control() const { return static_cast<QvCalButton&>(AttachedControl()); }
void QvCalButtonWidget::writeProperties(PropertyBag& bag) const { control().UserControl_WriteProperties(bag); }

void QvCalButtonWidget::Create(QtHost* host, const QString& name, PropertyBag* bag) {
    QtControlSite& s = MakeSite(host, name);
    s.onEvent = [this](std::string_view event, std::span<Variant> args) { Dispatch(event, args); };
    // A new button's size, 1215 x 375 twips, whatever its font.
    s.SetWidth(81 * s.TwipsPerPixelX());
    s.SetHeight(25 * s.TwipsPerPixelY());
    auto owned = std::make_unique<QvCalButton>(s);
    QvCalButton& button = *owned;
    s.Attach(std::move(owned));
    BindSite();
    if (bag) button.UserControl_ReadProperties(*bag);
    else button.UserControl_InitProperties();
    button.UserControl_Resize();
    // Keeps its height in a layout and grows sideways, as a push button does.
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    StartNotifying();
}

// The 20 x 20 face picture or a line of the face's font, inside a two-pixel bevel on each side.
QSize QvCalButtonWidget::minimumSizeHint() const {
    const QFontMetrics metrics(buttonFont());
    const int side = std::max(20, metrics.height()) + 4;
    return {side, side};
}

QWidget* QvCalButtonWidget::popup() const {
    QtControlSite* calendar = SiteOf(*this).Host().ConstituentOf(SiteOf(*this), "QvCalendar1");
    return calendar ? &calendar->Surface() : nullptr;
}

bool QvCalButtonWidget::popupOpen() const {
    QtControlSite* calendar = SiteOf(*this).Host().ConstituentOf(SiteOf(*this), "QvCalendar1");
    return calendar && calendar->Visible();
}

bool QvCalButtonWidget::setBevelWidth(int value) {
    // A width past 16 bits is refused as the control refuses any bad value, not cut short.
    if (value < INT16_MIN || value > INT16_MAX) {
        return Refuse("BevelWidth", ControlError(6, "Overflow"));
    }
    return Set("BevelWidth", Variant(static_cast<int16_t>(value)));
}

void QvCalButtonWidget::Dispatch(std::string_view name, std::span<Variant> args) {
    const bool button = name.starts_with("Btn");
    const std::string_view base = button ? name.substr(3) : name;
    if (name == "MonthChanged") emit MonthChanged();
    else if (name == "ValueChanged") emit ValueChanged();
    else if (name == "YearChanged") emit YearChanged();
    else if (name == "BtnClick") emit BtnClick();
    else if (name == "Click") emit Click();
    else if (name == "limitReached" && args.size() == 1) emit limitReached(args[0].ToBool());
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
    AfterEvent(name);
    AnnounceEvent(name, args);
}

}  // namespace VemoCalendar
