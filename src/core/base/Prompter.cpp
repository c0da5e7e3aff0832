#include "core/base/Prompter.h"

namespace tabulo {

Prompt MessagePrompt(MessageId id, std::initializer_list<std::string_view> args) {
  const BoxLook look = MessageLook(id);
  return {id, FormatMessage(id, args), look.sound, look.style, look.buttons};
}

}  // namespace tabulo
