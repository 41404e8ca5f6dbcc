#include <gtest/gtest.h>

#include <QApplication>

#include <QTemporaryDir>

#include "common/text_tables.h"

// Widget tests run on the offscreen platform unless told otherwise, and keep
// their settings in a folder of their own, never in the user's.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  kx700::LoadAllTextTables();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
