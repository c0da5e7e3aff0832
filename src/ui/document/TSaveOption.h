#pragma once

#include <QDialog>
#include <filesystem>

#include "core/document/SaveOptions.h"
#include "core/locale/EncodingDetection.h"
#include "platform/Services.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QShortcut;

namespace tabulo::ui {

// The dialog "CSVの保存": the save format, whether the column attributes go
// into the side file, the title row and row numbers, and the target path.
// Besides the choices for this one save it carries a default record, which
// only "デフォルト" changes; the caller keeps that record as its save options.
//
// The dialog never runs a modal loop of its own (AskSaveOptions does), so a
// test can preset it, press its buttons (found by object name) and read it.
class TSaveOption final : public QDialog {
  Q_OBJECT

 public:
  TSaveOption(QWidget* parent, platform::Services& services);

  // Shows `fileName` in the path panel and the four choices of `options`,
  // which also become the default record.
  void Preset(const std::filesystem::path& fileName, const SaveOptions& options);
  // The four choices as the controls hold them now.
  SaveOptions Choices() const;
  // The encoding the file is written in: preset with the document's, which a
  // UTF-8 text's line ends come from.
  void PresetEncoding(const FileEncoding& encoding);
  FileEncoding ChosenEncoding() const;
  // The target path the panel shows.
  const std::filesystem::path& FileName() const noexcept { return m_fileName; }
  // The preset options, or the choices at the last press of "デフォルト".
  const SaveOptions& Defaults() const noexcept { return m_defaults; }

 private:
  void BuildControls();
  void ConnectEvents();
  void SetFileName(const std::filesystem::path& fileName);

  void RGSaveTypeClick(int index, bool checked);
  void CBCTLClick(bool checked);
  void CBTitleClick(bool checked);
  void CBNoClick(bool checked);
  void btnFileNameClick();
  void BtnHelpClick();
  void BitBtn1Click();
  void btnAbortClick();
  void btnOkClick();

  platform::Services m_services;
  // Kept beside the panel's text because a Linux file name need not be UTF-8:
  // the text is only for showing.
  std::filesystem::path m_fileName;
  SaveOptions m_defaults;
  FileEncoding m_presetEncoding;

  QGroupBox* RGSaveType = nullptr;
  QButtonGroup* m_saveTypeItems = nullptr;  // the radio buttons of RGSaveType, id = format index
  QCheckBox* CBCTL = nullptr;
  QCheckBox* CBTitle = nullptr;
  QCheckBox* CBNo = nullptr;
  QComboBox* CBEncoding = nullptr;
  QLabel* PnlFileName = nullptr;
  QPushButton* btnFileName = nullptr;
  QPushButton* BtnHelp = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* btnAbort = nullptr;
  QPushButton* btnOk = nullptr;
  QShortcut* m_helpKey = nullptr;
};

// Asks how and where to save. The dialog is centred over `parent`'s window,
// preset from `fileName` and `saveOptions`, and announced with the question
// sound. When the user presses "保存実行", `fileName` and `chosen` receive the
// dialog's path and choices and `encoding` (preset with the document's) the
// chosen encoding, and the result is true; otherwise all three are left as
// they were. In either case `saveOptions` receives the dialog's default
// record, so it changes only when "デフォルト" was pressed.
bool AskSaveOptions(QWidget* parent, platform::Services& services, std::filesystem::path& fileName,
                    SaveOptions& saveOptions, SaveOptions& chosen, FileEncoding& encoding);

}  // namespace tabulo::ui
