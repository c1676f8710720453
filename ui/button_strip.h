// The action button at the bottom left of the game panel (picButton):
// " Continue", " Autoplay" or "Autoscore" with its icon, drawn by hand with a
// raised or sunken bevel, and the press, slide-off and release handling.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace kestrel {

// Caption and icon column of the button for a wait code.
QString ButtonCaption(int waitCode);
int ButtonIconColumn(int waitCode);

class ButtonStrip : public QWidget {
  Q_OBJECT
 public:
  explicit ButtonStrip(QWidget* parent = nullptr);

  // Redraws the button for a wait code and its enabled state.
  void DrawButtonStrip(int waitCode, bool enabled);

  bool blnButtonDown() const { return blnButtonDown_; }
  bool IsButtonEnabled() const { return enabled_; }
  QString Caption() const { return ButtonCaption(waitCode_); }

 signals:
  // A press and release on the enabled button.
  void Activated();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  QImage imgBtnPics_;
  int waitCode_ = 0;
  bool enabled_ = false;
  bool blnButtonDown_ = false;
};

}  // namespace kestrel
