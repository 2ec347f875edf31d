#pragma once
#include <QDialog>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <memory>
#include <string>
#include <vector>

#include "host/Control.h"
#include "host/ControlError.h"

namespace VemoCalendar {

class QtHost;
class QtPropertyPageSite;
class QtStockPage;

// The "Property Pages" dialog: one tab for each page that entry 0 of the selection names, in its
// order (the library's own pages and the host's stock colour, font and picture pages), with OK,
// Cancel and Apply. Apply is enabled while a page holds a change. Changes reach the controls only
// through Apply or OK; an error the control raises is shown in a message box naming the property
// and the control's text, and stops the apply there (the dialog stays open).
class QtPropertyPagesDialog : public QDialog {
public:
    // `selection`: the selected controls, entry 0 first; they must outlive the dialog.
    QtPropertyPagesDialog(QtHost& host, std::vector<Control*> selection, QWidget* parent = nullptr);
    ~QtPropertyPagesDialog() override;

    // The page names in tab order ("pagQvCalendar", "StandardColor", ...).
    std::vector<std::string> PageNames() const;
    QTabWidget& Tabs() const { return *tabs_; }
    QDialogButtonBox& Buttons() const { return *buttons_; }
    // The site of one of the library's own pages, or null.
    QtPropertyPageSite* Site(const std::string& pageName) const;
    QtStockPage* StockPage(const std::string& pageName) const;
    // Shows the tab of that page; false when the dialog has none of that name.
    bool ShowPage(const std::string& pageName);

    bool ApplyEnabled() const;
    // What the Apply button does: every page holding a change applies, in tab order; false when
    // an error stopped it (after showing the error).
    bool ApplyChanges();

    // Opens the dialog modally for the selection; true when it was closed with OK.
    static bool Run(QtHost& host, std::vector<Control*> selection, QWidget* parent = nullptr);

    void accept() override;

private:
    struct Tab;
    void UpdateApply();
    void ReportError(const std::string& pageName, const ControlError& error);

    QtHost& host_;
    std::vector<Control*> selection_;
    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    std::vector<std::unique_ptr<Tab>> pages_;
};

}  // namespace VemoCalendar
