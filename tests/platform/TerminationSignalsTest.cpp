// A termination signal becomes a close request handled on the event loop,
// so the normal shutdown can still save the data file.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <csignal>

#include "platform/TerminationSignals.h"

namespace tf {
namespace {

TEST(TerminationSignals, ASignalRunsTheCloseOnTheEventLoop) {
  int argc = 1;
  char name[] = "test_platform";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  int closes = 0;
  bool insideLoop = false;
  CloseOnTerminationSignals([&] {
    ++closes;
    EXPECT_TRUE(insideLoop);
    QCoreApplication::quit();
  });
  QTimer::singleShot(0, [&] {
    insideLoop = true;
    std::raise(SIGTERM);
  });
  // A safety net: the loop ends even when the signal went astray.
  QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(app.exec(), 0);
  EXPECT_EQ(closes, 1);
}

}  // namespace
}  // namespace tf
