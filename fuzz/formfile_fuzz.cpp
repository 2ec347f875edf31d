// libFuzzer target: any bytes as a form file. Reading may refuse the file with a FormFileError;
// every control it yields is loaded into a calendar, which may refuse its bag with a ControlError.
// Anything else (a crash, another exception, an invalid date after loading) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calendar/QvCalendar.h"
#include "formfile/FormFile.h"
#include "headless/HeadlessForm.h"
#include "host/ControlError.h"

using namespace VemoCalendar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FormFile file;
    try {
        file = ParseFormFile(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const FormFileError&) {
        return 0;
    }
    HeadlessHost host;
    HeadlessForm form(host);
    for (StoredControl& stored : file.controls) {
        try {
            auto& cal = form.Load<QvCalendar>(stored.name, stored.bag, 0, 0, 4200, 3000);
            if (!IsValidDate(cal.calValue())) std::abort();
            (void)FormatFormFile(file);
        } catch (const ControlError&) {
        } catch (const FormFileError&) {
        }
    }
    return 0;
}
