#include "link/answer_delay.h"

#include <algorithm>
#include <cstdio>

namespace radio {

void AnswerDelays::Add(std::int64_t elapsedUs, std::size_t bytes) {
  const std::int64_t wire = kByteWireUs * static_cast<std::int64_t>(bytes);
  excessUs.push_back(std::max<std::int64_t>(0, elapsedUs - wire));
}

std::int64_t AnswerDelays::MedianUs() const {
  if (excessUs.empty()) return 0;
  std::vector<std::int64_t> sorted = excessUs;
  const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
  std::nth_element(sorted.begin(), middle, sorted.end());
  return *middle;
}

std::int64_t AnswerDelays::RunWithoutDelayUs() const {
  std::int64_t added = 0;
  for (std::int64_t us : excessUs) added += us;
  return std::max<std::int64_t>(0, runUs - added);
}

std::optional<std::string> SlowCableHint(const AnswerDelays& delays, bool write, Language lang) {
  const std::int64_t median = delays.MedianUs();
  if (median <= kSlowCableUs) return std::nullopt;
  auto ms = [](std::int64_t us) { return std::to_string((us + 500) / 1000); };
  auto seconds = [](std::int64_t us) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(us) / 1e6);
    return std::string(text);
  };
  const char* english =
      write ? "The cable added about %1 ms to each answer; this write took %2 s instead of about "
              "%3 s — see README, 'Slow transfers'"
            : "The cable added about %1 ms to each answer; this read took %2 s instead of about "
              "%3 s — see README, 'Slow transfers'";
  const char* chinese =
      write ? "编程线使电台的每次应答多用了约 %1 毫秒；本次写入用了 %2 秒，本应约 %3 秒 — "
              "请参阅 README 的“Slow transfers”一节"
            : "编程线使电台的每次应答多用了约 %1 毫秒；本次读取用了 %2 秒，本应约 %3 秒 — "
              "请参阅 README 的“Slow transfers”一节";
  return FillIn(Tr(lang, english, chinese),
                {ms(median), seconds(delays.runUs), seconds(delays.RunWithoutDelayUs())});
}

}  // namespace radio
