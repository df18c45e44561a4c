#include "link/win32_serial_calls.h"

#include "image/win32_text.h"
#include "link/win32_serial_link.h"

namespace radio {
namespace {

class SystemCalls : public Win32SerialCalls {
 public:
  HANDLE CreateFileW(const std::wstring& path, DWORD access, DWORD shareMode, DWORD disposition,
                     DWORD flags) override {
    return ::CreateFileW(path.c_str(), access, shareMode, nullptr, disposition, flags, nullptr);
  }
  bool SetupComm(HANDLE handle, DWORD inQueue, DWORD outQueue) override {
    return ::SetupComm(handle, inQueue, outQueue);
  }
  bool SetCommTimeouts(HANDLE handle, const COMMTIMEOUTS& timeouts) override {
    COMMTIMEOUTS copy = timeouts;
    return ::SetCommTimeouts(handle, &copy);
  }
  bool GetCommState(HANDLE handle, DCB& dcb) override { return ::GetCommState(handle, &dcb); }
  bool SetCommState(HANDLE handle, const DCB& dcb) override {
    DCB copy = dcb;
    return ::SetCommState(handle, &copy);
  }
  bool PurgeComm(HANDLE handle, DWORD flags) override { return ::PurgeComm(handle, flags); }
  bool WriteFile(HANDLE handle, const void* data, DWORD size, DWORD& written) override {
    return ::WriteFile(handle, data, size, &written, nullptr);
  }
  bool ReadFile(HANDLE handle, void* data, DWORD size, DWORD& read) override {
    return ::ReadFile(handle, data, size, &read, nullptr);
  }
  bool CloseHandle(HANDLE handle) override { return ::CloseHandle(handle); }
  DWORD GetLastError() override { return ::GetLastError(); }
  std::string ErrorMessage(DWORD error) override {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message;
    if (text) {
      message = NarrowOf(std::wstring_view(text, length));
      ::LocalFree(text);
    }
    return message;
  }
};

}  // namespace

std::shared_ptr<Win32SerialCalls> SystemWin32SerialCalls() {
  return std::make_shared<SystemCalls>();
}

}  // namespace radio
