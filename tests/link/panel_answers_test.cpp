#include <gtest/gtest.h>

#include "link/panel_frame.h"
#include "support/bytes.h"

namespace kx700 {
namespace {

using test::Bytes;
using test::operator+;

// A received frame after checking: the answer's bytes with room for the
// checksum and end byte.
Bytes Frame(int code, const Bytes& payload, std::uint8_t flags = 0) {
  Bytes f = {0xE0, 'W', 0, 0, static_cast<std::uint8_t>(code), flags};
  f.insert(f.end(), payload.begin(), payload.end());
  f.push_back(0);
  f.push_back(0xE1);
  return f;
}

Bytes Text(const std::string& s, std::size_t width) {
  Bytes b(s.begin(), s.end());
  b.resize(width, 0);
  return b;
}

Bytes Identification(std::uint8_t flags = 0) {
  return Frame(49,
               Text("ID-TEXT", 20) + Bytes{'0', '7'} + Text("Centrale Gent", 20) + Bytes{'0', '1', '.', '0', '2', ' '} +
                   Bytes{'T', '4', '2'} + Bytes{2, 17},
               flags);
}

TEST(PanelAnswers, Identification) {
  PanelIdentification id;
  id.technicianMode = true;
  ASSERT_TRUE(ParseIdentificationFrame(Identification(0), id));
  EXPECT_EQ(id.identificationText, "ID-TEXT");
  EXPECT_EQ(id.panelNumber, 7);
  EXPECT_EQ(id.panelName, "Centrale Gent");
  EXPECT_EQ(id.firmwareMajor, 1);
  EXPECT_EQ(id.firmwareMinor, 2);
  EXPECT_EQ(id.technicianCode, "T42");
  EXPECT_EQ(id.minimumProgramMinor, 2);
  EXPECT_EQ(id.firmwareBuild, 17);
  EXPECT_FALSE(id.technicianMode);
  ASSERT_TRUE(ParseIdentificationFrame(Identification(2), id));
  EXPECT_TRUE(id.technicianMode);

  // Texts fill their whole width without a terminator, digits are read in
  // their own width only.
  Bytes full = Identification();
  for (std::size_t i = 6; i < 26; ++i) full[i] = 'A';
  full[26] = 'x';
  ASSERT_TRUE(ParseIdentificationFrame(full, id));
  EXPECT_EQ(id.identificationText, std::string(20, 'A'));
  EXPECT_EQ(id.panelNumber, 0);
}

TEST(PanelAnswers, EveryLayoutRefusesAFrameTooShortForIt) {
  struct Case {
    const char* what;
    int code;
    std::size_t payload; // the bytes the layout needs
    std::function<bool(const Bytes&)> parses;
  };
  PanelIdentification id;
  PanelServiceState state;
  state.polledLoop = 4;
  const Case cases[] = {
      {"block count", 34, 4, [](const Bytes& f) { return ParseBlockCount(f).has_value(); }},
      {"data block", 35, 1, [](const Bytes& f) { return ParseDataBlock(f).has_value(); }},
      {"text", 53, 19, [](const Bytes& f) { return ParseTextAnswer(f, 0).has_value(); }},
      {"clock", 67, 6, [](const Bytes& f) { return ParseDateTime(f).has_value(); }},
      {"language", 86, 1, [](const Bytes& f) { return ParseLanguage(f).has_value(); }},
      {"record 16", 84, 17, [](const Bytes& f) { return ParseRecord16(f).has_value(); }},
      {"record 32", 89, 33, [](const Bytes& f) { return ParseRecord32(f).has_value(); }},
      {"logbook", 82, 8, [](const Bytes& f) { return ParseLogbookEntry(f).has_value(); }},
      {"identification", 49, 53, [&](const Bytes& f) { return ParseIdentificationFrame(f, id); }},
      {"status", 40, 2, [&](const Bytes& f) { return ParseStatusFrame(f, state); }},
      {"analog", 69, 8, [&](const Bytes& f) { return ParseAnalogFrame(f, state); }},
      {"card progress", 38, 21, [&](const Bytes& f) { return ParseCardProgressFrame(f, state); }},
  };
  for (const auto& c : cases) {
    Bytes payload(c.payload, '0');
    payload[0] = c.code == 69 ? 4 : 0;
    EXPECT_TRUE(c.parses(Frame(c.code, payload))) << c.what;
    payload.pop_back();
    EXPECT_FALSE(c.parses(Frame(c.code, payload))) << c.what << " one byte short";
    EXPECT_FALSE(c.parses(Frame(c.code == 1 ? 2 : 1, Bytes(c.payload + 40, 0)))) << c.what << " other code";
  }
}

TEST(PanelAnswers, AnalogValueOnlyForTheLoopBeingPolled) {
  PanelServiceState state;
  state.polledLoop = 4;
  const Bytes loop5 = Frame(69, {5, '1', '2', '3', 2, 1, 3, 2});
  EXPECT_FALSE(ParseAnalogFrame(loop5, state));
  for (const auto& loop : state.analogLoops) EXPECT_EQ(loop.value, 0u);

  const Bytes loop4 = Frame(69, {4, '0', '9', '8', 0xFE, 0, 3, 2});
  ASSERT_TRUE(ParseAnalogFrame(loop4, state));
  const AnalogLoopState& s = state.analogLoops[4];
  EXPECT_EQ(s.value, 98u);
  EXPECT_EQ(s.state, -2);
  EXPECT_EQ(s.inService, 0);
  EXPECT_EQ(s.inTest, 1);
  EXPECT_EQ(s.answerFlags, 2);

  // A polled position out of the table is never written through.
  state.polledLoop = 17;
  EXPECT_FALSE(ParseAnalogFrame(Frame(69, {17, '1', '2', '3', 0, 0, 0, 0}), state));
  state.polledLoop = -1;
  EXPECT_FALSE(ParseAnalogFrame(Frame(69, {0xFF, '1', '2', '3', 0, 0, 0, 0}), state));

  ASSERT_TRUE(ParseStatusFrame(Frame(40, {3, 2}), state));
  EXPECT_EQ(state.sirensOutOfService, 1);
  EXPECT_EQ(state.transmissionOutOfService, 0);
}

TEST(PanelAnswers, CardProgressTextAndRecords) {
  PanelServiceState state;
  ASSERT_TRUE(ParseCardProgressFrame(Frame(38, Bytes{0xFE, 20, 3} + Text("Bezig", 18)), state));
  EXPECT_TRUE(state.relayCardProgress.answerWaiting);
  EXPECT_EQ(state.relayCardProgress.resultState, -2);
  EXPECT_EQ(state.relayCardProgress.deviceKind, 20);
  EXPECT_EQ(state.relayCardProgress.cardNumber, 3);
  EXPECT_EQ(state.relayCardProgress.text, "Bezig");

  EXPECT_EQ(ParseTextAnswer(Frame(53, Bytes{7} + Text("Gang links", 18)), 7), "Gang links");
  EXPECT_FALSE(ParseTextAnswer(Frame(53, Bytes{6} + Text("Gang links", 18)), 7)); // another index

  Bytes r16(17);
  for (std::size_t i = 0; i < r16.size(); ++i) r16[i] = static_cast<std::uint8_t>(i);
  const auto record = ParseRecord16(Frame(84, r16));
  ASSERT_TRUE(record);
  EXPECT_EQ((*record)[0], 1);
  EXPECT_EQ((*record)[15], 16);
  EXPECT_EQ(ParseBlockCount(Frame(34, {'0', '0', '4', '2'})), 42);
  EXPECT_EQ(ParseBlockCount(Frame(34, {'1', '2', 'x', '9'})), 12);
}

TEST(PanelAnswers, DataBlockLengthMustFitThePayload) {
  EXPECT_EQ(ParseDataBlock(Frame(35, {3, 1, 2, 3}))->size(), 3u);
  EXPECT_EQ(ParseDataBlock(Frame(35, {0}))->size(), 0u);
  EXPECT_FALSE(ParseDataBlock(Frame(35, {4, 1, 2, 3})));
  EXPECT_FALSE(ParseDataBlock(Frame(35, {255, 1})));
}

TEST(PanelAnswers, LogbookTextsAreClippedToTheFrameAndTheirFields) {
  struct Case {
    const char* what;
    Bytes payload;
    std::string event, info;
  };
  const Bytes stamp = {0, 26, 12, 9, 14, 30, 5};
  const Case cases[] = {
      {"both texts", stamp + Bytes{5} + Text("ALARM", 5) + Bytes{4} + Text("Lus3", 4), "ALARM", "Lus3"},
      {"event longer than its field", stamp + Bytes{25} + Bytes(25, 'e') + Bytes{2, 'o', 'k'}, std::string(21, 'e'),
       "ok"},
      {"info longer than its field", stamp + Bytes{1, 'x', 30} + Bytes(30, 'i'), "x", std::string(24, 'i')},
      {"lengths beyond the frame", stamp + Bytes{200, 'a', 'b'}, "ab", ""},
      {"no texts at all", stamp + Bytes{0}, "", ""},
      // The panel sends every entry in a frame of one size: 54 payload bytes.
      {"short texts padded to the fixed entry",
       stamp + Bytes{5} + Text("RESET", 5) + Bytes{3} + Text("Lus", 3) + Bytes(54 - 17, 0), "RESET", "Lus"},
      {"both texts at full width filling the entry",
       stamp + Bytes{21} + Text(std::string(21, 'e'), 21) + Bytes{24} + Text(std::string(24, 'i'), 24),
       std::string(21, 'e'), std::string(24, 'i')},
  };
  for (const auto& c : cases) {
    const auto e = ParseLogbookEntry(Frame(82, c.payload));
    ASSERT_TRUE(e) << c.what;
    EXPECT_EQ(e->year, 26) << c.what;
    EXPECT_EQ(e->second, 5) << c.what;
    EXPECT_EQ(e->eventText, c.event) << c.what;
    EXPECT_EQ(e->infoText, c.info) << c.what;
    EXPECT_FALSE(e->searchHit);
  }
}

} // namespace
} // namespace kx700
