// The plugin inside a real Designer core (Qt's Designer components, as Designer's workbench sets
// them up, no window shown): a form holding a calendar, edited as Designer's property editor and
// the task menu edit it. Widgets are reached only through Qt's meta-object system.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>
#include <functional>

namespace {

QDesignerFormEditorInterface* Core() {
    static QDesignerFormEditorInterface* core = [] {
        // Designer looks for plugins in "designer" below each library path.
        QCoreApplication::addLibraryPath(QStringLiteral(VEMO_PLUGINS_DIR));
        QDesignerComponents::initializeResources();
        QDesignerFormEditorInterface* c = QDesignerComponents::createFormEditor(qApp);
        QDesignerComponents::createTaskMenu(c, c);
        QDesignerComponents::initializePlugins(c);
        c->setWidgetBox(QDesignerComponents::createWidgetBox(c, nullptr));
        c->setPropertyEditor(QDesignerComponents::createPropertyEditor(c, nullptr));
        c->setObjectInspector(QDesignerComponents::createObjectInspector(c, nullptr));
        new QDesignerIntegration(c, c);
        return c;
    }();
    return core;
}

constexpr const char* kForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>400</width><height>300</height></rect></property>
  <widget class="VemoCalendar::QvCalendarWidget" name="qvCalendar">
   <property name="geometry"><rect><x>10</x><y>10</y><width>280</width><height>200</height></rect></property>
  </widget>
 </widget>
</ui>
)";

// Runs `action`, answering each modal window that opens meanwhile (or on the next turns of the
// event loop) with `answer`; returns the windows' titles in order.
QStringList AnsweringModals(const std::function<void()>& action, const std::function<void(QDialog&)>& answer) {
    QStringList titles;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            titles << modal->windowTitle();
            answer(*modal);
        }
    });
    timer.start(5);
    action();
    QTest::qWait(100);
    return titles;
}

void Reject(QDialog& dialog) { dialog.reject(); }

class DesignerForm : public ::testing::Test {
protected:
    void SetUp() override {
        QDesignerFormEditorInterface* core = Core();
        form_ = core->formWindowManager()->createFormWindow(nullptr);
        ASSERT_TRUE(form_->setContents(QString::fromUtf8(kForm)));
        form_->setDirty(false);
        core->formWindowManager()->setActiveFormWindow(form_);
        calendar_ = form_->mainContainer()->findChild<QWidget*>(QStringLiteral("qvCalendar"));
        ASSERT_NE(calendar_, nullptr);
        ASSERT_STREQ(calendar_->metaObject()->className(), "VemoCalendar::QvCalendarWidget");
        form_->clearSelection(false);
        form_->selectWidget(calendar_, true);
        core->propertyEditor()->setObject(calendar_);
    }
    void TearDown() override { delete form_; }

    QUndoStack& History() const { return *form_->commandHistory(); }
    bool Changed(const char* property) const {
        auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(Core()->extensionManager(), calendar_);
        return sheet->isChanged(sheet->indexOf(QString::fromLatin1(property)));
    }
    // What the property editor does with a value the developer typed.
    void Edit(const char* property, const QVariant& value) {
        Core()->integration()->updateProperty(QString::fromLatin1(property), value, true);
    }

    QDesignerFormWindowInterface* form_ = nullptr;
    QWidget* calendar_ = nullptr;
};

TEST_F(DesignerForm, ARefusedValueLeavesNoUndoStepAndNoChangedMark) {
    const QVariant before = calendar_->property("calMinYear");
    const QStringList boxes = AnsweringModals([this] { Edit("calMinYear", 50); }, Reject);
    EXPECT_EQ(boxes, QStringList{QStringLiteral("VemoCalendar")});
    EXPECT_EQ(calendar_->property("calMinYear"), before);
    EXPECT_EQ(History().count(), 0);
    EXPECT_FALSE(form_->isDirty());
    EXPECT_FALSE(Changed("calMinYear"));
    EXPECT_FALSE(form_->contents().contains(QStringLiteral("calMinYear")));

    // An accepted value is still one step, marked and stored.
    EXPECT_TRUE(AnsweringModals([this] { Edit("calMinYear", 1995); }, Reject).isEmpty());
    EXPECT_EQ(calendar_->property("calMinYear").toInt(), 1995);
    EXPECT_EQ(History().count(), 1);
    EXPECT_TRUE(form_->isDirty());
    EXPECT_TRUE(Changed("calMinYear"));
    EXPECT_TRUE(form_->contents().contains(QStringLiteral("calMinYear")));
}

// Opens "Property Pages…" from the calendar's task menu and closes the dialog with `close`.
class PropertyPagesInDesigner : public DesignerForm {
protected:
    void RunPages(const std::function<void(QDialog&)>& close) {
        auto* menu = qt_extension<QDesignerTaskMenuExtension*>(Core()->extensionManager(), calendar_);
        ASSERT_NE(menu, nullptr);
        QAction* action = menu->preferredEditAction();
        ASSERT_NE(action, nullptr);
        ASSERT_EQ(action->objectName(), QStringLiteral("actionPropertyPages"));
        EXPECT_EQ(AnsweringModals([action] { action->trigger(); }, close), QStringList{QStringLiteral("Property Pages")});
    }
    static void Press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        ASSERT_NE(buttons, nullptr);
        buttons->button(which)->click();
    }
};

TEST_F(PropertyPagesInDesigner, ClosedWithoutAChangeLeaveNoUndoStep) {
    RunPages([](QDialog& dialog) { Press(dialog, QDialogButtonBox::Cancel); });
    EXPECT_EQ(History().count(), 0);
    EXPECT_FALSE(form_->isDirty());
    RunPages([](QDialog& dialog) { Press(dialog, QDialogButtonBox::Ok); });
    EXPECT_EQ(History().count(), 0);
    EXPECT_FALSE(form_->isDirty());

    // A change is one undoable step.
    RunPages([](QDialog& dialog) {
        auto* caption = dialog.findChild<QLineEdit*>(QStringLiteral("txtCaption"));
        ASSERT_NE(caption, nullptr);
        caption->setFocus();
        caption->selectAll();
        QTest::keyClicks(caption, QStringLiteral("Deliveries"));
        Press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(calendar_->property("calCaption").toString(), QStringLiteral("Deliveries"));
    ASSERT_EQ(History().count(), 1);
    EXPECT_EQ(History().text(0), QStringLiteral("Property Pages"));
    EXPECT_TRUE(form_->isDirty());
    History().undo();
    EXPECT_NE(calendar_->property("calCaption").toString(), QStringLiteral("Deliveries"));
}

}  // namespace
