#pragma once
// Every message box and question of the core goes through a Prompter: the desktop shows a
// QMessageBox, the command line prints to stderr, tests answer from a script.

#include <string>

namespace orvane {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Exclamation, Stop };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
  std::string title;
  std::string text;  // line breaks are CR LF
  Buttons buttons = Buttons::Ok;
  Answer defaultAnswer = Answer::Ok;
  Icon icon = Icon::None;
  bool systemModal = false;
  std::string place{};  // where it happened ("line 12 of the project file"), for a terminal's next line
  // Captions of the Yes, No and Cancel buttons for a question that names its choices itself
  // ("Recover", "Discard", "Later"); empty keeps the usual caption.
  std::string yesCaption{}, noCaption{}, cancelCaption{};
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual Answer ask(const Message& message) = 0;
};

// Shorthand for the common one-button message.
inline Message MakeMessage(std::string title, std::string text, Icon icon = Icon::None,
                           Buttons buttons = Buttons::Ok, bool systemModal = false) {
  Message m;
  m.title = std::move(title);
  m.text = std::move(text);
  m.icon = icon;
  m.buttons = buttons;
  m.defaultAnswer = buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  m.systemModal = systemModal;
  return m;
}

inline constexpr const char* kCrLf = "\r\n";

}  // namespace orvane
