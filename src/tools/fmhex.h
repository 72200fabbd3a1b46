// fmHex, "HexConv": the small window of the number base converter. One window at a
// time; closing it ends it, and the next opening starts afresh.
#pragma once

#include <QWidget>
#include <array>

#include "tools/hexconv.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace hk {

class StickyPin;

class FmHex : public QWidget {
  Q_OBJECT
 public:
  explicit FmHex(QWidget* parent = nullptr);

  // Opens the converter, or brings the open one forward: normal size, shown
  // without blocking `owner`, raised and active. It closes when `owner` is destroyed.
  static FmHex* ShowConverter(QWidget* owner);

  void Option1_Click(int index);  // index 0 to kHexConversionCount - 1
  void Command1_Click(int index);
  void ImgstickOff_Click();
  void ImgstickOn_Click();

  HexConversion Conversion() const { return conversion_; }
  bool Sticky() const;

  QGroupBox* Frame1;
  std::array<QRadioButton*, kHexConversionCount> Option1{};
  QLabel* Label1;
  QLineEdit* Text1;
  QLabel* Label2;
  QLineEdit* lbl;
  std::array<QPushButton*, 2> Command1{};
  StickyPin* pin_;
  QLabel* ImgstickOff;
  QLabel* ImgstickOn;

 private:
  HexConversion conversion_ = HexConversion::DecToHex;
};

}  // namespace hk
