// Building the main window: bars, grid, status bar, and the wiring of events.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/app/EncodingNames.h"
#include "ui/app/GridModel.h"
#include "ui/app/GridView.h"
#include "ui/app/OwnerCentre.h"
#include "ui/app/ProgressBarSink.h"
#include "ui/app/TTabulo.h"

namespace tabulo::ui {
namespace {

QFrame* MakeBar(QWidget* parent, const char* name) {
  auto* bar = new QFrame(parent);
  bar->setObjectName(name);
  bar->setFixedHeight(30);
  bar->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(2, 1, 2, 1);
  layout->setSpacing(1);
  return bar;
}

// Keeps the progress bar over the whole status bar.
class CoverParent final : public QObject {
 public:
  CoverParent(QWidget* cover, QObject* parent) : QObject(parent), m_cover(cover) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) m_cover->setGeometry(static_cast<QWidget*>(watched)->rect());
    return false;
  }

 private:
  QWidget* m_cover;
};

}  // namespace

QToolButton* TTabulo::AddToolButton(const char* name, const QString& text, const QString& hint) {
  auto* button = new QToolButton(PanelToolBar);
  button->setObjectName(name);
  button->setAutoRaise(true);
  button->setText(text);
  button->setToolTip(hint);
  button->setStatusTip(hint);
  button->setFocusPolicy(Qt::NoFocus);
  PanelToolBar->layout()->addWidget(button);
  return button;
}

void TTabulo::CreateToolBar() {
  PanelToolBar = MakeBar(this, "PanelToolBar");
  QStyle* look = style();
  btnNewFile = AddToolButton("btnNewFile", "新規", "新規にＣＳＶ形式のファイルを作成します。");
  btnNewFile->setIcon(look->standardIcon(QStyle::SP_FileIcon));
  btnFileOpen = AddToolButton("btnFileOpen", "開く", "ＣＳＶ形式のファイルを読み込みます。");
  btnFileOpen->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
  btnFileSaveAs = AddToolButton("btnFileSaveAs", "保存", "名前を付けてＣＳＶ形式で保存します。");
  btnFileSaveAs->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
  BtnPrint = AddToolButton("BtnPrint", "一覧", "データを一覧表形式で印刷します。");
  BtnPrint->setIcon(QIcon::fromTheme(QStringLiteral("document-print"), look->standardIcon(QStyle::SP_FileDialogDetailedView)));
  for (QToolButton* button : {btnNewFile, btnFileOpen, btnFileSaveAs, BtnPrint}) button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  BtnEditOff = AddToolButton("BtnEditOff", "編集", "データを範囲選択して編集することができます。");
  BtnEditOn = AddToolButton("BtnEditOn", "入力", "データの入力をします。");
  for (QToolButton* button : {BtnEditOff, BtnEditOn}) button->setCheckable(true);
  BtnEditOff->setChecked(true);
  BtnCopy = AddToolButton("BtnCopy", "コピー", "クリップボードにデータをコピーします。");
  BtnCut = AddToolButton("BtnCut", "切取", "クリップボードにデータをコピーしてから、データをクリアします。");
  BtnPaste = AddToolButton("BtnPaste", "貼付", "クリップボードにあるデータを選択された場所にコピーします。");
  BtnUndo = AddToolButton("BtnUndo", "元に戻す", "直前の操作を取り消します。");
  BtnRedo = AddToolButton("BtnRedo", "やり直し", "取り消した操作をやり直します。");
  btnSort = AddToolButton("btnSort", "整列", "データを整列します。");
  btnQuery = AddToolButton("btnQuery", "絞込", "データを検索して絞り込みます。");
  BtnReplace = AddToolButton("BtnReplace", "置換", "選択された範囲の値を置換します。");
  btnGPI = AddToolButton("btnGPI", "列属性", "列ごとの属性を指定します。");
  btnRowAdd = AddToolButton("btnRowAdd", "行挿入", "行を挿入します。");
  btnColAdd = AddToolButton("btnColAdd", "列挿入", "列を挿入します。");
  btnRowDelete = AddToolButton("btnRowDelete", "行削除", "行を削除します。");
  btnColDelete = AddToolButton("btnColDelete", "列削除", "列を削除します。");
  const struct {
    const char* name;
    const char* hint;
    QStyle::StandardPixmap icon;
  } directions[4] = {{"BtnUp", "リターンキーで上に移動します。", QStyle::SP_ArrowUp},
                     {"BtnDown", "リターンキーで下に移動します。", QStyle::SP_ArrowDown},
                     {"BtnLeft", "リターンキーで左に移動します。", QStyle::SP_ArrowLeft},
                     {"BtnRight", "リターンキーで右に移動します。", QStyle::SP_ArrowRight}};
  for (int tag = 0; tag < 4; ++tag) {
    BtnDirection[tag] = AddToolButton(directions[tag].name, QString(), directions[tag].hint);
    BtnDirection[tag]->setIcon(look->standardIcon(directions[tag].icon));
    BtnDirection[tag]->setCheckable(true);
  }
  BtnDirection[3]->setChecked(true);
  static_cast<QHBoxLayout*>(PanelToolBar->layout())->addStretch(1);
  BtnClose = AddToolButton("BtnClose", "終了", "終了します。");
  BtnClose->setIcon(look->standardIcon(QStyle::SP_DialogCloseButton));
}

void TTabulo::CreateFindBar() {
  PanelFind = MakeBar(this, "PanelFind");
  auto* layout = static_cast<QHBoxLayout*>(PanelFind->layout());
  auto* label = new QLabel("検索文字列", PanelFind);
  label->setObjectName("Label1");
  CBFindText = new QComboBox(PanelFind);
  CBFindText->setObjectName("CBFindText");
  CBFindText->setEditable(true);
  CBFindText->setInsertPolicy(QComboBox::NoInsert);
  CBFindText->setToolTip("検索する文字列を入力します。");
  CBFindCase = new QCheckBox("大文字小文字を区別する。", PanelFind);
  CBFindCase->setObjectName("CBFindCase");
  CBFindCase->setToolTip("ここをチェックすると、大文字と小文字を区別して検索します。");
  RBFindUp = new QRadioButton("上方", PanelFind);
  RBFindUp->setObjectName("RBFindUp");
  RBFindUp->setToolTip("現在のカーソル位置より上に検索します。");
  RBFindDown = new QRadioButton("下方", PanelFind);
  RBFindDown->setObjectName("RBFindDown");
  RBFindDown->setToolTip("現在のカーソル位置より下に検索します。");
  RBFindDown->setChecked(true);
  BtnFind = new QPushButton("検索(F3)", PanelFind);
  BtnFind->setObjectName("BtnFind");
  BtnFind->setEnabled(false);
  BtnFindClose = new QToolButton(PanelFind);
  BtnFindClose->setObjectName("BtnFindClose");
  BtnFindClose->setAutoRaise(true);
  BtnFindClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  BtnFindClose->setToolTip("検索ツールバーを隠します。");
  layout->addWidget(label);
  layout->addWidget(CBFindText, 1);
  layout->addWidget(CBFindCase);
  layout->addWidget(RBFindUp);
  layout->addWidget(RBFindDown);
  layout->addWidget(BtnFind);
  layout->addWidget(BtnFindClose);
  UpdateFindColours();
}

void TTabulo::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("SBar1");
  bar->setSizeGripEnabled(true);
  const int widths[6] = {40, 50, 60, 100, 70, 190};
  const char* texts[6] = {"Mode", "", "データ", "", "ファイル名", ""};
  // Every text a fixed panel ever shows, so that none is cut in a larger font.
  const QStringList shown[5] = {{"Mode"}, {"編集", "入力"}, {"データ", "Selection", "Data Type"}, {}, {"ファイル名"}};
  for (int i = 0; i < 6; ++i) {
    m_panels[i] = new QLabel(texts[i], bar);
    m_panels[i]->setObjectName(QString("SBar1Panel%1").arg(i));
    m_panels[i]->setFrameShape(i == 0 ? QFrame::NoFrame : QFrame::StyledPanel);
    int width = widths[i];
    if (i < 5) {
      const QFontMetrics metrics(m_panels[i]->font());
      const int frame = 2 * m_panels[i]->frameWidth() + 2 * m_panels[i]->margin() + 8;
      for (const QString& text : shown[i]) width = std::max(width, metrics.horizontalAdvance(text) + frame);
    }
    m_panels[i]->setMinimumWidth(width);
    // The selection grows with the row numbers of a long file ("( 1,100000)-( 9,123456)").
    if (i < 5 && i != 3) m_panels[i]->setFixedWidth(width);
    m_panels[i]->setAlignment(i == 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    bar->addWidget(m_panels[i], i == 5 ? 1 : 0);
  }
  m_encodingPanel = new QLabel(bar);
  m_encodingPanel->setObjectName("SBar1Encoding");
  m_encodingPanel->setFrameShape(QFrame::StyledPanel);
  m_encodingPanel->setAlignment(Qt::AlignCenter);
  {
    const QFontMetrics metrics(m_encodingPanel->font());
    int width = 0;
    for (const QString& name : SaveEncodingNames()) width = std::max(width, metrics.horizontalAdvance(name));
    m_encodingPanel->setFixedWidth(width + 2 * m_encodingPanel->frameWidth() + 12);
  }
  m_encodingPanel->setToolTip(QStringLiteral("文字コード"));
  bar->addPermanentWidget(m_encodingPanel);
  PB1 = new QProgressBar(bar);
  PB1->setObjectName("PB1");
  PB1->setRange(0, 100);
  PB1->setTextVisible(false);
  PB1->hide();
  bar->installEventFilter(new CoverParent(PB1, this));
  m_progress = std::make_unique<ProgressBarSink>(PB1);
}

void TTabulo::CreateLayout() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  CreateToolBar();
  CreateCalcBar();
  CreateFindBar();
  SGCSV = new GridView(central);
  m_model = new GridModel(m_document.grid, this);
  SGCSV->setModel(m_model);
  layout->addWidget(PanelToolBar);
  layout->addWidget(PanelCalc);
  layout->addWidget(PanelFind);
  layout->addWidget(SGCSV, 1);
  setCentralWidget(central);
  CreateStatusBar();
  CreateMenus();
  CreateGridMenu();
  AddRangeSubmenus();
  CreateColumnPopup();
  setMinimumSize(620, 440);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    setGeometry(DefaultWindowRect(screen->availableGeometry(), minimumSize()));
  }
}

void TTabulo::ConnectEvents() {
  connect(btnNewFile, &QToolButton::clicked, this, &TTabulo::btnNewFileClick);
  connect(btnFileOpen, &QToolButton::clicked, this, &TTabulo::btnFileOpenClick);
  connect(btnFileSaveAs, &QToolButton::clicked, this, &TTabulo::btnFileSaveAsClick);
  connect(BtnPrint, &QToolButton::clicked, this, &TTabulo::BtnPrintClick);
  connect(BtnEditOff, &QToolButton::clicked, this, [this] { SetInputMode(false); });
  connect(BtnEditOn, &QToolButton::clicked, this, [this] { SetInputMode(true); });
  connect(BtnCopy, &QToolButton::clicked, this, &TTabulo::mmCopyClick);
  connect(BtnCut, &QToolButton::clicked, this, &TTabulo::mmCutClick);
  connect(BtnPaste, &QToolButton::clicked, this, [this] { mmPasteClick(0); });
  connect(BtnUndo, &QToolButton::clicked, this, &TTabulo::mmUndoClick);
  connect(BtnReplace, &QToolButton::clicked, this, &TTabulo::mmReplaceClick);
  connect(btnSort, &QToolButton::clicked, this, &TTabulo::btnSortClick);
  connect(btnQuery, &QToolButton::clicked, this, &TTabulo::btnQueryClick);
  connect(BtnRedo, &QToolButton::clicked, this, &TTabulo::mmRedoClick);
  connect(btnGPI, &QToolButton::clicked, this, &TTabulo::btnGPIClick);
  connect(btnRowAdd, &QToolButton::clicked, this, [this] { btnRowAddClick(0); });
  connect(btnColAdd, &QToolButton::clicked, this, [this] { btnColAddClick(0); });
  connect(btnRowDelete, &QToolButton::clicked, this, &TTabulo::btnRowDeleteClick);
  connect(btnColDelete, &QToolButton::clicked, this, &TTabulo::btnColDeleteClick);
  for (int tag = 0; tag < 4; ++tag) {
    connect(BtnDirection[tag], &QToolButton::clicked, this,
            [this, tag] { SetEnterDirection(static_cast<EnterDirection>(tag)); });
  }
  connect(BtnClose, &QToolButton::clicked, this, &TTabulo::close);
  connect(CBFindText, &QComboBox::editTextChanged, this, &TTabulo::CBFindTextChange);
  connect(CBFindCase, &QCheckBox::toggled, this, &TTabulo::UpdateFindColours);
  connect(RBFindUp, &QRadioButton::toggled, this, &TTabulo::UpdateFindColours);
  connect(BtnFind, &QPushButton::clicked, this, &TTabulo::mmFindClick);
  connect(CBFindText->lineEdit(), &QLineEdit::returnPressed, this, &TTabulo::mmFindClick);
  connect(BtnFindClose, &QToolButton::clicked, this, [this] {
    mmShowPanelFind->setChecked(false);  // the bar's own close button toggles like the menu item
    mmShowPanelFindClick();
  });
  connect(SGCSV, &GridView::EnterPressed, this, &TTabulo::MoveByEnter);
  connect(SGCSV, &GridView::RowDragged, this, &TTabulo::SGCSVRowMoved);
  connect(SGCSV, &GridView::ColumnDragged, this, &TTabulo::SGCSVColumnMoved);
  connect(SGCSV, &GridView::TitleRightClicked, this, [this](int col) { ShowColumnPopup(col); });
  SGCSV->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(SGCSV, &QWidget::customContextMenuRequested, this, &TTabulo::ShowGridMenu);
  connect(SGCSV->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int section, int, int size) {
            m_document.grid.SetColWidth(section + 1, size);
            m_widthsChanged = true;
          });
  connect(m_model, &GridModel::CellTyped, this, &TTabulo::UpdateUndoItems);
  connect(m_model, &GridModel::TextNotStorable, this, [this](const QString& message) {
    // The converter's message names the character already; the box is the table's.
    Prompt prompt = MessagePrompt(MessageId::TextNotShiftJis);
    prompt.text = message.toStdString();
    m_services.prompter.Ask(prompt);
  });
  connect(SGCSV->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TTabulo::SyncDocumentFromView);
  connect(SGCSV->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
    SyncDocumentFromView();
    SGCSVSelectCell();
  });
}

}  // namespace tabulo::ui
