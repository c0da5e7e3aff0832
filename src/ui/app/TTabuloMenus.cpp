// The main menu: captions, shortcuts and handlers of every command built so far.

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>

#include "platform/Services.h"
#include "ui/app/HelpContexts.h"
#include "ui/app/TTabulo.h"
#include "ui/calc/FormulaMenus.h"

namespace tabulo::ui {

QAction* TTabulo::AddAction(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut) {
  auto* action = menu->addAction(caption);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
  }
  return action;
}

void TTabulo::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  mmFile = bar->addMenu("ファイル(&F)");
  mmFile->setObjectName("mmFile");
  mmNewFile = AddAction(mmFile, "mmNewFile", "新規作成(&N)");
  mmOpenFile = AddAction(mmFile, "mmOpenFile", "CSVファイルを開く(&O)...", QKeySequence("Ctrl+O"));
  mmAppendFile = AddAction(mmFile, "mmAppendFile", "CSVファイルの追加読込(&A)...");
  mmCsvHistorys = mmFile->addMenu("CSVファイルの履歴(&R)");
  mmCsvHistorys->setObjectName("mmCsvHistorys");
  mmFile->addSeparator();
  mmFileSaveAs = AddAction(mmFile, "mmFileSaveAs", "CSV形式で保存(&S)...");
  mmFileSave = AddAction(mmFile, "mmFileSave", "上書き保存(&H)", QKeySequence("Ctrl+S"));
  mmFixOpen = AddAction(mmFile, "mmFixOpen", "固定長ファイルを開く(&K)...");
  mmFixedHistorys = mmFile->addMenu("固定長ファイルの履歴(&M)");
  mmFixedHistorys->setObjectName("mmFixedHistorys");
  mmFixedSeparator = mmFile->addSeparator();
  mmPrint = AddAction(mmFile, "mmPrint", "一覧印刷(&P)...", QKeySequence("F7"));
  mmFile->addSeparator();
  mmClose = AddAction(mmFile, "mmClose", "終了(&X)");

  QMenu* mmEdit = bar->addMenu("編集(&E)");
  mmEdit->setObjectName("mmEdit");
  mmUndo = AddAction(mmEdit, "mmUndo", "元に戻す(&U)", QKeySequence("Ctrl+Z"));
  mmRedo = AddAction(mmEdit, "mmRedo", "やり直し(&Y)", QKeySequence("Ctrl+Y"));
  mmRedo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
  mmEdit->addSeparator();
  mmModeChange = AddAction(mmEdit, "mmModeChange", "モード切り替え(&M)", QKeySequence("Ctrl+M"));
  mmEdit->addSeparator();
  mmCopy = AddAction(mmEdit, "mmCopy", "コピー(&C)", QKeySequence("Ctrl+C"));
  mmCut = AddAction(mmEdit, "mmCut", "切り取り(&T)", QKeySequence("Ctrl+X"));
  mmClear = AddAction(mmEdit, "mmClear", "クリアー(&D)", QKeySequence("Ctrl+Del"));
  mmPaste = AddAction(mmEdit, "mmPaste", "貼り付け(&P)", QKeySequence("Ctrl+V"));
  mmPasteAdd = AddAction(mmEdit, "mmPasteAdd", "後ろに貼り付け(&A)", QKeySequence("Ctrl+A"));
  mmPastePre = AddAction(mmEdit, "mmPastePre", "前に貼り付け(&I)", QKeySequence("Ctrl+P"));
  mmEdit->addSeparator();
  AddDateInsertItems(mmEdit);
  mmEdit->addSeparator();
  mmRowSelect = AddAction(mmEdit, "mmRowSelect", "行選択(&G)", QKeySequence("Shift+Space"));
  mmColSelect = AddAction(mmEdit, "mmColSelect", "列選択(&R)", QKeySequence("Ctrl+Space"));
  mmSelectAll = AddAction(mmEdit, "mmSelectAll", "全選択(&S)", QKeySequence("Ctrl+Shift+Space"));
  mmEdit->addSeparator();
  mmJumpTopRow = AddAction(mmEdit, "mmJumpTopRow", "先頭行へジャンプ(&K)", QKeySequence("Ctrl+T"));
  mmJumpRow = AddAction(mmEdit, "mmJumpRow", "行指定ジャンプ(&J)", QKeySequence("Ctrl+J"));
  mmJumpLastRow = AddAction(mmEdit, "mmJumpLastRow", "最終行ジャンプ(&L)", QKeySequence("Ctrl+L"));

  mmData = bar->addMenu("データ操作(&D)");
  mmData->setObjectName("mmData");
  mmSort = AddAction(mmData, "mmSort", "整列(&S)...", QKeySequence("F2"));
  mmFind = AddAction(mmData, "mmFind", "検索", QKeySequence("F3"));
  mmSentaku = AddAction(mmData, "mmSentaku", "絞り込み検索(&F)...", QKeySequence("Ctrl+F3"));
  mmDaburi = AddAction(mmData, "mmDaburi", "重複行抽出...", QKeySequence("Shift+F3"));
  mmReplace = AddAction(mmData, "mmReplace", "置換(&R)...", QKeySequence("F4"));
  mmHeigou = AddAction(mmData, "mmHeigou", "併合(&T)", QKeySequence("Shift+F4"));
  mmData->addSeparator();
  QAction* mmCalc = AddAction(mmData, "mmCalc", "集計・計算(&H)...", QKeySequence("F5"));
  mmDelCalcRow = AddAction(mmData, "mmDelCalcRow", "集計行削除(&E)", QKeySequence("Shift+F5"));
  mmData->addSeparator();
  mmZokusei = AddAction(mmData, "mmZokusei", "列属性の設定(P)", QKeySequence("F6"));

  QMenu* mmGR = bar->addMenu("行・列操作(&G)");
  mmGR->setObjectName("mmGR");
  mmRowAdd = AddAction(mmGR, "mmRowAdd", "行の追加(&T)", QKeySequence("F8"));
  mmRowIn = AddAction(mmGR, "mmRowIn", "行の挿入(&S)", QKeySequence("Shift+F8"));
  mmRowDel = AddAction(mmGR, "mmRowDel", "行の削除(&K)", QKeySequence("Ctrl+F8"));
  mmGR->addSeparator();
  mmColAdd = AddAction(mmGR, "mmColAdd", "列の追加(&O)", QKeySequence("F9"));
  mmColIn = AddAction(mmGR, "mmColIn", "列の挿入(&N)", QKeySequence("Shift+F9"));
  mmColDel = AddAction(mmGR, "mmColDel", "列の削除(&M)", QKeySequence("Ctrl+F9"));

  QMenu* mmView = bar->addMenu("表示(&V)");
  mmView->setObjectName("mmView");
  mmColWidth = AddAction(mmView, "mmColWidth", "列幅再調節(&W)");
  mmRowHeight = AddAction(mmView, "mmRowHeight", "行高変更(&H)...");
  mmFont = AddAction(mmView, "mmFont", "表示フォント変更(&F)...");
  mmView->addSeparator();
  mmAdjustDraw = AddAction(mmView, "mmAdjustDraw", "３桁区切り・通貨記号を付加して表示(&S)");
  mmView->addSeparator();
  mmSHowToolBar = AddAction(mmView, "mmSHowToolBar", "ツールバー表示(&T)");
  mmShowPanelCalc = AddAction(mmView, "mmShowPanelCalc", "計算ツールバー表示(&C)");
  mmShowPanelFind = AddAction(mmView, "mmShowPanelFind", "検索ツールバー表示(&K)");
  mmShowStatusBar = AddAction(mmView, "mmShowStatusBar", "ステータスバー表示(&B)");
  for (QAction* item : {mmAdjustDraw, mmSHowToolBar, mmShowPanelCalc, mmShowPanelFind, mmShowStatusBar}) {
    item->setCheckable(true);
  }
  for (QAction* item : {mmSHowToolBar, mmShowPanelCalc, mmShowPanelFind, mmShowStatusBar}) item->setChecked(true);
  mmView->addSeparator();
  auto* cursorGroup = new QActionGroup(this);
  const char* cursorNames[4] = {"mmCurUp", "mmCurDown", "mmCurLeft", "mmCurRight"};
  const char* cursorCaptions[4] = {"カーソル移動　上(&U)", "カーソル移動　下(&D)", "カーソル移動　左(&L)",
                                   "カーソル移動　右(&R)"};
  for (int tag = 0; tag < 4; ++tag) {
    mmCursor[tag] = AddAction(mmView, cursorNames[tag], cursorCaptions[tag]);
    mmCursor[tag]->setCheckable(true);
    cursorGroup->addAction(mmCursor[tag]);
  }
  mmCursor[3]->setChecked(true);

  QMenu* mmOption = bar->addMenu("オプション(&O)");
  mmOption->setObjectName("mmOption");
  mmLine1Title = AddAction(mmOption, "mmLine1Title", "読込時にタイトル行の確認をする。(&T)");
  mmCloseMsg = AddAction(mmOption, "mmCloseMsg", "終了時の確認をする(&C)");
  mmNewWindow = AddAction(mmOption, "mmNewWindow", "新規作成は別ウィンドウを開く(&N)");
  mmWindowPos = AddAction(mmOption, "mmWindowPos", "ウィンドウの位置を保存する(&W)");
  for (QAction* item : {mmLine1Title, mmCloseMsg, mmNewWindow, mmWindowPos}) item->setCheckable(true);
  // Only a narrowed window shows it.
  mmSentakuOff = AddAction(mmOption, "mmSentakuOff", "絞り込み解除 Ctrl + Q", QKeySequence("Ctrl+Q"));
  mmSentakuOff->setStatusTip("絞り込みを解除して元もが面に戻ります。");
  mmSentakuOff->setVisible(false);
  mmSentakuOff->setEnabled(false);
  for (QAction* item : {mmLine1Title, mmCloseMsg, mmNewWindow}) item->setChecked(true);

  QMenu* mmHelp = bar->addMenu("ﾍﾙﾌﾟ(&H)");
  mmHelp->setObjectName("mmHelp");
  Contents1 = AddAction(mmHelp, "Contents1", "目次(&C)");
  SearchforHelpOn1 = AddAction(mmHelp, "SearchforHelpOn1", "ﾄﾋﾟｯｸの検索(&S)...");
  HowtoUseHelp1 = AddAction(mmHelp, "HowtoUseHelp1", "ﾍﾙﾌﾟの使い方(&H)");
  mmHelp->addSeparator();
  mmAboutTabulo = AddAction(mmHelp, "mmAboutTabulo", "バージョン情報(&A)...");

  // F1 opens the help page of the window.
  auto* helpKey = new QAction(this);
  helpKey->setShortcut(QKeySequence::HelpContents);
  addAction(helpKey);
  connect(helpKey, &QAction::triggered, this, [this] { m_services.help.ShowContext(help::kHelpMainWindow); });

  connect(mmNewFile, &QAction::triggered, this, &TTabulo::btnNewFileClick);
  connect(mmOpenFile, &QAction::triggered, this, &TTabulo::btnFileOpenClick);
  connect(mmAppendFile, &QAction::triggered, this, &TTabulo::mmAppendFileClick);
  connect(mmFixOpen, &QAction::triggered, this, &TTabulo::mmFixOpenClick);
  connect(mmPrint, &QAction::triggered, this, &TTabulo::BtnPrintClick);
  connect(mmFileSaveAs, &QAction::triggered, this, &TTabulo::btnFileSaveAsClick);
  connect(mmFileSave, &QAction::triggered, this, &TTabulo::mmFileSaveClick);
  connect(mmClose, &QAction::triggered, this, &TTabulo::close);
  connect(mmModeChange, &QAction::triggered, this, &TTabulo::mmModeChangeClick);
  connect(mmUndo, &QAction::triggered, this, &TTabulo::mmUndoClick);
  connect(mmRedo, &QAction::triggered, this, &TTabulo::mmRedoClick);
  connect(mmCopy, &QAction::triggered, this, &TTabulo::mmCopyClick);
  connect(mmCut, &QAction::triggered, this, &TTabulo::mmCutClick);
  connect(mmClear, &QAction::triggered, this, &TTabulo::mmClearClick);
  connect(mmPaste, &QAction::triggered, this, [this] { mmPasteClick(0); });
  connect(mmPasteAdd, &QAction::triggered, this, [this] { mmPasteClick(1); });
  connect(mmPastePre, &QAction::triggered, this, [this] { mmPasteClick(2); });
  connect(mmZokusei, &QAction::triggered, this, &TTabulo::btnGPIClick);
  connect(mmDelCalcRow, &QAction::triggered, this, &TTabulo::pmDelCalcRowClick);
  connect(mmCalc, &QAction::triggered, this, &TTabulo::mmCalcClick);
  // Hidden items whose keys work: the calculation bar's menus, history and run.
  const auto hidden = [this](const char* name, const char* caption, const char* keys, auto handler) {
    auto* item = new QAction(caption, this);
    item->setObjectName(name);
    item->setShortcut(QKeySequence(keys));
    addAction(item);
    connect(item, &QAction::triggered, this, handler);
  };
  hidden("mmDamyColName", "列名リスト", "F11", [this] {
    if (PanelCalc->isHidden()) return;
    m_formulaMenus->RebuildColumnMenu(m_document.grid);
    FormulaMenus::PopUpBelow(m_formulaMenus->ColumnMenu(), CBCalcLine);
  });
  hidden("mmDamyFuncName", "関数リスト", "Shift+F11", [this] {
    if (!PanelCalc->isHidden()) m_formulaMenus->PopUpFunctionsBelow(CBCalcLine);
  });
  hidden("mmCalcLineHistory", "計算履歴", "Ctrl+F11", [this] { mmCalcLineHistoryClick(); });
  hidden("mmDamyDoCalc", "計算実行", "F12", [this] { mmDamyDoCalcClick(); });
  connect(mmRowSelect, &QAction::triggered, this, &TTabulo::mmRowSelectClick);
  connect(mmColSelect, &QAction::triggered, this, &TTabulo::mmColSelectClick);
  connect(mmSelectAll, &QAction::triggered, this, &TTabulo::mmSelectAllClick);
  connect(mmJumpTopRow, &QAction::triggered, this, &TTabulo::mmJumpTopRowClick);
  connect(mmJumpRow, &QAction::triggered, this, &TTabulo::mmJumpRowClick);
  connect(mmJumpLastRow, &QAction::triggered, this, &TTabulo::mmJumpLastRowClick);
  connect(mmSort, &QAction::triggered, this, &TTabulo::btnSortClick);
  connect(mmFind, &QAction::triggered, this, &TTabulo::mmFindClick);
  connect(mmReplace, &QAction::triggered, this, &TTabulo::mmReplaceClick);
  connect(mmSentaku, &QAction::triggered, this, &TTabulo::btnQueryClick);
  connect(mmDaburi, &QAction::triggered, this, &TTabulo::mmDaburiClick);
  connect(mmHeigou, &QAction::triggered, this, &TTabulo::mmHeigouClick);
  connect(mmSentakuOff, &QAction::triggered, this, &TTabulo::mmSentakuOffClick);
  connect(mmRowAdd, &QAction::triggered, this, [this] { btnRowAddClick(1); });
  connect(mmRowIn, &QAction::triggered, this, [this] { btnRowAddClick(0); });
  connect(mmRowDel, &QAction::triggered, this, &TTabulo::btnRowDeleteClick);
  connect(mmColAdd, &QAction::triggered, this, [this] { btnColAddClick(1); });
  connect(mmColIn, &QAction::triggered, this, [this] { btnColAddClick(0); });
  connect(mmColDel, &QAction::triggered, this, &TTabulo::btnColDeleteClick);
  connect(mmColWidth, &QAction::triggered, this, &TTabulo::mmColWidthClick);
  connect(mmRowHeight, &QAction::triggered, this, &TTabulo::mmRowHeightClick);
  connect(mmFont, &QAction::triggered, this, &TTabulo::mmFontClick);
  connect(mmAdjustDraw, &QAction::triggered, this, &TTabulo::mmAdjustDrawClick);
  connect(mmSHowToolBar, &QAction::triggered, this, &TTabulo::mmSHowToolBarClick);
  connect(mmShowPanelCalc, &QAction::triggered, this, &TTabulo::mmShowPanelCalcClick);
  connect(mmShowPanelFind, &QAction::triggered, this, &TTabulo::mmShowPanelFindClick);
  connect(mmShowStatusBar, &QAction::triggered, this, &TTabulo::mmShowStatusBarClick);
  for (int tag = 0; tag < 4; ++tag) {
    connect(mmCursor[tag], &QAction::triggered, this, [this, tag] { SetEnterDirection(static_cast<EnterDirection>(tag)); });
  }
  connect(Contents1, &QAction::triggered, this, [this] { m_services.help.ShowContents(); });
  connect(SearchforHelpOn1, &QAction::triggered, this, [this] { m_services.help.ShowSearch(); });
  connect(HowtoUseHelp1, &QAction::triggered, this, [this] { m_services.help.ShowHowToUse(); });
  connect(mmAboutTabulo, &QAction::triggered, this, &TTabulo::mmAboutTabuloClick);
}

}  // namespace tabulo::ui
