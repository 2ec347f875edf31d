#include "qt/dialogs/QtPropertyPagesDialog.h"

#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "pages/PropertyPages.h"
#include "qt/backend/QtConvert.h"
#include "qt/backend/QtEventGuard.h"
#include "qt/backend/QtHost.h"
#include "qt/dialogs/QtPropertyPageSite.h"
#include "qt/dialogs/QtStockPages.h"

namespace VemoCalendar {

struct QtPropertyPagesDialog::Tab {
    std::string name;
    std::unique_ptr<QtPropertyPageSite> site;  // one of the library's pages, or
    QtStockPage* stock = nullptr;              // one of the host's
    bool Changed() const { return site ? site->Changed() : stock->Changed(); }
};

QtPropertyPagesDialog::QtPropertyPagesDialog(QtHost& host, std::vector<Control*> selection, QWidget* parent)
    : QDialog(parent), host_(host), selection_(std::move(selection)) {
    setObjectName("PropertyPages");
    setWindowTitle(tr("Property Pages"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabPages");
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    buttons_->setObjectName("buttons");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    std::vector<PropertyTarget*> targets(selection_.begin(), selection_.end());
    const std::vector<std::string> names =
        selection_.empty() ? std::vector<std::string>{} : PropertyPageNames(selection_.front()->TypeName());
    for (const std::string& name : names) {
        auto tab = std::make_unique<Tab>();
        tab->name = name;
        if (IsStockPage(name)) {
            const auto kind = name == kStandardColor  ? QtStockPage::Kind::Color
                              : name == kStandardFont ? QtStockPage::Kind::Font
                                                      : QtStockPage::Kind::Picture;
            tab->stock = new QtStockPage(kind, tabs_);
            tab->stock->onChanged = [this](bool) { UpdateApply(); };
            tabs_->addTab(tab->stock, tab->stock->Caption());
        } else {
            auto holder = new QWidget(tabs_);
            holder->setObjectName(ToQString("tab_" + name));
            tab->site = std::make_unique<QtPropertyPageSite>(
                host, holder, [&name](PropertyPageSite& site) { return CreatePropertyPage(name, site); });
            auto* inner = new QVBoxLayout(holder);
            inner->addWidget(&tab->site->Surface());
            inner->addStretch();
            tab->site->onChanged = [this](bool) { UpdateApply(); };
            tabs_->addTab(holder, ToQString(std::string(tab->site->Page().Caption())));
        }
        pages_.push_back(std::move(tab));
    }
    // Each page loads from the selection; an error stops that page's load and is shown.
    for (auto& tab : pages_) {
        try {
            if (tab->site) tab->site->Select(targets);
            else tab->stock->Select(targets);
        } catch (const ControlError& e) {
            ReportError(tab->name, e);
        }
    }

    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            [this] { GuardQtEvent([this] { ApplyChanges(); }); });
    connect(buttons_, &QDialogButtonBox::accepted, this, &QtPropertyPagesDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    UpdateApply();
}

QtPropertyPagesDialog::~QtPropertyPagesDialog() {
    // The page sites go first, while the tab widgets that hold their surfaces are still there.
    pages_.clear();
}

std::vector<std::string> QtPropertyPagesDialog::PageNames() const {
    std::vector<std::string> names;
    for (const auto& tab : pages_) names.push_back(tab->name);
    return names;
}

QtPropertyPageSite* QtPropertyPagesDialog::Site(const std::string& pageName) const {
    for (const auto& tab : pages_)
        if (tab->name == pageName) return tab->site.get();
    return nullptr;
}

QtStockPage* QtPropertyPagesDialog::StockPage(const std::string& pageName) const {
    for (const auto& tab : pages_)
        if (tab->name == pageName) return tab->stock;
    return nullptr;
}

bool QtPropertyPagesDialog::ShowPage(const std::string& pageName) {
    for (size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i]->name == pageName) {
            tabs_->setCurrentIndex(static_cast<int>(i));
            return true;
        }
    return false;
}

bool QtPropertyPagesDialog::ApplyEnabled() const {
    for (const auto& tab : pages_)
        if (tab->Changed()) return true;
    return false;
}

void QtPropertyPagesDialog::UpdateApply() {
    if (QPushButton* apply = buttons_->button(QDialogButtonBox::Apply)) apply->setEnabled(ApplyEnabled());
}

bool QtPropertyPagesDialog::ApplyChanges() {
    for (auto& tab : pages_) {
        // A field being edited is checked first, as if the developer had left it.
        if (tab->site) tab->site->LeavePage();
        if (!tab->Changed()) continue;
        try {
            if (tab->site) {
                tab->site->Page().PropertyPage_ApplyChanges();
                tab->site->SetChanged(false);
            } else {
                tab->stock->Apply();
            }
        } catch (const ControlError& e) {
            ShowPage(tab->name);
            ReportError(tab->name, e);
            UpdateApply();
            return false;
        }
    }
    UpdateApply();
    return true;
}

void QtPropertyPagesDialog::ReportError(const std::string& pageName, const ControlError& error) {
    const auto* access = dynamic_cast<const PropertyAccessError*>(&error);
    MessageBoxRequest request;
    request.title = "Property Pages";
    request.icon = MessageIcon::Critical;
    request.text = access ? "The control refused " + access->property + ": " + error.description + " (error " +
                                std::to_string(error.number) + ")."
                          : pageName + ": " + error.description + " (error " + std::to_string(error.number) + ").";
    host_.ShowMessageBox(request, this);
}

void QtPropertyPagesDialog::accept() {
    bool applied = false;
    GuardQtEvent([&] { applied = ApplyChanges(); });
    if (applied) QDialog::accept();
}

bool QtPropertyPagesDialog::Run(QtHost& host, std::vector<Control*> selection, QWidget* parent) {
    QtPropertyPagesDialog dialog(host, std::move(selection), parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace VemoCalendar
