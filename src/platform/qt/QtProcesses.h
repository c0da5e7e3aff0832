#pragma once

#include <QString>
#include <QStringList>

#include "platform/Services.h"

namespace tabulo::platform {

// The arguments of a new instance: the file as one argument of its own
// (blanks and all), or none for an empty path.
QStringList NewInstanceArguments(const std::filesystem::path& file);

// Starts the program again with QProcess::startDetached. Each argument is
// passed on as it is, with no command line to split, so a path with blanks in
// the program's folder or in the file arrives whole.
class QtProcesses final : public Processes {
 public:
  // `program` is the executable to start: the running program's own when empty.
  explicit QtProcesses(QString program = {});

  void StartNewInstance(const std::filesystem::path& file) override;

 private:
  QString m_program;
};

}  // namespace tabulo::platform
