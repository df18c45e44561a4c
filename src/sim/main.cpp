// radioprog-sim: a virtual radio on a pseudo-terminal. Prints the device
// path, serves the clone protocol until killed, keeps its memory in a file.
#include <signal.h>
#include <unistd.h>

#include <charconv>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "image/dat_file.h"
#include "sim/pty_radio.h"
#include "sim/virtual_radio.h"

namespace {

namespace fs = std::filesystem;
using radio::RadioMemory;

int stopPipe[2] = {-1, -1};

void OnSignal(int) {
  const char b = 1;
  [[maybe_unused]] auto n = write(stopPipe[1], &b, 1);
}

struct Options {
  std::string linkPath;
  std::string memoryPath;
  std::optional<int> bandType;
  std::optional<std::string> password;
  radio::VirtualRadioFaults faults;
  int baud = 0;
  int latencyMs = 0;  // an imitated USB-serial adapter's latency timer
  bool stats = false;
};

const char kUsage[] =
    "usage: radioprog-sim [--link PATH] [--memory FILE] [--band-type N] [--password DIGITS]\n"
    "                     [--no-answer] [--ignore-wakeups N] [--drop-after N]\n"
    "                     [--bad-ack-after N] [--pace BAUD] [--latency MS] [--stats]\n";

bool ParseInt(std::string_view text, int& out, int min, int max) {
  int v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || v < min || v > max) return false;
  out = v;
  return true;
}

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    auto number = [&](int& out, int min, int max) {
      const char* v = value();
      if (v && ParseInt(v, out, min, max)) return true;
      std::fprintf(stderr, "radioprog-sim: %s needs a number from %d to %d\n", arg.data(), min, max);
      return false;
    };
    if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      std::exit(0);
    } else if (arg == "--no-answer") {
      o.faults.noAnswer = true;
    } else if (arg == "--stats") {
      o.stats = true;
    } else if (arg == "--link" || arg == "--memory") {
      const char* v = value();
      if (!v) {
        std::fprintf(stderr, "radioprog-sim: %s needs a path\n", arg.data());
        return false;
      }
      (arg == "--link" ? o.linkPath : o.memoryPath) = v;
    } else if (arg == "--password") {
      const char* v = value();
      const std::string_view digits = v ? v : "";
      if (!v || digits.size() > 6 ||
          digits.find_first_not_of("0123456789") != std::string_view::npos) {
        std::fprintf(stderr, "radioprog-sim: --password needs up to 6 digits\n");
        return false;
      }
      o.password = std::string(digits);
    } else if (arg == "--band-type") {
      int n = 0;
      if (!number(n, 0, 255)) return false;
      o.bandType = n;
    } else if (arg == "--ignore-wakeups") {
      if (!number(o.faults.ignoreWakeUps, 0, 1'000'000)) return false;
    } else if (arg == "--drop-after") {
      if (!number(o.faults.silentAfterChunks, 0, 1'000'000)) return false;
    } else if (arg == "--bad-ack-after") {
      if (!number(o.faults.badAckAfterChunks, 0, 1'000'000)) return false;
    } else if (arg == "--pace") {
      if (!number(o.baud, 1, 10'000'000)) return false;
    } else if (arg == "--latency") {
      if (!number(o.latencyMs, 0, 1000)) return false;
    } else {
      std::fprintf(stderr, "radioprog-sim: unknown option \"%s\"\n%s", arg.data(), kUsage);
      return false;
    }
  }
  return true;
}

// Loads the memory file; a missing file starts a plausible radio. A file of
// the wrong size is refused rather than overwritten.
bool LoadMemory(const std::string& path, RadioMemory& memory, bool& created) {
  created = false;
  memory = radio::MakePlausibleRadioMemory();
  if (path.empty()) return true;
  std::error_code ec;
  if (!fs::exists(path, ec)) {
    created = true;
    return true;
  }
  std::ifstream in(path, std::ios::binary);
  RadioMemory loaded{};
  in.read(reinterpret_cast<char*>(loaded.data()), static_cast<std::streamsize>(loaded.size()));
  if (!in || in.gcount() != static_cast<std::streamsize>(loaded.size()) ||
      in.peek() != std::ifstream::traits_type::eof()) {
    std::fprintf(stderr, "radioprog-sim: %s is not a radio memory file of %zu bytes\n",
                 path.c_str(), loaded.size());
    return false;
  }
  memory = loaded;
  return true;
}

// Saves the memory on a thread of its own, so a slow disk never delays an
// answer on the line. Only the latest memory is written.
class MemorySaver {
 public:
  explicit MemorySaver(std::string path) : path_(std::move(path)), thread_([this] { Loop(); }) {}
  ~MemorySaver() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
  }
  void Save(const RadioMemory& memory) {
    {
      std::lock_guard lock(mutex_);
      pending_ = memory;
    }
    wake_.notify_one();
  }

 private:
  void Loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock, [this] { return pending_ || stopping_; });
      if (pending_) {
        const RadioMemory memory = *pending_;
        pending_.reset();
        lock.unlock();
        std::string error;
        if (!radio::WriteFileAtomically(path_, memory.data(), memory.size(), error))
          std::fprintf(stderr, "radioprog-sim: %s\n", error.c_str());
        lock.lock();
      } else if (stopping_) {
        return;
      }
    }
  }
  std::string path_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<RadioMemory> pending_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) return 2;

  RadioMemory memory{};
  bool created = false;
  if (!LoadMemory(options.memoryPath, memory, created)) return 3;
  if (options.bandType) memory[radio::kBandTypeAddress] = static_cast<std::uint8_t>(*options.bandType);
  if (options.password) radio::SetRadioPassword(memory, *options.password);

  radio::VirtualRadio virtualRadio(memory, options.faults);
  std::optional<MemorySaver> saver;
  if (!options.memoryPath.empty()) {
    saver.emplace(options.memoryPath);
    if (created) saver->Save(virtualRadio.Memory());
  }

  if (pipe(stopPipe) != 0) return 1;
  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);

  radio::PtyRadio pty(virtualRadio, options.baud);
  pty.SetAdapterLatency(options.latencyMs);
  std::string error;
  if (!pty.Open(error)) {
    std::fprintf(stderr, "radioprog-sim: %s\n", error.c_str());
    return 1;
  }
  if (!options.linkPath.empty()) {
    std::error_code ec;
    if (fs::is_symlink(options.linkPath, ec)) fs::remove(options.linkPath, ec);
    fs::create_symlink(pty.DevicePath(), options.linkPath, ec);
    if (ec) {
      std::fprintf(stderr, "radioprog-sim: cannot link %s: %s\n", options.linkPath.c_str(),
                   ec.message().c_str());
      return 1;
    }
  }
  if (saver) pty.OnWriteFrame([&] { saver->Save(virtualRadio.Memory()); });

  std::printf("%s\n", pty.DevicePath().c_str());
  std::fflush(stdout);
  pty.Serve(stopPipe[0]);
  if (options.stats)
    std::fprintf(stderr, "bytes from PC %llu, to PC %llu\n",
                 static_cast<unsigned long long>(pty.BytesFromPc()),
                 static_cast<unsigned long long>(pty.BytesToPc()));

  if (!options.linkPath.empty()) {
    std::error_code ec;
    fs::remove(options.linkPath, ec);
  }
  return 0;  // the saver writes the last memory as it goes
}
