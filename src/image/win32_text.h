// Text across the Windows wide-character calls, in a given code page:
// UTF-8 (the program's own texts), or GBK (936) for Chinese channel names.
// Windows only.
#pragma once

#include <string>
#include <string_view>

namespace radio {

constexpr unsigned kUtf8CodePage = 65001;
constexpr unsigned kGbkCodePage = 936;

std::wstring WideOf(std::string_view bytes, unsigned codePage = kUtf8CodePage);
std::string NarrowOf(std::wstring_view wide, unsigned codePage = kUtf8CodePage);

}  // namespace radio
