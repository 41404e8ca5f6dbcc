// The configuration report drawn on a recording canvas: where every section
// puts its texts and rules on the screen and on paper, the line feed and page
// skip rules, and what the report makes of odd or damaged records.
#include "report/report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/model_fixtures.h"
#include "support/recording_canvas.h"
#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

using test::CanvasCall;
using test::MakeControl;
using test::MakeFullConfiguration;
using test::RecordingCanvas;
using test::ScopedTextLanguage;
using testing::Contains;
using testing::ElementsAre;
using testing::ElementsAreArray;
using C = CentralRecord;
using L = LoopRecord;
using Kind = CanvasCall::Kind;

// A drawn text: where and what.
struct At {
  int x = 0;
  int y = 0;
  std::string text;
  bool operator==(const At&) const = default;
};
std::ostream& operator<<(std::ostream& os, const At& a) {
  return os << '(' << a.x << ", " << a.y << ", \"" << a.text << "\")";
}

// A drawn line: from (x1, y1) to (x2, y2).
struct Stroke {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  bool operator==(const Stroke&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Stroke& s) {
  return os << '(' << s.x1 << ", " << s.y1 << ")-(" << s.x2 << ", " << s.y2 << ')';
}
Stroke Rule(int x1, int x2, int y) { return {x1, y, x2, y}; }

struct Drawn {
  RecordingCanvas canvas;
  ReportExtent extent;
};

Drawn Draw(const Configuration& c, const ReportContext& context = {}, const VersionTriple& version = kProgramVersion) {
  Drawn d;
  d.extent = DrawReport(c, version, context, d.canvas);
  return d;
}

ReportContext Printing() {
  ReportContext context;
  context.printing = true;
  context.pageHeightMm = 277;
  context.today = {2026, 3, 7};
  context.printTitle = "Project X - Centrale";
  return context;
}

std::vector<At> Texts(const std::vector<CanvasCall>& calls) {
  std::vector<At> out;
  for (const auto& c : calls)
    if (c.kind == Kind::Text) out.push_back({c.x, c.y, c.text});
  return out;
}
std::vector<std::string> Strings(const std::vector<CanvasCall>& calls) {
  std::vector<std::string> out;
  for (const auto& c : calls)
    if (c.kind == Kind::Text) out.push_back(c.text);
  return out;
}
std::vector<std::string> StringsAt(const std::vector<CanvasCall>& calls, int x) {
  std::vector<std::string> out;
  for (const auto& c : calls)
    if (c.kind == Kind::Text && c.x == x) out.push_back(c.text);
  return out;
}
std::vector<Stroke> Strokes(const std::vector<CanvasCall>& calls) {
  std::vector<Stroke> out;
  for (const auto& c : calls)
    if (c.kind == Kind::Line) out.push_back({c.x, c.y, c.x2, c.y2});
  return out;
}

// The font of the first text drawn as `text`.
FontRole FontOf(const std::vector<CanvasCall>& calls, std::string_view text) {
  for (const auto& c : calls)
    if (c.kind == Kind::Text && c.text == text) return c.font;
  ADD_FAILURE() << "no text " << text;
  return FontRole::Title;
}

bool IsHeading(const CanvasCall& c) { return c.kind == Kind::Text && c.font == FontRole::Title; }

// The calls under a section heading, up to the next heading; none without it.
std::vector<CanvasCall> Section(const Drawn& d, std::string_view heading) {
  const auto& calls = d.canvas.calls;
  auto it = calls.begin();
  while (it != calls.end() && !(IsHeading(*it) && it->text == heading)) ++it;
  if (it == calls.end()) return {};
  const auto begin = ++it;
  while (it != calls.end() && !IsHeading(*it)) ++it;
  return {begin, it};
}

int HeadingY(const Drawn& d, std::string_view heading) {
  for (const auto& c : d.canvas.calls)
    if (IsHeading(c) && c.text == heading) return c.y;
  ADD_FAILURE() << "no heading " << heading;
  return 0;
}

// An active loop with its levels and level texts and nothing else.
LoopRecord PlainLoop(int number, const std::string& name, int kind) {
  LoopRecord r;
  r.SetByte(L::kActive, 1);
  r.SetByte(L::kNumber, number);
  r.SetText(L::kName, L::kNameWidth, name);
  r.SetByte(L::kDetectionKind, kind);
  r.SetByte(L::kLevelS, 60);
  r.SetByte(L::kLevelU, 25);
  r.SetText(L::kTextU, L::kLevelTextWidth, "ALARM");
  r.SetByte(L::kLevelL, 12);
  r.SetText(L::kTextL, L::kLevelTextWidth, "VOORALARM");
  r.SetByte(L::kLevelF, 4);
  r.SetText(L::kTextF, L::kLevelTextWidth, "FOUT");
  return r;
}

void SetComposition(LoopRecord& r, const std::vector<std::pair<int, int>>& pairs) {
  std::size_t at = L::kComposition;
  for (const auto& [detector, count] : pairs) {
    r.SetByte(at++, detector);
    r.SetByte(at++, count);
  }
}

// Every field in use: a pre-alarm loop with a zener barrier, delayed
// evacuation, loop control 2, a dependency, and a composition whose second
// pair counts nothing and whose third names no detector.
LoopRecord FullLoop() {
  LoopRecord r = PlainLoop(3, "Hal", 1);
  r.SetByte(L::kZenerBarrier, 1);
  r.SetByte(L::kAlertActive, 1);
  r.SetByte(L::kDelayedEvacuation, 1);
  r.SetByte(L::kInterventionTime, 1);
  r.SetByte(L::kLoopControl, 2);
  r.SetByte(L::kDependency, 5);
  SetComposition(r, {{1, 12}, {3, 0}, {7, 5}, {5, 2}});
  return r;
}

Configuration WithLoops(std::initializer_list<LoopRecord> loops) {
  Configuration c;
  c.loops = loops;
  c.controls.push_back(MakeControl(2, "Naam", 0));
  return c;
}

// --- Frame, feeds and pages -------------------------------------------------

TEST(ReportFrame, AConfigurationWithoutDataShowsTheTitleOnly) {
  // Names, a firmware version and a commissioning date alone are no data.
  Configuration c;
  c.central.SetText(C::kPanelName, C::kPanelNameWidth, "Centrale");
  c.central.SetByte(C::kFirmwareVersion, 1);
  c.fixedBlocks.installation.SetByte(InstallationBlock::kCommissioningDay, 9);

  const Drawn d = Draw(c);
  EXPECT_THAT(d.canvas.calls, ElementsAre(CanvasCall{Kind::Text, 920, -30, 0, 0, "PARAMETERS", FontRole::Title, kBlack,
                                                     TextAlign::Centre, 0}));
  EXPECT_EQ(d.extent.width, kReportWidth);
  EXPECT_EQ(d.extent.height, 200);
}

TEST(ReportFrame, APrintedReportOpensWithThePageHeader) {
  const Drawn d = Draw(Configuration{}, Printing());
  EXPECT_THAT(
      d.canvas.calls,
      ElementsAre(
          CanvasCall{Kind::Text, 920, -60, 0, 0, "PARAMETERS", FontRole::Title, kBlack, TextAlign::Centre, 0},
          CanvasCall{Kind::Text, 90, -160, 0, 0, "Project X - Centrale", FontRole::Title, kBlack, TextAlign::Left, 0},
          CanvasCall{Kind::Text, 90, -240, 0, 0, "Brandmeldcentrale KX700", FontRole::Body, kBlack, TextAlign::Left, 0},
          CanvasCall{Kind::Text, 90, -290, 0, 0, "07 maart 26", FontRole::Body, kBlack, TextAlign::Left, 0},
          CanvasCall{Kind::Line, 90, -340, 1900, -340, {}, FontRole::Body, kBlack, TextAlign::Left, 5}));
  EXPECT_EQ(d.extent.height, 470);
}

TEST(ReportFrame, PrintingMovesLinesOffPageEndsAndDrawsTheSameTexts) {
  const Configuration c = MakeFullConfiguration();
  const Drawn screen = Draw(c);
  const Drawn paper = Draw(c, Printing());

  // The same texts, with the page header after the title.
  std::vector<std::string> expected = Strings(screen.canvas.calls);
  expected.insert(expected.begin() + 1, {"Project X - Centrale", "Brandmeldcentrale KX700", "07 maart 26"});
  EXPECT_EQ(Strings(paper.canvas.calls), expected);

  const int pages = ReportPageCount(paper.extent.height, 277);
  EXPECT_GT(pages, 2);
  for (const auto& call : paper.canvas.calls) {
    const int mm = -call.y / 10;
    EXPECT_GE(277 - mm % 277, 12) << call;
    EXPECT_LT(mm / 277, pages) << call;
  }
  // Pages are counted on the measuring canvas.
  MeasuringCanvas measuring;
  EXPECT_EQ(DrawReport(c, kProgramVersion, Printing(), measuring).height, paper.extent.height);
}

TEST(ReportLineFeed, SkipsToTheNextPageOnlyWhenPrinting) {
  struct Case {
    int y, dy;
    bool printing;
    int pageHeightMm, needMm;
    int expected;
  };
  const Case cases[] = {
      {-2690, 36, false, 277, 0, -2726},  // the screen is one page
      {-2690, 36, true, 277, 0, -2876},   // 5 mm left: 10 * 5 + 100 further
      {-2690, 36, true, 280, 0, -2906},   // 8 mm left on a 280 mm page
      {0, 2650, true, 277, 0, -2650},     // 12 mm left is enough
      {0, 2660, true, 277, 0, -2870},     // 11 mm left is not
      {-5400, 30, true, 277, 0, -5640},   // the same at the end of page 2
      {-2700, 70, true, 277, 0, -2770},   // exactly on the page end: a new page
      {-2400, 90, true, 277, 20, -2490},  // 28 mm left, 20 needed
      {-2400, 100, true, 277, 20, -2870}, // 27 mm left, 20 needed
      {-2600, 60, true, 277, 2, -2660},   // what is needed replaces the 12 mm
      {-2690, 36, true, 0, 0, -2726},     // no page height: no page ends
  };
  for (const auto& k : cases) {
    EXPECT_EQ(ReportLineFeed(k.y, k.dy, k.printing, k.pageHeightMm, k.needMm), k.expected)
        << k.y << " - " << k.dy << " need " << k.needMm;
  }
}

TEST(ReportPageCount, CountsStartedPagesInWholeMillimetres) {
  struct Case {
    int height, pageHeightMm, expected;
  };
  const Case cases[] = {
      {2770, 277, 1}, // a whole page
      {5540, 277, 2}, // two whole pages
      {2779, 277, 1}, // tenths of a mm are dropped
      {2780, 277, 2}, // one mm more starts a page
      {10, 277, 1},   // 1 mm starts a page
      {9, 277, 0},    // under 1 mm rounds down to nothing
      {0, 277, 0},    // nothing drawn
      {2770, 0, 0},   // no page height: nothing to print on
      {2770, -5, 0},  // nor on a negative one
  };
  for (const auto& k : cases)
    EXPECT_EQ(ReportPageCount(k.height, k.pageHeightMm), k.expected) << k.height << " on " << k.pageHeightMm;
}

TEST(ReportPrintTitle, ProjectThenPanel) {
  struct Case {
    const char* project;
    const char* panel;
    const char* expected;
  };
  const Case cases[] = {
      {"Project X", "Centrale", "Project X - Centrale"},
      {"", "Centrale", "Centrale"},
      {"Project X", "", "Project X - "},
  };
  for (const auto& k : cases) {
    CentralRecord r;
    r.SetText(C::kProjectName, C::kProjectNameWidth, k.project);
    r.SetText(C::kPanelName, C::kPanelNameWidth, k.panel);
    EXPECT_EQ(MakePrintTitle(r), k.expected);
  }
}

// --- Loops ---------------------------------------------------------------------

TEST(ReportLoops, AFullLoopPlacesEveryField) {
  struct Placed {
    int x, screenY, paperY;
    const char* text;
  };
  const Placed placed[] = {
      {100, -190, -460, "3. Hal"},
      {120, -242, -500, "Detectie"},
      {130, -310, -556, "Vooralarm"},
      {150, -358, -592, "Kortsluiting"},
      {435, -358, -592, "6.0 V"},
      {150, -398, -622, "Alarm"},
      {435, -398, -622, "2.5 V"},
      {587, -398, -622, "ALARM"},
      {150, -438, -652, "Vooralarm"},
      {435, -438, -652, "1.2 V"},
      {587, -438, -652, "VOORALARM"},
      {150, -478, -682, "Fout"},
      {435, -478, -682, "0.4 V"},
      {587, -478, -682, "FOUT"},
      {130, -526, -718, "Met zenerbarrier"},
      {970, -242, -500, "Waarschuwing-Evacuatie"},
      {980, -310, -556, "Actief"},
      {1000, -358, -592, "Vertraagde evac. toegestaan: JA"},
      {1000, -398, -622, "Interventietijd: 1 minuut"},
      {120, -584, -764, "Overige"},
      {130, -652, -820, "Lussturing: 2 Naam"},
      {130, -700, -856, "Lusafhankelijkheid: 5"},
      {970, -584, -764, "Samenstelling"},
      {980, -652, -820, "12 x Optisch"},
      {980, -700, -856, " 2 x Handbrandmelder"},
  };
  // The label rules of the four blocks, and the next heading below the lower column.
  struct Ruled {
    int x1, x2, screenY, paperY;
  };
  const Ruled rules[] = {
      {120, 930, -290, -536}, {970, 1900, -290, -536}, {120, 930, -632, -800}, {970, 1900, -632, -800}};
  const int nextHeading[] = {-828, -972};

  const Configuration c = WithLoops({FullLoop()});
  for (const bool printing : {false, true}) {
    SCOPED_TRACE(printing ? "printing" : "screen");
    const Drawn d = Draw(c, printing ? Printing() : ReportContext{});
    const auto section = Section(d, "LUSSEN");
    std::vector<At> texts;
    for (const auto& p : placed) texts.push_back({p.x, printing ? p.paperY : p.screenY, p.text});
    std::vector<Stroke> strokes;
    for (const auto& r : rules) strokes.push_back(Rule(r.x1, r.x2, printing ? r.paperY : r.screenY));
    EXPECT_THAT(Texts(section), ElementsAreArray(texts));
    EXPECT_THAT(Strokes(section), ElementsAreArray(strokes));
    EXPECT_EQ(HeadingY(d, "ALGEMEEN"), nextHeading[printing ? 1 : 0]);
    EXPECT_EQ(FontOf(section, "3. Hal"), FontRole::Bold);
    EXPECT_EQ(FontOf(section, "Vooralarm"), FontRole::Body); // the kind
    EXPECT_EQ(FontOf(section, "Kortsluiting"), FontRole::Small);
    EXPECT_EQ(FontOf(section, "Interventietijd: 1 minuut"), FontRole::Small);
  }

  LoopRecord unknownControl = FullLoop();
  unknownControl.SetByte(L::kLoopControl, 9);
  EXPECT_THAT(Strings(Section(Draw(WithLoops({unknownControl})), "LUSSEN")), Contains("Lussturing: 9"));
}

TEST(ReportLoops, TheLowerColumnDecidesWhereTheLoopEnds) {
  struct Case {
    int dependency, control;
    std::vector<std::pair<int, int>> composition;
    int nextHeadingY;
  };
  const Case cases[] = {
      {5, 0, {{1, 1}, {2, 1}, {3, 1}}, -788}, // composition longer
      {5, 2, {{1, 1}}, -740},                 // "Overige" longer
      {0, 0, {{1, 1}}, -692},                 // composition alone
      {0, 0, {{1, 0}}, -566},                 // neither
  };
  for (const auto& k : cases) {
    LoopRecord loop = PlainLoop(1, "L", 0);
    loop.SetByte(L::kDependency, k.dependency);
    loop.SetByte(L::kLoopControl, k.control);
    SetComposition(loop, k.composition);
    EXPECT_EQ(HeadingY(Draw(WithLoops({loop})), "ALGEMEEN"), k.nextHeadingY)
        << k.dependency << ' ' << k.control << ' ' << k.composition.size();
  }
}

TEST(ReportLoops, TheEvacuationColumnFollowsItsFields) {
  struct Case {
    int alert, delayed, minutes;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {1, 1, 1, {"Actief", "Vertraagde evac. toegestaan: JA", "Interventietijd: 1 minuut"}},
      {1, 1, 3, {"Actief", "Vertraagde evac. toegestaan: JA", "Interventietijd: 3 minuten"}},
      {1, 1, 0, {"Actief", "Vertraagde evac. toegestaan: JA", "Interventietijd: 0 minuten"}},
      {1, 0, 1, {"Actief", "Vertraagde evac. toegestaan: NEE"}},
      {0, 1, 1, {"Inactief"}},
  };
  for (const auto& k : cases) {
    LoopRecord loop = PlainLoop(1, "L", 0);
    loop.SetByte(L::kAlertActive, k.alert);
    loop.SetByte(L::kDelayedEvacuation, k.delayed);
    loop.SetByte(L::kInterventionTime, k.minutes);
    const auto section = Section(Draw(WithLoops({loop})), "LUSSEN");
    std::vector<std::string> column = StringsAt(section, 980);
    for (auto& s : StringsAt(section, 1000)) column.push_back(s);
    EXPECT_EQ(column, k.expected) << k.alert << k.delayed << k.minutes;
  }
}

TEST(ReportLoops, TheKindChoosesTheLevelLinesAndTheEvacuationColumn) {
  struct Case {
    int kind;
    const char* kindText;
    std::vector<std::string> labels;
    bool evacuationColumn;
  };
  const Case cases[] = {
      {0, "Standaard", {"Kortsluiting", "Alarm", "Fout"}, true},
      {1, "Vooralarm", {"Kortsluiting", "Alarm", "Vooralarm", "Fout"}, true},
      {2, "Meervoudig alarm", {"Kortsluiting", "Meervoudig alarm", "Alarm", "Fout"}, true},
      {3, "Evacuatie", {"Kortsluiting", "Alarm", "Fout"}, false},
      {4, "Technische melding", {"Kortsluiting", "Alarm", "Fout"}, true},
      {5, "Gas", {"Kortsluiting", "Alarm", "Fout"}, true},
      {9, "", {"Kortsluiting", "Alarm", "Fout"}, true},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.kind);
    const auto section = Section(Draw(WithLoops({PlainLoop(1, "L", k.kind)})), "LUSSEN");
    EXPECT_THAT(StringsAt(section, 130), ElementsAre(k.kindText));
    EXPECT_EQ(StringsAt(section, 150), k.labels);
    EXPECT_EQ(!StringsAt(section, 970).empty(), k.evacuationColumn);
  }
  // Kind 2 shows the lower level with its own text on the "Alarm" line.
  const auto multiple = Texts(Section(Draw(WithLoops({PlainLoop(1, "L", 2)})), "LUSSEN"));
  EXPECT_THAT(multiple, Contains(At{150, -438, "Alarm"}));
  EXPECT_THAT(multiple, Contains(At{587, -438, "VOORALARM"}));
}

TEST(ReportLoops, LevelsAreSignedTenthsOfAVoltWithAPoint) {
  const std::pair<int, const char*> cases[] = {{60, "6.0 V"},     {0, "0.0 V"},     {0x7F, "12.7 V"},
                                               {0x80, "-12.8 V"}, {0xFB, "-0.5 V"}, {0xF6, "-1.0 V"}};
  for (const auto& [byte, expected] : cases) {
    LoopRecord loop = PlainLoop(1, "L", 0);
    loop.SetByte(L::kLevelS, byte);
    const auto volts = StringsAt(Section(Draw(WithLoops({loop})), "LUSSEN"), 435);
    ASSERT_FALSE(volts.empty());
    EXPECT_EQ(volts.front(), expected) << byte;
  }
}

TEST(ReportLoops, AnInactiveLoopIsDrawnInItsOwnColour) {
  LoopRecord first = FullLoop();
  first.SetByte(L::kActive, 0);
  LoopRecord last = PlainLoop(5, "Trap", 0);
  last.SetByte(L::kActive, 0);
  const Drawn d = Draw(WithLoops({first, PlainLoop(4, "Gang", 0), last}));

  // Each loop starts 40 below the end of the one before.
  struct Start {
    const char* title;
    int y;
    ColorRef colour;
  };
  const Start starts[] = {
      {"3. Hal", -190, kInactiveLoopColour}, {"4. Gang", -788, kBlack}, {"5. Trap", -1124, kInactiveLoopColour}};
  const Start* loop = nullptr;
  for (const auto& call : Section(d, "LUSSEN")) {
    for (const Start& s : starts) {
      if (call.kind == Kind::Text && call.text == s.title) {
        loop = &s;
        EXPECT_EQ(call.y, s.y) << s.title;
      }
    }
    ASSERT_NE(loop, nullptr) << call;
    EXPECT_EQ(call.colour, loop->colour) << call;
    if (call.kind == Kind::Line) {
      EXPECT_EQ(call.width, 0) << call;
    }
  }
  EXPECT_EQ(loop, &starts[2]);
  // Everything outside the loops is black.
  EXPECT_EQ(d.canvas.calls.front().colour, kBlack);
  const auto general = Section(d, "ALGEMEEN");
  ASSERT_FALSE(general.empty());
  for (const auto& call : general) EXPECT_EQ(call.colour, kBlack) << call;
}

// --- General -------------------------------------------------------------------

Configuration WithTwoControls() {
  Configuration c;
  c.controls.push_back(MakeControl(3, "Stilte A", 3));
  c.controls.push_back(MakeControl(4, "Alg", 1));
  return c;
}

TEST(ReportGeneral, LinesNameTheControlsAndFieldsTheyShow) {
  Configuration c = WithTwoControls();
  C& r = c.central;
  r.SetText(C::kPanelName, C::kPanelNameWidth, "Centrale");
  r.SetText(C::kProjectName, C::kProjectNameWidth, "Project X");
  r.SetByte(C::kRepeaterPanels, 2);
  r.SetByte(C::kRelayCards, 3);
  r.SetByte(C::kGeneralControl, 4);
  for (std::size_t slot = 0; const int n : {3, 6, 0, 7}) r.SetByte(C::kSilenceControls + slot++, n);
  r.SetByte(C::kAlertControl, 9);
  r.SetByte(C::kMonitoredSirenCircuits, 5);
  r.SetByte(C::kDirectEvacuationSwitch, 1);
  r.SetByte(C::kSwitchOverHour, 8);
  r.SetByte(C::kSwitchOverMinute, 5);
  r.SetByte(C::kEvacuationReactionTime, 1);

  const Drawn d = Draw(c);
  const int h = HeadingY(d, "ALGEMEEN");
  const auto section = Section(d, "ALGEMEEN");
  // The silence controls stand after their label as the canvas measures it.
  const int silenceX = 126 + 10 * 15;
  EXPECT_THAT(Texts(section), ElementsAreArray(std::vector<At>{
                                  {100, h - 80, "Identificatie"},
                                  {120, h - 128, "Centrale: Centrale"},
                                  {120, h - 176, "project: Project X"},
                                  {100, h - 234, "Periferie"},
                                  {120, h - 282, "Herhaalborden: 2"},
                                  {120, h - 330, "Relaiskaarten: 3"},
                                  {100, h - 388, "Sturingen"},
                                  {120, h - 436, "Algemene sturing: 4 Alg"},
                                  {120, h - 484, "Stiltesturing: "},
                                  {silenceX, h - 484, "3 Stilte A"},
                                  {silenceX, h - 532, "6"},
                                  {120, h - 580, "Waarsch.- evacuatie: 9"},
                                  {970, h - 436, "Beveiligde sirenekringen"},
                                  {990, h - 504, "Relais 1: Actief"},
                                  {990, h - 544, "Relais 2: Inactief"},
                                  {990, h - 584, "Relais 3: Actief"},
                                  {100, h - 638, "Overige"},
                                  {120, h - 686, "Code bediening: 9738"},
                                  {120, h - 734, "Code geavanceerd: 9871"},
                                  {120, h - 782, "Evacuatie reactietijd: 1 minuut"},
                                  {120, h - 830, "Omschakeltijd evacuatie direct: 8.05 uur"},
                                  {120, h - 878, "Backbeep: NEE"},
                                  {120, h - 926, "Omschakeling zomer/wintertijd: NEE"},
                                  {100, h - 984, "Geavanceerd"},
                                  {120, h - 1032, "Evacuatie vertraagd: Schakelt 'Direct en vertraagd'."},
                                  {120, h - 1080, "START-STOP sirenes: Enkel waarschuwing"},
                                  {120, h - 1128, "Evacuatie bekrachtigt 'Algemeen alarm': NEE"},
                                  {120, h - 1176, "Reset 'storingen' automatisch: JA"},
                              }));
  EXPECT_THAT(Strokes(section), ElementsAre(Rule(970, 1900, h - 484)));
  EXPECT_EQ(HeadingY(d, "STURINGEN"), h - 1344);
}

TEST(ReportGeneral, OverigeStartsBelowTheLowerColumn) {
  struct Case {
    std::vector<int> silence;
    std::vector<std::string> listed;
    int overigeBelowHeading;
  };
  const Case cases[] = {
      {{3, 0, 7}, {"3 Stilte A"}, 634},               // the sirens column is longer
      {{3, 4, 5}, {"3 Stilte A", "4 Alg", "5"}, 686}, // the controls column is longer
      {{0, 3}, {}, 634},                              // no silence control: "Geen"
  };
  for (const auto& k : cases) {
    Configuration c = WithTwoControls();
    for (std::size_t slot = 0; slot < k.silence.size(); ++slot)
      c.central.SetByte(C::kSilenceControls + slot, k.silence[slot]);
    const Drawn d = Draw(c);
    const auto section = Section(d, "ALGEMEEN");
    SCOPED_TRACE(k.silence.front());
    EXPECT_EQ(StringsAt(section, 126 + 10 * 15), k.listed);
    const auto left = StringsAt(section, 120);
    EXPECT_EQ(std::count(left.begin(), left.end(), "Stiltesturing: Geen"), k.listed.empty() ? 1 : 0);
    EXPECT_THAT(Texts(section), Contains(At{100, HeadingY(d, "ALGEMEEN") - k.overigeBelowHeading, "Overige"}));
  }
}

TEST(ReportGeneral, TheAdvancedLinesFollowTheVersion) {
  const std::vector<std::string> base = {"Overige", "Code bediening: 9738"};
  const std::vector<std::string> rest = {"Evacuatie reactietijd: 2 minuten",
                                         "Omschakeltijd evacuatie direct: NIET ACTIEF", "Backbeep: NEE",
                                         "Omschakeling zomer/wintertijd: NEE"};
  const std::string code = "Code geavanceerd: 9871";
  struct Case {
    VersionTriple version;
    int flags;
    bool advancedCode;
    std::vector<std::string> block;
  };
  const Case cases[] = {
      {{1, 0, 0}, 0x3F, false, {}},
      {{1, 1, 1},
       0x21,
       true,
       {"Geavanceerd", "Evacuatie bekrachtigt 'Algemeen alarm': JA", "Reset 'storingen' automatisch: NEE"}},
      {{1, 2, 2},
       0x00,
       true,
       {"Geavanceerd", "Evacuatie vertraagd: Schakelt 'Direct en vertraagd'.", "START-STOP sirenes: Enkel waarschuwing",
        "Evacuatie bekrachtigt 'Algemeen alarm': NEE", "Reset 'storingen' automatisch: JA"}},
      {{1, 2, 2},
       0x04,
       true,
       {"Geavanceerd", "Evacuatie vertraagd: Schakelt 'Direct en vertraagd'.", "START-STOP sirenes: Enkel waarschuwing",
        "UIT DIENST sirenes: Evacuatie - Sirenes", "Evacuatie bekrachtigt 'Algemeen alarm': NEE",
        "Reset 'storingen' automatisch: JA"}},
      {{1, 2, 2},
       0x08,
       true,
       {"Geavanceerd", "Evacuatie vertraagd: Schakelt 'Direct en vertraagd'.", "START-STOP sirenes: Enkel waarschuwing",
        "UIT DIENST sirenes: Evacuatie - Reset en Stilte", "Evacuatie bekrachtigt 'Algemeen alarm': NEE",
        "Reset 'storingen' automatisch: JA"}},
      {{1, 2, 2},
       0x3E,
       true,
       {"Geavanceerd", "Evacuatie vertraagd: Schakelt enkel 'vertraagd'.",
        "START-STOP sirenes: Waarschuwing en evacuatie",
        "UIT DIENST sirenes: Evacuatie - Sirenes + Evacuatie - Reset en Stilte",
        "Evacuatie bekrachtigt 'Algemeen alarm': NEE", "Reset 'storingen' automatisch: NEE"}},
  };
  for (const auto& k : cases) {
    Configuration c = WithTwoControls();
    c.central.SetByte(C::kAdvancedFlags, k.flags);
    const auto all = Strings(Section(Draw(c, {}, k.version), "ALGEMEEN"));
    const std::vector<std::string> shown(std::find(all.begin(), all.end(), "Overige"), all.end());
    std::vector<std::string> expected = base;
    if (k.advancedCode) expected.push_back(code);
    expected.insert(expected.end(), rest.begin(), rest.end());
    expected.insert(expected.end(), k.block.begin(), k.block.end());
    EXPECT_EQ(shown, expected) << k.version.major << '.' << k.version.minor << " flags " << k.flags;
  }
}

// --- Controls and actions ----------------------------------------------------

TEST(ReportControls, ARowShowsItsEventModuleAddressAndRelays) {
  ControlRecord r = MakeControl(4, "Sirenes", 0);
  const auto row = [&r](std::size_t k, int code, int module, int card, int relays1to4, int relays5to8) {
    const std::size_t e = ControlRecord::EventOffset(k);
    r.SetByte(e + ControlEvent::kEventCode, code);
    r.SetByte(e + ControlEvent::kModuleKind, module);
    r.SetByte(e + ControlEvent::kCardAddress, card);
    r.SetByte(e + ControlEvent::kRelays1to4, relays1to4);
    r.SetByte(e + ControlEvent::kRelays5to8, relays5to8);
  };
  row(0, 0, 2, 3, 0x0F, 0x0F); // no event: no line
  row(1, 5, 2, 3, 0x01, 0x08);
  row(2, 1, 0, 7, 0x0F, 0x0F); // the base relays have no address
  row(3, 15, 1, 1, 0x0F, 0x0F);
  row(4, 14, 1, 2, 0x02, 0x00);
  Configuration c;
  c.controls.push_back(r);

  const Drawn d = Draw(c);
  const int h = HeadingY(d, "STURINGEN");
  const auto section = Section(d, "STURINGEN");
  const auto cells = [](int y, std::initializer_list<const char*> texts) {
    std::vector<At> out;
    int x = 1454;
    for (const char* t : texts) {
      out.push_back({x, y, t});
      x += 60;
    }
    return out;
  };
  std::vector<At> expected = {
      {100, h - 80, "4. Sirenes  -  Lussturing"},
      {120, h - 132, "Nr."},
      {200, h - 132, "Gebeurtenis"},
      {675, h - 132, "Module"},
      {1169, h - 132, "Adres"},
      {1454, h - 132, "Relais"},
      {200, h - 200, "Alarm"},
      {120, h - 200, "2."},
      {1169, h - 200, "3"},
      {675, h - 200, "Relaiskaart 9-16"},
  };
  for (const At& a : cells(h - 200, {"9", ".", ".", ".", ".", ".", ".", "16"})) expected.push_back(a);
  for (const At& a : std::vector<At>{{200, h - 248, "Stilte"}, {120, h - 248, "3."}, {675, h - 248, "Basisrelais"}})
    expected.push_back(a);
  for (const At& a : cells(h - 248, {"1", "2", "3", "4", "5", "6", "7", "8"})) expected.push_back(a);
  for (const At& a : std::vector<At>{{200, h - 296, "Evacuatie - Sirenes"},
                                     {120, h - 296, "5."},
                                     {1169, h - 296, "2"},
                                     {675, h - 296, "Relaiskaart 1-8"}})
    expected.push_back(a);
  for (const At& a : cells(h - 296, {".", "2", ".", ".", ".", ".", ".", "."})) expected.push_back(a);

  EXPECT_THAT(Texts(section), ElementsAreArray(expected));
  EXPECT_THAT(Strokes(section), ElementsAre(Rule(120, 1930, h - 180)));
  // The address heading is centred over its column, the addresses are not.
  for (const auto& call : section) {
    if (call.x == 1169) {
      EXPECT_EQ(call.align, call.text == "Adres" ? TextAlign::Centre : TextAlign::Left) << call;
    }
  }
  // Nothing follows: no actions, no dossier.
  EXPECT_EQ(d.extent.height, 474 - h);
}

TEST(ReportControls, TitlesNameTheControlType) {
  Configuration c;
  const int types[] = {0, 1, 2, 3, 7};
  for (int n = 1; n <= 5; ++n) c.controls.push_back(MakeControl(n, "S", types[n - 1]));
  const Drawn d = Draw(c);
  std::vector<At> titles;
  for (const auto& call : Section(d, "STURINGEN"))
    if (call.font == FontRole::Bold) titles.push_back({call.x, call.y, call.text});
  // One row each: title, header, rule and row, then 60 to the next control.
  const int h = HeadingY(d, "STURINGEN");
  EXPECT_THAT(titles, ElementsAre(At{100, h - 80, "1. S  -  Lussturing"}, At{100, h - 308, "2. S  -  Algemene sturing"},
                                  At{100, h - 536, "3. S  -  Waarsch.- evacuatie"},
                                  At{100, h - 764, "4. S  -  Stiltesturing"}, At{100, h - 992, "5. S  -  "}));
}

TEST(ReportActions, TitlesAndNumberedOutputTexts) {
  using A = RelayTextRecord;
  const auto record = [](int kind, int card, std::initializer_list<std::pair<std::size_t, const char*>> texts) {
    A r;
    r.SetByte(A::kModuleKind, kind);
    r.SetByte(A::kCardAddress, card);
    for (const auto& [output, text] : texts) r.SetText(A::kTexts + A::kTextWidth * output, A::kTextWidth, text);
    return r;
  };
  Configuration c;
  // The first text fills its field: it runs straight into the second.
  c.relayTexts.push_back(record(0, 0, {{0, "ABCDEFGHIJKLMNOPQR"}, {1, "Tweede"}, {3, "Vierde"}}));
  c.relayTexts.push_back(record(1, 2, {}));
  c.relayTexts.push_back(record(2, 5, {{0, "Sirene"}, {7, "Flits"}}));

  const Drawn d = Draw(c);
  const int h = HeadingY(d, "ACTIES");
  EXPECT_THAT(Texts(Section(d, "ACTIES")), ElementsAreArray(std::vector<At>{
                                               {100, h - 80, "Basisrelais"},
                                               {120, h - 132, "1."},
                                               {180, h - 132, "ABCDEFGHIJKLMNOPQR"},
                                               {120, h - 180, "2."},
                                               {180, h - 180, "Tweede"},
                                               {120, h - 228, "4."},
                                               {180, h - 228, "Vierde"},
                                               {100, h - 336, "Relaiskaart 1-8 - Adres 2"},
                                               {100, h - 448, "Relaiskaart 9-16 - Adres 5"},
                                               {120, h - 500, "9."},
                                               {180, h - 500, "Sirene"},
                                               {120, h - 548, "16."},
                                               {180, h - 548, "Flits"},
                                           }));
}

// --- Dossier -------------------------------------------------------------------

TEST(ReportDossier, TheInstallerStandsBesideTheCustomer) {
  using P = CustomerBlock;
  Configuration c;
  P& p = c.fixedBlocks.customer;
  p.SetText(P::kCustomer, P::kCustomerWidth, "Bakker nv");
  p.SetText(P::kContact, P::kContactWidth, "J. Peeters");
  p.SetText(P::kAddress, P::kAddressWidth, "Kerkstraat 12\r\n9000 Gent");
  p.SetText(P::kTelephone, P::kTelephoneWidth, "09 123");
  p.SetText(P::kEmail, P::kEmailWidth, "a@b.example");
  p.SetText(P::kInstaller, P::kInstallerWidth, "Veilig bv");

  const Drawn d = Draw(c);
  const int h = HeadingY(d, "DOSSIER");
  const auto section = Section(d, "DOSSIER");
  EXPECT_THAT(Texts(section), ElementsAreArray(std::vector<At>{
                                  {100, h - 80, "Personalia"},
                                  {120, h - 128, "Klant"},
                                  {1100, h - 128, "Installateur"},
                                  {120, h - 196, "Bakker nv"},
                                  {120, h - 244, "Contact: J. Peeters"},
                                  {120, h - 292, "Kerkstraat 12"},
                                  {120, h - 340, "9000 Gent"},
                                  {120, h - 388, "Tel.: 09 123"},
                                  {120, h - 436, "a@b.example"},
                                  {1100, h - 196, "Veilig bv"},
                              }));
  EXPECT_THAT(Strokes(section), ElementsAre(Rule(120, 1930, h - 176)));
  EXPECT_EQ(d.extent.height, 644 - h);
}

TEST(ReportDossier, AddressLinesBreakAtLineEndsAndWrapAt30) {
  using P = CustomerBlock;
  const std::string noBlankAfter5 = "Ab cd" + std::string(45, 'x'); // fills the field
  struct Case {
    std::string address;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"Kerkstraat 12\r\n9000 Gent", {"Kerkstraat 12", "9000 Gent"}},
      {noBlankAfter5, {noBlankAfter5.substr(0, 30), std::string(20, 'x')}},
      {"A\r\n\r\nB", {"A", "B"}},
      {"Straat 1\r\n", {"Straat 1"}},
      {"Lange straatnaam nummer 123 bus 4", {"Lange straatnaam nummer 123", "bus 4"}},
  };
  for (const auto& k : cases) {
    Configuration c;
    c.fixedBlocks.customer.SetText(P::kAddress, P::kAddressWidth, k.address);
    auto lines = StringsAt(Section(Draw(c), "DOSSIER"), 120);
    ASSERT_FALSE(lines.empty());
    lines.erase(lines.begin()); // the column heading
    EXPECT_EQ(lines, k.lines) << k.address;
  }
}

TEST(ReportDossier, NotesWrapAt100AtTheLastBlank) {
  Configuration c;
  const std::string first(95, 'a');
  c.fixedBlocks.notes.SetText(NotesBlock::kNotes, NotesBlock::kNotesWidth, first + " bbbbbbbbbb cc\r\nTweede regel");
  const Drawn d = Draw(c);
  const int h = HeadingY(d, "DOSSIER");
  const auto section = Section(d, "DOSSIER");
  EXPECT_THAT(Texts(section), ElementsAre(At{100, h - 90, "Notities"}, At{120, h - 158, first},
                                          At{120, h - 206, "bbbbbbbbbb cc"}, At{120, h - 254, "Tweede regel"}));
  EXPECT_THAT(Strokes(section), ElementsAre(Rule(100, 1930, h - 138)));
}

TEST(ReportDossier, InstallationLinesWithTheAccessoriesBeside) {
  using I = InstallationBlock;
  using B = AccessoryBlock;
  Configuration c;
  I& i = c.fixedBlocks.installation;
  i.SetText(I::kTechnician, I::kTechnicianWidth, "A. Tech");
  i.SetByte(I::kCommissioningDay, 9);
  i.SetByte(I::kCommissioningMonth, 12);
  i.SetByte(I::kCommissioningYear, 26);
  i.SetText(I::kProductionNumber, I::kProductionNumberWidth, "PN123");
  i.SetText(I::kQuiescentCurrent, I::kCurrentWidth, "0,25");
  i.SetText(I::kAlarmCurrent, I::kCurrentWidth, "1,8");
  i.SetText(I::kBattery, I::kBatteryWidth, "2x17");
  B& a = c.fixedBlocks.accessory;
  a.SetByte(B::kSirens, 1);
  a.SetByte(B::kFlashLights, 3);
  a.SetByte(B::kDoorMagnets, 4);
  a.SetByte(B::kTelephoneDialler, 1);
  c.fixedBlocks.notes.SetText(NotesBlock::kNotes, NotesBlock::kNotesWidth, "Zie plan");

  Drawn d = Draw(c);
  int h = HeadingY(d, "DOSSIER");
  EXPECT_THAT(Texts(Section(d, "DOSSIER")), ElementsAreArray(std::vector<At>{
                                                {100, h - 90, "Installatie"},
                                                {120, h - 138, "Indienstelling"},
                                                {1100, h - 138, "Toebehoren"},
                                                {120, h - 206, "A. Tech  9/12/26"},
                                                {120, h - 254, "Productienummer: CPN123"},
                                                {120, h - 302, "Verbruik rust: 0,25 Amp\xE8re"},
                                                {120, h - 350, "Verbruik alarm: 1,8 Amp\xE8re"},
                                                {120, h - 398, "Batterijen: 2x17 Ah"},
                                                {1100, h - 206, "Sirenes: 1"},
                                                {1100, h - 254, "Flitslichten: 3"},
                                                {1100, h - 302, "Deurmagneten: 4"},
                                                {1100, h - 350, "Telefoonkiezer"},
                                                {100, h - 466, "Notities"},
                                                {120, h - 534, "Zie plan"},
                                            }));

  // With the technician alone the accessories reach lower, and the notes follow them.
  for (const std::size_t at : {I::kProductionNumber, I::kQuiescentCurrent, I::kAlarmCurrent, I::kBattery})
    i.SetByte(at, 0);
  d = Draw(c);
  h = HeadingY(d, "DOSSIER");
  EXPECT_THAT(Texts(Section(d, "DOSSIER")), Contains(At{100, h - 418, "Notities"}));
}

TEST(ReportDossier, TheTechnicianShowsTheDateOnlyWithAValidDay) {
  using I = InstallationBlock;
  struct Case {
    int day, month, year;
    const char* expected;
  };
  const Case cases[] = {
      {9, 12, 26, "A. Tech  9/12/26"}, {31, 1, 5, "A. Tech  31/01/05"}, {0, 12, 26, "A. Tech"},
      {32, 12, 26, "A. Tech"},         {0xFF, 12, 26, "A. Tech"},
  };
  for (const auto& k : cases) {
    Configuration c;
    I& i = c.fixedBlocks.installation;
    i.SetText(I::kTechnician, I::kTechnicianWidth, "A. Tech");
    i.SetByte(I::kCommissioningDay, k.day);
    i.SetByte(I::kCommissioningMonth, k.month);
    i.SetByte(I::kCommissioningYear, k.year);
    const Drawn d = Draw(c);
    EXPECT_THAT(Texts(Section(d, "DOSSIER")), Contains(At{120, HeadingY(d, "DOSSIER") - 206, k.expected})) << k.day;
  }
}

TEST(ReportDossier, VersionsAreCentredAndOnlyKnownOnesListed) {
  using H = RepeaterBlock;
  using V = PeripheryVersionBlock;
  Configuration c;
  c.central.SetByte(C::kFirmwareVersion, 1);
  c.central.SetByte(C::kFirmwareVersion + 1, 2);
  c.central.SetByte(C::kFirmwareVersion + 2, 3);
  H& r = c.fixedBlocks.repeater;
  r.SetByte(H::VersionOffset(0), 1);
  r.SetByte(H::VersionOffset(0) + 1, 5);
  r.SetText(H::LocationOffset(0), H::kLocationWidth, "Gang");
  r.SetText(H::LocationOffset(1), H::kLocationWidth, "Kelder"); // no version
  r.SetByte(H::VersionOffset(2), 2);
  r.SetByte(H::VersionOffset(2) + 1, 1);
  V& v = c.fixedBlocks.peripheryVersion;
  v.SetByte(V::CardVersionOffset(0) + 1, 5); // major 0: not fitted
  v.SetByte(V::CardVersionOffset(1), 1);
  v.SetByte(V::CardVersionOffset(1) + 1, 3);
  v.SetByte(V::kPowerSupplyVersion, 3);

  Drawn d = Draw(c);
  const int h = HeadingY(d, "DOSSIER");
  const auto section = Section(d, "DOSSIER");
  EXPECT_THAT(Texts(section), ElementsAreArray(std::vector<At>{
                                  {100, h - 90, "Versies centrale - periferie"},
                                  {120, h - 138, "Module"},
                                  {800, h - 138, "Versie"},
                                  {1100, h - 138, "Locatie"},
                                  {120, h - 206, "Centrale"},
                                  {800, h - 206, "1.02.03"},
                                  {120, h - 254, "Herhaalbord 1"},
                                  {800, h - 254, "1.05"},
                                  {1100, h - 254, "Gang"},
                                  {120, h - 302, "Herhaalbord 2"},
                                  {1100, h - 302, "Kelder"},
                                  {120, h - 350, "Herhaalbord 3"},
                                  {800, h - 350, "2.01"},
                                  {120, h - 398, "Relaiskaart 2"},
                                  {800, h - 398, "1.03"},
                                  {120, h - 446, "Voedingscontroller"},
                                  {800, h - 446, "3.00"},
                              }));
  EXPECT_THAT(Strokes(section), ElementsAre(Rule(120, 1930, h - 186)));
  for (const auto& call : section) EXPECT_EQ(call.align, call.x == 800 ? TextAlign::Centre : TextAlign::Left) << call;

  c.central.SetByte(C::kFirmwareVersion + 2, 0); // no build: major and minor only
  d = Draw(c);
  EXPECT_THAT(Texts(Section(d, "DOSSIER")), Contains(At{800, h - 206, "1.02"}));
}

// --- Languages and records --------------------------------------------------

TEST(ReportLanguage, EnglishDrawsItsUnfilledLabelsEmptyInTheSamePlaces) {
  const Configuration c = MakeFullConfiguration();
  const auto places = [](const Drawn& d) {
    std::vector<Stroke> out; // texts as a point, lines as they are
    for (const auto& call : d.canvas.calls) out.push_back({call.x, call.y, call.x2, call.y2});
    return out;
  };
  const Drawn dutch = Draw(c);
  ScopedTextLanguage english(TextLanguage::English);
  const Drawn drawn = Draw(c);

  EXPECT_EQ(places(drawn), places(dutch));
  EXPECT_EQ(drawn.extent.height, dutch.extent.height);
  EXPECT_EQ(drawn.canvas.calls.front().text, ""); // the title
  for (const auto& call : drawn.canvas.calls) EXPECT_EQ(call.text.find("(null)"), std::string::npos) << call;
}

TEST(ReportRecords, DamagedRecordsDrawNoMoreThanTheirFields) {
  // Every byte 'A': no text field holds its terminating NUL.
  const auto damaged = [](auto& record) { record.bytes.fill('A'); };
  Configuration c;
  LoopRecord loop;
  damaged(loop);
  loop.SetByte(L::kNumber, 1);
  c.loops.push_back(loop);
  ControlRecord control;
  damaged(control);
  control.SetByte(ControlRecord::kNumber, 2);
  control.SetByte(ControlRecord::kControlType, 0);
  c.controls.push_back(control);
  RelayTextRecord texts;
  damaged(texts);
  texts.SetByte(RelayTextRecord::kModuleKind, 0);
  c.relayTexts.push_back(texts);
  damaged(c.central);
  damaged(c.fixedBlocks.customer);
  damaged(c.fixedBlocks.installation);
  damaged(c.fixedBlocks.repeater);
  damaged(c.fixedBlocks.notes);

  const auto a = [](std::size_t n) { return std::string(n, 'A'); };
  const auto shown = Strings(Draw(c).canvas.calls);
  for (const std::string& expected : {
           "1. " + a(18),                     // loop name
           a(10),                             // level text
           "2. " + a(15) + "  -  Lussturing", // control name
           "Centrale: " + a(20),              // panel name
           "project: " + a(20),               // project name
           a(18),                             // output text, repeater location
           a(25),                             // customer, installer, technician
           a(30), a(20),                      // the address, wrapped
           "Productienummer: C" + a(9),       // production number
           a(100), a(50),                     // the notes, wrapped
       }) {
    EXPECT_THAT(shown, Contains(expected)) << expected.size();
  }
  for (const auto& s : shown) EXPECT_LE(s.size(), 100u) << s;
  EXPECT_EQ(MakePrintTitle(c.central), a(20) + " - " + a(20));
}

TEST(ReportRecords, DrawingLeavesTheConfigurationAlone) {
  const Configuration c = MakeFullConfiguration();
  Configuration drawn = c;
  RecordingCanvas canvas;
  DrawReport(drawn, kProgramVersion, {}, canvas);
  DrawReport(drawn, kProgramVersion, Printing(), canvas);
  EXPECT_EQ(drawn, c);
}

} // namespace
} // namespace kx700
