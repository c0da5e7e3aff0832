#pragma once

#include <QDialog>

class QPushButton;

namespace tabulo {

class TitlePanel;

// The About box: borderless and modal, centred over the window that opens
// it, with the program's title face and an "OK" button that is both the
// default and the cancel button.
class TVersionFormCSV final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kWidth = 337, kHeight = 228;

  explicit TVersionFormCSV(QWidget* owner);

 private:
  void ConnectEvents();

  TitlePanel* PanelTitle;
  QPushButton* btnOK;
};

}  // namespace tabulo
