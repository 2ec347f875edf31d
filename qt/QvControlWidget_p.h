#pragma once
#include <memory>

#include "host/Date.h"
#include "qt/backend/QtControlSite.h"
#include "qt/backend/QtControlSurface.h"
#include "qt/QvControlWidget.h"

namespace VemoCalendar {

// What a QvControlWidget holds: the surface behaviour of its QWidget and the control's site.
struct QvControlWidgetPrivate {
    explicit QvControlWidgetPrivate(QWidget& widget) : surface(widget) {}

    QtControlSurface surface;
    std::unique_ptr<QtControlSite> site;
    bool notifying = false;
    Date announcedValue;
    // The control's Enabled was turned off because Qt disabled the widget, to be undone with it.
    bool disabledByQt = false;
};

// The widget's site on the Qt host, for the library's own programs and tests: not public API.
QtControlSite& SiteOf(const QvControlWidget& widget);

}  // namespace VemoCalendar
