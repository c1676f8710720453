// One card element of the table (a hand slot, a pack, a starter place, a
// played-card place, a cursor bar or a decorative card of a pop-up panel):
// it keeps its image code as its tag and shows the picture drawn for it.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <string>

namespace kestrel {

class CardImage : public QWidget {
  Q_OBJECT
 public:
  // Draws the picture of an image code for an element of a given size and
  // table colour. The window installs the card renderer here.
  using Painter = std::function<QPixmap(const std::string& code, QSize size, const CardImage& element)>;
  static void SetPainter(Painter painter);
  // The table colour, painted into the cut corners of the cards.
  static void SetTableColor(const QColor& color);
  static QColor TableColor();

  CardImage(int index, QWidget* parent);

  int Index() const { return index_; }
  const std::string& Tag() const { return tag_; }
  // Draws the element from an image code and keeps the code.
  void RenderCode(const std::string& code);
  void Refresh() { RenderCode(tag_); }

 signals:
  void Clicked(int index);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  int index_;
  std::string tag_;
  QPixmap picture_;
};

// The stand-in picture used until a proper card renderer is installed: white
// face with rank and suit, navy back, black cursor bar.
QPixmap PlainCardPicture(const std::string& code, QSize size);

}  // namespace kestrel
