// Card elements: tag keeping, painting and clicks.
#include "ui/card_image.h"

#include <QMouseEvent>
#include <QPainter>

namespace kestrel {

namespace {
CardImage::Painter& CurrentPainter() {
  static CardImage::Painter painter;
  return painter;
}
}  // namespace

void CardImage::SetPainter(Painter painter) { CurrentPainter() = std::move(painter); }

CardImage::CardImage(int index, QWidget* parent) : QWidget(parent), index_(index) {}

void CardImage::RenderCode(const std::string& code) {
  tag_ = code;
  picture_ = CurrentPainter() ? CurrentPainter()(code, *this) : QImage();
  update();
}

void CardImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  // Card art is pixel art: on a scaled table each pixel becomes a block
  // (whole-number scales) or a run of whole device pixels, never a blur.
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.drawImage(rect(), picture_);
}

void CardImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked(index_);
}

}  // namespace kestrel
