#include "qt/backend/QtWidgets.h"

#include "qt/backend/QtHost.h"

namespace VemoCalendar {

CaptionLayouts& QtWidgetFactory::Captions() { return host_.Captions(); }

QtWidgetFactory::QtWidgetFactory(QtHost& host, const ScreenMetrics& metrics, QWidget& root, ElementLayer& rootLayer,
                                 QtControlSite* site)
    : host_(host), metrics_(metrics), root_(root), rootLayer_(rootLayer), site_(site) {}

QtWidgetFactory::~QtWidgetFactory() {
    while (!nodes_.empty()) nodes_.pop_back();
}

template <class T, class... Args>
T& QtWidgetFactory::Add(Widget* parent, Args&&... args) {
    QtNode* parentNode = parent ? &Node(*parent) : nullptr;
    auto node = std::make_unique<T>(*this, parentNode, std::forward<Args>(args)...);
    T& ref = *node;
    if (ref.Windowless()) {
        if (!parentNode || parentNode->Window()) ref.HostLayer().Add(ref);
        // A windowless button is reached by Tab through the widget that draws it.
        if (ref.TabStop()) {
            QWidget& holder = ref.HostLayer().HostWidget();
            if (!(holder.focusPolicy() & Qt::TabFocus))
                holder.setFocusPolicy(static_cast<Qt::FocusPolicy>(holder.focusPolicy() | Qt::TabFocus));
        }
        ref.Reposition();
    }
    nodes_.push_back(std::move(node));
    return ref;
}

Panel& QtWidgetFactory::CreatePanel(Widget* parent, const std::string& name, int index) {
    return Add<QtPanel>(parent, name, index);
}
CommandButton& QtWidgetFactory::CreateCommandButton(Widget* parent, const std::string& name, int index) {
    return Add<QtCommandButton>(parent, name, index);
}
PictureSurface& QtWidgetFactory::CreatePictureSurface(Widget* parent, const std::string& name) {
    return Add<QtPictureSurface>(parent, name);
}
TextBox& QtWidgetFactory::CreateTextBox(Widget* parent, const std::string& name) { return Add<QtTextBox>(parent, name); }
DropDownList& QtWidgetFactory::CreateDropDownList(Widget* parent, const std::string& name) {
    return Add<QtDropDownList>(parent, name);
}
Label& QtWidgetFactory::CreateLabel(Widget* parent, const std::string& name, int index) {
    return Add<QtLabel>(parent, name, index);
}
Frame& QtWidgetFactory::CreateFrame(Widget* parent, const std::string& name, int index) {
    return Add<QtFrame>(parent, name, index);
}
CheckBox& QtWidgetFactory::CreateCheckBox(Widget* parent, const std::string& name, int index) {
    return Add<QtCheckBox>(parent, name, index);
}
OptionButton& QtWidgetFactory::CreateOptionButton(Widget* parent, const std::string& name, int index) {
    return Add<QtOptionButton>(parent, name, index);
}
Image& QtWidgetFactory::CreateImage(Widget* parent, const std::string& name) { return Add<QtImage>(parent, name, -1); }
Line& QtWidgetFactory::CreateLine(Widget* parent, const std::string& name, int index) {
    return Add<QtLine>(parent, name, index);
}
PushButton& QtWidgetFactory::CreatePushButton(Widget* parent, const std::string& name) {
    return Add<QtPushButton>(parent, name);
}

Widget* QtWidgetFactory::Find(const std::string& name, int index) const {
    for (const auto& node : nodes_)
        if (node->name_ == name && node->index_ == index) return &node->AsWidget();
    return nullptr;
}

std::vector<QtNode*> QtWidgetFactory::Nodes() const {
    std::vector<QtNode*> all;
    for (const auto& node : nodes_) all.push_back(node.get());
    return all;
}

void QtWidgetFactory::FocusMovedWithin() { host_.SyncFocus(); }

}  // namespace VemoCalendar
