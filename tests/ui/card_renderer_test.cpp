// Card pictures from image codes: faces, backs of the three deck styles,
// cursor bars, the table colours, the dog-ear folds and the back files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

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

}  // namespace
