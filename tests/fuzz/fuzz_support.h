// Helpers every libFuzzer target shares: a failing check that names what
// broke, a reader that takes values from the fuzz bytes, images made from
// any bytes, a UTF-8 check and a scratch folder for targets that go
// through real files.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "image/language.h"
#include "image/radio_image.h"

namespace radio::fuzz {

// A broken invariant: says which, then aborts so libFuzzer keeps the input.
inline void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// Takes bytes from the front of the fuzz input. Once the input is used up
// every value is its fallback, so a short input still runs to an end.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return pos_ >= size_; }
  std::size_t Used() const { return pos_; }
  std::uint8_t Byte(std::uint8_t fallback = 0) { return Empty() ? fallback : data_[pos_++]; }
  std::uint16_t Word(std::uint16_t fallback = 0) {
    if (size_ - std::min(pos_, size_) < 2) return fallback;
    const auto value = static_cast<std::uint16_t>(data_[pos_] << 8 | data_[pos_ + 1]);
    pos_ += 2;
    return value;
  }
  // Up to `count` bytes; fewer when the input ends.
  std::span<const std::uint8_t> Take(std::size_t count) {
    const std::size_t n = std::min(count, size_ - std::min(pos_, size_));
    const std::span<const std::uint8_t> out(data_ + pos_, n);
    pos_ += n;
    return out;
  }
  std::span<const std::uint8_t> Rest() { return Take(size_); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Any bytes as an image: cut to 6144 bytes, or padded with 0xFF like the
// untouched parts of a new image.
inline RadioImage ImageOf(std::span<const std::uint8_t> bytes) {
  RadioImage image;
  image.fill(0xFF);
  std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
  return image;
}

inline Language LanguageOf(std::uint8_t flag) {
  return (flag & 1) != 0 ? Language::Chinese : Language::English;
}

// Well-formed UTF-8: no stray continuation byte, no overlong form, no
// surrogate, nothing beyond U+10FFFF.
inline bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t n = 0;
    std::uint32_t cp = 0;
    if (b < 0x80) {
      ++i;
      continue;
    } else if (b >= 0xC2 && b <= 0xDF) {
      n = 1, cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      n = 2, cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      n = 3, cp = b & 0x07;
    } else {
      return false;
    }
    if (i + n >= text.size()) return false;  // cut off at the end
    for (std::size_t k = 1; k <= n; ++k) {
      const auto c = static_cast<unsigned char>(text[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = cp << 6 | (c & 0x3F);
    }
    if ((n == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
      return false;
    i += n + 1;
  }
  return true;
}

// A folder of this fuzzing process, in memory where the system offers it
// (saves flush to disk), removed when the process ends.
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path base =
        fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path made = base / ("radioprog-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(made, ec);
    Check(!ec, "scratch folder can be made");
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(ScratchFolder(), ignored);
    });
    return made;
  }();
  return folder;
}

inline void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  Check(static_cast<bool>(out.flush()), "scratch file can be written");
}

inline std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace radio::fuzz
