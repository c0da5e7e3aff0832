#include "ui/calc/FormulaMenus.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStyle>

#include "core/calc/CalcItems.h"
#include "core/locale/Encoding.h"

namespace tabulo::ui {
namespace {

QString FromSjis(Cp932Converter& converter, std::string_view text) {
  return QString::fromStdU16String(converter.ToUtf16(text));
}

}  // namespace

FormulaMenus::FormulaMenus(FormulaMenuOwner owner, QLineEdit* field, QWidget* parent)
    : QObject(parent), m_owner(owner), m_field(field), m_columnMenu(new QMenu(parent)), m_functionMenu(new QMenu(parent)) {
  m_columnMenu->setObjectName("PMColName");
  m_functionMenu->setObjectName("PMFuncName");
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
  Cp932Converter converter;
  const bool compact = ItemsPerScreen() < grid.ColCount();
  QStringList captions;
  QStringList inserts;
  captions.reserve(grid.ColCount());
  inserts.reserve(grid.ColCount());
  for (int col = 0; col < grid.ColCount(); ++col) {
    captions.append(FromSjis(converter, ColumnMenuCaption(grid.Cell(col, 0), grid.Cell(col, 1), compact)));
    inserts.append("[" + FromSjis(converter, grid.Cell(col, 0)) + "]");
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
  Cp932Converter converter;
  const std::size_t total = VarItems().size() + ToukeiItems().size() + FuncItems().size();
  const bool compact = ItemsPerScreen() < 36 || static_cast<std::size_t>(ItemsPerScreen()) < total;
  const auto caption = [&](const std::string& name, std::string_view description) {
    return FromSjis(converter, FunctionMenuCaption(name, converter.FromUtf8(description), compact, m_owner));
  };
  for (const TVarItem& var : VarItems()) {
    QAction* item = m_functionMenu->addAction(caption(std::string(var.Name), var.Description));
    const QString name = QString::fromUtf8(var.Name.data(), static_cast<qsizetype>(var.Name.size()));
    connect(item, &QAction::triggered, this, [this, name] { Insert(name); });
  }
  m_functionMenu->addSeparator();
  const QString blanks = m_owner == FormulaMenuOwner::MainWindow ? "(   ,   )" : "(  ,  )";
  for (const TToukeiItem& toukei : ToukeiItems()) {
    QAction* item = m_functionMenu->addAction(caption(std::string(toukei.Name) + "( R1, R2 )", toukei.Description));
    const QString name = QString::fromUtf8(toukei.Name.data(), static_cast<qsizetype>(toukei.Name.size()));
    connect(item, &QAction::triggered, this, [this, name, blanks] { Insert(name + blanks); });
  }
  m_functionMenu->addSeparator();
  for (const TFuncItem& func : FuncItems()) {
    if (func.Description.empty()) continue;  // the operators are written, not chosen
    QAction* item = m_functionMenu->addAction(caption(std::string(func.Name) + "( X )", func.Description));
    const QString name = QString::fromUtf8(func.Name.data(), static_cast<qsizetype>(func.Name.size()));
    connect(item, &QAction::triggered, this, [this, name] { InsertFunction(name); });
  }
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
