#include "model/configuration_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "common/atomic_file.h"
#include "common/error_mess.h"
#include "common/message_box.h"
#include "common/string_format.h"
#include "common/text_tables.h"
#include "model/block_stream.h"

namespace kx700 {
namespace {

constexpr int kFaultOutOfMemory = 7;
constexpr int kFaultInvalidFile = 8;
constexpr int kFaultInvalidValue = 9;
constexpr int kFaultNotKx700 = 15;
constexpr int kFaultCannotOpen = 33;

// A decimal number as the C library reads one (blanks, a sign, the leading
// digits; none gives 0), kept far from overflow.
long ParseNumber(const char* text) {
  while (*text == ' ' || *text == '\t') ++text;
  const bool negative = *text == '-';
  if (*text == '-' || *text == '+') ++text;
  long value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) value = std::min(value * 10 + (*text - '0'), 1'000'000L);
  return negative ? -value : value;
}

bool InVersionRange(long value) { return value >= 0 && value <= 127; }

void ShowNotKx700(MessageHost& host, const char* name) {
  CError_Mess mess;
  host.Show({StringPrintf("%s\n\n%s: %s", OrEmpty(GetFault(kFaultNotKx700)), OrEmpty(GetText(48)), name),
             mess.ErrorCaption(kFaultNotKx700),
             MessageButtons::Ok,
             MessageIcon::Error,
             {}});
}

// The dossier part that each fixed block belongs to, for messages.
int FixedBlockText(BlockType type) {
  switch (type) {
    case BlockType::Customer: return 102;
    case BlockType::Installation: return 103;
    case BlockType::Accessory: return 169;
    case BlockType::Repeater: return 150;
    case BlockType::PeripheryVersion: return 170;
    default: return 104;
  }
}

// Where a record lies in the configuration, in the words of the checks.
std::string DescribeUnsavable(BlockType type, std::span<const std::uint8_t> bytes) {
  const char* parameters = OrEmpty(GetText(5));
  const char* fault = OrEmpty(GetFault(kFaultInvalidValue));
  switch (type) {
    case BlockType::Loop: {
      LoopRecord r;
      std::copy(bytes.begin(), bytes.end(), r.bytes.begin());
      return StringPrintf("%s > %s: %d %s\n\n%s", parameters, OrEmpty(GetText(6)), r.Number(), r.Name().c_str(), fault);
    }
    case BlockType::Control: {
      ControlRecord r;
      std::copy(bytes.begin(), bytes.end(), r.bytes.begin());
      return StringPrintf("%s > %s: %d %s\n\n%s", parameters, OrEmpty(GetText(105)), r.Number(), r.Name().c_str(),
                          fault);
    }
    case BlockType::RelayText: {
      RelayTextRecord r;
      std::copy(bytes.begin(), bytes.end(), r.bytes.begin());
      const int kind = r.ModuleKind();
      const char* module = (kind >= 0 && kind <= 2) ? OrEmpty(GetText(116 + kind)) : "";
      return StringPrintf("%s > %s: %d %s %d\n\n%s", parameters, OrEmpty(GetText(115)), r.Sequence(), module,
                          r.CardAddress(), fault);
    }
    case BlockType::Central: return StringPrintf("%s > %s\n\n%s", parameters, OrEmpty(GetText(29)), fault);
    default:
      return StringPrintf("%s > %s - %s\n\n%s", parameters, OrEmpty(GetText(162)),
                          OrEmpty(GetText(FixedBlockText(type))), fault);
  }
}

} // namespace

std::vector<std::uint8_t> WriteFileHeader(const VersionTriple& version) {
  const std::string line =
      StringPrintf("\"%s %d.%02d;%02d\"%c%c", kModelName, version.major, version.minor, version.third, 13, 10);
  return {line.begin(), line.end()};
}

bool ReadFileHeader(std::span<const std::uint8_t> file, const PanelVersionSource* panel, MessageHost& host,
                    VersionTriple& version, std::size_t& lineLength) {
  std::array<char, kMaxHeaderLine + 1> line{};
  std::size_t lf = 0;
  for (std::size_t i = 0; i < std::min(file.size(), kMaxHeaderLine) && lf == 0; ++i) {
    line[i] = static_cast<char>(file[i]);
    if (line[i] == '\n' && i >= 6 && line[i - 1] == '\r') lf = i;
  }
  if (lf == 0) {
    ShowFault(host, kFaultInvalidFile);
    return false;
  }
  lineLength = lf + 1;

  // Drop the quotes, then take the numbers from the back: ";third", ".minor",
  // " major"; what stands before the blank is the model name.
  line[0] = ' ';
  line[lf - 2] = '\0';
  long major = 1, minor = 0, third = 0;
  bool blank = false;
  for (std::size_t i = lf; i >= 1 && !blank; --i) {
    switch (line[i]) {
      case ';':
        third = ParseNumber(&line[i + 1]);
        line[i] = '\0';
        break;
      case '.':
        minor = ParseNumber(&line[i + 1]);
        line[i] = '\0';
        break;
      case ' ':
        major = ParseNumber(&line[i + 1]);
        line[i] = '\0';
        blank = true;
        break;
      default:
        if (i == 1) {
          ShowNotKx700(host, &line[1]);
          return false;
        }
    }
  }
  if (!blank) {
    ShowFault(host, kFaultInvalidFile);
    return false;
  }
  if (std::strcmp(&line[1], kModelName) != 0) {
    ShowNotKx700(host, &line[1]);
    return false;
  }
  // A number no version byte can hold would not survive the file: a conflict.
  if (!InVersionRange(major) || !InVersionRange(minor) || !InVersionRange(third)) {
    ShowVersionConflict(host);
    return false;
  }
  version = {static_cast<int>(major), static_cast<int>(minor), static_cast<int>(third)};
  return CheckVersionCompatibility(VersionCheckForm::File, version, EffectiveVersion({}, panel), panel, host);
}

std::vector<std::uint8_t> WriteConfigurationFile(const Configuration& configuration, const VersionTriple& effective) {
  std::vector<std::uint8_t> out = WriteFileHeader(effective);
  BlockStreamIterator blocks(configuration, HasExtendedRecords(effective));
  BlockType last = BlockType::End;
  for (auto block = blocks.GetNextBlock(true); !block.bytes.empty(); block = blocks.GetNextBlock()) {
    if (block.type != last) {
      out.push_back(kBlockHeaderMark);
      out.push_back(static_cast<std::uint8_t>(BlockTag(block.type)));
      last = block.type;
    }
    out.insert(out.end(), block.bytes.begin(), block.bytes.end());
  }
  out.push_back(kBlockHeaderMark);
  out.push_back(static_cast<std::uint8_t>(BlockTag(BlockType::End)));
  return out;
}

std::optional<Configuration> ReadConfigurationFile(std::span<const std::uint8_t> file, const PanelVersionSource* panel,
                                                   MessageHost& host) {
  VersionTriple version;
  std::size_t lineLength = 0;
  if (!ReadFileHeader(file, panel, host, version, lineLength)) return std::nullopt;
  const auto body = file.subspan(lineLength);
  if (body.size() > kMaxStreamBytes) {
    ShowFault(host, kFaultInvalidFile);
    return std::nullopt;
  }

  Configuration configuration;
  configuration.version = version;
  std::array<std::uint8_t, kBlockBufferSize> record{};
  bool headerPending = false;
  BlockType type = BlockType::End;
  std::size_t size = 0;
  std::size_t position = 0;
  // Reading goes on after the end header: only a later header counts again.
  for (std::uint8_t byte : body) {
    if (byte == kBlockHeaderMark) {
      headerPending = true;
    } else if (headerPending) {
      headerPending = false;
      type = BlockTypeFromTag(byte, size);
      position = 0;
    } else if (type != BlockType::End) {
      record[position++] = byte;
      if (position == size) {
        if (!configuration.StoreBlock(type, std::span(record).first(size))) {
          ShowFault(host, kFaultOutOfMemory);
          return std::nullopt;
        }
        position = 0;
      }
    }
  }
  return configuration;
}

bool CheckSavable(const Configuration& configuration, const VersionTriple& effective, MessageHost& host) {
  // A version that this program would refuse on opening is not written; the
  // refusal is the box that opening the file would show.
  if (!InVersionRange(effective.major) || !InVersionRange(effective.minor) || !InVersionRange(effective.third)) {
    ShowVersionConflict(host);
    return false;
  }
  if (!CheckVersionCompatibility(VersionCheckForm::File, effective, effective, nullptr, host)) return false;
  BlockStreamIterator blocks(configuration, HasExtendedRecords(effective));
  for (auto block = blocks.GetNextBlock(true); !block.bytes.empty(); block = blocks.GetNextBlock()) {
    if (std::find(block.bytes.begin(), block.bytes.end(), kBlockHeaderMark) != block.bytes.end()) {
      CError_Mess mess;
      host.Show({DescribeUnsavable(block.type, block.bytes),
                 mess.ErrorCaption(kFaultInvalidValue),
                 MessageButtons::Ok,
                 MessageIcon::Error,
                 {}});
      return false;
    }
  }
  return true;
}

std::optional<Configuration> OpenConfigurationFile(const std::string& path, const PanelVersionSource* panel,
                                                   MessageHost& host) {
  // Not blocking: a named pipe must not hang the program before it is refused.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  struct stat st {};
  if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (fd >= 0) ::close(fd);
    ShowFault(host, kFaultCannotOpen);
    return std::nullopt;
  }
  if (static_cast<std::uint64_t>(st.st_size) > kMaxHeaderLine + kMaxStreamBytes) {
    ::close(fd);
    ShowFault(host, kFaultInvalidFile);
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
  std::size_t got = 0;
  bool ok = true;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (!ok) {
    ShowFault(host, kFaultCannotOpen);
    return std::nullopt;
  }
  bytes.resize(got);
  return ReadConfigurationFile(bytes, panel, host);
}

bool SaveConfigurationFile(const std::string& path, const Configuration& configuration, const VersionTriple& effective,
                           MessageHost& host) {
  if (!CheckSavable(configuration, effective, host)) return false;
  if (!ReplaceFile(path, WriteConfigurationFile(configuration, effective))) {
    ShowFault(host, kFaultCannotOpen);
    return false;
  }
  return true;
}

} // namespace kx700
