#include "app/qt/main_frame.h"

#include <gtest/gtest.h>

#include <QTest>

#include <cstdlib>

namespace kx700 {
namespace {

TEST(MainFrame, ShowsAsTheProgramsWindow) {
  CMainFrame frame;
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("pc_kx700"));
  EXPECT_NE(frame.centralWidget(), nullptr);
  if (const char* dir = std::getenv("KX700_SCREENSHOTS"))
    frame.grab().save(QString::fromLocal8Bit(dir) + "/main_frame.png");
}

} // namespace
} // namespace kx700
