#pragma once
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/PropertyPageSite.h"
#include "host/Variant.h"

namespace VemoCalendar {

// The host's stock pages: StandardColor, StandardFont and StandardPicture. Each lists the colour,
// font or picture properties of entry 0 of the selection (from its property table), shows the
// chosen one and edits it with QColorDialog, QFontDialog or a file chooser for pictures (PNG, BMP,
// JPEG; "None" clears). Edits are held until Apply, which writes them to entry 0 in list order.
class QtStockPage : public QWidget {
public:
    enum class Kind { Color, Font, Picture };
    QtStockPage(Kind kind, QWidget* parent = nullptr);

    Kind PageKind() const { return kind_; }
    // "StandardColor", "StandardFont" or "StandardPicture"; the tab shows "Color", "Font", "Picture".
    std::string Name() const;
    QString Caption() const;

    void Select(std::vector<PropertyTarget*> controls);
    bool Changed() const { return !pending_.empty(); }
    // Writes the held edits; a refusal stops there (PropertyAccessError) and keeps the rest held.
    void Apply();
    std::function<void(bool)> onChanged;

    // The listed properties, in list order.
    const std::vector<std::string>& Properties() const { return names_; }
    // Holds a new value for a listed property, as the choosers do.
    void Hold(const std::string& property, const Variant& value);

    // The choosers, replaceable (tests answer them without a modal dialog). An empty answer
    // leaves the value as it was.
    std::function<std::optional<Color>(Color current, QWidget* parent)> chooseColor;
    std::function<FontRef(const FontRef& current, QWidget* parent)> chooseFont;
    // The picture read from a chosen file; an unreadable file is reported and gives no answer.
    std::function<std::optional<PictureRef>(QWidget* parent)> choosePicture;

    QListWidget& List() const { return *list_; }
    QPushButton& ChooseButton() const { return *choose_; }
    QPushButton* NoneButton() const { return none_; }

private:
    void ListProperties();
    Variant Current(const std::string& property) const;
    void ShowCurrent();
    void Choose();

    Kind kind_;
    std::vector<PropertyTarget*> selection_;
    std::vector<std::string> names_;
    std::map<std::string, Variant> pending_;
    QListWidget* list_;
    QLabel* preview_;
    QPushButton* choose_;
    QPushButton* none_ = nullptr;
};

}  // namespace VemoCalendar
