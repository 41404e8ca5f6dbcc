#pragma once

#include <cstdint>
#include <span>

#include "link/rx_ring.h"

namespace kx700 {

// The line to the panel as the frame layer sees it: bytes out, and a receive
// ring that fills with what comes in. The serial port is one; tests put an
// in-process channel to the simulated panel in its place.
class ByteChannel {
public:
  virtual ~ByteChannel() = default;

  virtual bool IsOpen() const = 0;
  // Sends the bytes and waits until they have left; false when the line is
  // closed or the write failed or did not finish in time.
  virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
  virtual RxRing& Ring() = 0;
  // Returns when more than `seen` bytes were ever received (see
  // RxRing::Written), or after `ms` milliseconds of the link's clock.
  virtual void WaitForInput(std::uint64_t seen, int ms) = 0;
};

// A line that can be opened by port number and closed again: the serial port
// in the program, a fake in tests.
class PortChannel : public ByteChannel {
public:
  // Opens "COM<port>" at `baud`; the channel reports its own failures.
  virtual bool Open(int port, int baud) = 0;
  // The same without reporting anything: for trying again, time after
  // time, a line that went away.
  virtual bool OpenQuietly(int port, int baud) { return Open(port, baud); }
  virtual void Close() = 0;
  // The line hung up since it was opened (the device went away, or its far
  // end closed); it stays so until it is closed.
  virtual bool LineLost() const { return false; }
  // A file descriptor that becomes readable when bytes arrive, for an event
  // loop to wake on; -1 when the channel has none.
  virtual int DataNotifyFd() const { return -1; }
};

} // namespace kx700
