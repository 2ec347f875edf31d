// A program linking libVemoCalendar.so.2 loads a form through QUiLoader (the plugin found on
// QT_PLUGIN_PATH): the widgets the plugin makes are the program's own classes, because the plugin
// links the same shared library, so qobject_cast and findChild with the widget types find them.
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QUiLoader>
#include <memory>

#include "qt/QvCalButtonWidget.h"
#include "qt/QvCalendarWidget.h"

using VemoCalendar::QvCalButtonWidget;
using VemoCalendar::QvCalendarWidget;

TEST(UiLoaderWithLibrary, FormWidgetsAreTheLibrarysClasses) {
    QUiLoader loader;
    QFile file(QStringLiteral(VEMO_FORM_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();

    auto* calendar = qobject_cast<QvCalendarWidget*>(form->findChild<QWidget*>(QStringLiteral("calendar1")));
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->selectedDate(), QDate(1997, 6, 10));
    EXPECT_EQ(form->findChild<QvCalendarWidget*>(QStringLiteral("calendar1")), calendar);

    auto* button = qobject_cast<QvCalButtonWidget*>(form->findChild<QWidget*>(QStringLiteral("button1")));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Caption(), QStringLiteral("Pick"));
    EXPECT_EQ(form->findChild<QvCalButtonWidget*>(QStringLiteral("button1")), button);
}
