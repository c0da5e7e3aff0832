#pragma once

#include <QDialog>

#include "core/document/TableDocument.h"
#include "core/rows/Duplicates.h"
#include "platform/Services.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QShortcut;

namespace tabulo::ui {

// What the duplicate dialog was left with.
struct DuplicateRequest {
  DuplicateOptions options;
  bool deleteLater = false;  // "後方の行を削除する"; else "抽出して表示する"
};

// The dialog "重複行の抽出": the columns to compare (several may be chosen),
// whether the duplicates are shown or the later ones deleted, and the three
// comparison options.
//
// The dialog runs no modal loop of its own (AskDuplicates does), so a test
// can set its controls, press OK and read Request().
class TFormDaburi final : public QDialog {
  Q_OBJECT

 public:
  TFormDaburi(QWidget* parent, platform::Services& services, const TableDocument& grid);

  DuplicateRequest Request() const;

 private:
  void BuildControls(const TableDocument& grid);
  void ConnectEvents();
  void PaintChoices();
  void UpdateOkButton();
  void BtnHelpClick();

  platform::Services m_services;

  QLabel* Label1 = nullptr;
  QListWidget* ColList = nullptr;
  QGroupBox* RGHowTo = nullptr;
  QButtonGroup* m_howToItems = nullptr;
  QCheckBox* CBNoKataHira = nullptr;
  QCheckBox* CBNoHanZen = nullptr;
  QCheckBox* CBNoLS = nullptr;
  QPushButton* BtnHelp = nullptr;
  QPushButton* btnAbort = nullptr;
  QPushButton* btnOk = nullptr;
  QShortcut* m_helpKey = nullptr;
};

// Asks which duplicates to look for in `grid`: the dialog is centred over
// `parent`'s window and announced with the question sound. True when the
// user pressed OK; `request` then holds the choices.
bool AskDuplicates(QWidget* parent, platform::Services& services, const TableDocument& grid,
                   DuplicateRequest& request);

}  // namespace tabulo::ui
