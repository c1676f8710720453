// Composing card pictures from image codes.
#include "ui/card_renderer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <cmath>

#include "game/regular_file.h"

#include "game/card_marks.h"
#include "ui/card_faces.h"
#include "ui/palette.h"

namespace kestrel {

namespace {

constexpr int kPiece = 6;

// The folded bottom-left corner of a face: T table colour, K the fold
// line and the card's black bottom edge, Y the folded-over flap, W face.
constexpr const char* kFoldedFaceCorner[kPiece] = {
    "WWWWWW",
    "KYYYYW",
    "TKYYYW",
    "TTKYYW",
    "TTTKYW",
    "TTTTKK",
};

int CardOfCode(std::string_view code) {
  return code.size() >= 2 ? static_cast<unsigned char>(code[1]) : -1;
}

}  // namespace

CardRenderer::CardRenderer() { BuildDeckImages(); }

void CardRenderer::BuildDeckImages() {
  for (int card = 0; card < 52; ++card) faces_[card] = DrawFace(art_, card);
  defaultBack_ = DrawFace(art_, -1);
  BuildCorners();
}

void CardRenderer::BuildCorners() {
  corners_ = QImage(3 * kPiece, 3 * kPiece, QImage::Format_RGB32);
  const QRgb white = PaletteColour(15).rgb();
  const QRgb black = PaletteColour(0).rgb();
  const QRgb yellow = PaletteColour(6).rgb();
  const QImage& dog = art_.DogEarBack();
  for (int k = 0; k < 3; ++k) {
    const QRgb table = TableColour(static_cast<int16_t>(k)).rgb();
    const int left = kPiece * k;
    for (int y = 0; y < kPiece; ++y) {
      for (int x = 0; x < kPiece; ++x) {
        // Row 0: the plain corner of a face.
        QRgb plain = y == kPiece - 1 ? black : white;
        if (x == 0 && y == kPiece - 1) plain = table;
        corners_.setPixel(left + x, y, plain);
        // Row 1: the folded corner of a face; row 2 the same mirrored over
        // the bottom-right corner of the dog-ear back.
        auto colourOf = [&](char ch, QRgb under) {
          switch (ch) {
            case 'T': return table;
            case 'K': return black;
            case 'Y': return yellow;
            default: return under;
          }
        };
        corners_.setPixel(left + x, kPiece + y, colourOf(kFoldedFaceCorner[y][x], white));
        const QRgb backUnder = dog.pixel(kCardWidth - kPiece + x, kCardHeight - kPiece + y);
        corners_.setPixel(left + x, 2 * kPiece + y,
                          colourOf(kFoldedFaceCorner[y][kPiece - 1 - x], backUnder));
      }
    }
  }
}

void CardRenderer::SetDeckStyle(int16_t style) {
  style_ = (style == kDeckDogEar || style == kDeckCustom) ? style : int16_t{kDeckDefault};
}

void CardRenderer::SetCustomBack(const QImage& picture) {
  customBack_ = picture;
  customCard_ = picture.isNull() ? QImage()
                                 : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                       .scaled(kCardWidth, kCardHeight, Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation);
}

void CardRenderer::SetTableColour(int16_t backgroundIndex) { tableIndex_ = TableColourIndex(backgroundIndex); }

const QImage& CardRenderer::CurrentBack() const {
  if (style_ == kDeckDogEar) return art_.DogEarBack();
  if (style_ == kDeckCustom && !customBack_.isNull()) return customBack_;
  return defaultBack_;
}

bool CardRenderer::ShowsMark(int card) const { return style_ == kDeckDogEar && IsMarkedCard(marked_, card); }

QImage CardRenderer::RenderCard(std::string_view code, QSize element, std::string_view slotCode) const {
  if (code.empty()) return {};
  const int card = CardOfCode(code);
  switch (code[0]) {
    case 'F':
      return card >= 0 && card <= 51 ? RenderFace(card) : QImage();
    case 'B':
      return card >= 0 ? RenderBack(card) : QImage();
    case 'P':
      return RenderCursorBar(element, slotCode);
    default:
      return {};
  }
}

QImage CardRenderer::RenderFace(int card) const {
  QImage image = faces_[card].copy();
  const int row = ShowsMark(card) ? 1 : 0;
  QPainter painter(&image);
  painter.drawImage(QPoint(0, kCardHeight - kPiece), corners_,
                    QRect(kPiece * tableIndex_, kPiece * row, kPiece, kPiece));
  painter.end();
  const QRgb table = TableColour(static_cast<int16_t>(tableIndex_)).rgb();
  image.setPixel(0, kCardHeight - 1, table);
  image.setPixel(kCardWidth - 1, 0, table);
  return image;
}

QImage CardRenderer::RenderBack(int card) const {
  const QRgb table = TableColour(static_cast<int16_t>(tableIndex_)).rgb();
  QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
  if (style_ == kDeckCustom && !customBack_.isNull()) {
    // The custom picture as it is, stretched over the card; its transparent
    // parts show the table.
    image.fill(table);
    QPainter painter(&image);
    painter.drawImage(0, 0, customCard_);
    return image;
  }
  image = CurrentBack().convertToFormat(QImage::Format_RGB32).scaled(kCardWidth, kCardHeight);
  if (ShowsMark(card)) {
    QPainter painter(&image);
    painter.drawImage(QPoint(kCardWidth - kPiece, kCardHeight - kPiece), corners_,
                      QRect(kPiece * tableIndex_, 2 * kPiece, kPiece, kPiece));
  }
  image.setPixel(0, kCardHeight - 1, table);
  image.setPixel(kCardWidth - 1, 0, table);
  if (backAnimation_ & kBackAnimationSpeckled) {
    static const QPoint kSpecks[3][2] = {{{15, 35}, {4, 4}}, {{12, 36}, {24, 4}}, {{13, 38}, {9, 5}}};
    const int phase = backAnimation_ & 3;
    if (phase < 3) {
      for (const QPoint& speck : kSpecks[phase]) image.setPixel(speck, PaletteColour(7).rgb());
    }
  }
  return image;
}

QImage CardRenderer::RenderCursorBar(QSize element, std::string_view slotCode) const {
  const bool horizontal = element.width() > element.height();
  QImage bar(horizontal ? kCardWidth : 2, horizontal ? 2 : kCardHeight, QImage::Format_RGB32);
  bar.fill(PaletteColour(0));
  const int card = CardOfCode(slotCode);
  const char kind = slotCode.empty() ? '\0' : slotCode[0];
  if ((kind == 'F' || kind == 'B') && ShowsMark(card)) {
    // Keep the bar clear of the fold: a face folds bottom left, a back
    // bottom right; the upright bar stands beside the bottom of the card.
    QRect notch;
    if (horizontal) {
      notch = kind == 'F' ? QRect(0, 0, kPiece, 2) : QRect(kCardWidth - kPiece, 0, kPiece, 2);
    } else {
      notch = QRect(0, kCardHeight - kPiece, 2, kPiece);
    }
    QPainter painter(&bar);
    painter.fillRect(notch, TableColour(static_cast<int16_t>(tableIndex_)));
  }
  return bar;
}

CardRenderer::AppliedStyle CardRenderer::ApplyDeckStyle(int16_t style, const QString& customFile) {
  AppliedStyle applied{style, customFile};
  QImage picture = customFile.isEmpty() ? QImage() : LoadPicture(customFile);
  if (picture.isNull()) {
    applied.customFile.clear();
    SetCustomBack(QImage());
    if (applied.style == kDeckCustom) applied.style = kDeckDefault;
  } else {
    SetCustomBack(picture);
  }
  SetDeckStyle(applied.style);
  applied.style = style_;
  return applied;
}

bool CardRenderer::ChooseCustomBack(const QString& path, QString* message) {
  const QImage picture = LoadPicture(path);
  if (picture.isNull()) {
    if (message) *message = WrongFileTypeMessage(path);
    return false;
  }
  SetCustomBack(picture);
  style_ = kDeckCustom;
  return true;
}

bool CardRenderer::SaveTemplate(const QString& path, QString* message) const {
  if (!path.isEmpty() && defaultBack_.save(path, "BMP")) return true;
  if (message) *message = WriteFailedMessage(path);
  return false;
}

QImage CardRenderer::LoadPicture(const QString& path) {
  if (path.isEmpty()) return {};
  // Read through the one helper that opens only regular files, never blocking.
  std::string bytes;
  if (ReadRegularFile(path.toStdString(), bytes, kMaxPictureFileSize) != FileStatus::kOk) return {};
  return LoadPictureData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QImage CardRenderer::LoadPictureData(const QByteArray& data) {
  QBuffer buffer;
  buffer.setData(data);
  if (!buffer.open(QIODevice::ReadOnly)) return {};
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  // A picture far larger than any card back is refused rather than decoded.
  // Not every format tells its size before decoding (a GIF does not), so the
  // decoder's allocation is capped as well and the result checked again.
  const auto tooLarge = [](QSize size) {
    return size.isValid() && static_cast<qint64>(size.width()) * size.height() > kMaxPicturePixels;
  };
  if (tooLarge(reader.size())) return {};
  reader.setAllocationLimit(static_cast<int>(kMaxPicturePixels * 4 / (1024 * 1024)));
  QImage image = reader.read();
  return tooLarge(image.size()) ? QImage() : image;
}

QString CardRenderer::WrongFileTypeMessage(const QString& path) {
  return QStringLiteral("Wrong file type or problem reading file:\n\n") + path +
         QStringLiteral(
             "\n\nSave card back template, edit bitmap with, e.g.,\n"
             "Windows Paint, then load.  Or you may load\n"
             "most *.bmp, *.dib, *.wmf, or *.ico files.");
}

QString CardRenderer::WriteFailedMessage(const QString& path) {
  return QStringLiteral("Problem writing to file:\n\n") + path;
}

QPixmap CrispPixmap(const QImage& image, qreal devicePixelRatio) {
  if (image.isNull()) return {};
  if (devicePixelRatio <= 1.0) return QPixmap::fromImage(image);
  const QSize size(static_cast<int>(std::lround(image.width() * devicePixelRatio)),
                   static_cast<int>(std::lround(image.height() * devicePixelRatio)));
  QPixmap pixmap = QPixmap::fromImage(image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

}  // namespace kestrel
