#pragma once

#include <QDialog>

#include "core/document/TableDocument.h"
#include "core/editing/Replace.h"
#include "platform/Services.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QShortcut;

namespace tabulo::ui {

// The dialog "データの置換": one of the six replace methods and its two
// values. Each value is typed, or chosen from the list of column titles, in
// which case it stands for that column's text in each row. The labels, the
// boxes shown and whether "置換(&R)" may be pressed follow the method.
//
// The dialog runs no modal loop of its own (AskReplace does), so a test can
// set its controls (found by object name) and read Request().
class TReplaceForm final : public QDialog {
  Q_OBJECT

 public:
  TReplaceForm(QWidget* parent, platform::Services& services, const TableDocument& grid);

  // The method and values as the controls hold them now; a hidden box gives
  // an empty value.
  ReplaceRequest Request() const;

 private:
  void BuildControls(const TableDocument& grid);
  void ConnectEvents();
  void RGMethodClick(int index, bool checked);
  void UpdateEnabling();
  void BtnHelpClick();

  platform::Services m_services;
  TextEncoding m_encoding;  // of the document the texts are for

  QGroupBox* RGMethod = nullptr;
  QButtonGroup* m_methodItems = nullptr;  // the radio buttons of RGMethod, id = method index
  QLabel* LBPreData = nullptr;
  QComboBox* CBPreData = nullptr;
  QLabel* LBNextData = nullptr;
  QComboBox* CBNextData = nullptr;
  QPushButton* btnOk = nullptr;
  QPushButton* btnAbort = nullptr;
  QPushButton* BtnHelp = nullptr;
  QShortcut* m_helpKey = nullptr;
};

// Asks for a replace over `grid`: the dialog is centred over `parent`'s
// window and announced with the question sound. When the user presses
// "置換(&R)", `request` receives the choice and the result is true.
bool AskReplace(QWidget* parent, platform::Services& services, const TableDocument& grid, ReplaceRequest& request);

}  // namespace tabulo::ui
