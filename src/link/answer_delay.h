// How much longer the radio's answers take than their bytes need on the
// wire. USB-serial adapters hold received bytes until their latency timer
// runs out, which can cost a clone run more time than the wire itself; the
// run measures each answer so the user can be told when the cable is slow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image/language.h"

namespace radio {

// One byte at 9600 baud, 8N1: ten bits.
constexpr std::int64_t kByteWireUs = 10'000'000 / 9600;
// An answer later than this (median, beyond its wire time) means the cable
// holds the bytes back.
constexpr std::int64_t kSlowCableUs = 5'000;

struct AnswerDelays {
  std::vector<std::int64_t> excessUs;  // each answer, beyond its wire time, never below 0
  std::int64_t runUs = 0;              // the whole run, port open to close

  // Records one exchange that took `elapsedUs` from sending its frame to the
  // last answer byte, with `bytes` crossing the wire both ways.
  void Add(std::int64_t elapsedUs, std::size_t bytes);
  std::int64_t MedianUs() const;
  // What the run would have taken had every answer come at wire speed.
  std::int64_t RunWithoutDelayUs() const;
};

// "The cable added about N ms to each answer; …" for a run whose answers
// were slow; nothing when they were not.
std::optional<std::string> SlowCableHint(const AnswerDelays& delays, bool write, Language lang);

}  // namespace radio
