// The game panel as the window shows it. The panel picContainer and every
// pop-up panel on it keep the fixed 530 x 268 layout in their own logical
// pixels; this view shows that panel through one uniform scale factor, so
// that the whole table (cards, board, text, pop-ups) grows with the window
// while every element, its geometry and its input stay in logical pixels.
// Input is mapped back by the view: a click or a drop reaches the element
// under it at its logical position, whatever the scale.
#pragma once

#include <QGraphicsView>

class QGraphicsProxyWidget;

namespace kestrel {

class PanelView : public QGraphicsView {
  Q_OBJECT
 public:
  // Takes the panel (a widget without a parent) into the view's scene.
  PanelView(QWidget* panel, QWidget* parent);

  // Shows the panel at `scale` times its logical size; the view's own
  // geometry is set by the window.
  void SetScale(qreal scale);
  qreal Scale() const { return scale_; }
  QWidget* Panel() const { return panel_; }
  // A point of an element of the panel, in the view's viewport (where the
  // window system delivers the mouse).
  QPoint ViewportPoint(const QWidget* element, QPointF local) const;

 protected:
  void drawBackground(QPainter* painter, const QRectF& rect) override;

 private:
  QWidget* panel_;
  QGraphicsProxyWidget* proxy_ = nullptr;
  qreal scale_ = 1.0;
};

}  // namespace kestrel
