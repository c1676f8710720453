// Card elements: tag keeping, painting and clicks.
#include "ui/card_image.h"

#include <QMouseEvent>
#include <QPainter>

#include "game/cards.h"
#include "ui/icon_art.h"

namespace kestrel {

namespace {
CardImage::Painter& CurrentPainter() {
  static CardImage::Painter painter;
  return painter;
}
QColor& CurrentTable() {
  static QColor table(0, 128, 0);
  return table;
}
}  // namespace

void CardImage::SetTableColor(const QColor& color) { CurrentTable() = color; }
QColor CardImage::TableColor() { return CurrentTable(); }

void CardImage::SetPainter(Painter painter) { CurrentPainter() = std::move(painter); }

CardImage::CardImage(int index, QWidget* parent) : QWidget(parent), index_(index) {}

void CardImage::RenderCode(const std::string& code) {
  tag_ = code;
  picture_ = CurrentPainter() ? CurrentPainter()(code, size(), *this) : PlainCardPicture(code, size());
  update();
}

void CardImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  p.drawPixmap(rect(), picture_);
}

void CardImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked(index_);
}

QPixmap PlainCardPicture(const std::string& code, QSize size) {
  if (code.empty()) return QPixmap();
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  const QRect r(0, 0, size.width() - 1, size.height() - 1);
  const char kind = code[0];
  if (kind == 'P') {
    pixmap.fill(Qt::black);
  } else if (kind == 'B') {
    p.setPen(Qt::black);
    p.setBrush(PaletteColor(1));
    p.drawRect(r);
    p.setPen(PaletteColor(6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(2, 2, -2, -2));
  } else if (kind == 'F' && code.size() >= 2) {
    const int card = static_cast<unsigned char>(code[1]);
    if (card < 52) {
      p.setPen(Qt::black);
      p.setBrush(Qt::white);
      p.drawRect(r);
      static const char16_t kSuitSymbols[4] = {u'\u2660', u'\u2663', u'\u2665', u'\u2666'};
      const int suit = CardSuit(card);
      p.setPen(suit >= 2 ? QColor(200, 0, 0) : QColor(Qt::black));
      QFont f;
      f.setPixelSize(13);
      f.setBold(true);
      p.setFont(f);
      const QString rank = QString(QChar(kRankLetters[card % 13])).replace("T", "10");
      p.drawText(QRect(2, 1, size.width() - 4, 16), Qt::AlignLeft, rank);
      f.setPixelSize(20);
      p.setFont(f);
      p.drawText(QRect(0, 14, size.width(), size.height() - 16), Qt::AlignCenter,
                 QString(QChar(kSuitSymbols[suit])));
    }
  }
  return pixmap;
}

}  // namespace kestrel
