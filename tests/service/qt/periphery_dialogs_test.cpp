// "Periferie" and "Versies periferie" built from a session whose version
// read is scripted.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/qt/flex_grid.h"
#include "common/qt/label.h"
#include "service/qt/periphery_dialogs.h"
#include "support/fake_message_host.h"
#include "support/qt/when_modal_shows.h"
#include "support/qt/widget_helpers.h"
#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

using test::CellCentre;
using test::Screenshot;

constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kOrange = Rgb(255, 128, 0);
constexpr ColorRef kGreen = Rgb(0, 255, 0);
constexpr ColorRef kCyan = Rgb(0, 255, 255);
constexpr ColorRef kInfo = SystemColor(SystemColour::InfoBackground);

struct Cell {
  QString text;
  ColorRef back, fore;
  bool operator==(const Cell&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Cell& c) {
  return out << '"' << c.text.toStdString() << "\" on " << std::hex << c.back << " in " << c.fore << std::dec;
}

Cell CellAt(CMSFlexGrid* grid, int row, int col) {
  grid->SetRow(row);
  grid->SetCol(col);
  return {grid->GetText(), grid->GetCellBackColor(), grid->GetCellForeColor()};
}

// Panel 1.01 build 7, with devices of every verdict: absent, present and
// silent about their version, another major, and each colour of the rules;
// row 8 of both columns is a device too.
PeripherySession Session() {
  PeripherySession s;
  s.states.repeaters = {1, 1, 0, 2, 1, 1, 0, 1};
  s.states.relayCards = {1, 1, 1, 2, 0, 1, 0, 1};
  s.states.powerSupply = 1;
  s.panelMajor = 1;
  s.panelMinor = 1;
  s.panelBuild = 7;
  return s;
}

PeripheryVersions Versions() {
  PeripheryVersions v;
  // 1.00 orange, 1.01 green, absent, 1.05 cyan, "?", 2.01 red, absent, 1.01 green.
  v.repeaters = std::array<std::uint8_t, 16>{1, 0, 1, 1, 0, 0, 1, 5, 0, 0, 2, 1, 0, 0, 1, 1};
  // 1.04 green, 1.02 orange, 1.00 red, 1.07 cyan, absent, "?", absent, 1.03 orange.
  v.relayCards = std::array<std::uint8_t, 16>{1, 4, 1, 2, 1, 0, 1, 7, 0, 0, 0, 0, 0, 0, 1, 3};
  v.powerSupply = std::array<std::uint8_t, 2>{1, 2};
  return v;
}

TEST(PeripheryDialog, ShowsEachDevicesState) {
  Cperiphery dialog(Session());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(dialog.windowTitle(), "Periferie");
  EXPECT_EQ(dialog.checkVersionButton()->text(), "Check versie");

  CMSFlexGrid* repeaters = dialog.repeaterGrid();
  ASSERT_EQ(repeaters->GetCols(), 8);
  ASSERT_EQ(dialog.relayCardGrid()->GetCols(), 8);
  ASSERT_EQ(dialog.powerSupplyGrid()->GetCols(), 1);
  const Cell absent{"", kInfo, Rgb(192, 192, 192)};
  const auto cell = [](const char* text, ColorRef back, ColorRef fore) { return Cell{text, back, fore}; };
  EXPECT_EQ(CellAt(repeaters, 0, 0), cell("1", kGreen, kBlack));
  EXPECT_EQ(CellAt(repeaters, 0, 2), cell("3", absent.back, absent.fore));
  EXPECT_EQ(CellAt(repeaters, 0, 3), cell("4", kRed, kBlack));
  EXPECT_EQ(CellAt(repeaters, 0, 7), cell("8", kGreen, kBlack));
  EXPECT_EQ(CellAt(dialog.relayCardGrid(), 0, 4), cell("5", absent.back, absent.fore));
  EXPECT_EQ(CellAt(dialog.relayCardGrid(), 0, 7), cell("8", kGreen, kBlack));
  EXPECT_EQ(CellAt(dialog.powerSupplyGrid(), 0, 0), cell("1", kGreen, kBlack));
  for (CMSFlexGrid* grid : {repeaters, dialog.relayCardGrid(), dialog.powerSupplyGrid()}) {
    EXPECT_FALSE(grid->accessibleName().isEmpty());
    EXPECT_EQ(grid->size(), grid->CellsSize()); // every cell shows
  }
  // The absent cells take the tool tip colour of this desktop.
  const QImage shot = repeaters->grab().toImage();
  EXPECT_EQ(shot.pixelColor(CellCentre(repeaters, 0, 2) + QPoint(6, 0)),
            dialog.palette().color(QPalette::Active, QPalette::ToolTipBase));
  Screenshot(dialog, "periphery.png");

  // Enter is OK, Escape cancels.
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(PeripheryDialog, CheckVersionShowsTheVersionsJudged) {
  PeripherySession session = Session();
  int reads = 0;
  bool waitCursor = false;
  session.readVersions = [&](PeripheryVersions& into) {
    ++reads;
    waitCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    into = Versions();
    return true;
  };
  Cperiphery dialog(session);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

  std::vector<Cell> seen;
  QString panel, kind, minimum, recommended;
  bool overPeriphery = false;
  test::WhenModalShows<CVersion>([&](CVersion& v) {
    overPeriphery = v.parentWidget() == &dialog;
    panel = v.panelLabel()->text();
    kind = v.kindLabel()->text();
    minimum = v.minimumLabel()->text();
    recommended = v.recommendedLabel()->text();
    CMSFlexGrid* g = v.versionGrid();
    for (auto [row, col] : {std::pair{1, 1}, {4, 1}, {5, 1}, {6, 1}, {8, 1}, {3, 2}, {6, 2}, {8, 2}, {1, 3}, {2, 3}})
      seen.push_back(CellAt(g, row, col));
    Screenshot(v, "periphery_versions.png");
    v.accept();
  });
  dialog.checkVersionButton()->click();

  EXPECT_EQ(reads, 1);
  EXPECT_TRUE(waitCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr); // given back before the versions show
  EXPECT_TRUE(overPeriphery);
  EXPECT_EQ(panel, "Centrale: 1.01.07");
  EXPECT_EQ(kind, "Herhaalbord");
  EXPECT_EQ(minimum, "1.01");
  EXPECT_EQ(recommended, "1.01");
  const std::vector<Cell> expected = {
      {"1.00", kOrange, kBlack}, {"1.05", kCyan, kBlack},
      {"?", kRed, kBlack},       {"2.01", kRed, kBlack},
      {"1.01", kGreen, kBlack},  {"1.00", kRed, kBlack},
      {"?", kRed, kBlack},       {"1.03", kOrange, kBlack},
      {"1.02", kGreen, kBlack},  {"", kInfo, SystemColor(SystemColour::WindowText)},
  };
  EXPECT_EQ(seen, expected);
}

TEST(PeripheryDialog, AFailedReadOpensNothingAndAddsNoBox) {
  test::FakeMessageHost host;
  PeripherySession session = Session();
  // As the link does: its own single fault box, then failure.
  session.readVersions = [&](PeripheryVersions& into) {
    into.repeaters = Versions().repeaters;
    MessageBoxRequest box;
    box.text = "Er is een fout opgetreden tijdens de datatransfer.";
    box.caption = "Fout";
    host.Show(box);
    return false;
  };
  Cperiphery dialog(session);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

  // Whatever comes up modally is noted and closed.
  std::vector<QString> modal;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      modal.push_back(QString::fromLatin1(w->metaObject()->className()));
      w->close();
    }
  });
  watch.start(5);
  dialog.checkVersionButton()->click();
  watch.stop();

  EXPECT_TRUE(modal.empty()) << modal.front().toStdString();
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_TRUE(w == &dialog || !w->isVisible()) << w->metaObject()->className();
  EXPECT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(dialog.isVisible());
}

struct VersionDialog : testing::Test {
  void SetUp() override {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  }
  std::vector<QString> Labels() const {
    return {dialog.kindLabel()->text(), dialog.minimumLabel()->text(), dialog.recommendedLabel()->text()};
  }
  void MoveTo(int row, int col) {
    QTest::mouseMove(dialog.versionGrid()->viewport(), CellCentre(dialog.versionGrid(), row, col));
  }
  CVersion dialog{Session(), Versions()};
};

TEST_F(VersionDialog, LegendHeadingsAndSizes) {
  EXPECT_EQ(dialog.windowTitle(), "Versies periferie");
  CMSFlexGrid* legend = dialog.legendGrid();
  ASSERT_EQ(legend->GetRows(), 4);
  EXPECT_EQ(CellAt(legend, 0, 0), (Cell{"Versie OK", kGreen, kBlack}));
  EXPECT_EQ(CellAt(legend, 1, 0), (Cell{"Update aanbevolen", kOrange, kBlack}));
  EXPECT_EQ(CellAt(legend, 2, 0), (Cell{"Update vereist!", kRed, kBlack}));
  EXPECT_EQ(CellAt(legend, 3, 0), (Cell{"Ongekende versie", kCyan, kBlack}));
  CMSFlexGrid* grid = dialog.versionGrid();
  ASSERT_EQ(grid->GetRows(), 9);
  ASSERT_EQ(grid->GetCols(), 4);
  EXPECT_EQ(CellAt(grid, 0, 1).text, "Herhaalborden");
  EXPECT_EQ(CellAt(grid, 0, 2).text, "Relaiskaarten");
  EXPECT_EQ(CellAt(grid, 0, 3).text, "Voedingscontr.");
  EXPECT_EQ(CellAt(grid, 8, 0).text, "8");
  for (CMSFlexGrid* g : {legend, grid}) EXPECT_EQ(g->size(), g->CellsSize());
  // No text is cut.
  QFont bold = grid->font();
  bold.setBold(true);
  for (int col = 1; col <= 3; ++col)
    EXPECT_LT(QFontMetrics(bold).horizontalAdvance(CellAt(grid, 0, col).text), grid->columnWidth(col)) << col;
  for (CLabel* label : {dialog.kindLabel(), dialog.minimumLabel(), dialog.recommendedLabel(), dialog.panelLabel()})
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << label->text().toStdString();
}

TEST_F(VersionDialog, TheMouseOverAColumnShowsItsKindsVersions) {
  using Labels = std::vector<QString>;
  EXPECT_EQ(this->Labels(), (Labels{"Herhaalbord", "1.01", "1.01"}));
  MoveTo(3, 2);
  EXPECT_EQ(this->Labels(), (Labels{"Relaiskaart", "1.04", "1.04"}));
  MoveTo(8, 2);
  EXPECT_EQ(this->Labels(), (Labels{"Relaiskaart", "1.04", "1.04"}));
  MoveTo(1, 3);
  EXPECT_EQ(this->Labels(), (Labels{"Voedingscontroller", "1.01", "1.02"}));
  MoveTo(5, 0);
  EXPECT_EQ(this->Labels(), (Labels{"Herhaalbord", "1.01", "1.01"}));
  // The widest kind fits without the window changing size.
  const QSize size = dialog.size();
  MoveTo(2, 3);
  EXPECT_EQ(dialog.size(), size);
}

// The longer French texts widen their columns and labels rather than being cut.
TEST(VersionDialogFrench, WidensWhereATextWouldBeCut) {
  test::ScopedTextLanguage french(TextLanguage::French);
  CVersion dialog(Session(), Versions());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  for (CMSFlexGrid* grid : {dialog.legendGrid(), dialog.versionGrid()}) {
    QFont bold = grid->font();
    bold.setBold(true);
    for (int row = 0; row < grid->GetRows(); ++row) {
      for (int col = 0; col < grid->GetCols(); ++col) {
        const QString text = CellAt(grid, row, col).text;
        EXPECT_LT(QFontMetrics(bold).horizontalAdvance(text), grid->columnWidth(col)) << text.toStdString();
      }
    }
    EXPECT_EQ(grid->size(), grid->CellsSize());
  }
  QTest::mouseMove(dialog.versionGrid()->viewport(), CellCentre(dialog.versionGrid(), 1, 3));
  CLabel* kind = dialog.kindLabel();
  ASSERT_EQ(kind->text(), QString::fromUtf8("Contrôleur d'alimentation"));
  EXPECT_GE(kind->width(), kind->fontMetrics().horizontalAdvance(kind->text()));
  Screenshot(dialog, "periphery_versions_fr.png");
}

} // namespace
} // namespace kx700
