// libFuzzer target: recovery files. Any bytes are parsed without harm, and
// a record parsed from them writes out to a file that parses to the same
// record. The same input also makes a record of its own (names from the
// bytes, a time to the millisecond, an image), which must come back whole
// from its file: a recovered document is the one that was kept.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "safety/recovery_store.h"

namespace {

using radio::RecoveryRecord;
using radio::fuzz::Check;

bool Same(const RecoveryRecord& a, const RecoveryRecord& b) {
  return a.pathName == b.pathName && a.title == b.title && a.hasFile == b.hasFile &&
         a.savedAt == b.savedAt && a.savedAt.isValid() == b.savedAt.isValid() && a.image == b.image;
}

QString TextOf(radio::fuzz::Bytes& in) {
  const auto bytes = in.Take(in.Byte() % 64);
  return QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// A record as the program keeps one: the time comes from the clock, so it
// has milliseconds; years stay within what a file can name (up to 2100).
RecoveryRecord RecordOf(radio::fuzz::Bytes& in) {
  RecoveryRecord r;
  r.hasFile = (in.Byte() & 1) != 0;
  r.pathName = TextOf(in);
  r.title = TextOf(in);
  std::uint64_t ms = 0;
  for (int i = 0; i < 6; ++i) ms = ms << 8 | in.Byte();
  r.savedAt = QDateTime::fromMSecsSinceEpoch(qint64(ms % 4102444800000ULL));
  r.image = radio::fuzz::ImageOf(in.Rest());
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  if (const auto parsed = radio::ParseRecoveryRecord(bytes)) {
    const auto again = radio::ParseRecoveryRecord(radio::SerialiseRecoveryRecord(*parsed));
    Check(again && Same(*again, *parsed), "a parsed record writes out to the same record");
  }

  radio::fuzz::Bytes in(data, size);
  const RecoveryRecord kept = RecordOf(in);
  const auto recovered = radio::ParseRecoveryRecord(radio::SerialiseRecoveryRecord(kept));
  Check(recovered && Same(*recovered, kept), "a kept record comes back whole");
  return 0;
}
