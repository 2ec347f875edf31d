#include "headless/HeadlessHost.h"

namespace VemoCalendar {

HeadlessHost::HeadlessHost() : today_(MakeDate(1997, 6, 10)), ambientFont_(MakeFont("MS Sans Serif", 8.25)), about_(*this) {}

HeadlessHost::~HeadlessHost() = default;

std::unique_ptr<Dialog> HeadlessHost::CreateDialog(const std::string& name) {
    return std::make_unique<HeadlessDialog>(*this, name);
}

std::vector<std::string> HeadlessHost::EventNames(const std::string& control) const {
    std::vector<std::string> names;
    for (const auto& e : events)
        if (control.empty() || e.control == control) names.push_back(e.name);
    return names;
}

std::vector<std::string> HeadlessHost::ChangedProperties(const std::string& control) const {
    std::vector<std::string> names;
    for (const auto& c : propertyChanges)
        if (control.empty() || c.control == control) names.push_back(c.property);
    return names;
}

void HeadlessHost::ClearRecord() {
    events.clear();
    propertyChanges.clear();
    messageBoxes.clear();
    dialogsShown.clear();
}

void HeadlessHost::RecordEvent(const std::string& control, std::string_view name, std::span<Variant> args) {
    RaisedEvent e{control, std::string(name), {}};
    if (onEvent) onEvent(e, args);
    e.args.assign(args.begin(), args.end());
    events.push_back(std::move(e));
}

MessageResult HeadlessHost::ShowMessageBox(const MessageBoxRequest& request) {
    messageBoxes.push_back(request);
    if (onMessageBox) onMessageBox(request);
    if (messageBoxAnswers.empty()) return MessageResult::OK;
    const MessageResult answer = messageBoxAnswers.front();
    messageBoxAnswers.pop_front();
    return answer;
}

HeadlessDialog::HeadlessDialog(HeadlessHost& host, std::string name)
    : host_(host),
      factory_([](Widget&) {}, [&host] { return host.NewHandle(); }, host.TwipsPerPixelX()),
      name_(std::move(name)) {}

void HeadlessDialog::ShowModal() {
    visible_ = true;
    host_.dialogsShown.push_back(caption_);
    if (host_.onModalDialog) host_.onModalDialog(*this);
    else PressKey(13);
    visible_ = false;
}

void HeadlessDialog::Click(const std::string& buttonName) {
    auto& button = factory_.Get<PushButton>(buttonName);
    if (visible_ && button.Enabled() && button.Events().Click) button.Events().Click();
}

void HeadlessDialog::PressKey(int16_t keyAscii) {
    for (Widget* w : factory_.All()) {
        auto* button = dynamic_cast<PushButton*>(w);
        if (!button) continue;
        if ((keyAscii == 13 && button->IsDefault()) || (keyAscii == 27 && button->IsCancel())) {
            Click(button->Name());
            return;
        }
    }
}

}  // namespace VemoCalendar
