#include <gtest/gtest.h>

#include <QApplication>

#include "common/text_tables.h"

// Widget tests run on the offscreen platform unless told otherwise.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kx700::LoadAllTextTables();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
