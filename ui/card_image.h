// A card element of the window (imgHiCard, imgLoCard, the packs, the cut
// cards, the deck view, the cursor bars): a widget that shows the picture of
// its image code, keeps the code as its tag, and redraws from the tag.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <string>
#include <string_view>

namespace kestrel {

class CardRenderer;

class CardImage : public QWidget {
  Q_OBJECT

 public:
  // The element's size is its design size in pixels: 36 x 49 for a card,
  // 36 x 2 or 2 x 49 for the cursor bars.
  explicit CardImage(const CardRenderer* renderer, QWidget* parent = nullptr, QSize size = QSize(36, 49));

  // Draws the element from an image code and keeps the code as its tag.
  // For a cursor bar ("P" + slot) slotCode is the tag of that player slot.
  void RenderCard(const std::string& code, std::string_view slotCode = {});
  // RenderCard with the element's own tag.
  void RefreshCard(std::string_view slotCode = {});

  const std::string& Tag() const { return tag_; }
  const QImage& Picture() const { return picture_; }
  // The card number of an "F" or "B" tag, else -1.
  int Card() const;

  QSize sizeHint() const override { return size(); }

 signals:
  // A left click released over the element.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const CardRenderer* renderer_;
  std::string tag_;
  QImage picture_;
};

// Places of the 52 deck-view cards inside frameDeck: 13 columns by suit rows.
QRect DeckViewPlace(int index);
// The deck-view card under a point of frameDeck, or -1.
int DeckViewCardAt(QPoint point);

}  // namespace kestrel
