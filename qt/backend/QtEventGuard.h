#pragma once
#include <exception>
#include <functional>
#include <utility>

#include "host/ControlError.h"

namespace VemoCalendar {

// Control code runs inside Qt's event delivery, which cannot carry exceptions. An error raised
// there (an application's event handler setting a refused value, say) stops at the Qt boundary
// and goes to the application's error handler, as a form reports an error of an event handler.
using QtEventErrorHandler = std::function<void(const ControlError&)>;

// Replaces the handler for the whole application; an empty one restores the default, a modal
// "Run-time error" message box.
void SetQtEventErrorHandler(QtEventErrorHandler handler);
void ReportQtEventError(const ControlError& error);

// Runs `work` on behalf of a Qt event; what it throws goes to the error handler.
template <class Work>
void GuardQtEvent(Work&& work) noexcept {
    try {
        work();
    } catch (const ControlError& e) {
        ReportQtEventError(e);
    } catch (const std::exception& e) {
        ReportQtEventError(ControlError(0, e.what()));
    }
}

// A signal that our own code set off (a list index set from code) belongs to that call, errors
// included; the same signal from the user's hand comes from Qt's event loop and is guarded.
template <class Work>
void DeliverSignal(bool fromCode, Work&& work) {
    if (fromCode) work();
    else GuardQtEvent(std::forward<Work>(work));
}

// Marks a widget as being set by our own code for as long as it lives.
class SettingFromCode {
public:
    explicit SettingFromCode(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~SettingFromCode() { flag_ = old_; }
    SettingFromCode(const SettingFromCode&) = delete;
    SettingFromCode& operator=(const SettingFromCode&) = delete;

private:
    bool& flag_;
    bool old_;
};

}  // namespace VemoCalendar
