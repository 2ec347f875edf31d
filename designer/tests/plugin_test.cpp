// The Designer plugin as Designer and QUiLoader meet it: loaded by file name, no copy of the
// library linked in, widgets reached only through Qt's meta-object system.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QPixmap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUiLoader>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

namespace {

constexpr const char* kCalendar = "VemoCalendar::QvCalendarWidget";
constexpr const char* kButton = "VemoCalendar::QvCalButtonWidget";

QDesignerCustomWidgetCollectionInterface* Collection() {
    static QPluginLoader loader(QStringLiteral(VEMO_DESIGNER_PLUGIN));
    QObject* instance = loader.instance();
    EXPECT_NE(instance, nullptr) << loader.errorString().toStdString();
    return qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
}

QDesignerCustomWidgetInterface* WidgetPlugin(const QString& name) {
    QDesignerCustomWidgetCollectionInterface* collection = Collection();
    if (!collection) return nullptr;
    for (QDesignerCustomWidgetInterface* widget : collection->customWidgets())
        if (widget->name() == name) return widget;
    return nullptr;
}

// The class name, geometry and property names of the widget a domXml places.
struct PlacedWidget {
    QString className;
    QString objectName;
    QSize size;
    QStringList properties;
};

PlacedWidget ParseDomXml(const QString& xml) {
    PlacedWidget placed;
    QXmlStreamReader reader(xml);
    bool inGeometry = false;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) continue;
        if (reader.name() == u"widget" && placed.className.isEmpty()) {
            placed.className = reader.attributes().value("class").toString();
            placed.objectName = reader.attributes().value("name").toString();
        } else if (reader.name() == u"property") {
            placed.properties << reader.attributes().value("name").toString();
            inGeometry = placed.properties.last() == u"geometry";
        } else if (inGeometry && reader.name() == u"width") {
            placed.size.setWidth(reader.readElementText().toInt());
        } else if (inGeometry && reader.name() == u"height") {
            placed.size.setHeight(reader.readElementText().toInt());
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return placed;
}

struct WidgetCase {
    const char* label;
    const char* className;
    const char* includeFile;
    QSize size;
    const char* enumProperty;  // one enumeration property, set by its constant's name
    const char* enumName;
    const char* enumKey;
};

const WidgetCase kWidgets[] = {
    {"Calendar", kCalendar, "qt/QvCalendarWidget.h", {280, 200}, "calScrollArrowsPos", "enumCALScrollArrowsPos",
     "VemocalMonthYear"},
    {"CalButton", kButton, "qt/QvCalButtonWidget.h", {81, 25}, "AutoSize", "enumBTNAutoSize",
     "VemobtnPictureToButton"},
};

void PrintTo(const WidgetCase& c, std::ostream* os) { *os << c.label; }

class DesignerWidgets : public ::testing::TestWithParam<WidgetCase> {};

TEST(DesignerPlugin, OffersBothControlsInTheirGroup) {
    QDesignerCustomWidgetCollectionInterface* collection = Collection();
    ASSERT_NE(collection, nullptr);
    QStringList names;
    for (QDesignerCustomWidgetInterface* widget : collection->customWidgets()) {
        names << widget->name();
        EXPECT_EQ(widget->group(), QStringLiteral("VemoCalendar")) << widget->name().toStdString();
        EXPECT_FALSE(widget->isContainer());
    }
    EXPECT_EQ(names, QStringList({kCalendar, kButton}));
}

TEST_P(DesignerWidgets, DescribesItselfForTheWidgetBox) {
    QDesignerCustomWidgetInterface* plugin = WidgetPlugin(GetParam().className);
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->includeFile(), QString(GetParam().includeFile));
    EXPECT_FALSE(plugin->toolTip().isEmpty());
    EXPECT_FALSE(plugin->whatsThis().isEmpty());
    const QIcon icon = plugin->icon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(16, 16).toImage();
    EXPECT_EQ(image.size(), QSize(16, 16));
    // Drawn, not blank: more than one colour on it.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 2);
}

TEST_P(DesignerWidgets, DomXmlPlacesTheClassAtItsSizeHintWithoutAToolTip) {
    QDesignerCustomWidgetInterface* plugin = WidgetPlugin(GetParam().className);
    ASSERT_NE(plugin, nullptr);
    const PlacedWidget placed = ParseDomXml(plugin->domXml());
    EXPECT_EQ(placed.className, QString(GetParam().className));
    EXPECT_FALSE(placed.objectName.isEmpty());
    EXPECT_EQ(placed.size, GetParam().size);
    std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->sizeHint(), placed.size);
    // The widget box's tool tip is not the placed widget's: it sets nothing else, as Qt's own
    // widgets, so the form stores no tool tip the developer never gave.
    EXPECT_EQ(placed.properties.join(u' ').toStdString(), "geometry");
    EXPECT_TRUE(widget->toolTip().isEmpty());
}

TEST_P(DesignerWidgets, CreatesTheWidgetWithItsEnumerationsByName) {
    QDesignerCustomWidgetInterface* plugin = WidgetPlugin(GetParam().className);
    ASSERT_NE(plugin, nullptr);
    std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
    ASSERT_NE(widget, nullptr);
    EXPECT_STREQ(widget->metaObject()->className(), GetParam().className);
    const QMetaObject* meta = widget->metaObject();
    const QMetaProperty property = meta->property(meta->indexOfProperty(GetParam().enumProperty));
    ASSERT_TRUE(property.isValid());
    ASSERT_TRUE(property.isEnumType());
    EXPECT_STREQ(property.enumerator().name(), GetParam().enumName);
    EXPECT_TRUE(property.isDesignable());
    // The property editor writes the constant's name; reading it back gives that constant.
    ASSERT_TRUE(widget->setProperty(GetParam().enumProperty, QString(GetParam().enumKey)));
    const int value = widget->property(GetParam().enumProperty).toInt();
    EXPECT_STREQ(property.enumerator().valueToKey(value), GetParam().enumKey);
}

TEST_P(DesignerWidgets, ARefusedValueKeepsTheOldOneAndIsReported) {
    QDesignerCustomWidgetInterface* plugin = WidgetPlugin(GetParam().className);
    ASSERT_NE(plugin, nullptr);
    std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
    ASSERT_NE(widget, nullptr);
    QSignalSpy refused(widget.get(), SIGNAL(propertyRefused(QString, int, QString)));
    ASSERT_TRUE(refused.isValid());
    const QVariant before = widget->property("calMinYear");
    // QObject::setProperty reports only that a setter ran; the setter's false goes nowhere.
    widget->setProperty("calMinYear", 1000);
    EXPECT_EQ(widget->property("calMinYear"), before);
    ASSERT_EQ(refused.count(), 1);
    EXPECT_EQ(refused[0][0].toString(), QStringLiteral("calMinYear"));
    EXPECT_EQ(refused[0][1].toInt(), 380);
}

INSTANTIATE_TEST_SUITE_P(Plugin, DesignerWidgets, ::testing::ValuesIn(kWidgets),
                         [](const ::testing::TestParamInfo<WidgetCase>& info) { return std::string(info.param.label); });

// QUiLoader with the plugin's directory: the checked-in form gives both widgets, with the values
// the form sets.
class FormLoad : public ::testing::Test {
protected:
    void SetUp() override {
        loader_.addPluginPath(QStringLiteral(VEMO_PLUGINS_DIR) + "/designer");
        QFile file(QStringLiteral(VEMO_FORM_FILE));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        form_.reset(loader_.load(&file));
        ASSERT_NE(form_, nullptr) << loader_.errorString().toStdString();
    }
    QWidget* Child(const char* name, const char* className) {
        auto* child = form_->findChild<QWidget*>(name);
        EXPECT_NE(child, nullptr) << name;
        if (child) {
            EXPECT_STREQ(child->metaObject()->className(), className);
        }
        return child;
    }
    static QString Key(const QWidget& widget, const char* property) {
        const QMetaProperty p = widget.metaObject()->property(widget.metaObject()->indexOfProperty(property));
        return QString::fromLatin1(p.enumerator().valueToKey(p.read(&widget).toInt()));
    }
    QUiLoader loader_;
    std::unique_ptr<QWidget> form_;
};

TEST_F(FormLoad, LoaderKnowsBothWidgets) {
    const QStringList available = loader_.availableWidgets();
    EXPECT_TRUE(available.contains(kCalendar));
    EXPECT_TRUE(available.contains(kButton));
}

TEST_F(FormLoad, CalendarHasTheFormsValues) {
    QWidget* calendar = Child("calendar1", kCalendar);
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->property("calValue").toDate(), QDate(1997, 6, 10));
    EXPECT_EQ(calendar->property("calMinYear").toInt(), 1990);
    EXPECT_EQ(Key(*calendar, "calScrollArrowsPos"), QStringLiteral("VemocalTop"));
    EXPECT_EQ(calendar->property("calCaption").toString(), QStringLiteral("Delivery day"));
    EXPECT_EQ(calendar->property("calSelectedDayBackColor").value<QColor>(), QColor(200, 16, 32));
    EXPECT_EQ(calendar->geometry(), QRect(10, 10, 280, 200));
}

TEST_F(FormLoad, ButtonHasTheFormsValues) {
    QWidget* button = Child("button1", kButton);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->property("Caption").toString(), QStringLiteral("Pick"));
    EXPECT_EQ(Key(*button, "AutoSize"), QStringLiteral("VemobtnPictureToButton"));
    EXPECT_EQ(Key(*button, "calDayTitle"), QStringLiteral("VemocalDayLong"));
}

// A picture set in Designer is a pixmap file the .ui names; loaded, the button holds its pixels.
TEST(FormPicture, AButtonsPictureFromAFormKeepsItsPixels) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage picture(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(40 * x + 1, 60 * y + 2, 7 * x * y + 3));
    ASSERT_TRUE(picture.save(folder.filePath("face.png")));
    QByteArray form = R"(<ui version="4.0"><widget class="QWidget" name="Form">
        <widget class="VemoCalendar::QvCalButtonWidget" name="button1">
         <property name="Picture"><pixmap>face.png</pixmap></property>
        </widget></widget></ui>)";
    QBuffer buffer(&form);
    QUiLoader loader;
    loader.addPluginPath(QStringLiteral(VEMO_PLUGINS_DIR) + "/designer");
    loader.setWorkingDirectory(QDir(folder.path()));
    const std::unique_ptr<QWidget> loaded(loader.load(&buffer));
    ASSERT_NE(loaded, nullptr) << loader.errorString().toStdString();
    QWidget* button = loaded->findChild<QWidget*>("button1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->property("Picture").value<QPixmap>().toImage().convertToFormat(QImage::Format_ARGB32), picture);
}

}  // namespace
