// The picture widgets. Card pictures: the faces drawn, the deck style
// installed at start-up, a custom back read from a file (or refused) and the
// back template written. The peg board: each peg placed by score reads it back
// from its own half of the board (the geometry itself is the board geometry's
// test), and hit testing follows the stacking order.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "tests/ui/window_rig.h"
#include "ui/card_renderer.h"
#include "ui/peg_board.h"

namespace kestrel::testing {
namespace {

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

TEST(CardRendererTest, ArtworkLoadsFromTheResources) {
  EnsureApplication();
  CardRenderer r;
  // Every face carries some ink: nothing was drawn blank.
  for (int card = 0; card < 52; ++card) {
    int ink = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 35; ++x) ink += At(r.Face(card), x, y) != qRgb(255, 255, 255);
    EXPECT_GT(ink, 40) << "card " << card;
  }
}

// The stored style and back file at start-up: a missing or empty file or an
// unknown style falls back to the default deck without losing the dog-ear deck.
TEST(CardRendererTest, ApplyDeckStyleAtStartUp) {
  EnsureApplication();
  CardRenderer r;
  QTemporaryDir dir;
  const QString good = dir.filePath("back.bmp"), missing = dir.filePath("missing.bmp");
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(qRgb(0, 0, 255));
  ASSERT_TRUE(picture.save(good, "BMP"));
  struct Case {
    int16_t style;
    QString file;
    int16_t appliedStyle;
    QString appliedFile;
  } cases[] = {{kDeckCustom, good, kDeckCustom, good},       {kDeckCustom, missing, kDeckDefault, ""},
               {kDeckCustom, "", kDeckDefault, ""},          {kDeckDogEar, missing, kDeckDogEar, ""},
               {7, good, kDeckDefault, good}};
  for (const Case& c : cases) {
    const auto applied = r.ApplyDeckStyle(c.style, c.file);
    const std::string row = std::to_string(c.style) + " " + c.file.toStdString();
    EXPECT_EQ(applied.style, c.appliedStyle) << row;
    EXPECT_EQ(r.DeckStyle(), c.appliedStyle) << row;
    EXPECT_EQ(applied.customFile, c.appliedFile) << row;
  }
  r.ApplyDeckStyle(kDeckCustom, good);
  EXPECT_EQ(At(r.RenderCard(std::string{'B', 3}), 10, 10), qRgb(0, 0, 255));
}

// "Custom Back...": a picture is taken; a text file, a GIF that decodes to a
// huge picture (found by the card-back fuzz target), a FIFO or a device
// (never opened for reading, which would block) are refused and the style stays.
TEST(CardRendererTest, CustomBacksTakenOrRefused) {
  EnsureApplication();
  CardRenderer r;
  QByteArray gif("GIF89a\x02\x31\x01\x07\x00\x00\x00\x2c\x00\x00\x00\x00", 18);
  gif.append(QByteArray(129, '\x02'));
  EXPECT_TRUE(CardRenderer::LoadPictureData(gif).isNull());

  QTemporaryDir dir;
  const QString text = dir.filePath("notes.bmp"), fifo = dir.filePath("back.bmp"), png = dir.filePath("b.png");
  QFile file(text);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("this is no picture at all");
  file.close();
  ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  r.SetDeckStyle(kDeckDogEar);
  QString message;
  for (const QString& path : {text, fifo, QStringLiteral("/dev/zero")}) {
    EXPECT_FALSE(r.ChooseCustomBack(path, &message)) << path.toStdString();
    EXPECT_TRUE(message.startsWith("Wrong file type or problem reading file:\n\n" + path)) << message.toStdString();
    EXPECT_EQ(r.DeckStyle(), kDeckDogEar);
  }
  QImage picture(5, 5, QImage::Format_RGB32);
  picture.fill(qRgb(1, 2, 3));
  ASSERT_TRUE(picture.save(png));
  EXPECT_TRUE(r.ChooseCustomBack(png, &message));
  EXPECT_EQ(r.DeckStyle(), kDeckCustom);
  EXPECT_EQ(At(r.RenderCard(std::string{'B', 0}), 0, 0), qRgb(1, 2, 3));
}

TEST(CardRendererTest, SavingTheTemplate) {
  EnsureApplication();
  CardRenderer r;
  QTemporaryDir dir;
  const QString path = dir.filePath("cardback.bmp"), bad = dir.filePath("no/such/folder/cardback.bmp");
  QString message;
  ASSERT_TRUE(r.SaveTemplate(path, &message));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(2), QByteArray("BM"));
  EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32),
            r.DefaultBack().convertToFormat(QImage::Format_RGB32));
  EXPECT_FALSE(r.SaveTemplate(bad, &message));
  EXPECT_EQ(message, "Problem writing to file:\n\n" + bad);
}

TEST(PegBoard, PegsReadBackTheirScoresAndHitTestingFollowsTheStackingOrder) {
  EnsureApplication();
  PegBoard board;
  board.PlaceAllPegs(-1, 7, 5, 120);
  board.PlacePeg(PegElement::Target, 5);
  const std::pair<PegElement, int> pegs[] = {
      {PegElement::Red0, 121}, {PegElement::Red1, 7}, {PegElement::Green0, 5}, {PegElement::Green1, 120},
      {PegElement::Target, 5}};
  for (const auto& [peg, score] : pegs) EXPECT_EQ(board.PegScoreAt(peg), score) << static_cast<int>(peg);
  EXPECT_LT(board.PegPosition(PegElement::Red1).y(), board.PegPosition(PegElement::Green0).y());

  board.PlacePeg(PegElement::Green1, 5);
  const QPoint hole = board.PegPosition(PegElement::Green0) + QPoint(3, 3);
  EXPECT_EQ(board.ElementAt(hole), PegElement::Green0);  // the back peg starts in front
  board.BringToFront(PegElement::Target);
  EXPECT_EQ(board.ElementAt(hole), PegElement::Target);
  board.SendToBack(PegElement::Target);
  board.BringToFront(PegElement::Green1);
  EXPECT_EQ(board.ElementAt(hole), PegElement::Green1);
  board.SetPegVisible(PegElement::Green1, false);
  EXPECT_EQ(board.ElementAt(hole), PegElement::Green0);
  EXPECT_EQ(board.ElementAt(QPoint(200, 20)), std::nullopt);
  EXPECT_EQ(board.ElementAt(board.PegPosition(PegElement::Red1)), PegElement::Red1);
}

}  // namespace
}  // namespace kestrel::testing
