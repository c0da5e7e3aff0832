#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/base/Messages.h"

namespace tabulo {

enum class Answer { Ok, Yes, No, Cancel };

// One question or message as it is shown: the table entry it comes from (so
// that scripted and batch answers can tell questions apart), its full text,
// and its sound, style and buttons.
struct Prompt {
  MessageId id;
  std::string text;
  Sound sound;
  BoxStyle style;
  Buttons buttons;
};

// The prompt of table entry `id`: its text with the placeholders filled from
// `args` (as FormatMessage fills them), shown as the table says.
Prompt MessagePrompt(MessageId id, std::initializer_list<std::string_view> args = {});

// Message boxes and their beeps: the port through which the core and the
// windows ask the user. The window shows real boxes; tests answer from a
// script and the batch tool from its options, so nothing ever waits.
class Prompter {
 public:
  virtual ~Prompter() = default;

  // Asks the table's message `id`, its placeholders filled from `args`, and
  // returns the button pressed.
  Answer Ask(MessageId id, std::initializer_list<std::string_view> args = {}) { return Show(MessagePrompt(id, args)); }
  // Asks a prompt built by the caller (a table entry whose text or buttons a
  // caller had to change, or one passed on by a wrapping prompter).
  Answer Ask(const Prompt& prompt) { return Show(prompt); }
  // A beep without a box.
  virtual void Beep(Sound sound) { (void)sound; }

 private:
  // Beeps with the prompt's sound, shows it and returns the button pressed.
  virtual Answer Show(const Prompt& prompt) = 0;
};

}  // namespace tabulo
