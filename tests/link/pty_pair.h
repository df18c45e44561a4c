// A pseudo-terminal for serial tests: the test holds the master side (the
// radio's end of the cable) and hands the slave path to the code under test.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

namespace radio::test {

class PtyPair {
 public:
  PtyPair() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    termios t{};
    tcgetattr(master_, &t);
    cfmakeraw(&t);
    tcsetattr(master_, TCSANOW, &t);
    slavePath_ = ptsname(master_);
  }
  ~PtyPair() { CloseMaster(); }
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  bool ok() const { return master_ >= 0 && !slavePath_.empty(); }
  const std::string& SlavePath() const { return slavePath_; }

  void Send(const std::vector<std::uint8_t>& bytes) {
    [[maybe_unused]] auto n = ::write(master_, bytes.data(), bytes.size());
  }

  // Whatever arrives within `ms` of quiet.
  std::vector<std::uint8_t> Receive(int ms = 200) {
    std::vector<std::uint8_t> out;
    pollfd p{master_, POLLIN, 0};
    while (poll(&p, 1, ms) > 0 && (p.revents & POLLIN)) {
      std::uint8_t buf[256];
      const auto n = ::read(master_, buf, sizeof buf);
      if (n <= 0) break;
      out.insert(out.end(), buf, buf + n);
    }
    return out;
  }

  void CloseMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  std::string slavePath_;
};

}  // namespace radio::test
