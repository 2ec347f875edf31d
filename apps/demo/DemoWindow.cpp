#include "DemoWindow.h"

#include <algorithm>

#include <QApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "DemoMarks.h"
#include "formfile/FormFile.h"
#include "host/ControlError.h"
#include "qt/dialogs/QtPropertyPagesDialog.h"
#include "qt/backend/QtConvert.h"
#include "qt/QvControlWidget_p.h"

namespace VemoCalendar {
namespace {

// The names of each event's arguments, in order.
QStringList ArgumentNames(QString event) {
    if (event.startsWith("Btn")) event.remove(0, 3);
    if (event == "KeyDown" || event == "KeyUp") return {"KeyCode", "Shift"};
    if (event == "KeyPress") return {"KeyAscii"};
    if (event.startsWith("Mouse")) return {"Button", "Shift", "X", "Y"};
    return {};
}

// A name or value as the log and the status bar show it: they lay out every character they are
// given, so a huge name would stall the window.
QString Elided(const QString& text) {
    constexpr qsizetype kShown = 80;
    return text.size() <= kShown ? text : text.left(kShown - 1) + QChar(0x2026);
}

// Twips: a 4200 x 3000 calendar and a drop-down button beside it, with room below the button for
// its 3200 x 4000 pop-up.
constexpr double kFormWidth = 6600, kFormHeight = 4560;
constexpr double kFormMargin = 180;  // twips kept free right of and below controls

}  // namespace

DemoWindow::DemoWindow(QtHost& host) : host_(host) {
    setWindowTitle("VemoCalendar demo");
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);

    form_ = new QWidget(central);
    form_->setObjectName("Form1");
    // Pop-ups drop down inside the form area, not over the menu bar or the log.
    QtParentForm::MarkAsForm(*form_);
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
    QMenu* properties = menuBar()->addMenu("&Properties");
    properties->addAction("&Calendar Property Pages...", this, [this] {
        if (Control* c = FirstCalendar()) ShowPropertyPages(*c);
    });
    properties->addAction("&Button Property Pages...", this, [this] {
        if (Control* c = FirstButton()) ShowPropertyPages(*c);
    });
    QMenu* view = menuBar()->addMenu("&View");
    markDays_ = view->addAction("&Mark Holidays and Appointments", this, [this](bool on) { MarkDays(on); });
    markDays_->setCheckable(true);
    weekNumbers_ = view->addAction("&Week Numbers", this, [this](bool on) { ShowWeekNumbers(on); });
    weekNumbers_->setCheckable(true);
    qApp->installEventFilter(this);
    QMenu* help = menuBar()->addMenu("&Help");
    help->addAction("&About VemoCalendar...", this, [this] { host_.About().ShowModal(); });

    AddCalendar(new QvCalendarWidget(form_, &host_, "QvCalendar1"), 180, 180, 4200, 3000);
    AddButton(new QvCalButtonWidget(form_, &host_, "QvCalButton1"), 4560, 180, 1215, 375);
    ShowStatus();
}

QvCalendarWidget& DemoWindow::AddCalendar(QvCalendarWidget* calendar, double left, double top, double width,
                                          double height) {
    const QString name = Elided(calendar->objectName());
    connect(calendar, &QvCalendarWidget::EventRaised, this,
            [this, name](const QString& event, const QVariantList& args) { Log(name, event, args); });
    connect(calendar, &QvCalendarWidget::ValueChanged, this, [this] { ShowStatus(); });
    calendars_.push_back(calendar);
    Placed(*calendar, left, top, width, height);
    return *calendar;
}

QvCalButtonWidget& DemoWindow::AddButton(QvCalButtonWidget* button, double left, double top, double width,
                                         double height) {
    const QString name = Elided(button->objectName());
    connect(button, &QvCalButtonWidget::EventRaised, this,
            [this, name](const QString& event, const QVariantList& args) { Log(name, event, args); });
    connect(button, &QvCalButtonWidget::ValueChanged, this, [this] { ShowStatus(); });
    buttons_.push_back(button);
    Placed(*button, left, top, width, height);
    return *button;
}

void DemoWindow::Placed(QvControlWidget& control, double left, double top, double width, double height) {
    SiteOf(control).Move(left, top, width, height);
    control.show();
    log_->appendPlainText(QString("%1 placed at (%2, %3), %4 x %5 twips")
                              .arg(Elided(control.objectName())).arg(left).arg(top).arg(width).arg(height));
}

QDate DemoWindow::ValueOf(const QString& control) const {
    for (QvCalendarWidget* calendar : calendars_)
        if (calendar->objectName() == control) return calendar->calValue();
    for (QvCalButtonWidget* button : buttons_)
        if (button->objectName() == control) return button->calValue();
    return {};
}

bool DemoWindow::PressFirstButton() {
    if (buttons_.empty()) return false;
    QvCalButtonWidget& button = *buttons_.front();
    const QPointF at = QRectF(button.rect()).center();
    const QPointF global = button.mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(&button, &press);
    QApplication::sendEvent(&button, &release);
    return button.popupOpen();
}

void DemoWindow::MarkDays(bool on) {
    markDays_->setChecked(on);
    auto mark = [on](auto& widget) {
        widget.setDateTextFormat(QDate(), QTextCharFormat());
        if (!on) return;
        const QMap<QDate, QTextCharFormat> marks = DemoMarks(widget.calValue().year());
        for (auto it = marks.begin(); it != marks.end(); ++it) widget.setDateTextFormat(it.key(), it.value());
    };
    for (QvCalendarWidget* calendar : calendars_) mark(*calendar);
    for (QvCalButtonWidget* button : buttons_) mark(*button);
}

void DemoWindow::ShowWeekNumbers(bool on) {
    weekNumbers_->setChecked(on);
    const auto format = on ? QvCalendarWidget::ISOWeekNumbers : QvCalendarWidget::NoVerticalHeader;
    for (QvCalendarWidget* calendar : calendars_) calendar->setVerticalHeaderFormat(format);
    for (QvCalButtonWidget* button : buttons_) button->setVerticalHeaderFormat(format);
}

Control* DemoWindow::FirstCalendar() const { return calendars_.empty() ? nullptr : &calendars_.front()->control(); }
Control* DemoWindow::FirstButton() const { return buttons_.empty() ? nullptr : &buttons_.front()->control(); }

void DemoWindow::ShowPropertyPages(Control& control) {
    QtPropertyPagesDialog::Run(host_, {&control}, this);
    ShowStatus();
}

bool DemoWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonDblClick) return false;
    if (!(static_cast<QMouseEvent*>(event)->modifiers() & Qt::ControlModifier)) return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target) return false;
    auto inside = [target](QWidget* control) { return control == target || control->isAncestorOf(target); };
    for (QvCalendarWidget* calendar : calendars_)
        if (inside(calendar)) return ShowPropertyPages(calendar->control()), true;
    for (QvCalButtonWidget* button : buttons_)
        if (inside(button) || (button->popup() && inside(button->popup())))
            return ShowPropertyPages(button->control()), true;
    return false;
}

void DemoWindow::Log(const QString& control, const QString& event, const QVariantList& args) {
    QStringList parts;
    const QStringList names = ArgumentNames(event);
    for (qsizetype i = 0; i < args.size(); ++i)
        parts << (i < names.size() ? names[i] + "=" : QString()) + Elided(args[i].toString());
    QString line = control + "_" + event;
    if (!parts.isEmpty()) line += "(" + parts.join(", ") + ")";
    if (event == "ValueChanged" || event == "MonthChanged" || event == "YearChanged")
        line += "  calValue=" + ValueOf(control).toString(Qt::ISODate);
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
        values << Elided(calendar->objectName()) + ".calValue = " + QLocale().toString(calendar->calValue(), "d MMM yyyy");
    for (QvCalButtonWidget* button : buttons_)
        values << Elided(button->objectName()) + ".calValue = " + QLocale().toString(button->calValue(), "d MMM yyyy");
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
    // Each control loaded, hidden, with its stored place; placed once the form has its size.
    struct Loaded {
        QvControlWidget* control;
        QRectF place;
    };
    std::vector<Loaded> loaded;
    QStringList problems;
    for (StoredControl& stored : form.controls) {
        const QString name = ToQString(stored.name);
        const QString shownName = Elided(name);
        if (stored.type != "QvCalendar" && stored.type != "QvCalButton") {
            problems << QString("%1: controls of type %2 are not part of this demo").arg(shownName, Elided(ToQString(stored.type)));
            continue;
        }
        try {
            QvControlWidget* control = nullptr;
            if (stored.type == "QvCalendar") control = new QvCalendarWidget(stored.bag, form_, &host_, name);
            else control = new QvCalButtonWidget(stored.bag, form_, &host_, name);
            control->hide();
            loaded.push_back({control, QRectF(stored.left, stored.top, stored.width, stored.height)});
        } catch (const ControlError& e) {
            // One damaged control does not keep the others from loading.
            problems << QString("%1: error %2, %3").arg(shownName).arg(e.number).arg(Elided(ToQString(e.description)));
        }
    }
    for (QvCalendarWidget* old : calendars_) delete old;
    for (QvCalButtonWidget* old : buttons_) delete old;
    calendars_.clear();
    buttons_.clear();
    // The form takes its stored size, grown where a control would stand beyond it.
    double width = form.width, height = form.height;
    for (const Loaded& control : loaded) {
        width = std::max(width, control.place.right() + kFormMargin);
        height = std::max(height, control.place.bottom() + kFormMargin);
    }
    // Growing stops where a stored form could stand, so a far-off control cannot make a huge form.
    width = std::min(width, kMaxFormExtent);
    height = std::min(height, kMaxFormExtent);
    SetFormSize(width, height);
    for (const Loaded& control : loaded) {
        const QRectF& place = control.place;
        if (auto* calendar = dynamic_cast<QvCalendarWidget*>(control.control))
            AddCalendar(calendar, place.left(), place.top(), place.width(), place.height());
        else
            AddButton(static_cast<QvCalButtonWidget*>(control.control), place.left(), place.top(), place.width(),
                      place.height());
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
        auto store = [&](const char* type, QvControlWidget& control, auto write) {
            StoredControl stored;
            stored.type = type;
            stored.name = FromQString(control.objectName());
            stored.left = control.x() * tx;
            stored.top = control.y() * ty;
            stored.width = SiteOf(control).Width();
            stored.height = SiteOf(control).Height();
            write(stored.bag);
            form.controls.push_back(std::move(stored));
        };
        for (QvCalendarWidget* calendar : calendars_)
            store("QvCalendar", *calendar, [calendar](PropertyBag& bag) { calendar->writeProperties(bag); });
        for (QvCalButtonWidget* button : buttons_)
            store("QvCalButton", *button, [button](PropertyBag& bag) { button->writeProperties(bag); });
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
