// Pictures of card elements: composes a card face, back, cursor bar or
// nothing from an image code under the current deck style, table colour,
// marked cards and back animation; keeps the 52 faces, the default back,
// the dog-ear back and the corner pieces; loads a custom back and writes
// the back template.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/card_art.h"

namespace kestrel {

enum DeckStyle : int16_t { kDeckDefault = 0, kDeckDogEar = 1, kDeckCustom = 2 };

// Set in intBackAnimation while the backs of the dog-ear deck are speckled;
// the two low bits choose the speck pattern.
inline constexpr int16_t kBackAnimationSpeckled = 16;

class CardRenderer {
 public:
  // Builds the deck images (BuildDeckImages).
  CardRenderer();

  // Draws the 52 faces, the default back and the corner pieces.
  void BuildDeckImages();

  static QSize CardSize() { return {36, 49}; }

  // The state the pictures depend on.
  void SetDeckStyle(int16_t style);
  int16_t DeckStyle() const { return style_; }
  void SetTableColour(int16_t backgroundIndex);
  void SetMarkedCards(const std::string& marked) { marked_ = marked; }
  const std::string& MarkedCards() const { return marked_; }
  void SetBackAnimation(int16_t value) { backAnimation_ = value; }
  // The picture shown as the back in the custom style.
  void SetCustomBack(const QImage& picture);
  const QImage& CustomBack() const { return customBack_; }

  // The picture of an element of the given size for an image code:
  //   "F" + card    the face (with its folded corner when marked in the dog-ear deck)
  //   "B" + card    the back of the current style (any byte, e.g. 255 for the empty back)
  //   "P" + slot    the keyboard cursor bar: 36 x 2 for an element wider than
  //                 tall, else 2 x 49; slotCode is the image code of the card in
  //                 that player slot, so that the bar keeps clear of its fold
  //   anything else a null image (the element shows nothing)
  QImage RenderCard(std::string_view code, QSize element = CardSize(),
                    std::string_view slotCode = {}) const;

  // The raw pictures.
  const QImage& Face(int card) const { return faces_[static_cast<size_t>(card) % 52]; }
  const QImage& DefaultBack() const { return defaultBack_; }
  const QImage& DogEarBack() const { return art_.DogEarBack(); }
  // 18 x 18: column k for table colour k; rows: plain face corner, folded
  // face corner, folded back corner (6 x 6 each).
  const QImage& CornerSheet() const { return corners_; }
  // The back of the current style (the custom picture in the custom style).
  const QImage& CurrentBack() const;

  // Start-up: installs the stored style. The custom back file is read when
  // named; if the style is custom and the file is missing or unreadable, the
  // style falls back to the default deck and the name is forgotten. An
  // unknown style number is taken as the default deck. Returns the style
  // and file name that now hold.
  struct AppliedStyle {
    int16_t style;
    QString customFile;
  };
  AppliedStyle ApplyDeckStyle(int16_t style, const QString& customFile);

  // "&Custom Back...": reads the picture; on success the custom style holds
  // with it, else nothing changes and message holds the text to show.
  bool ChooseCustomBack(const QString& path, QString* message);

  // "Save &Template As...": writes the default back as a Windows bitmap.
  bool SaveTemplate(const QString& path, QString* message) const;

  // Reads a picture file; a null image when Qt cannot read it.
  static QImage LoadPicture(const QString& path);
  // The picture in the bytes of a file; null when they hold none or one
  // far larger than any card back.
  static QImage LoadPictureData(const QByteArray& data);
  static constexpr size_t kMaxPictureFileSize = 16 * 1024 * 1024;
  static constexpr qint64 kMaxPicturePixels = 16 * 1024 * 1024;
  static QString WrongFileTypeMessage(const QString& path);
  static QString WriteFailedMessage(const QString& path);

 private:
  void BuildCorners();
  QImage RenderFace(int card) const;
  QImage RenderBack(int card) const;
  QImage RenderCursorBar(QSize element, std::string_view slotCode) const;
  bool ShowsMark(int card) const;

  CardArt art_;
  std::array<QImage, 52> faces_;
  QImage defaultBack_;
  QImage corners_;
  QImage customBack_;
  QImage customCard_;  // the custom picture stretched to the card once
  std::string marked_;
  int16_t style_ = kDeckDefault;
  int tableIndex_ = 0;
  int16_t backAnimation_ = 0;
};

// A 1x picture as a pixmap for a screen with the given device pixel ratio,
// enlarged with nearest-neighbour sampling so that the pixels stay crisp.
QPixmap CrispPixmap(const QImage& image, qreal devicePixelRatio);

}  // namespace kestrel
