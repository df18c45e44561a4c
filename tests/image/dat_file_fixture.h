// A fresh folder per test for saving and loading .dat files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>

#include "image/dat_file.h"

namespace radio::test {
namespace fs = std::filesystem;

class DatFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("radioprog-dat-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
  }
  void WriteBytes(const fs::path& p, std::size_t n, std::uint8_t base = 0) {
    std::ofstream out(p, std::ios::binary);
    for (std::size_t i = 0; i < n; ++i) out.put(static_cast<char>((i + base) & 0xFF));
  }
  static RadioImage Pattern() {
    RadioImage img;
    std::iota(img.begin(), img.end(), std::uint8_t{7});
    return img;
  }
  fs::path dir_;
};

inline std::size_t Entries(const fs::path& dir) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

}  // namespace radio::test
