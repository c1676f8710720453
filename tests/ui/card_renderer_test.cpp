// Card pictures from image codes: faces, backs of the three deck styles,
// cursor bars, the table colours, the dog-ear folds and the back files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "ui/card_renderer.h"
#include "ui/palette.h"

using namespace kestrel;

namespace {

void EnsureApp() {
  static int argc = 1;
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
}

std::string Code(char letter, int card) { return std::string{letter, static_cast<char>(card)}; }

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kDarkYellow = qRgb(128, 128, 0);
const QRgb kLightGrey = qRgb(192, 192, 192);

class CardRendererTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    EnsureApp();
    renderer_ = new CardRenderer;
  }
  static void TearDownTestSuite() {
    delete renderer_;
    renderer_ = nullptr;
  }
  void SetUp() override {
    r().SetDeckStyle(kDeckDefault);
    r().SetTableColour(0);
    r().SetMarkedCards(std::string{7, 23, 30, 40});
    r().SetBackAnimation(0);
    r().SetCustomBack(QImage());
  }
  static CardRenderer& r() { return *renderer_; }
  static QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

  static CardRenderer* renderer_;
};
CardRenderer* CardRendererTest::renderer_ = nullptr;

TEST_F(CardRendererTest, ArtworkLoadsFromTheResources) {
  EXPECT_EQ(r().DefaultBack().size(), QSize(36, 49));
  EXPECT_EQ(r().DogEarBack().size(), QSize(36, 49));
  EXPECT_EQ(r().CornerSheet().size(), QSize(18, 18));
  // Every face carries some ink beyond its edges: nothing was drawn blank.
  for (int card = 0; card < 52; ++card) {
    const QImage& face = r().Face(card);
    int ink = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 35; ++x) ink += At(face, x, y) != kWhite;
    EXPECT_GT(ink, 40) << "card " << card;
  }
}

TEST_F(CardRendererTest, FacesCutTheirCornersInEveryTableColourAndStyle) {
  for (int16_t style : {kDeckDefault, kDeckDogEar, kDeckCustom}) {
    for (int16_t table = 0; table < 3; ++table) {
      r().SetDeckStyle(style);
      r().SetTableColour(table);
      const QRgb tableRgb = TableColour(table).rgb();
      for (int card : {1, 12, 25, 51}) {  // none of them marked
        const QImage face = r().RenderCard(Code('F', card));
        ASSERT_EQ(face.size(), QSize(36, 49));
        EXPECT_EQ(At(face, 0, 48), tableRgb);
        EXPECT_EQ(At(face, 35, 0), tableRgb);
        EXPECT_EQ(At(face, 35, 48), kBlack);
        EXPECT_EQ(At(face, 1, 48), kBlack);
        EXPECT_EQ(At(face, 35, 1), kBlack);
        EXPECT_EQ(At(face, 0, 0), kWhite);
        EXPECT_EQ(At(face, 1, 44), kWhite);
      }
    }
  }
}

TEST_F(CardRendererTest, MarkedFacesFoldOnlyInTheDogEarDeck) {
  for (int16_t table = 0; table < 3; ++table) {
    r().SetTableColour(table);
    const QRgb tableRgb = TableColour(table).rgb();
    r().SetDeckStyle(kDeckDogEar);
    QImage face = r().RenderCard(Code('F', 7));
    EXPECT_EQ(At(face, 0, 48), tableRgb);
    EXPECT_EQ(At(face, 0, 45), tableRgb);  // the corner is folded away
    EXPECT_EQ(At(face, 3, 48), tableRgb);
    EXPECT_EQ(At(face, 0, 44), kBlack);     // the fold line
    EXPECT_EQ(At(face, 2, 46), kBlack);
    EXPECT_EQ(At(face, 4, 48), kBlack);
    EXPECT_EQ(At(face, 1, 44), kDarkYellow);  // the flap
    EXPECT_EQ(At(face, 4, 47), kDarkYellow);
    EXPECT_EQ(At(face, 35, 0), tableRgb);
    // The same card in the other styles keeps its plain corner.
    for (int16_t style : {kDeckDefault, kDeckCustom}) {
      r().SetDeckStyle(style);
      face = r().RenderCard(Code('F', 7));
      EXPECT_EQ(At(face, 0, 45), kWhite);
      EXPECT_EQ(At(face, 1, 44), kWhite);
      EXPECT_EQ(At(face, 3, 48), kBlack);
    }
  }
}

TEST_F(CardRendererTest, BacksOfTheDefaultAndDogEarDecks) {
  for (int16_t table = 0; table < 3; ++table) {
    r().SetTableColour(table);
    const QRgb tableRgb = TableColour(table).rgb();
    r().SetDeckStyle(kDeckDefault);
    QImage back = r().RenderCard(Code('B', 7));
    EXPECT_EQ(At(back, 0, 48), tableRgb);
    EXPECT_EQ(At(back, 35, 0), tableRgb);
    EXPECT_EQ(At(back, 34, 47), kDarkYellow);  // no fold in the default deck
    EXPECT_EQ(At(back, 33, 48), kBlack);
    EXPECT_EQ(At(back, 4, 4), qRgb(0, 0, 128));

    r().SetDeckStyle(kDeckDogEar);
    back = r().RenderCard(Code('B', 8));  // unmarked
    EXPECT_EQ(At(back, 33, 48), kBlack);
    EXPECT_EQ(At(back, 34, 45), At(r().DogEarBack(), 34, 45));
    EXPECT_EQ(At(back, 0, 48), tableRgb);
    back = r().RenderCard(Code('B', 7));  // marked: folded bottom right
    EXPECT_EQ(At(back, 35, 45), tableRgb);
    EXPECT_EQ(At(back, 32, 48), tableRgb);
    EXPECT_EQ(At(back, 35, 44), kBlack);
    EXPECT_EQ(At(back, 31, 48), kBlack);
    EXPECT_EQ(At(back, 31, 44), kDarkYellow);
    EXPECT_EQ(At(back, 34, 44), kDarkYellow);
    EXPECT_EQ(At(back, 35, 0), tableRgb);
    // The empty back is no card and is never folded.
    back = r().RenderCard(std::string{'B', static_cast<char>(255)});
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(At(back, 33, 48), kBlack);
  }
}

TEST_F(CardRendererTest, SpeckledBacksFollowTheAnimationPhase) {
  r().SetDeckStyle(kDeckDogEar);
  const QPoint specks[3][2] = {{{15, 35}, {4, 4}}, {{12, 36}, {24, 4}}, {{13, 38}, {9, 5}}};
  const QImage plain = r().RenderCard(Code('B', 8));
  for (int phase = 0; phase < 4; ++phase) {
    r().SetBackAnimation(static_cast<int16_t>(kBackAnimationSpeckled | phase));
    const QImage back = r().RenderCard(Code('B', 8));
    int changed = 0;
    for (int y = 0; y < 49; ++y)
      for (int x = 0; x < 36; ++x) changed += At(back, x, y) != At(plain, x, y);
    if (phase == 3) {
      EXPECT_EQ(changed, 0);
    } else {
      for (const QPoint& p : specks[phase]) EXPECT_EQ(At(back, p.x(), p.y()), kLightGrey) << phase;
      EXPECT_LE(changed, 2);
    }
  }
  // Without the flag the phase bits change nothing.
  r().SetBackAnimation(1);
  EXPECT_EQ(r().RenderCard(Code('B', 8)), plain);
}

TEST_F(CardRendererTest, CustomBackIsStretchedOverTheTable) {
  QImage custom(10, 10, QImage::Format_ARGB32);
  custom.fill(qRgb(200, 0, 0));
  custom.setPixel(5, 5, qRgba(0, 0, 0, 0));
  r().SetCustomBack(custom);
  r().SetDeckStyle(kDeckCustom);
  for (int16_t table = 0; table < 3; ++table) {
    r().SetTableColour(table);
    const QImage back = r().RenderCard(Code('B', 7));  // marked, but marks do not show
    ASSERT_EQ(back.size(), QSize(36, 49));
    EXPECT_EQ(At(back, 0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(At(back, 35, 0), qRgb(200, 0, 0));  // no cut corners
    EXPECT_EQ(At(back, 35, 48), qRgb(200, 0, 0));
  }
  // A transparent picture shows the table.
  QImage clear(4, 4, QImage::Format_ARGB32);
  clear.fill(Qt::transparent);
  r().SetCustomBack(clear);
  r().SetTableColour(1);
  EXPECT_EQ(At(r().RenderCard(Code('B', 0)), 17, 24), TableColour(1).rgb());
}

TEST_F(CardRendererTest, CursorBarsKeepClearOfTheFold) {
  r().SetDeckStyle(kDeckDogEar);
  r().SetTableColour(1);
  const QRgb table = TableColour(1).rgb();
  QImage bar = r().RenderCard("P3", QSize(36, 2), Code('F', 9));  // unmarked card
  ASSERT_EQ(bar.size(), QSize(36, 2));
  for (int x = 0; x < 36; ++x) EXPECT_EQ(At(bar, x, 1), kBlack);
  bar = r().RenderCard("P3", QSize(36, 2), Code('F', 7));
  EXPECT_EQ(At(bar, 0, 0), table);
  EXPECT_EQ(At(bar, 5, 1), table);
  EXPECT_EQ(At(bar, 6, 1), kBlack);
  EXPECT_EQ(At(bar, 35, 1), kBlack);
  bar = r().RenderCard("P3", QSize(36, 2), Code('B', 7));
  EXPECT_EQ(At(bar, 0, 0), kBlack);
  EXPECT_EQ(At(bar, 30, 0), table);
  EXPECT_EQ(At(bar, 35, 1), table);
  bar = r().RenderCard("P3", QSize(2, 49), Code('F', 7));
  ASSERT_EQ(bar.size(), QSize(2, 49));
  EXPECT_EQ(At(bar, 1, 42), kBlack);
  EXPECT_EQ(At(bar, 1, 43), table);
  EXPECT_EQ(At(bar, 0, 48), table);
  // Marks do not show in the other decks.
  r().SetDeckStyle(kDeckDefault);
  bar = r().RenderCard("P3", QSize(2, 49), Code('F', 7));
  EXPECT_EQ(At(bar, 0, 48), kBlack);
}

TEST_F(CardRendererTest, OtherCodesShowNothing) {
  EXPECT_TRUE(r().RenderCard("").isNull());
  EXPECT_TRUE(r().RenderCard("F").isNull());
  EXPECT_TRUE(r().RenderCard("B").isNull());
  EXPECT_TRUE(r().RenderCard("X5").isNull());
  EXPECT_TRUE(r().RenderCard(Code('F', 52)).isNull());
  EXPECT_TRUE(r().RenderCard(std::string{'F', static_cast<char>(255)}).isNull());
}

TEST_F(CardRendererTest, PipsCourtsAndSuitColours) {
  // The nine: columns 0 and 2 of rows 1, 4, 6 and 9 and the centre of row 5.
  const QImage nine = r().Face(8);
  const int columnX[3] = {7, 14, 21};
  const int rowY[10] = {0, 5, 10, 13, 15, 20, 26, 28, 31, 36};
  auto pipAt = [&](int column, int row) { return At(nine, columnX[column] + 3, rowY[row] + 3) == kBlack; };
  for (int row : {1, 4, 6, 9}) {
    EXPECT_TRUE(pipAt(0, row)) << row;
    EXPECT_TRUE(pipAt(2, row)) << row;
    EXPECT_FALSE(pipAt(1, row)) << row;
  }
  EXPECT_TRUE(pipAt(1, 5));
  EXPECT_FALSE(pipAt(0, 5));
  // A court card is the same picture turned about the middle of its frame.
  const QImage king = r().Face(38);
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 23; ++x) ASSERT_EQ(At(king, 6 + x, 5 + y), At(king, 28 - x, 42 - y)) << x << "," << y;
  // Red suits are red, black suits black: the index rank glyph of the ace.
  auto hasColour = [&](const QImage& face, QRgb colour) {
    for (int y = 2; y < 15; ++y)
      for (int x = 1; x < 7; ++x)
        if (At(face, x, y) == colour) return true;
    return false;
  };
  const QRgb red = CardArt::SuitColour(2).rgb();
  EXPECT_TRUE(hasColour(r().Face(26), red));
  EXPECT_TRUE(hasColour(r().Face(39), red));
  EXPECT_FALSE(hasColour(r().Face(26), kBlack));
  EXPECT_TRUE(hasColour(r().Face(13), kBlack));
  EXPECT_FALSE(hasColour(r().Face(0), red));
  // The ace of spades has its large spade in the middle; the other aces a pip.
  EXPECT_EQ(At(r().Face(0), 17, 14), kBlack);
  EXPECT_EQ(At(r().Face(13), 17, 14), kWhite);
}

TEST_F(CardRendererTest, ApplyDeckStyleAtStartUp) {
  QTemporaryDir dir;
  const QString good = dir.filePath("back.bmp");
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(qRgb(0, 0, 255));
  ASSERT_TRUE(picture.save(good, "BMP"));

  auto applied = r().ApplyDeckStyle(kDeckCustom, good);
  EXPECT_EQ(applied.style, kDeckCustom);
  EXPECT_EQ(applied.customFile, good);
  EXPECT_EQ(At(r().RenderCard(Code('B', 3)), 10, 10), qRgb(0, 0, 255));

  applied = r().ApplyDeckStyle(kDeckCustom, dir.filePath("missing.bmp"));
  EXPECT_EQ(applied.style, kDeckDefault);
  EXPECT_TRUE(applied.customFile.isEmpty());
  EXPECT_EQ(r().DeckStyle(), kDeckDefault);

  applied = r().ApplyDeckStyle(kDeckCustom, "");
  EXPECT_EQ(applied.style, kDeckDefault);

  // The dog-ear deck keeps its style; only the unreadable name is dropped.
  applied = r().ApplyDeckStyle(kDeckDogEar, dir.filePath("missing.bmp"));
  EXPECT_EQ(applied.style, kDeckDogEar);
  EXPECT_TRUE(applied.customFile.isEmpty());
  EXPECT_EQ(r().CurrentBack(), r().DogEarBack());

  applied = r().ApplyDeckStyle(7, good);
  EXPECT_EQ(applied.style, kDeckDefault);
  EXPECT_EQ(applied.customFile, good);
}

TEST_F(CardRendererTest, ChoosingACustomBack) {
  QTemporaryDir dir;
  const QString text = dir.filePath("notes.bmp");
  QFile file(text);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("this is no picture at all");
  file.close();
  r().SetDeckStyle(kDeckDogEar);
  QString message;
  EXPECT_FALSE(r().ChooseCustomBack(text, &message));
  EXPECT_EQ(r().DeckStyle(), kDeckDogEar);
  EXPECT_EQ(message, "Wrong file type or problem reading file:\n\n" + text +
                         "\n\nSave card back template, edit bitmap with, e.g.,\n"
                         "Windows Paint, then load.  Or you may load\n"
                         "most *.bmp, *.dib, *.wmf, or *.ico files.");

  const QString png = dir.filePath("back.png");
  QImage picture(5, 5, QImage::Format_RGB32);
  picture.fill(qRgb(1, 2, 3));
  ASSERT_TRUE(picture.save(png));
  EXPECT_TRUE(r().ChooseCustomBack(png, &message));
  EXPECT_EQ(r().DeckStyle(), kDeckCustom);
  EXPECT_EQ(At(r().RenderCard(Code('B', 0)), 0, 0), qRgb(1, 2, 3));
}

TEST_F(CardRendererTest, SavingTheTemplate) {
  QTemporaryDir dir;
  const QString path = dir.filePath("cardback.bmp");
  QString message;
  ASSERT_TRUE(r().SaveTemplate(path, &message));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.read(2), QByteArray("BM"));
  file.close();
  const QImage back(path);
  ASSERT_EQ(back.size(), QSize(36, 49));
  for (int y = 0; y < 49; ++y)
    for (int x = 0; x < 36; ++x) ASSERT_EQ(At(back, x, y), At(r().DefaultBack(), x, y));

  const QString bad = dir.filePath("no/such/folder/cardback.bmp");
  EXPECT_FALSE(r().SaveTemplate(bad, &message));
  EXPECT_EQ(message, "Problem writing to file:\n\n" + bad);
}

TEST_F(CardRendererTest, CrispPixmapsOnDenseScreens) {
  const QImage face = r().RenderCard(Code('F', 5));
  const QPixmap one = CrispPixmap(face, 1.0);
  EXPECT_EQ(one.size(), QSize(36, 49));
  const QPixmap two = CrispPixmap(face, 2.0);
  EXPECT_EQ(two.size(), QSize(72, 98));
  EXPECT_DOUBLE_EQ(two.devicePixelRatio(), 2.0);
  const QImage big = two.toImage();
  for (int y = 0; y < 49; y += 3)
    for (int x = 0; x < 36; x += 3) {
      ASSERT_EQ(At(big, 2 * x, 2 * y), At(face, x, y));
      ASSERT_EQ(At(big, 2 * x + 1, 2 * y + 1), At(face, x, y));
    }
  EXPECT_TRUE(CrispPixmap(QImage(), 2.0).isNull());
}

}  // namespace

// Found by the card-back fuzz target: a GIF does not tell its size before it
// is decoded, and this one decodes to 12546 x 1793 pixels. A FIFO or device
// is no picture and is never opened for reading (which would block).
TEST_F(CardRendererTest, PicturesThatAreTooLargeOrNoFilesAreRefused) {
  QByteArray gif("GIF89a\x02\x31\x01\x07\x00\x00\x00\x2c\x00\x00\x00\x00", 18);
  gif.append(QByteArray(129, '\x02'));
  EXPECT_TRUE(CardRenderer::LoadPictureData(gif).isNull());

  QTemporaryDir dir;
  const QString fifo = dir.filePath("back.bmp");
  ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  QString message;
  for (const QString& path : {fifo, QStringLiteral("/dev/zero")}) {
    EXPECT_FALSE(r().ChooseCustomBack(path, &message));
    EXPECT_TRUE(message.startsWith("Wrong file type or problem reading file:")) << message.toStdString();
  }
}
