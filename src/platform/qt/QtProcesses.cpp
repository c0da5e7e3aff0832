#include "platform/qt/QtProcesses.h"

#include <QApplication>
#include <QFile>
#include <QProcess>

namespace tabulo::platform {

QStringList NewInstanceArguments(const std::filesystem::path& file) {
  if (file.empty()) return {};
  return {QFile::decodeName(file.native().c_str())};
}

QtProcesses::QtProcesses(QString program)
    : m_program(program.isEmpty() ? QApplication::applicationFilePath() : std::move(program)) {}

void QtProcesses::StartNewInstance(const std::filesystem::path& file) {
  // The window that asked has no message for this; the bell at least tells
  // the user that the new window is not coming.
  if (!QProcess::startDetached(m_program, NewInstanceArguments(file))) QApplication::beep();
}

}  // namespace tabulo::platform
