#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "about/frmAbout.h"
#include "headless/HeadlessLocale.h"
#include "headless/HeadlessWidgets.h"
#include "host/ControlSite.h"

namespace VemoCalendar {

class HeadlessDialog;

// An event a control raised, with its arguments as the host's handler left them.
struct RaisedEvent {
    std::string control;
    std::string name;
    std::vector<Variant> args;
};

struct PropertyChange {
    std::string control;
    std::string property;
};

// The library's in-memory host: the date of today, the locale, screen metrics, the About box,
// and the record of everything the controls told the host. Deterministic: 15 twips per pixel,
// a 1024 x 768 pixel screen and English names unless a test sets otherwise.
class HeadlessHost : public DialogHost {
public:
    HeadlessHost();
    ~HeadlessHost() override;

    // ---- Settings ----
    void SetToday(Date today) { today_ = today; }
    Date Today() const { return today_; }
    HeadlessLocale& Locale() { return locale_; }
    void SetTwipsPerPixel(double x, double y) { twipsPerPixelX_ = x, twipsPerPixelY_ = y; }
    FontRef AmbientFont() const { return ambientFont_; }
    void SetAmbientFont(FontRef font) { ambientFont_ = std::move(font); }

    // ---- DialogHost ----
    double TwipsPerPixelX() const override { return twipsPerPixelX_; }
    double TwipsPerPixelY() const override { return twipsPerPixelY_; }
    double ScreenWidthTwips() const override { return 1024 * twipsPerPixelX_; }
    double ScreenHeightTwips() const override { return 768 * twipsPerPixelY_; }
    std::unique_ptr<Dialog> CreateDialog(const std::string& name) override;
    LibraryIdentity Library() const override { return VemoCalendarIdentity(); }
    frmAbout& About() { return about_; }

    // ---- Record ----
    std::vector<RaisedEvent> events;
    std::vector<PropertyChange> propertyChanges;
    std::vector<MessageBoxRequest> messageBoxes;
    std::vector<std::string> dialogsShown;  // captions, in showing order
    // Names of the events raised, optionally of one control only.
    std::vector<std::string> EventNames(const std::string& control = {}) const;
    std::vector<std::string> ChangedProperties(const std::string& control = {}) const;
    void ClearRecord();

    // ---- Scripted user ----
    // The host's event handler; it may change the by-reference arguments.
    std::function<void(const RaisedEvent&, std::span<Variant>)> onEvent;
    // Answers for the next message boxes, in order; OK when the queue is empty.
    std::deque<MessageResult> messageBoxAnswers;
    // Runs while a message box is up (before it is answered).
    std::function<void(const MessageBoxRequest&)> onMessageBox;
    // Runs while a modal dialog is up. Without one, the user presses the dialog's default button.
    // A dialog still open when it returns is closed, as by its close box.
    std::function<void(HeadlessDialog&)> onModalDialog;

    // Called by sites.
    void RecordEvent(const std::string& control, std::string_view name, std::span<Variant> args);
    MessageResult ShowMessageBox(const MessageBoxRequest& request);
    intptr_t NewHandle() { return ++lastHandle_; }

private:
    Date today_;
    HeadlessLocale locale_;
    double twipsPerPixelX_ = 15, twipsPerPixelY_ = 15;
    FontRef ambientFont_;
    intptr_t lastHandle_ = 0x1000;
    frmAbout about_;
};

// A modal dialog in memory.
class HeadlessDialog : public Dialog {
public:
    explicit HeadlessDialog(HeadlessHost& host, std::string name);
    WidgetFactory& Widgets() override { return factory_; }
    HeadlessWidgetFactory& Factory() { return factory_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    const std::string& Caption() const override { return caption_; }
    void SetIcon(PictureRef icon) override { icon_ = std::move(icon); }
    PictureRef Icon() const { return icon_; }
    int Left() const override { return left_; }
    int Top() const override { return top_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Move(int left, int top) override { left_ = left, top_ = top; }
    void Resize(int width, int height) override { width_ = width, height_ = height; }
    WindowState State() const override { return state_; }
    void SetState(WindowState state) { state_ = state; }
    void ShowModal() override;
    void Unload() override { visible_ = false; }
    bool IsVisible() const override { return visible_; }

    // The user's actions while it is up.
    void Click(const std::string& buttonName);
    // Enter presses the default button, Escape the cancel button.
    void PressKey(int16_t keyAscii);

private:
    HeadlessHost& host_;
    HeadlessWidgetFactory factory_;
    std::string name_, caption_;
    PictureRef icon_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    WindowState state_ = WindowState::Normal;
    bool visible_ = false;
};

}  // namespace VemoCalendar
