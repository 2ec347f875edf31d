#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "headless/HeadlessPropertyPageSite.h"
#include "host/ControlError.h"
#include "host/PropertyTarget.h"
#include "pages/PropertyPages.h"

namespace VemoCalendar {

// Stands between a page and a control and records what the page asks of it, in order; a
// property named in `failOnRead` or `failOnWrite` fails with the control's error 380.
class RecordingTarget : public PropertyTarget {
public:
    explicit RecordingTarget(PropertyTarget& control) : control_(control) {}
    Variant GetProperty(std::string_view name) const override {
        reads.emplace_back(name);
        if (name == failOnRead) ThrowInvalidPropertyValue();
        return control_.GetProperty(name);
    }
    void SetProperty(std::string_view name, const Variant& value) override {
        writes.emplace_back(name);
        written.push_back(value);
        if (name == failOnWrite) ThrowInvalidPropertyValue();
        control_.SetProperty(name, value);
    }
    mutable std::vector<std::string> reads;
    std::vector<std::string> writes;
    std::vector<Variant> written;
    std::string failOnRead, failOnWrite;

private:
    PropertyTarget& control_;
};

inline HeadlessPropertyPageSite::PageMaker PageNamed(const std::string& name) {
    return [name](PropertyPageSite& site) { return CreatePropertyPage(name, site); };
}

struct WidgetPlace {
    std::string name;
    int index;
    std::string parent;
    std::string caption;  // of labels, frames, check boxes and options; "-" for none
    int left, top, width, height;
};

// The caption of a widget that has one.
inline std::string CaptionOf(Widget& w) {
    if (auto* l = dynamic_cast<Label*>(&w)) return l->Caption();
    if (auto* f = dynamic_cast<Frame*>(&w)) return f->Caption();
    if (auto* c = dynamic_cast<CheckBox*>(&w)) return c->Caption();
    if (auto* o = dynamic_cast<OptionButton*>(&w)) return o->Caption();
    return "-";
}

// The font of a widget that shows text, or null.
inline const FontObject* FontOf(Widget& w) {
    if (auto* l = dynamic_cast<Label*>(&w)) return &l->Font();
    if (auto* f = dynamic_cast<Frame*>(&w)) return &f->Font();
    if (auto* c = dynamic_cast<CheckBox*>(&w)) return &c->Font();
    if (auto* o = dynamic_cast<OptionButton*>(&w)) return &o->Font();
    if (auto* t = dynamic_cast<TextBox*>(&w)) return &t->Font();
    if (auto* d = dynamic_cast<DropDownList*>(&w)) return &d->Font();
    return nullptr;
}

// Every widget stands where the design puts it, with its caption, and every text is Arial 8.25.
inline void ExpectDesign(HeadlessPropertyPageSite& site, const std::vector<WidgetPlace>& design) {
    for (const WidgetPlace& p : design) {
        SCOPED_TRACE(p.name + "(" + std::to_string(p.index) + ")");
        Widget* w = site.Factory().Find(p.name, p.index);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(CaptionOf(*w), p.caption);
        EXPECT_EQ((std::vector<int>{w->Left(), w->Top(), w->Width(), w->Height()}),
                  (std::vector<int>{p.left, p.top, p.width, p.height}));
        Widget* parent = HeadlessWidgetFactory::State(*w).Parent();
        EXPECT_EQ(parent ? parent->Name() : std::string("-"), p.parent);
    }
    for (Widget* w : site.Factory().All()) {
        if (const FontObject* font = FontOf(*w)) {
            SCOPED_TRACE(w->Name());
            EXPECT_EQ(font->name, "Arial");
            EXPECT_DOUBLE_EQ(font->size, 8.25);
            EXPECT_FALSE(font->bold);
            EXPECT_EQ(font->weight, 400);
        }
    }
}

inline std::vector<std::string> NamesOf(const std::vector<Widget*>& widgets) {
    std::vector<std::string> names;
    for (Widget* w : widgets) names.push_back(w->Index() < 0 ? w->Name() : w->Name() + std::to_string(w->Index()));
    return names;
}

inline std::vector<std::string> Entries(const DropDownList& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
    return entries;
}

}  // namespace VemoCalendar
