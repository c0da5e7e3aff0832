#include "ui/print/TGridPrint.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "core/base/Messages.h"
#include "core/editing/DateInsert.h"
#include "platform/qt/FontMapping.h"
#include "ui/app/HelpContexts.h"
#include "ui/app/NamedControl.h"
#include "ui/print/TSpinFloatEdit.h"
#include "ui/print/paint/PagePainter.h"

namespace tabulo::ui {

namespace {

constexpr int kScrollBarAllowance = 20;

template <typename Widget>
Widget* Named(Widget* widget, const char* name, const char* hint) {
  widget->setToolTip(QString::fromUtf8(hint));
  return ui::Named(widget, name);
}

QString Text(MessageId id) { return QString::fromUtf8(MessageText(id)); }

}  // namespace

TGridPrint::TGridPrint(QWidget* parent, platform::Services services, PrinterSystem& printers, const TableDocument& grid,
                       std::vector<ColumnEntry> columns, bool groupedNumbers)
    : QDialog(parent),
      m_services(services),
      m_printers(printers),
      m_grid(grid),
      m_columns(std::move(columns)),
      m_groupedNumbers(groupedNumbers) {
  setWindowTitle(QStringLiteral("一覧表印刷"));
  setMinimumSize(620, 440);
  resize(820, 600);
  BuildControls();
  ConnectEvents();
}

void TGridPrint::BuildControls() {
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(4, 4, 4, 0);
  root->addWidget(BuildPreviewBar());
  auto* middle = new QHBoxLayout;
  ScrollBox = Named(new QScrollArea(this), "ScrollBox");
  ScrollBox->setBackgroundRole(QPalette::Dark);
  ScrollBox->setAlignment(Qt::AlignCenter);
  PaintBox = Named(new QLabel(ScrollBox), "PaintBox");
  ScrollBox->setWidget(PaintBox);
  middle->addWidget(ScrollBox, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildSettingsTabs());
  right->addWidget(BuildButtons());
  right->addStretch();
  middle->addLayout(right);
  root->addLayout(middle, 1);
  BuildStatusBar(root);
}

QWidget* TGridPrint::BuildPreviewBar() {
  auto* bar = new QWidget(this);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  btnPrev = Named(new QPushButton(QStringLiteral("◀"), bar), "btnPrev", "前のページ");
  pnlPage = Named(new QLabel(QStringLiteral("1ページ"), bar), "pnlPage");
  pnlPage->setFrameShape(QFrame::Panel);
  pnlPage->setFrameShadow(QFrame::Sunken);
  pnlPage->setAlignment(Qt::AlignCenter);
  pnlPage->setMinimumWidth(80);
  btnNext = Named(new QPushButton(QStringLiteral("▶"), bar), "btnNext", "次のページ");
  for (QPushButton* button : {btnPrev, btnNext}) button->setFixedWidth(32);
  auto* sizes = Named(new QGroupBox(bar), "RGSize", "プレビュー画面の表示形式を選択します。");
  auto* sizeRow = new QHBoxLayout(sizes);
  sizeRow->setContentsMargins(6, 2, 6, 2);
  const char* captions[3] = {"等倍", "用紙幅", "用紙長"};
  for (int tag = 0; tag < 3; ++tag) {
    RGSize[tag] = new QRadioButton(QString::fromUtf8(captions[tag]), sizes);
    RGSize[tag]->setObjectName(QStringLiteral("RGSize%1").arg(tag));
    sizeRow->addWidget(RGSize[tag]);
  }
  RGSize[1]->setChecked(true);
  LabelArea = Named(new QLabel(bar), "LabelArea");
  LabelOk = Named(new QLabel(bar), "LabelOk");
  LabelOk->setStyleSheet(QStringLiteral("color: red;"));
  row->addWidget(btnPrev);
  row->addWidget(pnlPage);
  row->addWidget(btnNext);
  row->addWidget(sizes);
  row->addWidget(LabelArea);
  row->addWidget(LabelOk, 1);
  return bar;
}

QWidget* TGridPrint::BuildSettingsTabs() {
  PageControl = Named(new QTabWidget(this), "PageControl");
  auto* settings = new QWidget(PageControl);
  auto* column = new QVBoxLayout(settings);
  CBFileName = Named(new QCheckBox(QStringLiteral("ファイル名"), settings), "CBFileName");
  CBDate = Named(new QCheckBox(QStringLiteral("日付"), settings), "CBDate");
  CBLine = Named(new QCheckBox(QStringLiteral("罫線"), settings), "CBLine");
  CBTitle = Named(new QCheckBox(QStringLiteral("タイトル行"), settings), "CBTitle");
  CBPage = Named(new QCheckBox(QStringLiteral("ページ番号"), settings), "CBPage");
  for (QCheckBox* box : {CBFileName, CBDate, CBLine, CBTitle, CBPage}) column->addWidget(box);
  BtnFont = Named(new QPushButton(QStringLiteral("フォント設定"), settings), "BtnFont", "試用するフォントを変更します。");
  column->addWidget(BtnFont);
  LabelFont = Named(new QLabel(settings), "LabelFont");
  LabelFont->setAutoFillBackground(true);
  LabelFont->setStyleSheet(QStringLiteral("background: white; color: black;"));
  LabelFont->setMinimumHeight(64);
  column->addWidget(LabelFont);
  column->addStretch();
  PageControl->addTab(settings, QStringLiteral("設定"));

  auto* position = new QWidget(PageControl);
  auto* positionColumn = new QVBoxLayout(position);
  auto* margins = new QGroupBox(QStringLiteral("余白設定（mm）"), position);
  auto* marginRows = new QGridLayout(margins);
  SpinMrgX = Named(new TSpinFloatEdit(margins), "SpinMrgX");
  SpinMrgY = Named(new TSpinFloatEdit(margins), "SpinMrgY");
  SpinMrgY2 = Named(new TSpinFloatEdit(margins), "SpinMrgY2");
  const char* marginCaptions[3] = {"左", "上", "下"};
  TSpinFloatEdit* marginBoxes[3] = {SpinMrgX, SpinMrgY, SpinMrgY2};
  for (int row = 0; row < 3; ++row) {
    marginRows->addWidget(new QLabel(QString::fromUtf8(marginCaptions[row]), margins), row, 0);
    marginRows->addWidget(marginBoxes[row], row, 1);
  }
  auto* lines = new QGroupBox(QStringLiteral("行間設定（mm）"), position);
  auto* lineRow = new QHBoxLayout(lines);
  SpinRowHeight = Named(new TSpinFloatEdit(lines), "SpinRowHeight");
  SpinRowHeight->SetRange(10, 2000);
  lineRow->addWidget(SpinRowHeight);
  Button10 = Named(new QPushButton(QStringLiteral("表示更新"), position), "Button10", "印刷補正を更新します。");
  positionColumn->addWidget(margins);
  positionColumn->addWidget(lines);
  positionColumn->addWidget(Button10);
  positionColumn->addStretch();
  PageControl->addTab(position, QStringLiteral("位置"));
  PageControl->setFixedWidth(190);
  return PageControl;
}

QWidget* TGridPrint::BuildButtons() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  SpeedButton2 = Named(new QPushButton(QStringLiteral("項目設定"), panel), "SpeedButton2", "印刷する項目を設定します。");
  BtnPrinter = Named(new QPushButton(QStringLiteral("プリンター"), panel), "BtnPrinter", "印刷用紙とプリンターを設定します。");
  BtnPrint = Named(new QPushButton(QStringLiteral("印刷実行"), panel), "BtnPrint", "表示されているページを印刷します。");
  BtnGpcLoad = Named(new QPushButton(QStringLiteral("書式読込"), panel), "BtnGpcLoad", "印刷書式をファイルから読み込みます。");
  BtnGpcSave = Named(new QPushButton(QStringLiteral("書式保存"), panel), "BtnGpcSave", "印刷書式をファイルに保存します。");
  btnHelp = Named(new QPushButton(QStringLiteral("ヘルプ"), panel), "btnHelp");
  BtnClose = Named(new QPushButton(QStringLiteral("終了"), panel), "BtnClose", "書式設定を終了します。");
  for (QPushButton* button : {SpeedButton2, BtnPrinter, BtnPrint, BtnGpcLoad, BtnGpcSave, btnHelp, BtnClose}) {
    button->setAutoDefault(false);
    column->addWidget(button);
  }
  return panel;
}

void TGridPrint::BuildStatusBar(QVBoxLayout* root) {
  auto* bar = Named(new QFrame(this), "StatusBar1");
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(2, 2, 2, 2);
  const char* labels[3] = {"プリンター", "用紙", "印刷方向"};
  for (int i = 0; i < 6; ++i) {
    m_panels[i] = new QLabel(i % 2 == 0 ? QString::fromUtf8(labels[i / 2]) : QString(), bar);
    m_panels[i]->setFrameShape(QFrame::Panel);
    m_panels[i]->setFrameShadow(QFrame::Sunken);
    row->addWidget(m_panels[i], i == 1 ? 2 : (i % 2 == 1 ? 1 : 0));
  }
  root->addWidget(bar);
}

void TGridPrint::ConnectEvents() {
  connect(btnPrev, &QPushButton::clicked, this, &TGridPrint::btnPrevClick);
  connect(btnNext, &QPushButton::clicked, this, &TGridPrint::btnNextClick);
  connect(new QShortcut(QKeySequence::MoveToPreviousPage, this), &QShortcut::activated, this, &TGridPrint::btnPrevClick);
  connect(new QShortcut(QKeySequence::MoveToNextPage, this), &QShortcut::activated, this, &TGridPrint::btnNextClick);
  connect(new QShortcut(QKeySequence::MoveToStartOfDocument, this), &QShortcut::activated, this, [this] { ShowPage(0); });
  connect(new QShortcut(QKeySequence::MoveToEndOfDocument, this), &QShortcut::activated, this,
          [this] { ShowPage(m_pageCount - 1); });
  for (QRadioButton* size : RGSize) {
    connect(size, &QRadioButton::toggled, this, [this](bool on) { if (on) RefreshPreview(); });
  }
  for (QCheckBox* box : {CBFileName, CBDate, CBLine, CBTitle, CBPage}) {
    connect(box, &QCheckBox::clicked, this, [this] {
      UpdateCheckColours();
      RefreshPreview();
    });
  }
  connect(BtnFont, &QPushButton::clicked, this, &TGridPrint::BtnFontClick);
  connect(Button10, &QPushButton::clicked, this, &TGridPrint::RefreshPreview);
  connect(SpeedButton2, &QPushButton::clicked, this, &TGridPrint::SpeedButton2Click);
  connect(BtnPrinter, &QPushButton::clicked, this, &TGridPrint::BtnPrinterClick);
  connect(BtnPrint, &QPushButton::clicked, this, &TGridPrint::BtnPrintClick);
  connect(BtnGpcLoad, &QPushButton::clicked, this, &TGridPrint::BtnGpcLoadClick);
  connect(BtnGpcSave, &QPushButton::clicked, this, &TGridPrint::BtnGpcSaveClick);
  connect(btnHelp, &QPushButton::clicked, this, &TGridPrint::btnHelpClick);
  connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TGridPrint::Init(const TGridPrintInfo& record, const QString& headerText, const std::filesystem::path& formatFolder,
                      const std::filesystem::path& pdfFile) {
  m_headerText = headerText;
  m_formatFolder = formatFolder;
  m_pdfFile = pdfFile;
  ApplySettings(record);
  std::error_code error;
  const bool folder = !formatFolder.empty() && std::filesystem::is_directory(formatFolder, error);
  BtnGpcLoad->setVisible(folder);
  BtnGpcSave->setVisible(folder);
  RefreshPreview();
}

void TGridPrint::ApplySettings(const TGridPrintInfo& record) {
  m_applying = true;
  CBFileName->setChecked(record.ShowFileName);
  CBDate->setChecked(record.ShowDate);
  CBLine->setChecked(record.Lines);
  CBTitle->setChecked(record.ShowTitle);
  CBPage->setChecked(record.ShowPage);
  UpdateCheckColours();
  SpinMrgX->SetValue(record.LeftMargin);
  SpinMrgY->SetValue(record.TopMargin);
  SpinMrgY2->SetValue(record.BottomMargin);
  SpinRowHeight->SetValue(record.RowHeight);
  m_font = {record.FontName, record.FontCharset, record.FontSize, record.FontStyle};
  const int printers = static_cast<int>(m_printers.PrinterNames().size());
  m_printer.index = record.PrinterIndex >= 0 && record.PrinterIndex < printers ? record.PrinterIndex
                                                                              : m_printers.DefaultPrinter();
  m_printer.paperSize = record.PaperSize;
  m_printer.orientation = record.Orientation;
  RefreshPrinterInfo();
  m_applying = false;
}

void TGridPrint::TakeSettings(TGridPrintInfo& record) const {
  record.ShowFileName = CBFileName->isChecked();
  record.ShowDate = CBDate->isChecked();
  record.Lines = CBLine->isChecked();
  record.ShowTitle = CBTitle->isChecked();
  record.ShowPage = CBPage->isChecked();
  record.LeftMargin = SpinMrgX->Value();
  record.TopMargin = SpinMrgY->Value();
  record.BottomMargin = SpinMrgY2->Value();
  record.RowHeight = SpinRowHeight->Value();
  record.FontName = m_font.name;
  record.FontCharset = static_cast<std::uint8_t>(m_font.charset);
  record.FontSize = m_font.size;
  record.FontStyle = static_cast<std::uint8_t>(m_font.style);
  record.PrinterIndex = m_printer.index;
  record.PaperSize = m_metrics.paperSize;
  record.Orientation = m_metrics.orientation;
}

void TGridPrint::RefreshPrinterInfo() {
  m_metrics = m_printers.Metrics(m_printer);
  const std::vector<std::string> names = m_printers.PrinterNames();
  const auto index = static_cast<std::size_t>(std::clamp(m_printer.index, 0, static_cast<int>(names.size()) - 1));
  m_panels[1]->setText(QString::fromStdString(names[index]));
  m_panels[3]->setText(QString::fromStdString(PaperLabel(m_metrics)));
  m_panels[5]->setText(QString::fromStdString(OrientationLabel(m_metrics.orientation)));
  // Margins the printer cannot reach move to its printable area's edge.
  TGridPrintInfo margins;
  margins.LeftMargin = SpinMrgX->Value();
  margins.TopMargin = SpinMrgY->Value();
  margins.BottomMargin = SpinMrgY2->Value();
  const MarginRanges ranges = MarginRangesOf(GeometryOf(m_metrics));
  ClampMargins(margins, ranges);
  SpinMrgX->SetRange(ranges.left.minimum, ranges.left.maximum);
  SpinMrgY->SetRange(ranges.top.minimum, ranges.top.maximum);
  SpinMrgY2->SetRange(ranges.bottom.minimum, ranges.bottom.maximum);
  SpinMrgX->SetValue(margins.LeftMargin);
  SpinMrgY->SetValue(margins.TopMargin);
  SpinMrgY2->SetValue(margins.BottomMargin);
}

void TGridPrint::UpdateCheckColours() {
  for (QCheckBox* box : {CBFileName, CBDate, CBLine, CBTitle, CBPage}) {
    box->setStyleSheet(box->isChecked() ? QStringLiteral("color: blue;") : QString());
  }
}

void TGridPrint::UpdateLabelFont() {
  QFont font = platform::PrintQFontFromChoice(m_font);
  const QString face = font.family();
  font.setPointSize(10);
  LabelFont->setFont(font);
  QString style;
  if (m_font.style & 1) style += QStringLiteral("Bold ");
  if (m_font.style & 2) style += QStringLiteral("Italic ");
  LabelFont->setText(QStringLiteral("%1\nSize:%2\nStyle:%3").arg(face).arg(m_font.size).arg(style));
}

std::vector<PrintColumn> TGridPrint::PrintColumns() const {
  std::vector<PrintColumn> columns;
  for (const ColumnEntry& entry : m_columns) columns.push_back({entry.item, entry.column});
  return columns;
}

ListPrint TGridPrint::MakeListPrint(const TGridPrintInfo& info) const {
  return ListPrint(m_grid, PrintColumns(), info, m_metrics, m_headerText.toStdString(),
                   InsertedDateText(2, CurrentDateAndTime()), m_groupedNumbers);
}

PdfDocument TGridPrint::PagesOf(const ListPrint& print) const {
  PdfDocument pages;
  pages.sheet = m_metrics;
  pages.font = platform::PrintQFontFromChoice(m_font);
  pages.title = m_headerText.toStdString();
  pages.layoutOf = [&print](int page) { return print.Layout(page); };
  return pages;
}

double TGridPrint::PreviewScale() const {
  const double screenDpiX = logicalDpiX();
  const double width = m_metrics.physicalWidth * screenDpiX / m_metrics.dpiX;
  const double height = m_metrics.physicalHeight * logicalDpiY() / m_metrics.dpiY;
  if (RGSize[1]->isChecked() && width > 0) return std::max(0.05, (ScrollBox->width() - kScrollBarAllowance) / width);
  if (RGSize[2]->isChecked() && height > 0) return std::max(0.05, (ScrollBox->height() - kScrollBarAllowance) / height);
  return 1;
}

QImage TGridPrint::DrawPreviewPage(const PageLayout& page, double dpiX, double dpiY) const {
  const auto toScreen = [&](double pixels, double dpi, double printerDpi) { return static_cast<int>(pixels * dpi / printerDpi); };
  QImage image(std::max(1, toScreen(m_metrics.physicalWidth, dpiX, m_metrics.dpiX)),
               std::max(1, toScreen(m_metrics.physicalHeight, dpiY, m_metrics.dpiY)), QImage::Format_RGB32);
  image.setDotsPerMeterX(static_cast<int>(std::lround(dpiX / 0.0254)));
  image.setDotsPerMeterY(static_cast<int>(std::lround(dpiY / 0.0254)));
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QPen dotted(Qt::gray);
  dotted.setStyle(Qt::DotLine);
  painter.setPen(dotted);
  painter.drawRect(toScreen(m_metrics.offsetX, dpiX, m_metrics.dpiX), toScreen(m_metrics.offsetY, dpiY, m_metrics.dpiY),
                   toScreen(m_metrics.printableWidth, dpiX, m_metrics.dpiX) - 1,
                   toScreen(m_metrics.printableHeight, dpiY, m_metrics.dpiY) - 1);
  PaintPage(painter, page, DeviceScale{dpiX, dpiY, 0, 0}, platform::PrintQFontFromChoice(m_font));
  return image;
}

void TGridPrint::RefreshPreview() {
  if (m_applying) return;
  UpdateLabelFont();
  TGridPrintInfo info;
  TakeSettings(info);
  const ListPrint print = MakeListPrint(info);
  m_pageCount = print.PageCount();
  m_pageIndex = std::clamp(m_pageIndex, 0, m_pageCount - 1);
  pnlPage->setText(QStringLiteral("%1 / %2").arg(m_pageIndex + 1).arg(m_pageCount));
  btnPrev->setEnabled(m_pageIndex > 0);
  btnNext->setEnabled(m_pageIndex < m_pageCount - 1);
  const double scale = PreviewScale();
  const PageLayout page = print.Layout(m_pageIndex);
  m_picture = DrawPreviewPage(page, logicalDpiX() * scale, logicalDpiY() * scale);
  LabelArea->setText(QString::fromStdString(AreaLabel(info, print.Page())));
  LabelOk->setText(!print.Pages().RowsFit() ? Text(MessageId::PrintNoRowFits)
                   : page.columnsOverflow   ? Text(MessageId::PrintColumnsOverflow)
                                            : QString());
  PaintBox->setPixmap(QPixmap::fromImage(m_picture));
  PaintBox->resize(m_picture.size());
}

void TGridPrint::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (!RGSize[0]->isChecked()) RefreshPreview();
}

void TGridPrint::SortByPrintIndex() {
  std::stable_sort(m_columns.begin(), m_columns.end(), [](const ColumnEntry& a, const ColumnEntry& b) {
    return a.item->PrintIndex < b.item->PrintIndex;
  });
}

}  // namespace tabulo::ui
