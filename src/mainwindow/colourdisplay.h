// The colour-space display of the main window, beside the channel editors.
#pragma once

#include "colour/longcolour.h"
#include "mainwindow/colourdiagram.h"
#include "widgets/widgets.h"

namespace hk {

// The colour-space display: button face below the line, and in the ink display
// modes the diagram of the current colour's inks.
class ColourDisplay : public ColourView {
  Q_OBJECT
 public:
  static constexpr int kLineY = 16;  // Line1, the top edge of the drawing area (pixels)

  explicit ColourDisplay(QWidget* parent);
  void Draw(int dispMode, LongColour colour, const DiagramGeometry& geometry);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int dispMode_ = 0;
  LongColour colour_ = 0;
  DiagramGeometry geometry_;
};

}  // namespace hk
