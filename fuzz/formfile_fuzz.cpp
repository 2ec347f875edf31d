// libFuzzer target: any bytes as a form file. Reading may refuse the file with a FormFileError;
// every control it yields is loaded as a calendar or, when its type says so, a drop-down button;
// either may refuse its bag with a ControlError. Each loaded control is saved back.
// Anything else (a crash, another exception, an invalid date after loading) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "calbutton/QvCalButton.h"
#include "calendar/QvCalendar.h"
#include "formfile/FormFile.h"
#include "fuzz/FuzzInput.h"
#include "headless/HeadlessForm.h"
#include "host/ControlError.h"

using namespace VemoCalendar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<FormFile> read = Fuzz::ReadForm(data, size);
    if (!read) return 0;
    FormFile& file = *read;
    HeadlessHost host;
    HeadlessForm form(host);
    for (StoredControl& stored : file.controls) {
        try {
            FormBag saved;
            if (stored.type == "QvCalButton") {
                auto& button = form.Load<QvCalButton>(stored.name, stored.bag, 0, 0, 1215, 375);
                if (!IsValidDate(button.calValue())) std::abort();
                button.UserControl_WriteProperties(saved);
            } else {
                auto& cal = form.Load<QvCalendar>(stored.name, stored.bag, 0, 0, 4200, 3000);
                if (!IsValidDate(cal.calValue())) std::abort();
                cal.UserControl_WriteProperties(saved);
            }
            (void)FormatFormFile(file);
        } catch (const ControlError&) {
        } catch (const FormFileError&) {
        }
    }
    return 0;
}
