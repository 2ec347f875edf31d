#include "DemoWindow.h"

#include <algorithm>

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "formfile/FormFile.h"
#include "host/ControlError.h"

namespace VemoCalendar {
namespace {

// The names of each event's arguments, in order.
QStringList ArgumentNames(const QString& event) {
    if (event == "KeyDown" || event == "KeyUp") return {"KeyCode", "Shift"};
    if (event == "KeyPress") return {"KeyAscii"};
    if (event.startsWith("Mouse")) return {"Button", "Shift", "X", "Y"};
    return {};
}

constexpr double kFormWidth = 4560, kFormHeight = 3360;  // twips: room for one 4200 x 3000 calendar
constexpr double kFormMargin = 180;                        // twips kept free right of and below controls

}  // namespace

DemoWindow::DemoWindow(QtHost& host) : host_(host) {
    setWindowTitle("VemoCalendar demo");
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);

    form_ = new QWidget(central);
    form_->setObjectName("Form1");
    SetFormSize(kFormWidth, kFormHeight);
    form_->setAutoFillBackground(true);
    row->addWidget(form_, 0, Qt::AlignTop);

    auto* logColumn = new QVBoxLayout;
    auto* title = new QLabel("Events", central);
    logColumn->addWidget(title);
    log_ = new QPlainTextEdit(central);
    log_->setObjectName("eventLog");
    log_->setReadOnly(true);
    log_->setMinimumWidth(330);
    log_->setFont(QFont("DejaVu Sans Mono", 9));
    logColumn->addWidget(log_);
    auto* clear = new QPushButton("Clear log", central);
    connect(clear, &QPushButton::clicked, log_, &QPlainTextEdit::clear);
    logColumn->addWidget(clear, 0, Qt::AlignRight);
    row->addLayout(logColumn, 1);
    setCentralWidget(central);

    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("&Open...", QKeySequence::Open, this, [this] { Open(); });
    file->addAction("&Save", QKeySequence::Save, this, [this] { Save(); });
    file->addAction("Save &As...", QKeySequence::SaveAs, this, [this] { SaveAs(); });
    file->addSeparator();
    file->addAction("E&xit", QKeySequence::Quit, this, [this] { close(); });
    QMenu* help = menuBar()->addMenu("&Help");
    help->addAction("&About VemoCalendar...", this, [this] { host_.About().ShowModal(); });

    AddCalendar(new QvCalendarWidget(form_, &host_, "QvCalendar1"), 180, 180, 4200, 3000);
    ShowStatus();
}

QvCalendarWidget& DemoWindow::AddCalendar(QvCalendarWidget* calendar, double left, double top, double width,
                                          double height) {
    calendar->site().Move(left, top, width, height);
    const QString name = calendar->objectName();
    connect(calendar, &QvCalendarWidget::EventRaised, this,
            [this, name](const QString& event, const QVariantList& args) { Log(name, event, args); });
    connect(calendar, &QvCalendarWidget::ValueChanged, this, [this] { ShowStatus(); });
    calendar->show();
    calendars_.push_back(calendar);
    log_->appendPlainText(QString("%1 placed at (%2, %3), %4 x %5 twips").arg(name).arg(left).arg(top).arg(width).arg(height));
    return *calendar;
}

void DemoWindow::Log(const QString& control, const QString& event, const QVariantList& args) {
    QStringList parts;
    const QStringList names = ArgumentNames(event);
    for (qsizetype i = 0; i < args.size(); ++i)
        parts << (i < names.size() ? names[i] + "=" : QString()) + args[i].toString();
    QString line = control + "_" + event;
    if (!parts.isEmpty()) line += "(" + parts.join(", ") + ")";
    if (event == "ValueChanged" || event == "MonthChanged" || event == "YearChanged") {
        for (QvCalendarWidget* calendar : calendars_)
            if (calendar->objectName() == control) line += "  calValue=" + calendar->calValue().toString(Qt::ISODate);
    }
    // A stream of mouse moves over one control shows as one line with a count.
    const QString key = control + "_" + event;
    if (event == "MouseMove" && key == lastEvent_) {
        ++repeats_;
        QTextCursor cursor(log_->document()->lastBlock());
        cursor.select(QTextCursor::BlockUnderCursor);
        cursor.removeSelectedText();
        log_->appendPlainText(line + QString("  x%1").arg(repeats_ + 1));
        return;
    }
    lastEvent_ = key;
    repeats_ = 0;
    log_->appendPlainText(line);
}

void DemoWindow::SetFormSize(double widthTwips, double heightTwips) {
    form_->setFixedSize(TwipsToPixels(widthTwips, host_.TwipsPerPixelX()), TwipsToPixels(heightTwips, host_.TwipsPerPixelY()));
}

void DemoWindow::ShowStatus() {
    QStringList values;
    for (QvCalendarWidget* calendar : calendars_)
        values << calendar->objectName() + ".calValue = " + QLocale().toString(calendar->calValue(), "dddd, d MMMM yyyy");
    statusBar()->showMessage(values.join("   "));
}

bool DemoWindow::OpenForm(const QString& path, bool quiet) {
    FormFile form;
    try {
        form = ReadFormFile(path.toStdString());
    } catch (const FormFileError& e) {
        if (!quiet) QMessageBox::critical(this, "Open form", QString("Cannot read %1:\n%2").arg(path, e.what()));
        log_->appendPlainText("Open " + path + " failed: " + e.what());
        return false;
    }
    std::vector<QvCalendarWidget*> loaded;
    QStringList problems;
    for (StoredControl& stored : form.controls) {
        if (stored.type != "QvCalendar") {
            problems << QString("%1: controls of type %2 are not part of this demo").arg(ToQString(stored.name), ToQString(stored.type));
            continue;
        }
        try {
            auto* calendar = new QvCalendarWidget(stored.bag, form_, &host_, ToQString(stored.name));
            calendar->hide();
            calendar->setProperty("vemoPlace", QRectF(stored.left, stored.top, stored.width, stored.height));
            loaded.push_back(calendar);
        } catch (const ControlError& e) {
            // One damaged control does not keep the others from loading.
            problems << QString("%1: error %2, %3").arg(ToQString(stored.name)).arg(e.number).arg(ToQString(e.description));
        }
    }
    for (QvCalendarWidget* old : calendars_) delete old;
    calendars_.clear();
    // The form takes its stored size, grown where a control would stand beyond it.
    double width = form.width, height = form.height;
    for (QvCalendarWidget* calendar : loaded) {
        const QRectF place = calendar->property("vemoPlace").toRectF();
        width = std::max(width, place.right() + kFormMargin);
        height = std::max(height, place.bottom() + kFormMargin);
    }
    SetFormSize(width, height);
    for (QvCalendarWidget* calendar : loaded) {
        const QRectF place = calendar->property("vemoPlace").toRectF();
        AddCalendar(calendar, place.left(), place.top(), place.width(), place.height());
    }
    path_ = path;
    log_->appendPlainText(QString("Opened %1: %2 control(s)").arg(path).arg(loaded.size()));
    for (const QString& problem : problems) log_->appendPlainText("  " + problem);
    if (!problems.isEmpty() && !quiet) QMessageBox::warning(this, "Open form", problems.join("\n"));
    ShowStatus();
    return true;
}

bool DemoWindow::SaveForm(const QString& path) {
    FormFile form;
    const double tx = host_.TwipsPerPixelX(), ty = host_.TwipsPerPixelY();
    form.width = form_->width() * tx;
    form.height = form_->height() * ty;
    try {
        for (QvCalendarWidget* calendar : calendars_) {
            StoredControl stored;
            stored.type = "QvCalendar";
            stored.name = FromQString(calendar->objectName());
            stored.left = calendar->x() * tx;
            stored.top = calendar->y() * ty;
            stored.width = calendar->site().Width();
            stored.height = calendar->site().Height();
            calendar->writeProperties(stored.bag);
            form.controls.push_back(std::move(stored));
        }
        WriteFormFile(path.toStdString(), form);
    } catch (const std::exception& e) {
        QMessageBox::critical(this, "Save form", QString("Cannot save %1:\n%2").arg(path, e.what()));
        return false;
    }
    path_ = path;
    log_->appendPlainText("Saved " + path);
    return true;
}

void DemoWindow::Open() {
    const QString path = QFileDialog::getOpenFileName(this, "Open form", path_, "Form files (*.json);;All files (*)");
    if (!path.isEmpty()) OpenForm(path, false);
}

void DemoWindow::Save() {
    if (path_.isEmpty()) SaveAs();
    else SaveForm(path_);
}

void DemoWindow::SaveAs() {
    const QString path = QFileDialog::getSaveFileName(this, "Save form", path_.isEmpty() ? "form.json" : path_,
                                                      "Form files (*.json);;All files (*)");
    if (!path.isEmpty()) SaveForm(path);
}

}  // namespace VemoCalendar
