#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

#include "core/document/TableDocument.h"
#include "core/rows/Merge.h"
#include "platform/Services.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QShortcut;

namespace tabulo {
class MergeSource;
}

namespace tabulo::ui {

// The merge dialog: the document's columns on the left, the other file's
// fields on the right; "比較", "置換", "連結" and "解除" give the selected
// column its role, paired with the selected field, and move both selections
// down one entry so that consecutive columns pair with consecutive fields by
// repeated clicks. OK needs a key and a column to replace or append to.
//
// The dialog runs no modal loop of its own (AskMerge does), so a test can
// press its buttons and read Options().
class THeigouForm final : public QDialog {
  Q_OBJECT

 public:
  THeigouForm(QWidget* parent, platform::Services& services, const TableDocument& grid, const MergeSource& other,
              const QString& fileName);

  MergeOptions Options() const;

 private:
  void BuildControls(const TableDocument& grid, const MergeSource& other);
  void ConnectEvents();
  void SetRole(MergeRole role);
  void RefreshSourceEntry(int col);
  void UpdateButtons();
  void PaintChoices();
  void BtnHelpClick();

  platform::Services m_services;
  std::vector<TSourceItem> m_items;        // per document column
  QStringList m_sourceHeads;  // title and row 1, fixed width, per column

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QListWidget* LBSource = nullptr;
  QListWidget* LBTarget = nullptr;
  QPushButton* BtnSanshou = nullptr;
  QPushButton* SpeedButton1 = nullptr;
  QPushButton* SpeedButton2 = nullptr;
  QPushButton* BtnKaijo = nullptr;
  QCheckBox* CBNoKataHira = nullptr;
  QCheckBox* CBNoHanZen = nullptr;
  QCheckBox* CBNoLS = nullptr;
  QPushButton* BtnHelp = nullptr;
  QPushButton* btnAbort = nullptr;
  QPushButton* btnOk = nullptr;
  QShortcut* m_helpKey = nullptr;
};

// Asks how to merge `other` (read from `fileName`) into `grid`: the dialog is
// centred over `parent`'s window and announced with the question sound. True
// when the user pressed OK; `options` then holds the pairings.
bool AskMerge(QWidget* parent, platform::Services& services, const TableDocument& grid, const MergeSource& other,
              const QString& fileName, MergeOptions& options);

}  // namespace tabulo::ui
