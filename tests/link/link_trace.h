// Compact text form of a simulated link's calls, so a test can compare the
// exact order of clears, pauses, frames and reads with what it expects.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "sim/simulated_link.h"

namespace radio::test {

inline std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string s;
  char buf[4];
  for (std::uint8_t b : bytes) {
    std::snprintf(buf, sizeof buf, "%02X", b);
    s += buf;
  }
  return s;
}

// "open", "config", "full", "clear", "w:4D02", "sleep2", "close";
// one-byte reads as "r1:06" (or "r1:-" when nothing came), longer reads as
// "r12=12" with the count received.
inline std::string Describe(const LinkEvent& e) {
  using K = LinkEvent::Kind;
  switch (e.kind) {
    case K::Open:
      return "open";
    case K::Configure:
      return "config";
    case K::FullClear:
      return "full";
    case K::QueueClear:
      return "clear";
    case K::Write:
      return "w:" + Hex(e.bytes);
    case K::Sleep:
      return "sleep" + std::to_string(e.sleepMs);
    case K::Close:
      return "close";
    case K::Read:
      if (e.requested == 1) return e.bytes.empty() ? "r1:-" : "r1:" + Hex(e.bytes);
      return "r" + std::to_string(e.requested) + "=" + std::to_string(e.bytes.size());
  }
  return "?";
}

inline std::vector<std::string> Trace(const SimulatedLink& link, std::size_t from = 0,
                                      std::size_t count = SIZE_MAX) {
  std::vector<std::string> out;
  const auto& events = link.Events();
  for (std::size_t i = from; i < events.size() && out.size() < count; ++i)
    out.push_back(Describe(events[i]));
  return out;
}

}  // namespace radio::test
