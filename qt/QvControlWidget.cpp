#include "qt/QvControlWidget.h"

#include <QEvent>
#include <exception>
#include <new>
#include <QMetaMethod>
#include <QMetaProperty>
#include <algorithm>
#include <cmath>

#include "qt/accessibility/QtAccessible.h"
#include "qt/backend/QtConvert.h"
#include "qt/backend/QtEventGuard.h"
#include "qt/backend/QtHost.h"
#include "qt/dialogs/QtPropertyPagesDialog.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {

QvControlWidget::QvControlWidget(QWidget* parent) : QWidget(parent), d_(std::make_unique<QvControlWidgetPrivate>(*this)) {
    InstallQtAccessibility();
}

// The control goes with its site, before the surface it draws on.
QvControlWidget::~QvControlWidget() { d_->site.reset(); }

QtControlSite& SiteOf(const QvControlWidget& widget) { return *widget.d_->site; }

bool QvControlWidget::execPropertyPages(const QList<QvControlWidget*>& controls, QWidget* parent) {
    if (controls.isEmpty()) return false;
    std::vector<Control*> selection;
    for (QvControlWidget* widget : controls) selection.push_back(&widget->AttachedControl());
    return QtPropertyPagesDialog::Run(controls.front()->d_->site->Host(), std::move(selection), parent);
}

QtControlSite& QvControlWidget::MakeSite(QtHost* host, const QString& name) {
    QtHost& h = host ? *host : QtHost::ForApplication();
    d_->site = std::make_unique<QtControlSite>(h, d_->surface, FromQString(name));
    return *d_->site;
}

Control& QvControlWidget::AttachedControl() const { return d_->site->GetControl(); }

void QvControlWidget::BindSite() {
    d_->site->onPropertyChanged = [this](std::string_view property) { OnPropertyChanged(property); };
}

void QvControlWidget::StartNotifying() {
    d_->announcedValue = Get("calValue").ToDate();
    d_->notifying = true;
}

Variant QvControlWidget::Get(std::string_view name) const { return AttachedControl().GetProperty(name); }

template <class MakeValue>
bool QvControlWidget::SetFrom(std::string_view name, MakeValue&& make) {
    return Apply(name, [&] { AttachedControl().SetProperty(name, make()); });
}

bool QvControlWidget::Set(std::string_view name, const Variant& value) {
    return SetFrom(name, [&] { return value; });
}

bool QvControlWidget::Refuse(std::string_view name, const ControlError& error) {
    emit propertyRefused(ToQString(std::string(name)), error.number, ToQString(error.description));
    return false;
}

bool QvControlWidget::Apply(std::string_view name, const std::function<void()>& change) {
    try {
        change();
        return true;
    } catch (const ControlError& e) {
        return Refuse(name, e);
    } catch (const std::bad_alloc&) {
        return Refuse(name, ControlError(kErrOutOfMemory, "Out of memory"));
    } catch (const std::exception& e) {
        return Refuse(name, ControlError(kErrInternal, std::string("Internal error: ") + e.what()));
    }
}

QDate QvControlWidget::DateOf(std::string_view name) const { return ToQDate(Get(name).ToDate()); }

bool QvControlWidget::SetDate(std::string_view name, QDate date) {
    if (!date.isValid()) return Refuse(name, InvalidPropertyValue());
    return SetFrom(name, [&] { return Variant(FromQDate(date)); });
}

QFont QvControlWidget::FontOf(std::string_view name) const {
    const FontRef font = Get(name).ToFont();
    return font ? ToQFont(*font) : QFont();
}

bool QvControlWidget::SetFont(std::string_view name, const QFont& font) {
    return SetFrom(name, [&] {
        auto object = std::make_shared<FontObject>(FromQFont(font));
        if (object->size > kMaxFontPoints) ThrowInvalidPropertyValue();
        return Variant(std::move(object));
    });
}

QImage QvControlWidget::ImageOf(std::string_view name) const {
    const PictureRef picture = Get(name).ToPicture();
    return picture ? ToQImage(*picture) : QImage();
}

// A null image is the empty picture.
bool QvControlWidget::SetImage(std::string_view name, const QImage& image) {
    if (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide) return Refuse(name, InvalidPropertyValue());
    return SetFrom(name, [&] { return image.isNull() ? Variant(PictureRef()) : Variant(FromQImage(image)); });
}

QColor QvControlWidget::ColorOf(std::string_view name) const { return ToQColor(Get(name).ToColor(), palette()); }

bool QvControlWidget::SetColor(std::string_view name, const QColor& color) {
    if (!color.isValid()) return Refuse(name, InvalidPropertyValue());
    return SetFrom(name, [&] { return Variant(static_cast<int32_t>(FromQColor(color))); });
}

QString QvControlWidget::TextOf(std::string_view name) const { return ToQString(Get(name).ToString()); }

bool QvControlWidget::SetText(std::string_view name, const QString& text) {
    return SetFrom(name, [&] { return Variant(FromQString(text)); });
}

void QvControlWidget::AnnounceEvent(std::string_view name, std::span<const Variant> args) {
    static const QMetaMethod eventRaised = QMetaMethod::fromSignal(&QvControlWidget::EventRaised);
    if (!isSignalConnected(eventRaised)) return;
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

void QvControlWidget::AfterEvent(std::string_view name) {
    if (name == "ValueChanged" || name == "MonthChanged" || name == "YearChanged") CheckValue();
}

void QvControlWidget::OnPropertyChanged(std::string_view name) {
    if (name == "calValue") CheckValue();
    else EmitNotify(name);
    emit PropertyChanged(ToQString(std::string(name)));
}

// The Q_PROPERTYs carry the control's names, so the meta-object finds each NOTIFY signal.
void QvControlWidget::EmitNotify(std::string_view name) {
    if (!d_->notifying) return;
    const QMetaObject* meta = metaObject();
    const int index = meta->indexOfProperty(std::string(name).c_str());
    if (index < 0) return;
    const QMetaProperty property = meta->property(index);
    if (property.hasNotifySignal() && property.notifySignal().parameterCount() == 0)
        property.notifySignal().invoke(this, Qt::DirectConnection);
}

// A set of calValue notifies before its Refresh raises ValueChanged: announce each new value once.
void QvControlWidget::CheckValue() {
    if (!d_->notifying) return;
    const Date value = Get("calValue").ToDate();
    if (value == d_->announcedValue || (std::isnan(value.value) && std::isnan(d_->announcedValue.value))) return;
    d_->announcedValue = value;
    EmitNotify("calValue");
    ValueAnnounced(ToQDate(value));
}

bool QvControlWidget::SetRangeEnd(std::string_view name, QDate date) {
    if (!date.isValid()) return false;
    const QDate first(Get("calMinYear").ToInt32(), 1, 1), last(Get("calMaxYear").ToInt32(), 12, 31);
    return SetDate(name, std::clamp(date, first, last));
}

bool QvControlWidget::SetRange(QDate min, QDate max) {
    if (!min.isValid() || !max.isValid()) return false;
    if (max < min) std::swap(min, max);
    return SetRangeEnd("calMinDate", min) && SetRangeEnd("calMaxDate", max);
}

// Qt's enabled state is the outer one: disabling the widget also gives the control its disabled
// state and look; enabling it undoes only what disabling did. A locale set on the widget (or
// reaching it from its parent) names the months and weekdays, of a pop-up calendar too.
void QvControlWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Only these two touch the site (the surface's making sends others before it exists).
    const QEvent::Type type = event->type();
    if ((type != QEvent::LocaleChange && type != QEvent::EnabledChange) || !d_->site || !d_->site->HasControl()) return;
    if (type == QEvent::LocaleChange) {
        d_->site->SetLocale(locale());
        GuardQtEvent([this] { d_->site->GetControl().UserControl_AmbientChanged("Locale"); });
        return;
    }
    if (!isEnabled()) {
        if (Get("Enabled").ToBool()) {
            d_->disabledByQt = true;
            Set("Enabled", Variant(false));
        }
    } else if (d_->disabledByQt) {
        d_->disabledByQt = false;
        if (!Get("Enabled").ToBool()) Set("Enabled", Variant(true));
    }
}

}  // namespace VemoCalendar
