// The action button: drawing and mouse handling.
#include "ui/button_strip.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/icon_art.h"
#include "ui/palette.h"
#include "ui/window_texts.h"

namespace kestrel {

ButtonStrip::ButtonStrip(QWidget* parent) : QWidget(parent), imgBtnPics_(ButtonIconSheet()) {
  setFont(TextFont());
}

void ButtonStrip::DrawButtonStrip(const QString& caption, int iconColumn, bool enabled) {
  caption_ = caption;
  iconColumn_ = iconColumn;
  enabled_ = enabled;
  if (!enabled_) blnButtonDown_ = false;
  update();
}

void ButtonStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width(), h = height();
  const QColor pen = enabled_ ? PaletteColour(0) : PaletteColour(8);
  p.fillRect(rect(), PaletteColour(7));
  // Outer black frame and inner grey frame; QPainter rectangles of w x h
  // cover w + 1 pixels, hence the - 1.
  p.setPen(PaletteColour(0));
  p.drawRect(0, 0, w - 1, h - 1);
  p.setPen(PaletteColour(8));
  p.drawRect(1, 1, w - 3, h - 3);
  if (!blnButtonDown_) {
    p.setPen(PaletteColour(7));
    p.drawLine(0, 0, 0, h - 2);
    p.drawLine(0, 0, w - 2, 0);
    p.setPen(PaletteColour(15));
    p.drawLine(1, 1, 1, h - 3);
    p.drawLine(1, 1, w - 3, 1);
  }
  const int shift = blnButtonDown_ ? 1 : 0;
  const QRect icon(16 * iconColumn_, enabled_ ? 0 : 16, 16, 16);
  p.drawImage(QPoint(8 + shift, 5 + shift), imgBtnPics_, icon);
  p.setPen(pen);
  p.setFont(font());
  p.drawText(QRect(28 + shift, 6 + shift, w - 30, h - 8), Qt::AlignLeft | Qt::AlignTop,
             caption_);
}

void ButtonStrip::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !enabled_) return;
  blnButtonDown_ = true;
  update();
}

void ButtonStrip::mouseMoveEvent(QMouseEvent* event) {
  if (!blnButtonDown_) return;
  const QPointF pos = event->position();
  if (pos.x() < 0 || pos.x() > width() || pos.y() < 0 || pos.y() > height()) {
    blnButtonDown_ = false;  // slid off: the click is cancelled
    update();
  }
}

void ButtonStrip::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !blnButtonDown_) return;
  blnButtonDown_ = false;
  update();
  emit Activated();
}

}  // namespace kestrel
