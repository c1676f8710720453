// The scaled view of the game panel.
#include "ui/panel_view.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QScrollBar>

namespace kestrel {

PanelView::PanelView(QWidget* panel, QWidget* parent) : QGraphicsView(parent), panel_(panel) {
  auto* scene = new QGraphicsScene(this);
  proxy_ = scene->addWidget(panel_);
  proxy_->setPos(0, 0);
  scene->setSceneRect(0, 0, panel_->width(), panel_->height());
  setScene(scene);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTransformationAnchor(QGraphicsView::NoAnchor);
  setResizeAnchor(QGraphicsView::NoAnchor);
  // Pixel art is enlarged by whole pixels, never smoothed; text is drawn
  // by the painter at the scaled size.
  setRenderHints(QPainter::TextAntialiasing);
  setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
  setOptimizationFlags(QGraphicsView::DontSavePainterState);
  viewport()->setAutoFillBackground(false);
}

void PanelView::SetScale(qreal scale) {
  scale_ = scale;
  setTransform(QTransform::fromScale(scale, scale));
  horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
  verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

QPoint PanelView::ViewportPoint(const QWidget* element, QPointF local) const {
  const QPointF inPanel = element == panel_ ? local : QPointF(element->mapTo(panel_, QPoint(0, 0))) + local;
  return mapFromScene(inPanel);
}

void PanelView::drawBackground(QPainter*, const QRectF&) {
  // The panel paints its own background; around it the client area shows.
}

}  // namespace kestrel
