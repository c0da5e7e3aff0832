#include "ui/document/TSaveOption.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "ui/app/ChosenCaption.h"
#include "ui/app/EncodingNames.h"
#include "ui/app/HelpContexts.h"
#include "ui/app/NamedControl.h"

namespace tabulo::ui {
namespace {

// In the order of SaveFormat.
constexpr std::array<const char*, 5> kSaveTypeCaptions = {"カンマ区切", "タブ区切", "Ｋ３形式", "全てを \" で囲む",
                                                          "引用符無し"};
// Wide enough for a usual path; a longer one loses its start, not its file name.
constexpr int kFileNamePanelWidth = 380;

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption, const char* hint) {
  auto* button = Named(new QPushButton(QString::fromUtf8(caption), parent), name);
  if (*hint != '\0') button->setToolTip(QString::fromUtf8(hint));
  return button;
}

// Centres the dialog over its owner, but keeps it on the owner's screen so
// that a small window near an edge does not push the dialog out of sight.
void CentreOver(QWidget& dialog, const QWidget& owner) {
  const QRect frame = owner.frameGeometry();
  int left = frame.left() + (frame.width() - dialog.width()) / 2;
  int top = frame.top() + (frame.height() - dialog.height()) / 2;
  if (const QScreen* screen = owner.screen()) {
    const QRect area = screen->availableGeometry();
    left = std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - dialog.width()));
    top = std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - dialog.height()));
  }
  dialog.move(left, top);
}

}  // namespace

TSaveOption::TSaveOption(QWidget* parent, platform::Services& services) : QDialog(parent), m_services(services) {
  setWindowTitle(QStringLiteral("CSVの保存"));
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  BuildControls();
  ConnectEvents();
  // Set after connecting, so that the captions take their colours.
  m_saveTypeItems->button(0)->setChecked(true);
  CBCTL->setChecked(true);
  SetFileName({});
  layout()->activate();  // fixes the size now, so the caller can place the dialog
}

void TSaveOption::BuildControls() {
  RGSaveType = Named(new QGroupBox(QStringLiteral("保存形式"), this), "RGSaveType");
  m_saveTypeItems = new QButtonGroup(this);
  auto* typeLayout = new QVBoxLayout(RGSaveType);
  for (int index = 0; index < static_cast<int>(kSaveTypeCaptions.size()); ++index) {
    auto* item = new QRadioButton(QString::fromUtf8(kSaveTypeCaptions[static_cast<std::size_t>(index)]), RGSaveType);
    item->setObjectName(QStringLiteral("RGSaveType%1").arg(index));
    m_saveTypeItems->addButton(item, index);
    typeLayout->addWidget(item);
  }

  CBCTL = Named(new QCheckBox(QStringLiteral("列の属性を保存する。"), this), "CBCTL");
  CBTitle = Named(new QCheckBox(QStringLiteral("タイトル行を付ける"), this), "CBTitle");
  CBNo = Named(new QCheckBox(QStringLiteral("行番号を付ける"), this), "CBNo");
  auto* boxLayout = new QVBoxLayout;
  boxLayout->addWidget(CBCTL);
  boxLayout->addWidget(CBTitle);
  boxLayout->addWidget(CBNo);
  boxLayout->addStretch();
  CBEncoding = Named(new QComboBox(this), "CBEncoding");
  CBEncoding->addItems(SaveEncodingNames());
  CBEncoding->setToolTip(QStringLiteral("保存するファイルの文字コードです。"));
  auto* encodingLabel = new QLabel(QStringLiteral("エンコード(&E):"), this);
  encodingLabel->setBuddy(CBEncoding);
  auto* encodingLayout = new QHBoxLayout;
  encodingLayout->addWidget(encodingLabel);
  encodingLayout->addWidget(CBEncoding, 1);
  boxLayout->addLayout(encodingLayout);

  PnlFileName = Named(new QLabel(this), "PnlFileName");
  PnlFileName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  PnlFileName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  PnlFileName->setFixedWidth(kFileNamePanelWidth);
  btnFileName = NewButton(this, "btnFileName", "...", "");
  btnFileName->setAutoDefault(false);

  BtnHelp = NewButton(this, "BtnHelp", "ヘルプ(&H)", "");
  BitBtn1 = NewButton(this, "BitBtn1", "デフォルト", "デフォルトの保存オプションに設定します。");
  btnAbort = NewButton(this, "btnAbort", "中止(&A)", "保存を中止します。");
  btnOk = NewButton(this, "btnOk", "保存実行", "ファイルを保存します。");
  btnOk->setDefault(true);
  m_helpKey = new QShortcut(QKeySequence::HelpContents, this);

  auto* choiceLayout = new QHBoxLayout;
  choiceLayout->addWidget(RGSaveType);
  choiceLayout->addLayout(boxLayout);
  auto* fileLayout = new QHBoxLayout;
  fileLayout->addWidget(PnlFileName);
  fileLayout->addWidget(btnFileName);
  auto* buttonLayout = new QHBoxLayout;
  buttonLayout->addWidget(BtnHelp);
  buttonLayout->addWidget(BitBtn1);
  buttonLayout->addStretch();
  buttonLayout->addWidget(btnOk);
  buttonLayout->addWidget(btnAbort);

  auto* formLayout = new QVBoxLayout(this);
  formLayout->setSizeConstraint(QLayout::SetFixedSize);
  formLayout->addLayout(choiceLayout);
  formLayout->addLayout(fileLayout);
  formLayout->addLayout(buttonLayout);
}

void TSaveOption::ConnectEvents() {
  connect(m_saveTypeItems, &QButtonGroup::idToggled, this, &TSaveOption::RGSaveTypeClick);
  connect(CBCTL, &QCheckBox::toggled, this, &TSaveOption::CBCTLClick);
  connect(CBTitle, &QCheckBox::toggled, this, &TSaveOption::CBTitleClick);
  connect(CBNo, &QCheckBox::toggled, this, &TSaveOption::CBNoClick);
  connect(btnFileName, &QPushButton::clicked, this, &TSaveOption::btnFileNameClick);
  connect(BtnHelp, &QPushButton::clicked, this, &TSaveOption::BtnHelpClick);
  connect(m_helpKey, &QShortcut::activated, this, &TSaveOption::BtnHelpClick);
  connect(BitBtn1, &QPushButton::clicked, this, &TSaveOption::BitBtn1Click);
  connect(btnAbort, &QPushButton::clicked, this, &TSaveOption::btnAbortClick);
  connect(btnOk, &QPushButton::clicked, this, &TSaveOption::btnOkClick);
}

void TSaveOption::Preset(const std::filesystem::path& fileName, const SaveOptions& options) {
  SetFileName(fileName);
  m_saveTypeItems->button(static_cast<int>(options.Format()))->setChecked(true);
  CBCTL->setChecked(options.SaveAttributes);
  CBTitle->setChecked(options.WithTitle);
  CBNo->setChecked(options.WithRowNumbers);
  m_defaults = options;
}

void TSaveOption::PresetEncoding(const FileEncoding& encoding) {
  m_presetEncoding = encoding;
  CBEncoding->setCurrentIndex(SaveEncodingIndex(encoding));
}

FileEncoding TSaveOption::ChosenEncoding() const {
  return SaveEncodingAt(CBEncoding->currentIndex(), m_presetEncoding);
}

SaveOptions TSaveOption::Choices() const {
  SaveOptions choices;
  choices.SaveType = m_saveTypeItems->checkedId();
  choices.SaveAttributes = CBCTL->isChecked();
  choices.WithTitle = CBTitle->isChecked();
  choices.WithRowNumbers = CBNo->isChecked();
  return choices;
}

void TSaveOption::SetFileName(const std::filesystem::path& fileName) {
  m_fileName = fileName;
  const QString text = QString::fromStdString(fileName.string());
  PnlFileName->setText(text);
  PnlFileName->setToolTip(text);  // the panel may be too narrow for all of it
  btnOk->setEnabled(!fileName.empty());
}

void TSaveOption::RGSaveTypeClick(int index, bool checked) { PaintCaption(*m_saveTypeItems->button(index), checked); }

void TSaveOption::CBCTLClick(bool checked) {
  // With the attributes in the side file, the titles live there and the text
  // file holds the data rows only, so the other two boxes have no say.
  CBTitle->setEnabled(!checked);
  CBNo->setEnabled(!checked);
  PaintCaption(*CBCTL, checked);
}

void TSaveOption::CBTitleClick(bool checked) { PaintCaption(*CBTitle, checked); }

void TSaveOption::CBNoClick(bool checked) { PaintCaption(*CBNo, checked); }

void TSaveOption::btnFileNameClick() {
  platform::FileDialogOptions options;
  options.title = "CSVファイルの保存";
  options.filter = "ＣＳＶ形式ファイル(*.csv,*.txt,*.tsv)|*.csv;*.txt;*.tsv|全てのファイル(*.*)|*.*";
  options.defaultExtension = "csv";
  options.initialFolder = m_fileName.parent_path();
  options.fileName = m_fileName;
  options.confirmOverwrite = true;
  if (auto chosen = m_services.fileDialogs.Save(options)) SetFileName(*chosen);
}

void TSaveOption::BtnHelpClick() { m_services.help.ShowContext(help::kHelpSaveOptions); }

void TSaveOption::BitBtn1Click() { m_defaults = Choices(); }

void TSaveOption::btnAbortClick() { reject(); }

void TSaveOption::btnOkClick() { accept(); }

bool AskSaveOptions(QWidget* parent, platform::Services& services, std::filesystem::path& fileName,
                    SaveOptions& saveOptions, SaveOptions& chosen, FileEncoding& encoding) {
  TSaveOption dialog(parent, services);
  if (parent != nullptr) CentreOver(dialog, *parent->window());
  dialog.Preset(fileName, saveOptions);
  dialog.PresetEncoding(encoding);
  services.prompter.Beep(Sound::Question);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (accepted) {
    fileName = dialog.FileName();
    chosen = dialog.Choices();
    encoding = dialog.ChosenEncoding();
  }
  saveOptions = dialog.Defaults();
  return accepted;
}

}  // namespace tabulo::ui
