// Column attributes: the title popup, the attribute dialog, and the input
// method of the column being typed into.

#include <QAction>
#include <QActionGroup>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>

#include "core/document/ColumnAttributes.h"
#include "ui/app/CommandRunner.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/TTabulo.h"
#include "ui/print/TGridPrintOption.h"

namespace tabulo::ui {
namespace {

struct PopupItem {
  const char* name;
  const char* caption;
  int tag;
};

constexpr PopupItem kTypeItems[] = {{"pmStr", "文字列", 0},  {"pmInt", "整数", 1},   {"pmFloat", "数値", 2},
                                    {"pmCurr", "通貨", 5},   {"pmDate", "日付型", 3}, {"pmTime", "時間型", 4}};
constexpr PopupItem kAlignItems[] = {{"pmLeft", "左寄せ", 0}, {"pmCenter", "中央揃え", 1}, {"pmRight", "右寄せ", 2}};
constexpr PopupItem kImeItems[] = {
    {"pmImeDontCare", "無操作", 0},          {"pmImeOn", "IME ON", 1},          {"pmImeOff", "IME OFF", 2},
    {"pmHira", "ひらがな", 3},               {"pmSKata", "カタカナ（半）", 4}, {"pmKata", "カタカナ（全）", 5},
    {"pmSAlpha", "ｱﾙﾌｧﾍﾞｯﾄ（半）", 6}, {"pmAlpha", "ｱﾙﾌｧﾍﾞｯﾄ（全）", 7}};

// Qt has no input-method modes, only hints to the input method; these are
// the nearest: Latin-only for the half-width alphabet and "off", Latin first
// for the full-width alphabet, none for the Japanese modes.
Qt::InputMethodHints HintsOfImeMode(std::uint8_t imeMode) {
  switch (imeMode) {
    case 1:
    case 4: return Qt::ImhLatinOnly;
    case 5: return Qt::ImhPreferLatin;
    default: return Qt::ImhNone;
  }
}

}  // namespace

void TTabulo::CreateColumnPopup() {
  PMCol = new QMenu(this);
  PMCol->setObjectName("PMCol");
  const auto addGroup = [this](const char* title, const auto& items, auto apply) {
    PMCol->addSection(title);
    auto* group = new QActionGroup(PMCol);
    for (const PopupItem& entry : items) {
      QAction* item = PMCol->addAction(entry.caption);
      item->setObjectName(entry.name);
      item->setCheckable(true);
      item->setData(entry.tag);
      group->addAction(item);
      const int tag = entry.tag;
      connect(item, &QAction::triggered, this, [this, apply, tag] {
        RunEditAsSynced("列の属性", [&] { apply(m_document.grid.Item(m_popupColumn), tag); });
      });
    }
  };
  addGroup("データタイプ", kTypeItems, [](TGPItem& item, int tag) { item.DataType = static_cast<std::uint8_t>(tag); });
  addGroup("表示位置", kAlignItems,
           [](TGPItem& item, int tag) { SetHorizontalAlignment(item, static_cast<HorizontalAlignment>(tag)); });
  addGroup("IME Mode", kImeItems, [](TGPItem& item, int tag) { item.ImeMode = ImeModeOfPopupTag(tag); });
}

void TTabulo::ShowColumnPopup(int col, const std::function<void(QMenu&)>& choose) {
  TableDocument& grid = m_document.grid;
  if (col < 1 || col >= grid.ColCount()) return;
  SyncDocumentFromView();
  const TGridRect selection = grid.Selection();
  const int currentCol = grid.Col();
  const int currentRow = grid.Row();
  const bool input = InputMode();
  if (input) SGCSV->SetInputMode(false);  // closes the editor, keeping what was typed
  grid.SetSelectionAndCurrent({col, 1, col, grid.RowCount() - 1}, col, currentRow);
  SyncViewFromDocument();

  m_popupColumn = col;
  const TGPItem& item = grid.Item(col);
  const int checked[3] = {item.DataType, static_cast<int>(HorizontalAlignmentOf(item)), PopupTagOfImeMode(item.ImeMode)};
  int group = -1;
  for (QAction* action : PMCol->actions()) {
    if (action->isSeparator()) {
      ++group;
      continue;
    }
    action->setChecked(group >= 0 && action->data().toInt() == checked[group]);
  }
  if (choose) {
    choose(*PMCol);
  } else {
    QHeaderView* header = SGCSV->horizontalHeader();
    const QPoint corner(header->sectionViewportPosition(col - 1), header->height());
    PMCol->exec(header->viewport()->mapToGlobal(corner));
  }

  SGCSV->setFocus();
  grid.SetSelectionAndCurrent(selection, currentCol, currentRow);
  SyncViewFromDocument();
  if (input) {
    SGCSV->SetInputMode(true);
    SGCSV->OpenEditor();
  }
}

void TTabulo::btnGPIClick() {
  // The dialog changes the column records as the user works in it; all its
  // changes together are one step.
  RunEdit("列属性の設定", [&] {
    TableDocument& grid = m_document.grid;
    std::vector<ColumnEntry> entries;
    for (int col = 0; col < grid.ColCount(); ++col) {
      TGPItem& item = grid.Item(col);
      item.DisplayWidth = grid.ColWidth(col);
      entries.push_back({&item, std::string(grid.Cell(col, 1)), col});
    }
    std::vector<int> order;
    {
      TGridPrintOption dialog(this, m_services, AttributeDialogMode::Screen, std::move(entries),
                              grid.Encoding().encoding);
      if (m_narrowed) dialog.HideMoveButtons();  // an extraction's columns keep their source's order
      dialog.exec();
      for (const ColumnEntry& entry : dialog.Entries()) order.push_back(entry.column);
    }
    BusyCursor busy;
    grid.ReorderColumns(order);
    for (int col = 0; col < grid.ColCount(); ++col) grid.SetColWidth(col, grid.Item(col).DisplayWidth);
  });
}

void TTabulo::SGCSVSelectCell() {
  if (!InputMode()) return;
  const std::uint8_t imeMode = m_document.grid.Item(m_document.grid.Col()).ImeMode;
  if (imeMode != 3) SGCSV->SetImeMode(imeMode, HintsOfImeMode(imeMode));  // 3 leaves the input method as it is
  UpdateStatusPanels();
}

}  // namespace tabulo::ui
