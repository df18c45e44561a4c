// The CSV files the interchange tests read, from tests/interchange/data.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace radio::testing {

inline std::string ReadData(const std::string& name) {
  std::ifstream in(std::string(RADIOPROG_SOURCE_DIR) + "/tests/interchange/data/" + name,
                   std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  EXPECT_FALSE(out.str().empty()) << name;
  return out.str();
}

}  // namespace radio::testing
