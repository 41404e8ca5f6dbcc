// Any bytes as a parameter image, received in blocks of any size: decoding
// never crashes, and a configuration rebuilt from a complete image travels
// through the encoder and back unchanged.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_support.h"
#include "model/block_stream.h"

using namespace kx700;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t piece = 1 + data[0] % 120; // blocks of 1..120 bytes
  const auto image = std::span(data + 1, size - 1);

  Configuration first;
  ParameterImageDecoder decoder(first);
  bool ok = true;
  for (std::size_t at = 0; at < image.size() && ok; at += piece)
    ok = decoder.PutReceivedData(at == 0, image.subspan(at, std::min(piece, image.size() - at)));
  if (!ok || !decoder.Complete()) return 0;

  for (bool extended : {false, true}) {
    ParameterImageEncoder encoder(first, extended);
    Configuration second;
    ParameterImageDecoder again(second);
    std::array<std::uint8_t, kImageBlockSize> out{};
    std::size_t count = 0;
    bool reset = true;
    while (true) {
      fuzz::Require(encoder.GetSendData(reset, out, count));
      if (count == 0) break;
      fuzz::Require(again.PutReceivedData(reset, std::span(out).first(count)));
      reset = false;
    }
    fuzz::Require(again.Complete());
    fuzz::Require(second.loops == first.loops && second.central == first.central && second.controls == first.controls);
    if (extended) fuzz::Require(second == first);
  }
  return 0;
}
