// The card element widget and the deck view places.
#include "ui/card_image.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/card_renderer.h"

namespace kestrel {

CardImage::CardImage(const CardRenderer* renderer, QWidget* parent, QSize size)
    : QWidget(parent), renderer_(renderer) {
  resize(size);
}

void CardImage::RenderCard(const std::string& code, std::string_view slotCode) {
  picture_ = renderer_ ? renderer_->RenderCard(code, size(), slotCode) : QImage();
  tag_ = code;
  update();
}

void CardImage::RefreshCard(std::string_view slotCode) {
  const std::string code = tag_;
  RenderCard(code, slotCode);
}

int CardImage::Card() const {
  if (tag_.size() < 2 || (tag_[0] != 'F' && tag_[0] != 'B')) return -1;
  const int card = static_cast<unsigned char>(tag_[1]);
  return card <= 51 ? card : -1;
}

void CardImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  // The picture is stretched to the element, pixel for pixel: on a dense
  // screen each picture pixel becomes a sharp block.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(rect(), picture_);
}

void CardImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    event->accept();
  } else {
    QWidget::mousePressEvent(event);
  }
}

void CardImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    event->accept();
    emit clicked();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

QRect DeckViewPlace(int index) {
  return QRect(8 + 40 * (index % 13), 14 + 52 * (index / 13), 36, 49);
}

int DeckViewCardAt(QPoint point) {
  for (int index = 0; index < 52; ++index) {
    if (DeckViewPlace(index).contains(point)) return index;
  }
  return -1;
}

}  // namespace kestrel
