// The report's fonts and what they do to its columns: every font's cell is
// its line height and its weight the one its role has, and with the real
// fonts no text of the fullest report runs into another, on screen or on
// paper, in any language.
#include "report/qt/qt_report_canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>

#include <QPrinter>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/string_format.h"
#include "common/text_tables.h"
#include "model/model_fixtures.h"
#include "report/qt/report_printer.h"
#include "report/report.h"
#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

constexpr FontRole kRoles[] = {FontRole::Body,      FontRole::Bold,   FontRole::Vertical,
                               FontRole::Underline, FontRole::Italic, FontRole::ItalicUnderline,
                               FontRole::Small,     FontRole::Title};

// A screen of 96 dpi and a printer of 1200 dpi, in pixels per 0.1 mm.
constexpr double kScreen = 96 / 254.0;
constexpr double kPrinter = 1200 / 254.0;

TEST(ReportFonts, EachFontHasTheCellHeightAndTheWeightOfItsRole) {
  struct Case {
    FontRole role;
    int screen, paper; // 0.1 mm
    int weight;
  };
  const Case cases[] = {{FontRole::Body, 48, 36, 400},
                        {FontRole::Bold, 48, 36, 700},
                        {FontRole::Italic, 48, 36, 100},
                        {FontRole::Underline, 48, 36, 400},
                        {FontRole::ItalicUnderline, 48, 36, 400},
                        {FontRole::Vertical, 34, 28, 400},
                        {FontRole::Small, 40, 30, 400},
                        {FontRole::Title, 70, 70, 700}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.role));
    EXPECT_EQ(ReportFonts::CellHeight(c.role, false), c.screen);
    EXPECT_EQ(ReportFonts::CellHeight(c.role, true), c.paper);
    EXPECT_EQ(ReportFonts::FontFor(c.role, true, kPrinter).weight(), c.weight);
    EXPECT_EQ(ReportFonts::FontFor(c.role, false, kScreen).weight(), c.weight);
    // Ascent plus descent, to the pixel: on paper 0.02 mm, on screen 0.26 mm.
    const QFontMetricsF paper(ReportFonts::FontFor(c.role, true, kPrinter));
    EXPECT_NEAR(paper.ascent() + paper.descent(), c.paper * kPrinter, 1.0);
    const QFontMetricsF screen(ReportFonts::FontFor(c.role, false, kScreen));
    EXPECT_NEAR(screen.ascent() + screen.descent(), c.screen * kScreen, 1.0);
  }
  // Every text but the title is in the Arial-metric face, narrow on screen.
  for (FontRole role : kRoles) {
    const QFontInfo paper(ReportFonts::FontFor(role, true, kPrinter));
    EXPECT_EQ(paper.family() == QStringLiteral("Liberation Sans"), role != FontRole::Title)
        << paper.family().toStdString();
    const QFontInfo screen(ReportFonts::FontFor(role, false, kScreen));
    EXPECT_EQ(screen.family() == QStringLiteral("Liberation Sans Narrow"), role != FontRole::Title)
        << screen.family().toStdString();
  }
}

// A realistic text cut to a field's width: words of a building and a trade.
std::string Filled(std::size_t width, std::string_view words = "Kantoor Noordvleugel Magazijn Werkplaats Zuidgevel ") {
  std::string text;
  while (text.size() < width) text += words;
  text.resize(width);
  return text;
}

// The fullest report there is: every list full, every field of every record
// filled to its width, every flag that adds a line set.
Configuration FilledToTheBrim() {
  Configuration c = test::MakeFullConfiguration();
  c.loops.clear();
  for (int n = 1; n <= 16; ++n) {
    LoopRecord r = test::MakeLoop(n, Filled(LoopRecord::kNameWidth), (n - 1) % 6);
    r.SetByte(LoopRecord::kActive, n % 4 == 0 ? 0 : 1);
    r.SetByte(LoopRecord::kZenerBarrier, 1);
    r.SetByte(LoopRecord::kLevelU, 100);
    r.SetByte(LoopRecord::kLevelL, 100);
    r.SetByte(LoopRecord::kLevelF, 100);
    r.SetByte(LoopRecord::kLevelS, 100);
    for (std::size_t at : {LoopRecord::kTextU, LoopRecord::kTextL, LoopRecord::kTextF})
      r.SetText(at, LoopRecord::kLevelTextWidth, Filled(LoopRecord::kLevelTextWidth, "BRANDALARM"));
    r.SetByte(LoopRecord::kAlertActive, 1);
    r.SetByte(LoopRecord::kDelayedEvacuation, n % 2);
    r.SetByte(LoopRecord::kInterventionTime, 99);
    r.SetByte(LoopRecord::kDependency, 16);
    r.SetByte(LoopRecord::kLoopControl, 20);
    for (std::size_t pair = 0; pair < LoopRecord::kCompositionPairs; ++pair) {
      r.SetByte(LoopRecord::kComposition + 2 * pair, static_cast<int>(3 + pair % 4)); // the longest names
      r.SetByte(LoopRecord::kComposition + 2 * pair + 1, 99);
    }
    c.loops.push_back(r);
  }
  c.controls.clear();
  for (int n = 1; n <= 20; ++n) {
    ControlRecord r = test::MakeControl(n, Filled(ControlRecord::kNameWidth), n % 4);
    for (std::size_t row = 0; row < ControlRecord::kEventCount; ++row) {
      const std::size_t e = ControlRecord::EventOffset(row);
      r.SetByte(e + ControlEvent::kEventCode, static_cast<int>(1 + (n * 8 + row) % 14));
      r.SetByte(e + ControlEvent::kModuleKind, static_cast<int>(row % 3));
      r.SetByte(e + ControlEvent::kCardAddress, 8);
      r.SetByte(e + ControlEvent::kRelays1to4, 0x0F);
      r.SetByte(e + ControlEvent::kRelays5to8, 0x0F);
    }
    c.controls.push_back(r);
  }
  for (RelayTextRecord& r : c.relayTexts) {
    for (std::size_t k = 0; k < RelayTextRecord::kTextCount; ++k)
      r.SetText(RelayTextRecord::kTexts + RelayTextRecord::kTextWidth * k, RelayTextRecord::kTextWidth,
                Filled(RelayTextRecord::kTextWidth, "Sirene Flitslicht Deurmagneet "));
  }
  using C = CentralRecord;
  C& central = c.central;
  central.SetText(C::kPanelName, C::kPanelNameWidth, Filled(C::kPanelNameWidth));
  central.SetText(C::kProjectName, C::kProjectNameWidth, Filled(C::kProjectNameWidth, "Residentie Zonneheuvel "));
  central.SetText(C::kOperatingCode, C::kCodeWidth, "8888");
  central.SetText(C::kAdvancedCode, C::kCodeWidth, "8888");
  central.SetByte(C::kGeneralControl, 20);
  central.SetByte(C::kAlertControl, 19);
  for (std::size_t slot = 0; slot < C::kSilenceControlSlots; ++slot)
    central.SetByte(C::kSilenceControls + slot, static_cast<int>(13 + slot));
  central.SetByte(C::kMonitoredSirenCircuits, 7);
  central.SetByte(C::kEvacuationReactionTime, 9);
  central.SetByte(C::kDirectEvacuationSwitch, 1);
  central.SetByte(C::kSwitchOverHour, 23);
  central.SetByte(C::kSwitchOverMinute, 59);
  central.SetByte(C::kAdvancedFlags, 0x0E);
  central.SetByte(C::kFirmwareVersion + 2, 88);

  FixedBlocks& b = c.fixedBlocks;
  using P = CustomerBlock;
  b.customer.SetText(P::kCustomer, P::kCustomerWidth, Filled(P::kCustomerWidth));
  b.customer.SetText(P::kAddress, P::kAddressWidth,
                     "Industrieweg 128 bus 14\r\n" + Filled(P::kAddressWidth - 25, "Zwijnaarde Gent Belgie "));
  b.customer.SetText(P::kTelephone, P::kTelephoneWidth, "+32 (0)9 123 45 67 8");
  b.customer.SetText(P::kEmail, P::kEmailWidth,
                     Filled(P::kEmailWidth, "technische.dienst@brandbeveiliging-zuid.example"));
  b.customer.SetText(P::kContact, P::kContactWidth, Filled(P::kContactWidth, "Mevrouw Wilhelmina Vandenberghe"));
  b.customer.SetText(P::kInstaller, P::kInstallerWidth, Filled(P::kInstallerWidth, "Brandbeveiliging Zuid bvba"));
  using I = InstallationBlock;
  b.installation.SetText(I::kTechnician, I::kTechnicianWidth,
                         Filled(I::kTechnicianWidth, "Maximiliaan Vercammen-De Wolf"));
  b.installation.SetByte(I::kCommissioningDay, 28);
  b.installation.SetText(I::kQuiescentCurrent, I::kCurrentWidth, "0,888");
  b.installation.SetText(I::kAlarmCurrent, I::kCurrentWidth, "8,888");
  b.installation.SetText(I::kBattery, I::kBatteryWidth, "2x88Ah");
  b.installation.SetText(I::kProductionNumber, I::kProductionNumberWidth, "888888888");
  for (std::size_t k = 1; k <= 4; ++k) b.accessory.SetByte(k, 99);
  b.accessory.SetByte(AccessoryBlock::kTelephoneDialler, 1);
  for (std::size_t k = 0; k < RepeaterBlock::kPanels; ++k) {
    b.repeater.SetByte(RepeaterBlock::VersionOffset(k), 88);
    b.repeater.SetByte(RepeaterBlock::VersionOffset(k) + 1, 88);
    b.repeater.SetText(RepeaterBlock::LocationOffset(k), RepeaterBlock::kLocationWidth,
                       Filled(RepeaterBlock::kLocationWidth, "Receptie Hoofdingang "));
  }
  b.peripheryVersion.SetByte(PeripheryVersionBlock::kPowerSupplyVersion, 88);
  for (std::size_t k = 0; k < PeripheryVersionBlock::kRelayCards; ++k)
    b.peripheryVersion.SetByte(PeripheryVersionBlock::CardVersionOffset(k), 88);
  b.notes.SetText(
      NotesBlock::kNotes, NotesBlock::kNotesWidth,
      Filled(NotesBlock::kNotesWidth, "Sleutel van de centrale ligt bij de concierge, tel. 0475 12 34 56. "));
  return c;
}

// The box of every text as the real fonts measure it, in 0.1 mm with y
// growing downwards.
struct Box {
  int left, right, top, bottom;
  std::string text;
};

class BoxCanvas final : public ReportCanvas {
public:
  BoxCanvas(bool printing, double scale) : printing_(printing), measure_(printing, scale) {}
  void Text(int x, int y, std::string_view text, FontRole font, ColorRef, TextAlign align) override {
    if (text.empty()) return;
    const int width = measure_.TextWidth(text, font);
    const int left = align == TextAlign::Centre ? x - width / 2 : x;
    boxes.push_back({left, left + width, -y, -y + ReportFonts::CellHeight(font, printing_), std::string(text)});
  }
  void Line(int, int, int, int, ColorRef, int) override {}
  int TextWidth(std::string_view text, FontRole font) const override { return measure_.TextWidth(text, font); }

  std::vector<Box> boxes;

private:
  const bool printing_;
  QtMeasuringCanvas measure_;
};

std::string Where(const Box& b) {
  return StringPrintf("\"%s\" [%d..%d] at %d", b.text.c_str(), b.left, b.right, b.top);
}

// No text runs into another on its line, within a column or across into the
// next, and nothing passes the paper's edge (A4: 210 mm).
TEST(ReportLayout, NoTextRunsIntoAnotherOnScreenOrOnPaper) {
  const Configuration c = FilledToTheBrim();
  for (TextLanguage language : {TextLanguage::Dutch, TextLanguage::French, TextLanguage::English}) {
    test::ScopedTextLanguage active(language);
    for (bool printing : {false, true}) {
      SCOPED_TRACE(StringPrintf("language %d, %s", static_cast<int>(language), printing ? "paper" : "screen"));
      BoxCanvas canvas(printing, printing ? kPrinter : kScreen);
      const ReportContext context{printing, 297, {2026, 12, 28, 9, 0, 0, 1}, MakePrintTitle(c.central)};
      DrawReport(c, c.version, context, canvas);
      const std::vector<Box>& boxes = canvas.boxes;
      ASSERT_GT(boxes.size(), 1000u);
      int overlaps = 0;
      for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Box& a = boxes[i];
        EXPECT_LE(a.right, 2100) << Where(a);
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
          const Box& b = boxes[j];
          if (a.top >= b.bottom || b.top >= a.bottom) continue;
          if (a.right + 5 <= b.left || b.right + 5 <= a.left) continue; // half a millimetre apart at least
          if (++overlaps <= 10) ADD_FAILURE() << Where(a) << " runs into " << Where(b);
        }
      }
      EXPECT_EQ(overlaps, 0);
    }
  }
  if (const char* shots = std::getenv("KX700_SCREENSHOTS")) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(shots) + "/report_filled.pdf");
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    PrintReport(printer, {c, c.version, {2026, 12, 28, 9, 0, 0, 1}});
  }
}

} // namespace
} // namespace kx700
