#include "ui/app/VersionFormCSV.h"

#include <QPushButton>

#include "ui/app/OwnerCentre.h"
#include "ui/app/TitlePanel.h"

namespace tabulo {
namespace {

constexpr int kLinesTop = 34;
constexpr int kButtonWidth = 75, kButtonHeight = 25, kButtonBottomGap = 24;

}  // namespace

TVersionFormCSV::TVersionFormCSV(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("TVersionFormCSV"));
  setModal(true);
  setFixedSize(kWidth, kHeight);
  PanelTitle = new TitlePanel(this, size(), kLinesTop);

  btnOK = new QPushButton(QStringLiteral("OK"), PanelTitle);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setGeometry((kWidth - kButtonWidth) / 2, kHeight - kButtonBottomGap - kButtonHeight, kButtonWidth,
                     kButtonHeight);
  // Enter presses the default button; Escape rejects the dialog, which closes
  // it just the same, so the one button is also the cancel button.
  btnOK->setDefault(true);
  btnOK->setAutoDefault(true);
  btnOK->setFocus();

  MoveToOwnerCentre(this, owner);
  ConnectEvents();
}

void TVersionFormCSV::ConnectEvents() { connect(btnOK, &QPushButton::clicked, this, &QDialog::accept); }

}  // namespace tabulo
