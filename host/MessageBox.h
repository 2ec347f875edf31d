#pragma once
#include <string>

namespace VemoCalendar {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { OK, OKCancel, YesNo };
enum class MessageModality { Application, System };
enum class MessageResult { OK, Cancel, Yes, No };

struct MessageBoxRequest {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::OK;
    MessageModality modality = MessageModality::Application;
};

}  // namespace VemoCalendar
