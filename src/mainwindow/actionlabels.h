// The row of flat text labels at the bottom of the window: rename, delete, exit, the
// home page and the two tools. The one under the mouse lights up; a click (or its
// Alt key) runs its action.
#pragma once

#include <QObject>
#include <array>

class QLabel;
class QWidget;

namespace hk {

class ActionLabels : public QObject {
  Q_OBJECT
 public:
  enum Action { Rename = 0, Delete = 1, Exit = 2, HomePage = 3, HexConv = 4, Measure = 5 };
  static constexpr int kCount = 6;

  explicit ActionLabels(QWidget* window);

  QLabel* label(int index) const { return lblAction[static_cast<std::size_t>(index)]; }
  // Whether a label is lit (its tag is "*").
  bool Lit(int index) const { return lit_[static_cast<std::size_t>(index)]; }
  bool AnyLit() const;

  // The mouse over label `index`: it lights and every other goes dark.
  void lblAction_MouseMove(int index);
  void ResetActionLabels();

  // Places the row along the bottom of a window of the given inner size (pixels):
  // rename, delete and measure from the left, exit, home page and HexConv from the
  // right. Rename and delete show only where `editShown`, and work only where
  // `editEnabled`; the others keep their places either way.
  void Place(int innerWidth, int innerHeight, bool editShown, bool editEnabled);

 signals:
  void Clicked(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Paint(int index);

  std::array<QLabel*, kCount> lblAction{};
  std::array<bool, kCount> lit_{};
};

}  // namespace hk
