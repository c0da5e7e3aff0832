#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/document/ColumnAttributes.h"
#include "platform/Services.h"
#include "ui/print/ColumnEntry.h"

class QListView;
class QPushButton;
class QShortcut;

namespace tabulo::ui {

class ColumnListModel;

// The dialog "列属性の設定（Ｆ１でヘルプを表示）": the attribute records of
// all columns in one list, changed in place by buttons that act on every
// selected line (print or not, title, data type, width, alignment, input
// method), and the column order, changed by moving lines up and down. The
// first line, the row-number column, stays first.
//
// Screen mode edits display widths in pixels, print mode print widths in
// tenths of a millimetre. The caller runs exec() and then reads the new
// order from Entries(); in print mode AssignPrintOrder stores it.
class TGridPrintOption final : public QDialog {
  Q_OBJECT

 public:
  // `entries` has one entry per column, the row-number column first; their
  // records must outlive the dialog. The first line is selected, and the
  // dialog is centred over `parent`'s window.
  // `encoding` is the document's, of the titles and texts.
  TGridPrintOption(QWidget* parent, platform::Services& services, AttributeDialogMode mode,
                   std::vector<ColumnEntry> entries, TextEncoding encoding);

  // The entries in the list's current order; entry 0 stays first.
  const std::vector<ColumnEntry>& Entries() const noexcept { return m_entries; }

  // Hides "上に" and "下に" for a window whose column order must not change
  // (an extraction result).
  void HideMoveButtons();

 private:
  void BuildControls();
  void ConnectEvents();
  void PlaceOverParent();

  std::vector<bool> SelectedFlags() const;
  bool AnySelected() const;
  void SelectLines(const std::vector<bool>& selected, const TGPItem* current);
  void ChangeSelected(const std::function<void(TGPItem&)>& change);
  void SetDataType(ColumnType type);
  // Only the alignment bits change; single line and no prefix stay.
  void SetAlignment(HorizontalAlignment alignment);
  void SetAlignment(VerticalAlignment alignment);
  void SetImeMode(std::uint8_t mode);
  void MoveSelected(void (*moveEntries)(std::vector<ColumnEntry>&, std::vector<bool>&));

  void btnPrintClick();
  void btnNoPrintClick();
  void btnTitleClick();
  void btnStrClick();
  void btnIntClick();
  void btnFloatClick();
  void btnCurrClick();
  void btnDateClick();
  void btnTimeClick();
  void btnWidthClick();
  void btnLeftClick();
  void btnCenterClick();
  void btnRightClick();
  void btnTopClick();
  void btnVCenterClick();
  void btnBottomClick();
  void btnDontCareClick();
  void btnOnClick();
  void btnOffClick();
  void btnHiraClick();
  void btnSKataClick();
  void btnKataClick();
  void btnSAlphaClick();
  void btnAlphaClick();
  void BtnUpClick();
  void BtnDownClick();
  void BtnCloseClick();
  void FormHelpKey();

  platform::Services m_services;
  AttributeDialogMode m_mode;
  TextEncoding m_encoding;
  std::vector<ColumnEntry> m_entries;
  ColumnListModel* m_model = nullptr;

  QListView* LBPrintOption = nullptr;
  QPushButton* btnPrint = nullptr;
  QPushButton* btnNoPrint = nullptr;
  QPushButton* btnTitle = nullptr;
  QPushButton* btnWidth = nullptr;
  QPushButton* btnStr = nullptr;
  QPushButton* btnInt = nullptr;
  QPushButton* btnFloat = nullptr;
  QPushButton* btnCurr = nullptr;
  QPushButton* btnDate = nullptr;
  QPushButton* btnTime = nullptr;
  QPushButton* btnLeft = nullptr;
  QPushButton* btnCenter = nullptr;
  QPushButton* btnRight = nullptr;
  QPushButton* btnTop = nullptr;
  QPushButton* btnVCenter = nullptr;
  QPushButton* btnBottom = nullptr;
  QPushButton* btnDontCare = nullptr;
  QPushButton* btnOn = nullptr;
  QPushButton* btnOff = nullptr;
  QPushButton* btnHira = nullptr;
  QPushButton* btnSKata = nullptr;
  QPushButton* btnKata = nullptr;
  QPushButton* btnSAlpha = nullptr;
  QPushButton* btnAlpha = nullptr;
  QPushButton* BtnUp = nullptr;
  QPushButton* BtnDown = nullptr;
  QPushButton* BtnClose = nullptr;
  QShortcut* m_helpKey = nullptr;
};

}  // namespace tabulo::ui
