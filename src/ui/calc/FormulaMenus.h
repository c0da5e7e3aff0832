#pragma once

#include <QObject>
#include <QStringList>

#include "core/calc/MenuCaptions.h"
#include "core/document/TableDocument.h"

class QLineEdit;
class QMenu;
class QWidgetAction;
class QWidget;

namespace tabulo::ui {

class FunctionList;

// The two insertion menus of a formula field: the column menu (one item per
// column, inserting "[title]") and the function menu (variables, statistics
// and functions with their whole descriptions, inserting their names). Both insert at the field's caret,
// replacing its selection; a function takes the selection as its argument.
class FormulaMenus final : public QObject {
  Q_OBJECT

 public:
  FormulaMenus(FormulaMenuOwner owner, QLineEdit* field, QWidget* parent);

  QMenu* ColumnMenu() const noexcept { return m_columnMenu; }
  QMenu* FunctionMenu() const noexcept { return m_functionMenu; }

  // Fills the column menu from the grid's titles and first data row. A menu
  // that would come out the same is left as it is: Qt adds menu items in
  // quadratic time, which a file of many thousand columns would feel on
  // every opening.
  void RebuildColumnMenu(const TableDocument& grid);
  // Opens a menu just below a control.
  static void PopUpBelow(QMenu* menu, QWidget* control);
  // Opens the function menu just below a control, in as many columns as it
  // takes to fit between the control and the bottom of the screen.
  void PopUpFunctionsBelow(QWidget* control);

  // How many menu items fit on the screen; a column menu longer than this
  // breaks into columns and uses the short captions.
  int ItemsPerScreen() const;

 private:
  void BuildFunctionMenu();
  void Insert(const QString& text);
  void InsertFunction(const QString& name);

  FormulaMenuOwner m_owner;
  QLineEdit* m_field;
  QMenu* m_columnMenu;
  QMenu* m_functionMenu;
  FunctionList* m_functionList;
  QWidgetAction* m_functionListAction;
  // What the column menu shows and inserts now.
  QStringList m_columnCaptions;
  QStringList m_columnInserts;
};

}  // namespace tabulo::ui
