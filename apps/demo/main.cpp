// The VemoCalendar demo: a form with a calendar, a drop-down calendar button and an event log.
//   vemodemo [--today YYYY-MM-DD] [--locale NAME] [--open FORM.json] [--save FORM.json]
//            [--press] [--pages NAME] [--marks] [--week-numbers] [--screenshot FILE.png]
// With --screenshot (or when there is no display) the form is rendered off screen to a PNG;
// --press (or --open-popup) presses the first drop-down button first, so its calendar is open;
// --pages opens the Property Pages dialog at page NAME (pagQvCalendar for the calendar,
// pagQvCalButton or button:NAME for the drop-down button), rendered instead of the form.
#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "DemoWindow.h"
#include "formfile/FormFile.h"
#include "qt/backend/QtConvert.h"
#include "qt/dialogs/QtPropertyPagesDialog.h"

using namespace VemoCalendar;

namespace {

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The off-screen platform warns that it cannot pass size hints on; that says nothing about the form.
QtMessageHandler standardHandler = nullptr;

void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains("propagateSizeHints")) return;
    if (standardHandler) standardHandler(type, context, message);
    else std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Renders a shown window to a PNG once its paint events have run; the demo's exit code.
int Screenshot(QWidget& window, const QString& picture) {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    if (!window.grab().save(picture, "PNG")) {
        std::fprintf(stderr, "vemodemo: cannot write %s\n", qPrintable(picture));
        return 1;
    }
    std::printf("Screenshot written to %s\n", qPrintable(QFileInfo(picture).absoluteFilePath()));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool headless = !HasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (headless) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") standardHandler = qInstallMessageHandler(QuietOffscreen);
    QApplication app(argc, argv);
    QApplication::setApplicationName("vemodemo");

    QCommandLineParser parser;
    parser.setApplicationDescription("VemoCalendar demo: a form with a calendar, a drop-down calendar button and an event log.");
    parser.addHelpOption();
    QCommandLineOption today("today", "Fix today's date (YYYY-MM-DD).", "date");
    QCommandLineOption locale("locale", "Month and weekday names of this locale (for example de_DE).", "name");
    QCommandLineOption open("open", "Load this form file.", "file");
    QCommandLineOption save("save", "Save the form to this form file once it is set up.", "file");
    QCommandLineOption screenshot("screenshot", "Render the form to this PNG and exit.", "file");
    QCommandLineOption press(QStringList{"press", "open-popup"}, "Press the first drop-down button once the form is shown.");
    QCommandLineOption pages("pages",
                             "Open the Property Pages dialog at this page: pagQvCalendar (the calendar's), "
                             "pagQvCalButton or button:NAME (the drop-down button's).",
                             "name");
    QCommandLineOption marks("marks", "Mark holidays and appointments (View > Mark Holidays and Appointments).");
    QCommandLineOption weekNumbers("week-numbers", "Show ISO week numbers (View > Week Numbers).");
    parser.addOptions({today, locale, open, save, screenshot, press, pages, marks, weekNumbers});
    parser.process(app);

    QtHost& host = QtHost::ForApplication();
    if (parser.isSet(today)) {
        const QDate date = QDate::fromString(parser.value(today), Qt::ISODate);
        if (!date.isValid()) {
            std::fprintf(stderr, "vemodemo: --today wants YYYY-MM-DD, not %s\n", qPrintable(parser.value(today)));
            return 2;
        }
        host.SetToday(FromQDate(date));
    }
    if (parser.isSet(locale)) {
        QLocale::setDefault(QLocale(parser.value(locale)));
        host.SetLocale(QLocale(parser.value(locale)));
    }

    DemoWindow window(host);
    if (parser.isSet(open) && !window.OpenForm(parser.value(open), true)) {
        // The window keeps the reason in its log; the command line gets it from the library too.
        std::string reason = "unknown reason";
        try {
            (void)ReadFormFile(parser.value(open).toStdString());
        } catch (const FormFileError& e) {
            reason = e.what();
        }
        std::fprintf(stderr, "vemodemo: cannot open %s: %s\n", qPrintable(parser.value(open)), reason.c_str());
        return 1;
    }
    if (parser.isSet(marks)) window.MarkDays(true);
    if (parser.isSet(weekNumbers)) window.ShowWeekNumbers(true);
    if (parser.isSet(save) && !window.SaveForm(parser.value(save))) return 1;
    window.resize(800, 380);

    QString picture = parser.value(screenshot);
    if (picture.isEmpty() && headless) {
        picture = "vemodemo.png";
        std::printf("No display: rendering the form off screen instead.\n");
    }
    auto pressWhenShown = [&]() -> bool {
        if (!parser.isSet(press)) return true;
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        if (window.PressFirstButton()) return true;
        std::fprintf(stderr, "vemodemo: --press found no drop-down button to open\n");
        return false;
    };
    if (parser.isSet(pages)) {
        QString page = parser.value(pages);
        const bool forButton = page == "pagQvCalButton" || page.startsWith("button:");
        if (page.startsWith("button:")) page.remove(0, 7);
        Control* control = forButton ? window.FirstButton() : window.FirstCalendar();
        if (!control) {
            std::fprintf(stderr, "vemodemo: the form has no %s for --pages\n", forButton ? "drop-down button" : "calendar");
            return 1;
        }
        QtPropertyPagesDialog dialog(host, {control}, &window);
        if (!dialog.ShowPage(page.toStdString())) {
            std::fprintf(stderr, "vemodemo: the control has no page %s\n", qPrintable(page));
            return 1;
        }
        if (picture.isEmpty()) {
            dialog.exec();
            return 0;
        }
        dialog.show();
        return Screenshot(dialog, picture);
    }
    if (picture.isEmpty()) {
        window.show();
        if (!pressWhenShown()) return 1;
        return app.exec();
    }
    window.show();
    if (!pressWhenShown()) return 1;
    return Screenshot(window, picture);
}
