#pragma once

#include <string>

#include "core/base/Messages.h"

namespace tabulo::platform {

// The system sounds that precede every message box (and the plain beep of a
// search without a match).
enum class Sound { Default, Question, Exclamation, Information, Hand };

// The look of a box (its icon and title).
enum class BoxStyle { Confirmation, Information, Warning, Error };

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };

enum class Answer { Ok, Yes, No, Cancel };

// One question or message: the table entry it comes from (so that scripted
// and batch answers can tell questions apart), its full text, and how it is
// shown.
struct Prompt {
  MessageId id;
  std::string text;
  Sound sound;
  BoxStyle style;
  Buttons buttons;
};

// Message boxes and their beeps. The window shows real boxes; tests answer
// from a script and the batch tool from its options, so nothing ever waits.
class Prompter {
 public:
  virtual ~Prompter() = default;
  // Beeps with the prompt's sound, shows it and returns the button pressed.
  virtual Answer Ask(const Prompt& prompt) = 0;
  // A beep without a box.
  virtual void Beep(Sound sound) { (void)sound; }
};

}  // namespace tabulo::platform
