#include "ui/calc/FormulaMenus.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QWidgetAction>

#include "core/calc/CalcItems.h"
#include "core/locale/Encoding.h"
#include "ui/app/DocumentText.h"
#include "ui/calc/FunctionList.h"

namespace tabulo::ui {
namespace {

QString FromSjis(Cp932Converter& converter, std::string_view text) {
  return QString::fromStdU16String(converter.ToUtf16(text));
}

}  // namespace

FormulaMenus::FormulaMenus(FormulaMenuOwner owner, QLineEdit* field, QWidget* parent)
    : QObject(parent),
      m_owner(owner),
      m_field(field),
      m_columnMenu(new QMenu(parent)),
      m_functionMenu(new QMenu(parent)),
      m_functionList(new FunctionList(m_functionMenu)),
      m_functionListAction(new QWidgetAction(m_functionMenu)) {
  m_columnMenu->setObjectName("PMColName");
  m_functionMenu->setObjectName("PMFuncName");
  m_functionListAction->setDefaultWidget(m_functionList);
  m_functionMenu->addAction(m_functionListAction);
  BuildFunctionMenu();
}

int FormulaMenus::ItemsPerScreen() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int height = screen ? screen->availableGeometry().height() : 768;
  const int border = QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  const int item = std::max(m_columnMenu->fontMetrics().height() + 4, 1);
  return std::max((height - 2 * border) / item, 1);
}

void FormulaMenus::RebuildColumnMenu(const TableDocument& grid) {
  const bool compact = ItemsPerScreen() < grid.ColCount();
  const TextEncoding encoding = grid.Encoding().encoding;
  QStringList captions;
  QStringList inserts;
  captions.reserve(grid.ColCount());
  inserts.reserve(grid.ColCount());
  for (int col = 0; col < grid.ColCount(); ++col) {
    const std::string title = TitleText(grid, col);
    captions.append(ShownText(grid, ColumnMenuCaption(title, grid.Cell(col, 1), compact, encoding)));
    inserts.append("[" + ShownText(grid, title) + "]");
  }
  if (captions == m_columnCaptions && inserts == m_columnInserts) return;
  m_columnMenu->clear();
  for (qsizetype i = 0; i < captions.size(); ++i) {
    QAction* item = m_columnMenu->addAction(captions[i]);
    connect(item, &QAction::triggered, this, [this, insert = inserts[i]] { Insert(insert); });
  }
  m_columnCaptions = std::move(captions);
  m_columnInserts = std::move(inserts);
}

void FormulaMenus::BuildFunctionMenu() {
  // The items are laid out by a list in columns (see FunctionList); the menu's
  // own actions stay, hidden, as what each item does.
  Cp932Converter converter;
  const auto caption = [&](const std::string& name, std::string_view description) {
    return FromSjis(converter, FunctionMenuCaption(name, converter.FromUtf8(description), false, m_owner));
  };
  const auto add = [this](const QString& text, auto insert) {
    QAction* item = m_functionMenu->addAction(text);
    item->setVisible(false);
    connect(item, &QAction::triggered, this, insert);
    m_functionList->AddEntry(text, [item] { item->trigger(); });
  };
  for (const TVarItem& var : VarItems()) {
    const QString name = QString::fromUtf8(var.Name.data(), static_cast<qsizetype>(var.Name.size()));
    add(caption(std::string(var.Name), var.Description), [this, name] { Insert(name); });
  }
  m_functionList->AddGap();
  const QString blanks = m_owner == FormulaMenuOwner::MainWindow ? "(   ,   )" : "(  ,  )";
  for (const TToukeiItem& toukei : ToukeiItems()) {
    const QString name = QString::fromUtf8(toukei.Name.data(), static_cast<qsizetype>(toukei.Name.size()));
    add(caption(std::string(toukei.Name) + "( R1, R2 )", toukei.Description), [this, name, blanks] { Insert(name + blanks); });
  }
  m_functionList->AddGap();
  for (const TFuncItem& func : FuncItems()) {
    if (func.Description.empty()) continue;  // the operators are written, not chosen
    const QString name = QString::fromUtf8(func.Name.data(), static_cast<qsizetype>(func.Name.size()));
    add(caption(std::string(func.Name) + "( X )", func.Description), [this, name] { InsertFunction(name); });
  }
  connect(m_functionList, &FunctionList::Chosen, m_functionMenu, &QMenu::hide);
}

void FormulaMenus::PopUpFunctionsBelow(QWidget* control) {
  const QPoint below = control->mapToGlobal(QPoint(0, control->height()));
  const QScreen* screen = control->screen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  QStyleOption option;
  option.initFrom(m_functionMenu);
  const QStyle* style = m_functionMenu->style();
  const int frame = 2 * (style->pixelMetric(QStyle::PM_MenuPanelWidth, &option, m_functionMenu) +
                         style->pixelMetric(QStyle::PM_MenuVMargin, &option, m_functionMenu) +
                         style->pixelMetric(QStyle::PM_MenuDesktopFrameWidth, &option, m_functionMenu));
  m_functionList->FitHeight(area.bottom() - below.y() - frame);
  // Taken out and put back, the list's action makes the menu measure it anew.
  m_functionMenu->removeAction(m_functionListAction);
  m_functionMenu->insertAction(m_functionMenu->actions().value(0), m_functionListAction);
  m_functionMenu->popup(below);
  m_functionList->setFocus();
}

void FormulaMenus::Insert(const QString& text) {
  m_field->insert(text);
  m_field->setFocus();
}

void FormulaMenus::InsertFunction(const QString& name) { Insert(name + "( " + m_field->selectedText() + " )"); }

void FormulaMenus::PopUpBelow(QMenu* menu, QWidget* control) {
  menu->popup(control->mapToGlobal(QPoint(0, control->height())));
}

}  // namespace tabulo::ui
