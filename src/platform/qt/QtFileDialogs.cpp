#include "platform/qt/QtFileDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace tabulo::platform {
namespace {

QString PatternsOf(const QString& patterns) {
  QStringList result;
  for (const auto& pattern : patterns.split(QLatin1Char(';'))) {
    const auto trimmed = pattern.trimmed();
    if (trimmed.isEmpty()) continue;
    result << (trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
  }
  return result.join(QLatin1Char(' '));
}

QString PathToQString(const std::filesystem::path& path) { return QFile::decodeName(path.native().c_str()); }

std::filesystem::path QStringToPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// QFileDialog with Japanese labels, asking before it overwrites in Japanese
// too (Qt's own question would be in English here).
class TabuloFileDialog final : public QFileDialog {
 public:
  TabuloFileDialog(QWidget* parent, const FileDialogOptions& options, bool save)
      : QFileDialog(parent, QString::fromStdString(options.title)),
        m_confirmOverwrite(save && options.confirmOverwrite) {
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::HideNameFilterDetails);
    // The overwrite question is ours (see accept).
    setOption(QFileDialog::DontConfirmOverwrite);
    setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save) {
      setFileMode(QFileDialog::AnyFile);
    } else if (options.multiple) {
      setFileMode(QFileDialog::ExistingFiles);
    } else {
      setFileMode(options.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    setLabelText(QFileDialog::LookIn, QStringLiteral("場所(&I):"));
    setLabelText(QFileDialog::FileName, QStringLiteral("ファイル名(&N):"));
    setLabelText(QFileDialog::FileType, QStringLiteral("ファイルの種類(&T):"));
    setLabelText(QFileDialog::Accept, save ? QStringLiteral("保存(&S)") : QStringLiteral("開く(&O)"));
    setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
    const auto filters = QtNameFilters(options.filter);
    if (!filters.isEmpty()) setNameFilters(filters);
    if (!options.defaultExtension.empty()) setDefaultSuffix(QString::fromStdString(options.defaultExtension));
    if (!options.initialFolder.empty()) setDirectory(PathToQString(options.initialFolder));
    if (!options.fileName.empty()) selectFile(PathToQString(options.fileName));
    if (options.choice != nullptr) AddChoice(*options.choice);
  }

  // The pick of the list of choices, once the dialog is accepted.
  void TakeChoice(FileDialogChoice& choice) const {
    if (m_choiceBox != nullptr) choice.chosen = m_choiceBox->currentIndex();
  }

  void accept() override {
    if (m_confirmOverwrite) {
      const auto files = selectedFiles();
      if (!files.isEmpty()) {
        const QFileInfo info(files.front());
        // A folder is entered by the dialog itself, not overwritten.
        if (info.exists() && !info.isDir() && !ConfirmOverwrite(info.fileName())) return;
      }
    }
    QFileDialog::accept();
  }

 private:
  bool ConfirmOverwrite(const QString& fileName) {
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    fileName + QStringLiteral(" は既に存在します。\n上書きしますか？"), QMessageBox::NoButton, this);
    auto* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    auto* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
  }

  // The list goes in a row of its own under the file type, label and box in
  // the columns of theirs.
  void AddChoice(const FileDialogChoice& choice) {
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (grid == nullptr) return;
    m_choiceBox = new QComboBox(this);
    m_choiceBox->setObjectName(QStringLiteral("FileDialogChoice"));
    for (const std::string& entry : choice.entries) m_choiceBox->addItem(QString::fromStdString(entry));
    m_choiceBox->setCurrentIndex(choice.chosen);
    auto* label = new QLabel(QString::fromStdString(choice.label), this);
    label->setBuddy(m_choiceBox);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(m_choiceBox, row, 1);
  }

  bool m_confirmOverwrite;
  QComboBox* m_choiceBox = nullptr;
};

}  // namespace

QStringList QtNameFilters(std::string_view filter) {
  QStringList result;
  if (filter.empty()) return result;
  const auto parts = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const auto patterns = PatternsOf(parts[i + 1]);
    if (!patterns.isEmpty()) result << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return result;
}

std::vector<std::filesystem::path> QtFileDialogs::Open(const FileDialogOptions& options) {
  TabuloFileDialog dialog(m_parent, options, false);
  std::vector<std::filesystem::path> files;
  if (dialog.exec() != QDialog::Accepted) return files;
  for (const auto& file : dialog.selectedFiles()) files.push_back(QStringToPath(file));
  if (options.choice != nullptr && !files.empty()) dialog.TakeChoice(*options.choice);
  return files;
}

std::optional<std::filesystem::path> QtFileDialogs::Save(const FileDialogOptions& options) {
  TabuloFileDialog dialog(m_parent, options, true);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const auto files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  if (options.choice != nullptr) dialog.TakeChoice(*options.choice);
  return QStringToPath(files.front());
}

}  // namespace tabulo::platform
