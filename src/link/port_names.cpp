#include "link/port_names.h"

#include <cctype>
#include <climits>

namespace radio {

std::string PortDisplayName(int port) {
  return "COM" + std::to_string(port);
}

std::string CurrentPortName(int port) {
  return (port < 10 ? "COM" : "\\\\.\\COM") + std::to_string(port);
}

std::string ProbePortName(int port) {
  return (port <= 10 ? "COM" : "\\\\.\\COM") + std::to_string(port);
}

std::optional<int> PortNumberOfName(std::string_view name) {
  // %*[^M] needs at least one character before the 'M'.
  const std::size_t m = name.find('M');
  if (m == std::string_view::npos || m == 0) return std::nullopt;
  std::size_t i = m + 1;
  while (i < name.size() && std::isspace(static_cast<unsigned char>(name[i]))) ++i;
  bool negative = false;
  if (i < name.size() && (name[i] == '+' || name[i] == '-')) negative = name[i++] == '-';
  if (i >= name.size() || !std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
  long long value = 0;
  for (; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i) {
    value = value * 10 + (name[i] - '0');
    if (value > INT_MAX) return std::nullopt;  // no port has such a number
  }
  return static_cast<int>(negative ? -value : value);
}

int PortNumberOfStoredChoice(std::optional<std::uint32_t> stored) {
  return stored ? static_cast<int>(*stored & 0xFFu) : 1;
}

std::string DefaultPortDevice(int port) {
  if (port >= 1 && port <= 8) return "/dev/ttyUSB" + std::to_string(port - 1);
  if (port >= 9 && port <= 12) return "/dev/ttyACM" + std::to_string(port - 9);
  if (port >= 13 && port <= 16) return "/dev/ttyS" + std::to_string(port - 13);
  return {};
}

bool IsComPortName(std::string_view name) {
  for (std::string_view prefix : {"COM", "\\\\.\\COM"}) {
    if (name.substr(0, prefix.size()) != prefix || name.size() == prefix.size()) continue;
    const std::string_view digits = name.substr(prefix.size());
    return digits.find_first_not_of("0123456789") == std::string_view::npos;
  }
  return false;
}

bool IsDevicePath(std::string_view name) {
  return !name.empty() && !IsComPortName(name);
}

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

}  // namespace radio
