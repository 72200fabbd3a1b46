// The main window: holds the current colour and shows it in every notation.
#pragma once

#include <QWidget>

namespace hk {

class FrmPickColor : public QWidget {
  Q_OBJECT

 public:
  // Designed inner area of the collapsed window, in twips.
  static constexpr int kDesignWidthTwips = 4650;
  static constexpr int kDesignHeightTwips = 3375;

  explicit FrmPickColor(QWidget* parent = nullptr);
};

}  // namespace hk
