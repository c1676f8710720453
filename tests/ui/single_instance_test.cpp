// The single running copy: a second copy finds the first, asks it to come
// forward and is told to end; a copy that does not answer is reported; the
// name is free again once the first copy ends.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLocalServer>

#include <future>

#include <unistd.h>

#include "tests/ui/window_rig.h"
#include "ui/single_instance.h"

namespace kestrel::testing {
namespace {

// Runs a second copy's claim on another thread while this one serves.
SingleInstance::Outcome SecondCopy(const QString& key, int timeout) {
  auto result = std::async(std::launch::async, [key, timeout] { return SingleInstance(key).Claim(timeout); });
  QElapsedTimer timer;
  timer.start();
  while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready && timer.elapsed() < 10000)
    QCoreApplication::processEvents();
  return result.get();
}

TEST(SingleInstance, SecondCopyRaisesTheFirstAndTheNameIsFreedAtTheEnd) {
  EnsureApplication();
  const QString key = QStringLiteral("KestrelTest-%1").arg(::getpid());
  {
    SingleInstance first(key);
    int shown = 0;
    QObject::connect(&first, &SingleInstance::showRequested, [&] { ++shown; });
    ASSERT_EQ(first.Claim(), SingleInstance::Outcome::kFirst);
    EXPECT_TRUE(first.IsListening());
    for (int copy = 1; copy <= 2; ++copy) {
      EXPECT_EQ(SecondCopy(key, 3000), SingleInstance::Outcome::kRaised) << copy;
      EXPECT_EQ(shown, copy);
    }
  }
  SingleInstance next(key);
  EXPECT_EQ(next.Claim(), SingleInstance::Outcome::kFirst);
  EXPECT_TRUE(next.IsListening());
  // A copy that holds the name but never answers is reported.
  QLocalServer silent;
  ASSERT_TRUE(silent.listen(key + "-silent"));
  EXPECT_EQ(SecondCopy(key + "-silent", 300), SingleInstance::Outcome::kNoAnswer);
}

TEST(SingleInstance, TheKeyIsPerUserAndPerDisplay) {
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
    keys << SingleInstance::DefaultKey();
    EXPECT_TRUE(keys.back().startsWith("Kestrel-")) << keys.back().toStdString();
    EXPECT_TRUE(keys.back().endsWith(c.suffix)) << keys.back().toStdString();
  }
  keys.removeDuplicates();
  EXPECT_EQ(keys.size(), 4);
  qputenv("WAYLAND_DISPLAY", wayland);
  qputenv("DISPLAY", x);
}

}  // namespace
}  // namespace kestrel::testing
