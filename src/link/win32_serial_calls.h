// The Win32 calls behind the serial link on Windows, one virtual per call,
// so a test can see which calls the link makes and answer them itself.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

namespace radio {

class Win32SerialCalls {
 public:
  virtual ~Win32SerialCalls() = default;
  // No overlapped I/O: every call below returns when it is done.
  virtual HANDLE CreateFileW(const std::wstring& path, DWORD access, DWORD shareMode,
                             DWORD disposition, DWORD flags) = 0;
  virtual bool SetupComm(HANDLE handle, DWORD inQueue, DWORD outQueue) = 0;
  virtual bool SetCommTimeouts(HANDLE handle, const COMMTIMEOUTS& timeouts) = 0;
  virtual bool GetCommState(HANDLE handle, DCB& dcb) = 0;
  virtual bool SetCommState(HANDLE handle, const DCB& dcb) = 0;
  virtual bool PurgeComm(HANDLE handle, DWORD flags) = 0;
  virtual bool WriteFile(HANDLE handle, const void* data, DWORD size, DWORD& written) = 0;
  virtual bool ReadFile(HANDLE handle, void* data, DWORD size, DWORD& read) = 0;
  virtual bool CloseHandle(HANDLE handle) = 0;
  virtual DWORD GetLastError() = 0;
  // The system's text for an error code (UTF-8, as the system words it).
  virtual std::string ErrorMessage(DWORD error) = 0;
};

}  // namespace radio
