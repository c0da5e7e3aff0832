#pragma once

#include <QDialog>
#include <vector>

#include "core/document/TableDocument.h"
#include "core/rows/SortKeys.h"
#include "platform/Services.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;
class QShortcut;

namespace tabulo::ui {

// The dialog "ソートの設定": the columns not used as keys on the left, the
// keys in priority order on the right, each with its kind and direction.
// Only the first kMaxSortKeys keys count.
//
// The dialog runs no modal loop of its own (AskSortKeys does), so a test can
// press its buttons (found by object name) and read Keys().
class TSortOption final : public QDialog {
  Q_OBJECT

 public:
  TSortOption(QWidget* parent, platform::Services& services, const TableDocument& grid);

  // The keys as the right-hand list holds them, in its order (all of them,
  // beyond the tenth too).
  std::vector<TKeyItem> Keys() const;

 private:
  void BuildControls(const TableDocument& grid);
  void ConnectEvents();
  void BtnGoWriteClick();
  void BtnGoNoWriteClick();
  void BtnUpClick();
  void BtnDownClick();
  void KindClick(SortKind kind);
  void DirectionClick(bool ascending);
  void UpdateSortButton();
  void BtnHelpClick();

  platform::Services m_services;

  QListWidget* LBNoSort = nullptr;
  QListWidget* LBSort = nullptr;
  QPushButton* BtnGoWrite = nullptr;
  QPushButton* BtnGoNoWrite = nullptr;
  QPushButton* BtnUp = nullptr;
  QPushButton* BtnDown = nullptr;
  QPushButton* BtnKind[6] = {};
  QPushButton* BtnAscending = nullptr;
  QPushButton* BtnDescending = nullptr;
  QPushButton* BtnHelp = nullptr;
  QPushButton* btnAbort = nullptr;
  QPushButton* btnOk = nullptr;
  QShortcut* m_helpKey = nullptr;
};

// Asks for the sort keys of `grid`: the dialog is centred over `parent`'s
// window and announced with the question sound. When the user presses "整列",
// `keys` receives the first kMaxSortKeys keys and the result is true.
bool AskSortKeys(QWidget* parent, platform::Services& services, const TableDocument& grid, std::vector<TKeyItem>& keys);

}  // namespace tabulo::ui
