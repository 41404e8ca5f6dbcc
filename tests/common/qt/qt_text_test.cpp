#include "common/qt/qt_text.h"

#include <gtest/gtest.h>

namespace kx700 {
namespace {

TEST(QtText, EveryByteSurvivesARoundTripThroughQString) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const QString text = ToQString(all);
  EXPECT_EQ(text.size(), 256);
  EXPECT_EQ(FromQString(text), all);
}

TEST(QtText, ConvertsAccentsAndRefusesForeignCharacters) {
  EXPECT_EQ(ToQString("D\xE9"
                      "faut \x80"),
            QStringLiteral(u"Défaut €"));
  EXPECT_EQ(FromQString(QStringLiteral(u"Ampère")), "Amp\xE8re");
  EXPECT_FALSE(FromQString(QStringLiteral(u"Ω")));
  EXPECT_FALSE(FromQString(QString::fromUtf8("\xF0\x9F\x94\xA5")));
}

} // namespace
} // namespace kx700
