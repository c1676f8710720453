// The action button at the bottom left of the game panel (picButton):
// " Continue", " Autoplay" or "Autoscore" with its icon, drawn by hand with a
// raised or sunken bevel, and the press, slide-off and release handling.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace kestrel {

class ButtonStrip : public QWidget {
  Q_OBJECT
 public:
  explicit ButtonStrip(QWidget* parent = nullptr);

  // Redraws the button with the table model's caption, icon column and
  // enabled state.
  void DrawButtonStrip(const QString& caption, int iconColumn, bool enabled);

  bool blnButtonDown() const { return blnButtonDown_; }
  bool IsButtonEnabled() const { return enabled_; }
  QString Caption() const { return caption_; }

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
  QString caption_ = " Continue";
  int iconColumn_ = 0;
  bool enabled_ = false;
  bool blnButtonDown_ = false;
};

}  // namespace kestrel
