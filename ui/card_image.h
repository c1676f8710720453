// One card element of the table (a hand slot, a pack, a starter place, a
// played-card place, a cursor bar or a decorative card of a pop-up panel):
// it keeps its image code as its tag and shows the picture drawn for it.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

namespace kestrel {

class CardImage : public QWidget {
  Q_OBJECT
 public:
  // Draws the picture of an image code for an element; the window installs
  // the card renderer here.
  using Painter = std::function<QImage(const std::string& code, const CardImage& element)>;
  static void SetPainter(Painter painter);

  CardImage(int index, QWidget* parent);

  int Index() const { return index_; }
  const std::string& Tag() const { return tag_; }
  // Draws the element from an image code and keeps the code (RenderCard).
  void RenderCode(const std::string& code);
  void Refresh() { RenderCode(tag_); }
  const QImage& Picture() const { return picture_; }

 signals:
  void Clicked(int index);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  int index_;
  std::string tag_;
  QImage picture_;
};

}  // namespace kestrel
