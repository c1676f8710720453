// The single running copy: a second copy finds the first, asks it to come
// forward and is told to end; a name left behind by a dead copy is taken over.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalServer>

#include <future>
#include <memory>

#include <unistd.h>

#include "ui/single_instance.h"

using kestrel::SingleInstance;

namespace {

class SingleInstanceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!QCoreApplication::instance()) {
      static int argc = 1;
      static char name[] = "ui_tests";
      static char* argv[] = {name, nullptr};
      app_ = new QCoreApplication(argc, argv);
    }
  }
  static void TearDownTestSuite() {
    delete app_;
    app_ = nullptr;
  }
  // A name of its own for every test run.
  QString Key() const { return QStringLiteral("KestrelTest-%1-%2").arg(::getpid()).arg(counter_++); }

  // Runs a second copy's claim on another thread while this one serves.
  static SingleInstance::Outcome SecondCopy(const QString& key) {
    auto result = std::async(std::launch::async, [key] { return SingleInstance(key).Claim(3000); });
    QElapsedTimer timer;
    timer.start();
    while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready && timer.elapsed() < 10000)
      QCoreApplication::processEvents();
    return result.get();
  }

  static inline QCoreApplication* app_ = nullptr;
  static inline int counter_ = 0;
};

}  // namespace

TEST_F(SingleInstanceTest, SecondCopyRaisesTheFirstAndEnds) {
  QString key = Key();
  SingleInstance first(key);
  int shown = 0;
  QObject::connect(&first, &SingleInstance::showRequested, [&] { ++shown; });
  ASSERT_EQ(first.Claim(), SingleInstance::Outcome::kFirst);
  EXPECT_TRUE(first.IsListening());
  EXPECT_EQ(SecondCopy(key), SingleInstance::Outcome::kRaised);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(SecondCopy(key), SingleInstance::Outcome::kRaised);
  EXPECT_EQ(shown, 2);
}

TEST_F(SingleInstanceTest, NameIsFreeAgainWhenTheFirstCopyEnds) {
  QString key = Key();
  {
    SingleInstance first(key);
    ASSERT_EQ(first.Claim(), SingleInstance::Outcome::kFirst);
  }
  SingleInstance next(key);
  EXPECT_EQ(next.Claim(), SingleInstance::Outcome::kFirst);
  EXPECT_TRUE(next.IsListening());
}

TEST_F(SingleInstanceTest, ACopyThatDoesNotAnswerIsReported) {
  QString key = Key();
  QLocalServer silent;  // holds the name but never answers
  ASSERT_TRUE(silent.listen(key));
  auto result = std::async(std::launch::async, [key] { return SingleInstance(key).Claim(300); });
  EXPECT_EQ(result.get(), SingleInstance::Outcome::kNoAnswer);
}

TEST_F(SingleInstanceTest, TheKeyIsPerUserAndPerDisplay) {
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY"), x = qgetenv("DISPLAY");
  struct Case {
    const char* wayland;
    const char* x;
    const char* suffix;
  } cases[] = {{"", ":0", "-_0"}, {"", "host:10.0", "-host_10_0"}, {"wayland-1", ":0", "-wayland-1"}, {"", "", ""}};
  QStringList keys;
  for (const Case& c : cases) {
    qputenv("WAYLAND_DISPLAY", c.wayland);
    qputenv("DISPLAY", c.x);
    const QString key = SingleInstance::DefaultKey();
    EXPECT_TRUE(key.startsWith("Kestrel-")) << key.toStdString();
    EXPECT_TRUE(key.endsWith(c.suffix)) << key.toStdString();
    keys << key;
  }
  keys.removeDuplicates();
  EXPECT_EQ(keys.size(), 4);
  qputenv("WAYLAND_DISPLAY", wayland);
  qputenv("DISPLAY", x);
}
