#include "report/report.h"

#include <cstdlib>
#include <string_view>

#include "common/string_format.h"
#include "common/text_helpers.h"
#include "common/text_tables.h"

namespace kx700 {

namespace {

std::string T(int number) { return OrEmpty(GetText(number)); }

std::string Volts(int tenths) { return FormatTenths(tenths) + " V"; }

struct Pen {
  ColorRef colour = kBlack;
  int width = 0;
};

// The report's drawing state: the cursor, the fonts and pens in use, and the
// routines every section draws with.
class ReportWriter {
public:
  ReportWriter(const Configuration& c, const VersionTriple& version, const ReportContext& context, ReportCanvas& canvas)
      : c_(c),
        version_(version),
        context_(context),
        canvas_(canvas),
        bodyLH_(context.printing ? 36 : 48),
        smallLH_(context.printing ? 30 : 40) {}

  ReportExtent Draw() {
    LineFeed(0, true);
    if (context_.printing) {
      LineFeed(30);
      CentredTitle(T(51));
      LineFeed(40);
      PageHeader();
    } else {
      CentredTitle(T(51));
    }
    Loops();
    General();
    Controls();
    Actions();
    Dossier();
    LineFeed(50);
    return {width_, std::abs(y_)};
  }

private:
  // The frame.
  int LineFeed(int dy, bool reset = false) {
    if (reset) {
      width_ = kReportWidth;
      y_ = 0;
    }
    y_ = ReportLineFeed(y_, dy, context_.printing, context_.pageHeightMm);
    return y_;
  }
  void Put(int x, std::string_view text, TextAlign align = TextAlign::Left) {
    canvas_.Text(x, y_, text, font_, colour_, align);
  }
  void Rule(int x1, int x2) { canvas_.Line(x1, y_, x2, y_, pen_.colour, pen_.width); }
  // A block label: one line, a rule across its column, a small gap.
  void Label(int x, const std::string& text, int ruleFrom, int ruleTo) {
    Put(x, text);
    LineFeed(bodyLH_);
    Rule(ruleFrom, ruleTo);
    LineFeed(20);
  }
  void SectionHeading(int n) {
    static constexpr int kHeadings[] = {54, 33, 89, 161, 163};
    const FontRole previous = font_;
    font_ = FontRole::Title;
    LineFeed(20);
    if (n >= 0 && n < 5) Put(90, T(kHeadings[n]));
    LineFeed(80);
    font_ = previous;
  }
  void CentredTitle(const std::string& text) {
    const FontRole previous = font_;
    font_ = FontRole::Title;
    LineFeed(30);
    Put(920, text, TextAlign::Centre);
    LineFeed(60);
    font_ = previous;
  }
  void PageHeader() {
    const FontRole previous = font_;
    font_ = FontRole::Title;
    Put(90, context_.printTitle);
    font_ = FontRole::Body;
    LineFeed(80);
    Put(90, T(75));
    LineFeed(50);
    Put(90, FormatToday(context_.today));
    font_ = previous;
    const Pen pen = pen_;
    pen_ = {kBlack, 5};
    LineFeed(50);
    Rule(90, 1900);
    LineFeed(20);
    pen_ = pen;
  }
  bool AtLeast(int minor) const { return CompareVersions(version_.major, version_.minor, 1, minor, kVersionAtLeast); }
  std::string ControlReference(const char* format, int label, int number) const {
    const ControlRecord* control = c_.FindControl(number);
    return control ? StringPrintf("%s: %d %s", T(label).c_str(), number, control->Name().c_str())
                   : StringPrintf(format, T(label).c_str(), number);
  }

  void Loops();
  void General();
  void Controls();
  void Actions();
  void Dossier();
  void TextLines(std::string_view text, int width);

  const Configuration& c_;
  const VersionTriple version_;
  const ReportContext& context_;
  ReportCanvas& canvas_;
  const int bodyLH_;
  const int smallLH_;
  int width_ = 0;
  int y_ = 0;
  FontRole font_ = FontRole::Body;
  ColorRef colour_ = kBlack;
  Pen pen_;
};

void ReportWriter::Loops() {
  using L = LoopRecord;
  const FontRole previousFont = font_;
  const Pen previousPen = pen_;
  font_ = FontRole::Body;
  const Pen inactivePen{kInactiveLoopColour, 0};
  pen_ = inactivePen;
  if (!c_.loops.empty()) {
    SectionHeading(0);
    LineFeed(0);
    bool first = true;
    for (const LoopRecord& loop : c_.loops) {
      if (!first) LineFeed(40);
      first = false;
      const bool active = (loop.Byte(L::kActive) & 1) != 0;
      colour_ = active ? kBlack : kInactiveLoopColour;
      pen_ = active ? previousPen : inactivePen;
      const int kind = loop.Signed(L::kDetectionKind);

      font_ = FontRole::Bold;
      Put(100, StringPrintf("%d. %s", loop.Number(), loop.Name().c_str()));
      LineFeed(bodyLH_ + 4);
      const int top = y_;
      font_ = FontRole::Body;
      Label(120, T(55), 120, 930);
      static constexpr int kKindTexts[] = {57, 58, 59, 152, 60, 61};
      Put(130, kind >= 0 && kind <= 5 ? T(kKindTexts[kind]) : std::string());
      LineFeed(bodyLH_);

      font_ = FontRole::Small;
      const auto level = [&](int label, std::size_t levelAt, std::size_t textAt, int feed) {
        Put(150, T(label));
        Put(435, Volts(loop.Signed(levelAt)));
        if (textAt) Put(587, loop.Text(textAt, L::kLevelTextWidth));
        LineFeed(feed);
      };
      level(62, L::kLevelS, 0, smallLH_);
      level(kind == 2 ? 59 : 63, L::kLevelU, L::kTextU, smallLH_);
      if (kind == 2) level(63, L::kLevelL, L::kTextL, smallLH_);
      if (kind == 1) level(58, L::kLevelL, L::kTextL, smallLH_);
      level(64, L::kLevelF, L::kTextF, bodyLH_);
      if (loop.Byte(L::kZenerBarrier) != 0) {
        Put(130, T(65));
        LineFeed(bodyLH_);
      }

      int leftEnd = y_;
      y_ = top;
      if (kind != 3) {
        font_ = FontRole::Body;
        Label(970, T(56), 970, 1900);
        if (loop.Byte(L::kAlertActive) != 0) {
          Put(980, T(67));
          font_ = FontRole::Small;
          LineFeed(bodyLH_);
          if (loop.Byte(L::kDelayedEvacuation) != 0) {
            Put(1000, StringPrintf("%s %s", T(68).c_str(), T(69).c_str()));
            LineFeed(smallLH_);
            const int minutes = loop.Signed(L::kInterventionTime);
            Put(1000, StringPrintf("%s: %d %s", T(71).c_str(), minutes, T(minutes == 1 ? 187 : 72).c_str()));
            LineFeed(bodyLH_);
          } else {
            Put(1000, StringPrintf("%s %s", T(68).c_str(), T(70).c_str()));
            LineFeed(bodyLH_);
          }
        } else {
          Put(980, T(66));
          LineFeed(bodyLH_);
        }
      }
      if (leftEnd < y_) y_ = leftEnd;
      const int top2 = y_;
      font_ = FontRole::Body;

      const int dependency = loop.Signed(L::kDependency);
      const int control = loop.Signed(L::kLoopControl);
      if (dependency > 0 || control > 0) {
        LineFeed(10);
        Label(120, T(74), 120, 930);
        if (control > 0) {
          Put(130, ControlReference("%s: %d", 107, control));
          LineFeed(bodyLH_);
        }
        if (dependency > 0) {
          Put(130, StringPrintf("%s: %d", T(73).c_str(), dependency));
          LineFeed(bodyLH_);
        }
      }
      leftEnd = y_;
      const auto counted = [&](std::size_t pair) {
        const int detector = loop.Signed(L::kComposition + 2 * pair);
        return loop.Signed(L::kComposition + 2 * pair + 1) > 0 && detector >= 1 && detector <= 6;
      };
      bool composition = false;
      for (std::size_t pair = 0; pair < L::kCompositionPairs; ++pair) composition = composition || counted(pair);
      if (composition) {
        static constexpr int kDetectorTexts[] = {155, 156, 154, 157, 158, 159};
        font_ = FontRole::Body;
        y_ = top2;
        LineFeed(10);
        Label(970, T(185), 970, 1900);
        for (std::size_t pair = 0; pair < L::kCompositionPairs; ++pair) {
          if (!counted(pair)) continue;
          const int detector = loop.Signed(L::kComposition + 2 * pair);
          Put(980, StringPrintf("%2d x %s", loop.Signed(L::kComposition + 2 * pair + 1),
                                T(kDetectorTexts[detector - 1]).c_str()));
          LineFeed(bodyLH_);
        }
        if (leftEnd < y_) y_ = leftEnd;
      }
    }
  }
  colour_ = kBlack;
  font_ = previousFont;
  pen_ = previousPen;
  LineFeed(60);
}

void ReportWriter::General() {
  using C = CentralRecord;
  if (!c_.HoldsData()) return;
  const C& r = c_.central;
  const FontRole previous = font_;
  font_ = FontRole::Body;
  SectionHeading(1);
  LineFeed(0);
  const auto line = [&](int x, const std::string& text, int feed) {
    Put(x, text);
    LineFeed(feed);
  };
  const auto bold = [&](int text) {
    font_ = FontRole::Bold;
    line(100, T(text), bodyLH_);
    font_ = FontRole::Body;
  };
  bold(76);
  line(120, StringPrintf("%s: %s", T(25).c_str(), r.PanelName().c_str()), bodyLH_);
  line(120, StringPrintf("%s: %s", T(79).c_str(), r.ProjectName().c_str()), bodyLH_ + 10);
  bold(77);
  line(120, StringPrintf("%s: %d", T(150).c_str(), r.Signed(C::kRepeaterPanels)), bodyLH_);
  line(120, StringPrintf("%s: %d", T(80).c_str(), r.Signed(C::kRelayCards)), bodyLH_ + 10);

  bold(78);
  const int top = y_;
  const int general = r.Signed(C::kGeneralControl);
  line(120,
       general > 0 ? ControlReference("%s: %d", 108, general) : StringPrintf("%s: %s", T(108).c_str(), T(111).c_str()),
       bodyLH_);
  if (r.Signed(C::kSilenceControls) > 0) {
    const std::string label = StringPrintf("%s: ", T(110).c_str());
    Put(120, label);
    const int x = 126 + canvas_.TextWidth(label, font_);
    for (std::size_t slot = 0; slot < C::kSilenceControlSlots; ++slot) {
      const int number = r.Signed(C::kSilenceControls + slot);
      if (number == 0) break;
      const ControlRecord* control = c_.FindControl(number);
      line(x, control ? StringPrintf("%d %s", number, control->Name().c_str()) : StringPrintf("%d", number), bodyLH_);
    }
  } else {
    line(120, StringPrintf("%s: %s", T(110).c_str(), T(83).c_str()), bodyLH_);
  }
  const int alert = r.Signed(C::kAlertControl);
  line(120, alert > 0 ? ControlReference("%s: %d", 109, alert) : StringPrintf("%s: %s", T(109).c_str(), T(83).c_str()),
       bodyLH_);
  const int leftEnd = y_;

  y_ = top;
  Label(970, T(130), 970, 1900);
  font_ = FontRole::Small;
  for (int n = 1; n <= 3; ++n) {
    const bool on = (r.Byte(C::kMonitoredSirenCircuits) >> (n - 1)) & 1;
    line(990, StringPrintf("%s %d: %s", T(115).c_str(), n, T(on ? 67 : 66).c_str()), smallLH_);
  }
  if (leftEnd < y_) y_ = leftEnd;

  LineFeed(10);
  font_ = FontRole::Body;
  bold(74);
  line(120, StringPrintf("%s: %s", T(97).c_str(), r.Text(C::kOperatingCode, C::kCodeWidth).c_str()), bodyLH_);
  if (AtLeast(1))
    line(120, StringPrintf("%s: %s", T(188).c_str(), r.Text(C::kAdvancedCode, C::kCodeWidth).c_str()), bodyLH_);
  const int reaction = r.Signed(C::kEvacuationReactionTime);
  line(120, StringPrintf("%s: %d %s", T(100).c_str(), reaction, T(reaction == 1 ? 187 : 72).c_str()), bodyLH_);
  if (r.Byte(C::kDirectEvacuationSwitch) != 0) {
    line(120,
         StringPrintf("%s: %d.%02d %s", T(99).c_str(), r.Signed(C::kSwitchOverHour), r.Signed(C::kSwitchOverMinute),
                      T(26).c_str()),
         bodyLH_);
  } else {
    line(120, StringPrintf("%s: %s", T(99).c_str(), T(98).c_str()), bodyLH_);
  }
  const auto yesNo = [](bool yes) { return T(yes ? 69 : 70); };
  line(120, StringPrintf("%s: %s", T(96).c_str(), yesNo(r.Byte(C::kBackbeep) != 0).c_str()), bodyLH_);
  line(120, StringPrintf("%s: %s", T(101).c_str(), yesNo(r.Byte(C::kSummerWinterTime) != 0).c_str()), bodyLH_);

  if (AtLeast(1)) {
    const int flags = r.Byte(C::kAdvancedFlags);
    const auto bit = [flags](int n) { return ((flags >> n) & 1) != 0; };
    LineFeed(10);
    bold(190);
    if (AtLeast(2)) {
      line(120, StringPrintf("%s: %s", T(200).c_str(), T(bit(4) ? 198 : 199).c_str()), bodyLH_);
      line(120, StringPrintf("%s: %s", T(191).c_str(), T(bit(1) ? 194 : 193).c_str()), bodyLH_);
      if (bit(2) && bit(3)) {
        line(120, StringPrintf("%s: %s + %s", T(192).c_str(), T(195).c_str(), T(196).c_str()), bodyLH_);
      } else if (bit(2) || bit(3)) {
        line(120, StringPrintf("%s: %s", T(192).c_str(), T(bit(2) ? 195 : 196).c_str()), bodyLH_);
      }
    }
    line(120, StringPrintf("%s: %s", T(189).c_str(), yesNo(bit(0)).c_str()), bodyLH_);
    line(120, StringPrintf("%s: %s", T(201).c_str(), yesNo(!bit(5)).c_str()), bodyLH_);
  }
  font_ = previous;
  LineFeed(100);
}

void ReportWriter::Controls() {
  using R = ControlRecord;
  using E = ControlEvent;
  if (c_.controls.empty()) return;
  const FontRole previous = font_;
  font_ = FontRole::Body;
  SectionHeading(2);
  LineFeed(0);
  static constexpr int kEventTexts[] = {30, 84, 86, 85, 88, 58, 59, 90, 91, 92, 93, 94, 95, 195};
  bool first = true;
  for (const ControlRecord& control : c_.controls) {
    if (!first) LineFeed(60);
    first = false;
    const int type = control.Type();
    font_ = FontRole::Bold;
    Put(100, StringPrintf("%d. %s  -  %s", control.Number(), control.Name().c_str(),
                          type >= 0 && type <= 3 ? T(107 + type).c_str() : ""));
    LineFeed(bodyLH_ + 4);
    font_ = FontRole::Body;
    Put(120, T(32));
    Put(200, T(112));
    Put(675, T(113));
    Put(1169, T(114), TextAlign::Centre);
    Put(1454, T(115));
    LineFeed(bodyLH_);
    Rule(120, 1930);
    LineFeed(20);
    for (std::size_t k = 0; k < R::kEventCount; ++k) {
      const std::size_t e = R::EventOffset(k);
      const int code = control.Signed(e + E::kEventCode);
      if (code < 1 || code > 14) continue;
      Put(200, T(kEventTexts[code - 1]));
      Put(120, StringPrintf("%zu.", k + 1));
      const int module = control.Signed(e + E::kModuleKind);
      const int card = control.Signed(e + E::kCardAddress);
      if (module == 0) {
        Put(675, T(116));
      } else if (module == 1 || module == 2) {
        Put(1169, StringPrintf("%d", card));
        Put(675, T(module == 1 ? 117 : 118));
      }
      const std::uint8_t mask = control.ShownRelays(k);
      for (int relay = 1; relay <= 8; ++relay) {
        const bool on = (mask >> (relay - 1)) & 1;
        Put(1454 + 60 * (relay - 1), on ? std::to_string(relay + (module == 2 ? 8 : 0)) : std::string("."));
      }
      LineFeed(bodyLH_);
    }
  }
  font_ = previous;
  LineFeed(80);
}

void ReportWriter::Actions() {
  using A = RelayTextRecord;
  if (c_.relayTexts.empty()) return;
  const FontRole previous = font_;
  font_ = FontRole::Body;
  SectionHeading(3);
  LineFeed(0);
  bool first = true;
  for (const RelayTextRecord& record : c_.relayTexts) {
    if (!first) LineFeed(60);
    first = false;
    const int kind = record.ModuleKind();
    font_ = FontRole::Bold;
    std::string title;
    if (kind == 0) title = T(116);
    if (kind == 1 || kind == 2)
      title = StringPrintf("%s - %s %d", T(kind == 1 ? 117 : 118).c_str(), T(114).c_str(), record.CardAddress());
    Put(100, title);
    LineFeed(bodyLH_ + 4);
    font_ = FontRole::Body;
    for (std::size_t k = 0; k < A::kTextCount; ++k) {
      const std::string text = record.OutputText(k);
      if (text.empty()) continue;
      Put(120, StringPrintf("%zu.", k + 1 + (kind == 2 ? 8 : 0)));
      Put(180, text);
      LineFeed(bodyLH_);
    }
  }
  font_ = previous;
  LineFeed(80);
}

// A multi-line text: a line at each CR (an LF after it skipped), each line
// cut into pieces of at most `width` at a blank, a piece's leading blank
// dropped; one report line per piece at x 120.
void ReportWriter::TextLines(std::string_view text, int width) {
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  while (!text.empty()) {
    std::string line;
    const std::size_t taken = CopyLineUntilCR(text, line);
    text.remove_prefix(taken);
    if (!text.empty() && text.front() == '\r') text.remove_prefix(1);
    if (!text.empty() && text.front() == '\n') text.remove_prefix(1);
    std::string_view rest = line;
    while (!rest.empty()) {
      const auto cut = static_cast<std::size_t>(FindWrapPosition(rest, width));
      std::string_view piece = rest.substr(0, cut);
      rest.remove_prefix(std::min(cut, rest.size()));
      if (!piece.empty() && piece.front() == ' ') piece.remove_prefix(1);
      Put(120, piece);
      LineFeed(bodyLH_);
    }
  }
}

void ReportWriter::Dossier() {
  const FixedBlocks& b = c_.fixedBlocks;
  if (c_.IsBlockEmpty(kAllFixedBlocks)) return;
  const FontRole previous = font_;
  font_ = FontRole::Body;
  SectionHeading(4);
  LineFeed(0);
  const auto title = [&](int text) {
    font_ = FontRole::Bold;
    Put(100, T(text));
    LineFeed(bodyLH_);
    font_ = FontRole::Body;
  };
  const auto headings = [&](std::initializer_list<std::pair<int, int>> columns) {
    for (const auto& [x, text] : columns) {
      if (x == 800)
        Put(x, T(text), TextAlign::Centre);
      else
        Put(x, T(text));
    }
    LineFeed(bodyLH_);
    Rule(120, 1930);
    LineFeed(20);
  };
  const auto line = [&](int x, const std::string& text) {
    Put(x, text);
    LineFeed(bodyLH_);
  };

  if (!c_.IsBlockEmpty(static_cast<int>(BlockType::Customer))) {
    using P = CustomerBlock;
    const P& p = b.customer;
    title(102);
    headings({{120, 164}, {1100, 165}});
    const int top = y_;
    const auto field = [&p](std::size_t at, std::size_t width) { return p.Text(at, width); };
    if (const auto s = field(P::kCustomer, P::kCustomerWidth); !s.empty()) line(120, s);
    if (const auto s = field(P::kContact, P::kContactWidth); !s.empty())
      line(120, StringPrintf("%s: %s", T(166).c_str(), s.c_str()));
    if (const auto s = field(P::kAddress, P::kAddressWidth); !s.empty()) TextLines(s, 30);
    if (const auto s = field(P::kTelephone, P::kTelephoneWidth); !s.empty())
      line(120, StringPrintf("%s: %s", T(167).c_str(), s.c_str()));
    if (const auto s = field(P::kEmail, P::kEmailWidth); !s.empty()) line(120, s);
    if (const auto s = field(P::kInstaller, P::kInstallerWidth); !s.empty()) {
      const int leftEnd = y_;
      y_ = top;
      line(1100, s);
      if (leftEnd < y_) y_ = leftEnd;
    }
    LineFeed(10);
  }

  if (!c_.IsBlockEmpty(static_cast<int>(BlockType::Installation)) ||
      !c_.IsBlockEmpty(static_cast<int>(BlockType::Accessory))) {
    using I = InstallationBlock;
    using B = AccessoryBlock;
    const I& i = b.installation;
    LineFeed(10);
    title(103);
    headings({{120, 168}, {1100, 169}});
    const int top = y_;
    if (const auto s = i.Text(I::kTechnician, I::kTechnicianWidth); !s.empty()) {
      const int day = i.Signed(I::kCommissioningDay);
      line(120, day >= 1 && day <= 31 ? StringPrintf("%s  %d/%02d/%02d", s.c_str(), day,
                                                     i.Signed(I::kCommissioningMonth), i.Byte(I::kCommissioningYear))
                                      : s);
    }
    if (const auto s = i.Text(I::kProductionNumber, I::kProductionNumberWidth); !s.empty())
      line(120, StringPrintf("%s: C%s", T(186).c_str(), s.c_str()));
    if (const auto s = i.Text(I::kQuiescentCurrent, I::kCurrentWidth); !s.empty())
      line(120, StringPrintf("%s: %s %s", T(171).c_str(), s.c_str(), T(174).c_str()));
    if (const auto s = i.Text(I::kAlarmCurrent, I::kCurrentWidth); !s.empty())
      line(120, StringPrintf("%s: %s %s", T(172).c_str(), s.c_str(), T(174).c_str()));
    if (const auto s = i.Text(I::kBattery, I::kBatteryWidth); !s.empty())
      line(120, StringPrintf("%s: %s Ah", T(173).c_str(), s.c_str()));
    const int leftEnd = y_;
    y_ = top;
    const B& a = b.accessory;
    for (const auto& [at, text] : {std::pair{B::kSirens, 175}, std::pair{B::kBuzzers, 176},
                                   std::pair{B::kFlashLights, 177}, std::pair{B::kDoorMagnets, 178}}) {
      if (a.Signed(at) != 0) line(1100, StringPrintf("%s: %d", T(text).c_str(), a.Signed(at)));
    }
    if (a.Signed(B::kTelephoneDialler) != 0) line(1100, T(179));
    if (leftEnd < y_) y_ = leftEnd;
    LineFeed(10);
  }

  if (!c_.IsBlockEmpty(static_cast<int>(BlockType::Repeater)) ||
      !c_.IsBlockEmpty(static_cast<int>(BlockType::PeripheryVersion))) {
    using H = RepeaterBlock;
    using V = PeripheryVersionBlock;
    const auto version = [&](int major, int minor) {
      Put(800, StringPrintf("%d.%02d", major, minor), TextAlign::Centre);
    };
    LineFeed(10);
    title(170);
    headings({{120, 113}, {800, 181}, {1100, 180}});
    const CentralRecord& central = c_.central;
    const int major = central.Signed(CentralRecord::kFirmwareVersion);
    const int minor = central.Signed(CentralRecord::kFirmwareVersion + 1);
    const int build = central.Signed(CentralRecord::kFirmwareVersion + 2);
    Put(120, T(25));
    Put(800, build == 0 ? StringPrintf("%d.%02d", major, minor) : StringPrintf("%d.%02d.%02d", major, minor, build),
        TextAlign::Centre);
    LineFeed(bodyLH_);
    for (std::size_t k = 0; k < H::kPanels; ++k) {
      const int vMajor = b.repeater.Signed(H::VersionOffset(k));
      const std::string location = b.repeater.Text(H::LocationOffset(k), H::kLocationWidth);
      if (vMajor == 0 && location.empty()) continue;
      Put(120, StringPrintf("%s %zu", T(182).c_str(), k + 1));
      if (vMajor != 0) version(vMajor, b.repeater.Signed(H::VersionOffset(k) + 1));
      if (!location.empty()) Put(1100, location);
      LineFeed(bodyLH_);
    }
    for (std::size_t k = 0; k < V::kRelayCards; ++k) {
      const int vMajor = b.peripheryVersion.Signed(V::CardVersionOffset(k));
      if (vMajor == 0) continue;
      Put(120, StringPrintf("%s %zu", T(184).c_str(), k + 1));
      version(vMajor, b.peripheryVersion.Signed(V::CardVersionOffset(k) + 1));
      LineFeed(bodyLH_);
    }
    if (const int vMajor = b.peripheryVersion.Signed(V::kPowerSupplyVersion); vMajor != 0) {
      Put(120, T(183));
      version(vMajor, b.peripheryVersion.Signed(V::kPowerSupplyVersion + 1));
      LineFeed(bodyLH_);
    }
    LineFeed(10);
  }

  if (!c_.IsBlockEmpty(static_cast<int>(BlockType::Notes))) {
    LineFeed(10);
    title(104);
    Rule(100, 1930);
    LineFeed(20);
    TextLines(b.notes.Text(NotesBlock::kNotes, NotesBlock::kNotesWidth), 100);
  }
  font_ = previous;
  LineFeed(100);
}

} // namespace

int ReportLineFeed(int y, int dy, bool printing, int pageHeightMm, int needMm) {
  y -= dy;
  if (!printing || pageHeightMm < 1) return y;
  const int mm = std::abs(y) / 10;
  const int left = pageHeightMm - mm % pageHeightMm;
  if ((needMm == 0 && left < 12) || (needMm != 0 && left < needMm + 8)) y -= 10 * left + 100;
  return y;
}

int ReportPageCount(int height, int pageHeightMm) {
  if (pageHeightMm < 1) return 0;
  const int mm = height / 10;
  return mm / pageHeightMm + (mm % pageHeightMm > 0 ? 1 : 0);
}

std::string MakePrintTitle(const CentralRecord& central) {
  const std::string project = central.ProjectName();
  return project.empty() ? central.PanelName() : project + " - " + central.PanelName();
}

ReportExtent DrawReport(const Configuration& configuration, const VersionTriple& version, const ReportContext& context,
                        ReportCanvas& canvas) {
  return ReportWriter(configuration, version, context, canvas).Draw();
}

} // namespace kx700
