#include "link/win32_port_list.h"

#include "link/port_names.h"

#include "image/win32_text.h"
#include "link/win32_serial_calls.h"

namespace radio {

std::vector<std::string> SystemSerialPortNames() {
  std::vector<std::string> names;
  // Each value is one port: a driver's device name mapped to "COMn".
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return names;
  for (DWORD index = 0;; ++index) {
    wchar_t valueName[256];
    DWORD nameLength = 256;
    wchar_t data[64];
    DWORD dataBytes = sizeof(data);
    DWORD type = 0;
    const LONG result = RegEnumValueW(key, index, valueName, &nameLength, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data), &dataBytes);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result != ERROR_SUCCESS || type != REG_SZ) continue;  // too long for a COM name
    std::size_t length = dataBytes / sizeof(wchar_t);
    while (length > 0 && data[length - 1] == L'\0') --length;
    names.push_back(NarrowOf(std::wstring_view(data, length)));
  }
  RegCloseKey(key);
  return names;
}

bool PortListed(const std::vector<std::string>& names, int port) {
  const std::string wanted = PortDisplayName(port);
  for (const std::string& name : names)
    if (UpperAscii(name) == wanted) return true;
  return false;
}

}  // namespace radio
