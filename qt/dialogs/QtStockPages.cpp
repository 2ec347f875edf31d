#include "qt/dialogs/QtStockPages.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QImageReader>
#include <QMessageBox>
#include <QVBoxLayout>

#include "host/ControlError.h"
#include "qt/backend/QtConvert.h"
#include "qt/backend/QtEventGuard.h"

namespace VemoCalendar {
namespace {

// Names probed on an object that has no property table: the colour, font and picture properties
// of the two controls.
const std::vector<std::string>& ProbedNames(QtStockPage::Kind kind) {
    static const std::vector<std::string> colors = {
        "calSelectedDayBackColor",          "calSelectedDayForeColor",         "calCurrentDateBackColor",
        "calCurrentDateForeColor",          "calCurrentMonthBackColor",        "calCurrentMonthForeColor",
        "calCurrentMonthWeekendsBackColor", "calCurrentMonthWeekendsForeColor", "calPreviousMonthBackColor",
        "calPreviousMonthForeColor",        "calNextMonthBackColor",           "calNextMonthForeColor",
        "ForeColor"};
    static const std::vector<std::string> fonts = {"calFont", "calMonthYearTitleFont", "calScrollArrowsFont", "Font"};
    static const std::vector<std::string> pictures = {"Picture", "MouseIcon"};
    switch (kind) {
        case QtStockPage::Kind::Color: return colors;
        case QtStockPage::Kind::Font: return fonts;
        case QtStockPage::Kind::Picture: break;
    }
    return pictures;
}

PropertyKind TableKind(QtStockPage::Kind kind) {
    switch (kind) {
        case QtStockPage::Kind::Color: return PropertyKind::Color;
        case QtStockPage::Kind::Font: return PropertyKind::Font;
        case QtStockPage::Kind::Picture: break;
    }
    return PropertyKind::Picture;
}

QString FontText(const FontRef& font) {
    if (!font) return QStringLiteral("(none)");
    QString text = ToQString(font->name) + QStringLiteral(", ") + QString::number(font->size) + QStringLiteral(" pt");
    if (font->bold) text += QStringLiteral(", bold");
    if (font->italic) text += QStringLiteral(", italic");
    return text;
}

}  // namespace

QtStockPage::QtStockPage(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setObjectName(QString::fromStdString(Name()));
    list_ = new QListWidget(this);
    list_->setObjectName("lstProperties");
    preview_ = new QLabel(this);
    preview_->setObjectName("lblPreview");
    preview_->setMinimumSize(120, 60);
    preview_->setFrameShape(QFrame::StyledPanel);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setWordWrap(true);
    choose_ = new QPushButton(kind == Kind::Picture ? tr("Browse...") : tr("Choose..."), this);
    choose_->setObjectName("cmdChoose");
    auto* side = new QVBoxLayout;
    auto* caption = new QLabel(tr("Properties:"), this);
    auto* left = new QVBoxLayout;
    left->addWidget(caption);
    left->addWidget(list_);
    side->addWidget(preview_);
    side->addWidget(choose_);
    if (kind == Kind::Picture) {
        none_ = new QPushButton(tr("None"), this);
        none_->setObjectName("cmdNone");
        side->addWidget(none_);
        connect(none_, &QPushButton::clicked, this, [this] {
            GuardQtEvent([this] {
                if (auto* item = list_->currentItem()) Hold(item->text().toStdString(), Variant(PictureRef()));
            });
        });
    }
    side->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addLayout(left, 1);
    row->addLayout(side);
    connect(list_, &QListWidget::currentRowChanged, this, [this] { GuardQtEvent([this] { ShowCurrent(); }); });
    connect(choose_, &QPushButton::clicked, this, [this] { GuardQtEvent([this] { Choose(); }); });

    chooseColor = [](Color current, QWidget* parent) -> std::optional<Color> {
        const QColor chosen = QColorDialog::getColor(ToQColor(current, parent->palette()), parent);
        if (!chosen.isValid()) return std::nullopt;
        return FromQColor(chosen);
    };
    chooseFont = [](const FontRef& current, QWidget* parent) -> FontRef {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, current ? ToQFont(*current) : QFont(), parent);
        if (!ok) return nullptr;
        return std::make_shared<FontObject>(FromQFont(chosen));
    };
    choosePicture = [](QWidget* parent) -> std::optional<PictureRef> {
        const QString file = QFileDialog::getOpenFileName(parent, tr("Choose a picture"), QString(),
                                                          tr("Pictures (*.png *.bmp *.jpg *.jpeg)"));
        if (file.isEmpty()) return std::nullopt;
        QImageReader reader(file);
        const QImage image = reader.read();
        if (image.isNull()) {
            QMessageBox::critical(parent, tr("Picture"), tr("The picture cannot be read: %1").arg(reader.errorString()));
            return std::nullopt;
        }
        return FromQImage(image);
    };
}

std::string QtStockPage::Name() const {
    switch (kind_) {
        case Kind::Color: return "StandardColor";
        case Kind::Font: return "StandardFont";
        case Kind::Picture: break;
    }
    return "StandardPicture";
}

QString QtStockPage::Caption() const {
    switch (kind_) {
        case Kind::Color: return tr("Color");
        case Kind::Font: return tr("Font");
        case Kind::Picture: break;
    }
    return tr("Picture");
}

void QtStockPage::Select(std::vector<PropertyTarget*> controls) {
    selection_ = std::move(controls);
    pending_.clear();
    ListProperties();
    if (onChanged) onChanged(false);
}

void QtStockPage::ListProperties() {
    names_.clear();
    if (!selection_.empty()) {
        PropertyTarget& target = *selection_.front();
        for (const PropertyInfo& p : target.Properties())
            if (p.writable && p.kind == TableKind(kind_)) names_.emplace_back(p.name);
        if (target.Properties().empty()) {
            for (const std::string& name : ProbedNames(kind_)) {
                try {
                    const Variant v = target.GetProperty(name);
                    const auto k = v.kind();
                    const bool fits = kind_ == Kind::Color     ? k == Variant::Kind::Color
                                      : kind_ == Kind::Font    ? k == Variant::Kind::Font
                                                               : (k == Variant::Kind::Picture || k == Variant::Kind::Empty);
                    if (fits) names_.push_back(name);
                } catch (const ControlError&) {
                    // not a property of this object
                }
            }
        }
    }
    list_->clear();
    for (const std::string& name : names_) list_->addItem(ToQString(name));
    if (!names_.empty()) list_->setCurrentRow(0);
    choose_->setEnabled(!names_.empty());
    if (none_) none_->setEnabled(!names_.empty());
    ShowCurrent();
}

Variant QtStockPage::Current(const std::string& property) const {
    if (const auto it = pending_.find(property); it != pending_.end()) return it->second;
    if (selection_.empty()) return {};
    try {
        return selection_.front()->GetProperty(property);
    } catch (const ControlError& e) {
        throw PropertyAccessError(property, e);
    }
}

void QtStockPage::ShowCurrent() {
    preview_->clear();
    preview_->setStyleSheet(QString());
    const QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    const Variant value = Current(item->text().toStdString());
    switch (kind_) {
        case Kind::Color: {
            const QColor color = ToQColor(value.ToColor(), palette());
            preview_->setStyleSheet(QStringLiteral("background-color: %1;").arg(color.name()));
            preview_->setText(QStringLiteral("&H%1&").arg(value.ToColor(), 8, 16, QLatin1Char('0')).toUpper());
            break;
        }
        case Kind::Font: preview_->setText(FontText(value.ToFont())); break;
        case Kind::Picture: {
            const PictureRef picture = value.ToPicture();
            if (!picture) preview_->setText(tr("(None)"));
            else preview_->setPixmap(QPixmap::fromImage(ToQImage(*picture)).scaled(
                     preview_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
            break;
        }
    }
}

void QtStockPage::Choose() {
    const QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    const std::string property = item->text().toStdString();
    const Variant current = Current(property);
    switch (kind_) {
        case Kind::Color:
            if (const auto color = chooseColor(current.ToColor(), this)) Hold(property, Variant::FromColor(*color));
            break;
        case Kind::Font:
            if (FontRef font = chooseFont(current.ToFont(), this)) Hold(property, Variant(font));
            break;
        case Kind::Picture:
            if (const auto picture = choosePicture(this)) Hold(property, Variant(*picture));
            break;
    }
}

void QtStockPage::Hold(const std::string& property, const Variant& value) {
    pending_.insert_or_assign(property, value);
    ShowCurrent();
    if (onChanged) onChanged(true);
}

void QtStockPage::Apply() {
    if (selection_.empty()) return;
    for (const std::string& name : names_) {
        const auto it = pending_.find(name);
        if (it == pending_.end()) continue;
        try {
            selection_.front()->SetProperty(name, it->second);
        } catch (const ControlError& e) {
            throw PropertyAccessError(name, e);
        }
        pending_.erase(it);
    }
    ShowCurrent();
    if (onChanged) onChanged(false);
}

}  // namespace VemoCalendar
