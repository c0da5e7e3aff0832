#include "core/base/Errors.h"

#include "core/base/Messages.h"

namespace tabulo {

SilentAbort::SilentAbort() : TabuloError(std::string(MessageText(MessageId::Abort))) {}

FileError::FileError(std::string message, std::filesystem::path path)
    : TabuloError(std::move(message)), m_path(std::move(path)) {}

StreamReadError::StreamReadError() : TabuloError(std::string(MessageText(MessageId::StreamReadFailed))) {}

}  // namespace tabulo
