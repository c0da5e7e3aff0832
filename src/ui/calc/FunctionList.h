#pragma once

#include <QListWidget>

#include <functional>
#include <vector>

namespace tabulo::ui {

// The items of the function menu laid out in columns: a long menu breaks into
// as many columns as it needs to fit between the control it opens under and
// the bottom of the screen, so that it opens just below that control, and
// every description shows whole. An item reads "name : description", the
// descriptions lined up; the pointer or the arrow keys pick an item, a click
// or Enter chooses it.
class FunctionList final : public QListWidget {
  Q_OBJECT

 public:
  explicit FunctionList(QWidget* parent = nullptr);

  // `caption` is the name and the description joined by a TAB.
  void AddEntry(const QString& caption, std::function<void()> choose);
  // A blank row between groups of items.
  void AddGap();
  // Lays the items out in columns no taller than `height` and takes the size
  // they need.
  void FitHeight(int height);

 signals:
  void Chosen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void Choose(const QModelIndex& index);

  std::vector<std::function<void()>> m_choices;  // by the item's row; empty for a gap
};

}  // namespace tabulo::ui
