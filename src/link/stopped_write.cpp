#include "link/stopped_write.h"

#include <algorithm>

namespace radio {

bool LeftRadioPartlyWritten(const CloneResult& result) {
  return result.mode == CloneMode::Write && result.transferStarted &&
         result.outcome != CloneOutcome::Ok;
}

int WriteStoppedPercent(const CloneResult& result) {
  const int percent = result.progress * 100 / kWriteProgressSteps;
  return std::clamp(percent, 0, 99);
}

std::string WriteStoppedText(const CloneResult& result, Language lang) {
  const std::string n = std::to_string(WriteStoppedPercent(result));
  if (lang == Language::Chinese)
    return "写入在 " + n + " % 处中断：对讲机中只有部分新数据。使用对讲机前请重新写入。";
  return "Write stopped at " + n +
         " %: the radio holds part of the new data. Write it again before using the radio.";
}

}  // namespace radio
