#include "ui/print/PrintDialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

#include "core/base/Messages.h"
#include "core/print/PaperSizes.h"
#include "ui/app/NamedControl.h"

namespace tabulo::ui {

namespace {

QDialogButtonBox* OkCancel(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

bool ExecPrinterSetupDialog(QWidget* parent, const std::vector<std::string>& names, PrinterChoice& choice) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("プリンターの設定"));
  auto* form = new QFormLayout(&dialog);
  auto* printers = Named(new QComboBox(&dialog), "CBPrinter");
  for (const std::string& name : names) printers->addItem(QString::fromStdString(name));
  printers->setCurrentIndex(choice.index >= 0 && choice.index < printers->count() ? choice.index : printers->count() - 1);
  auto* papers = Named(new QComboBox(&dialog), "CBPaper");
  for (const PaperSize& paper : KnownPaperSizes()) papers->addItem(QString::fromUtf8(paper.name.data(), static_cast<qsizetype>(paper.name.size())), paper.code);
  papers->setCurrentIndex(std::max(0, papers->findData(PaperSizeOf(choice.paperSize).code)));
  auto* portrait = Named(new QRadioButton(QStringLiteral("縦"), &dialog), "RDPortrait");
  auto* landscape = Named(new QRadioButton(QStringLiteral("横"), &dialog), "RDLandscape");
  (choice.orientation == kLandscape ? landscape : portrait)->setChecked(true);
  auto* orientation = new QHBoxLayout;
  orientation->addWidget(portrait);
  orientation->addWidget(landscape);
  orientation->addStretch();
  form->addRow(QStringLiteral("プリンター"), printers);
  form->addRow(QStringLiteral("用紙"), papers);
  form->addRow(QStringLiteral("印刷方向"), orientation);
  form->addRow(OkCancel(dialog));
  if (dialog.exec() != QDialog::Accepted) return false;
  choice.index = printers->currentIndex();
  choice.paperSize = static_cast<std::int16_t>(papers->currentData().toInt());
  choice.orientation = landscape->isChecked() ? kLandscape : kPortrait;
  return true;
}

std::optional<PrintRequest> ExecPdfPrintDialog(QWidget* parent, int pageCount, const std::filesystem::path& pdfFile) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf8(MessageText(MessageId::PdfFileTitle)));
  auto* form = new QFormLayout(&dialog);
  auto* all = Named(new QRadioButton(QStringLiteral("全ページ"), &dialog), "RDAllPages");
  auto* range = Named(new QRadioButton(QStringLiteral("ページ指定"), &dialog), "RDPageRange");
  all->setChecked(true);
  auto* from = Named(new QSpinBox(&dialog), "SpinFromPage");
  auto* to = Named(new QSpinBox(&dialog), "SpinToPage");
  for (QSpinBox* box : {from, to}) {
    box->setRange(1, pageCount);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 30);
  }
  to->setValue(pageCount);
  auto* pages = new QHBoxLayout;
  pages->addWidget(all);
  pages->addWidget(range);
  pages->addWidget(from);
  pages->addWidget(new QLabel(QStringLiteral("～"), &dialog));
  pages->addWidget(to);
  pages->addStretch();
  auto* copies = Named(new QSpinBox(&dialog), "SpinCopies");
  copies->setRange(1, 999);
  copies->setMinimumWidth(from->minimumWidth());
  auto* copiesRow = new QHBoxLayout;
  copiesRow->addWidget(copies);
  copiesRow->addStretch();
  auto* collate = Named(new QCheckBox(QStringLiteral("部単位で印刷"), &dialog), "CBCollate");
  collate->setChecked(true);
  const QString suggested = pdfFile.empty() ? QDir::home().filePath(QStringLiteral("一覧表.pdf"))
                                            : QString::fromStdString(pdfFile.string());
  auto* file = Named(new QLineEdit(suggested, &dialog), "EditPdfFile");
  file->setMinimumWidth(320);
  auto* browse = Named(new QPushButton(QStringLiteral("参照..."), &dialog), "btnPdfFile");
  QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
    const QString chosen = QFileDialog::getSaveFileName(&dialog, dialog.windowTitle(), file->text(),
                                                        QStringLiteral("PDF ファイル (*.pdf)"));
    if (!chosen.isEmpty()) file->setText(chosen);
  });
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(file);
  fileRow->addWidget(browse);
  form->addRow(QStringLiteral("印刷範囲"), pages);
  form->addRow(QStringLiteral("部数"), copiesRow);
  form->addRow(QString(), collate);
  form->addRow(QStringLiteral("ファイル名"), fileRow);
  form->addRow(OkCancel(dialog));
  if (dialog.exec() != QDialog::Accepted || file->text().trimmed().isEmpty()) return std::nullopt;
  PrintRequest request;
  request.firstPage = range->isChecked() ? from->value() - 1 : 0;
  request.lastPage = range->isChecked() ? std::max(from->value(), to->value()) - 1 : pageCount - 1;
  request.copies = copies->value();
  request.collate = collate->isChecked();
  QString path = file->text().trimmed();
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  request.pdfFile = path.toStdString();
  return request;
}

}  // namespace tabulo::ui
