#include "qt/backend/QtEventGuard.h"

#include <QMessageBox>
#include <QString>

namespace VemoCalendar {
namespace {

// The one error handler of the application: Qt's event loop is itself application-wide.
QtEventErrorHandler& Handler() {
    static QtEventErrorHandler handler;
    return handler;
}

}  // namespace

void SetQtEventErrorHandler(QtEventErrorHandler handler) { Handler() = std::move(handler); }

void ReportQtEventError(const ControlError& error) {
    if (Handler()) {
        Handler()(error);
        return;
    }
    QMessageBox::critical(nullptr, "VemoCalendar",
                          QString("Run-time error '%1':\n\n%2").arg(error.number).arg(QString::fromStdString(error.description)));
}

}  // namespace VemoCalendar
