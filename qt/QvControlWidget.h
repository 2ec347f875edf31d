#pragma once
#include <QColor>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QString>
#include <QList>
#include <QVariantList>
#include <QWidget>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "host/Control.h"
#include "host/ControlError.h"
#include "host/Export.h"
#include "host/Variant.h"
#include "qt/QvEnums.h"

namespace VemoCalendar {

class QtControlSite;
class QtHost;
struct QvControlWidgetPrivate;

// What the two Qt wrapper widgets share: the by-name path to their control turned into Qt's
// conventions. No exception leaves it: a value the control refuses keeps the old one, the setter
// returns false and propertyRefused is emitted once. Every change notification of the control
// emits the NOTIFY signal of the Q_PROPERTY of the same name, then PropertyChanged.
//
// The widget is the control's own surface: it draws the control's windowless parts and hands
// them its input. Its state sits behind a private pointer, so that the backend can change
// without touching this header.
class VEMOCALENDAR_EXPORT QvControlWidget : public QWidget {
    Q_OBJECT

public:
    ~QvControlWidget() override;
    // Opens the Property Pages dialog (modal) for `controls`, all of one class, as a designer's
    // task menu or a program's Properties command does: the control's own page, then the stock
    // Color, Font and Picture pages. OK and Apply write through the controls' properties; a
    // value a control refuses is reported and the dialog stays open. True when closed with OK.
    static bool execPropertyPages(const QList<QvControlWidget*>& controls, QWidget* parent = nullptr);
    // Qt's disabled state also disables the control (its Enabled false, its disabled look); see
    // changeEvent.

signals:
    // Every event once its handlers have run, with its arguments as they left them (for logs).
    void EventRaised(const QString& name, const QVariantList& args);
    // A property changed (by code, a property page or the user), under the control's name for it;
    // emitted after that property's own NOTIFY signal.
    void PropertyChanged(const QString& name);
    // A property write that the control refused, with its error number and text; the old value
    // stays. Emitted once per refused write.
    void propertyRefused(const QString& name, int number, const QString& description);

protected:
    explicit QvControlWidget(QWidget* parent);

    // The control's site on `host` (the application's when null), named `name`.
    QtControlSite& MakeSite(QtHost* host, const QString& name);
    // Hooks the site's change notifications; call once the control is attached.
    void BindSite();
    // The control attached to the site.
    Control& AttachedControl() const;
    // Call once the control holds its first values: later changes are measured against them.
    void StartNotifying();

    Variant Get(std::string_view name) const;
    // Writes by name; false (after propertyRefused) when the control refuses.
    bool Set(std::string_view name, const Variant& value);
    bool Refuse(std::string_view name, const ControlError& error);
    // Runs a change that is no property write of the table (marked days); whatever it throws is
    // refused under `name` as a write would be.
    bool Apply(std::string_view name, const std::function<void()>& change);

    QDate DateOf(std::string_view name) const;
    // A null or out-of-range QDate is no date: refused with 380 like any invalid value.
    bool SetDate(std::string_view name, QDate date);
    QFont FontOf(std::string_view name) const;
    // A pixel-sized font is taken at 0.75 pt per logical pixel (15 twips a pixel, as the controls
    // measure); a size above kMaxFontPoints is refused with 380.
    bool SetFont(std::string_view name, const QFont& font);
    QImage ImageOf(std::string_view name) const;
    // A picture larger than kMaxPictureSide on either side is refused with 380 before any of
    // its pixels is copied.
    bool SetImage(std::string_view name, const QImage& image);
    QColor ColorOf(std::string_view name) const;
    // An invalid QColor() is no colour: refused with 380 like a null date.
    bool SetColor(std::string_view name, const QColor& color);
    // QCalendarWidget's range ends: a null date is ignored (false), a date beyond the year limits
    // is taken at the limit. The range sets the minimum first: it can move the selected date up
    // to it, after which the maximum (not below the minimum) leaves it there, so the date moves,
    // and is announced, at most once; swapped ends are put in order.
    bool SetRangeEnd(std::string_view name, QDate date);
    bool SetRange(QDate min, QDate max);
    QString TextOf(std::string_view name) const;
    bool SetText(std::string_view name, const QString& text);
    bool SetInt32(std::string_view name, int value) { return Set(name, Variant(static_cast<int32_t>(value))); }

    // Emits EventRaised with the event's arguments as Qt values, when anything listens: most
    // programs connect to the typed signals only.
    void AnnounceEvent(std::string_view name, std::span<const Variant> args);
    // Called after the event's own signal: keeps the value NOTIFY signals in step with what the
    // user changed (navigation changes calValue without a change notification).
    void AfterEvent(std::string_view name);
    // calValue differs from what was last announced: its NOTIFY has been emitted; wrappers add
    // their Qt-convention signals here.
    virtual void ValueAnnounced(QDate) {}

    void changeEvent(QEvent* event) override;

private:
    friend QtControlSite& SiteOf(const QvControlWidget& widget);
    // Writes the value that `make` returns. Whatever the conversion or the control throws, also
    // std::bad_alloc (7, "Out of memory"), is a refusal: the old value stays.
    template <class MakeValue>
    bool SetFrom(std::string_view name, MakeValue&& make);
    void OnPropertyChanged(std::string_view name);
    void EmitNotify(std::string_view name);
    void CheckValue();

    std::unique_ptr<QvControlWidgetPrivate> d_;
};

}  // namespace VemoCalendar
