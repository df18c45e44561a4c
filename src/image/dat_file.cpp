#include "image/dat_file.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace radio {
namespace fs = std::filesystem;

bool LoadDatFile(const fs::path& path, RadioImage& image, std::string& error, Language lang) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = Tr(lang, "Cannot open \"%1\".", "无法打开“%1”。", {path.string()});
    return false;
  }
  RadioImage loaded;
  in.read(reinterpret_cast<char*>(loaded.data()), static_cast<std::streamsize>(loaded.size()));
  const auto got = static_cast<std::size_t>(in.gcount());
  if (got == 0) {
    error = Tr(lang, "\"%1\" is empty; a radio file holds 6144 bytes.",
               "“%1”是空文件；对讲机数据文件应有 6144 个字节。", {path.string()});
    return false;
  }
  if (got < kImageSize) {
    error = Tr(lang, "\"%1\" is too short (%2 bytes); a radio file holds 6144 bytes.",
               "“%1”太短（%2 个字节）；对讲机数据文件应有 6144 个字节。",
               {path.string(), std::to_string(got)});
    return false;
  }
  image = loaded;
  return true;
}

bool WriteFileAtomically(const fs::path& path, const void* data, std::size_t size,
                         std::string& error, Language lang) {
  std::random_device rd;
  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const fs::path temp =
      dir / ("." + path.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
  std::FILE* f = std::fopen(temp.string().c_str(), "wb");
  if (!f) {
    error = Tr(lang, "Cannot write \"%1\": the folder cannot be written.",
               "无法写入“%1”：该文件夹不可写。", {path.string()});
    return false;
  }
  bool ok = std::fwrite(data, 1, size, f) == size && std::fflush(f) == 0;
#ifdef _WIN32
  ok = ok && _commit(_fileno(f)) == 0;
#else
  ok = ok && fsync(fileno(f)) == 0;
#endif
  ok = (std::fclose(f) == 0) && ok;
  std::error_code ec;
  if (ok) fs::rename(temp, path, ec);
  if (!ok || ec) {
    fs::remove(temp, ec);
    error = Tr(lang, "Cannot write \"%1\"; the file was left as it was.",
               "无法写入“%1”；该文件保持原样。", {path.string()});
    return false;
  }
  return true;
}

bool KeepBakCopy(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  fs::path bak = path;
  bak += ".bak";
  std::random_device rd;
  const fs::path temp = (path.has_parent_path() ? path.parent_path() : fs::path(".")) /
                        ("." + bak.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
  if (!fs::copy_file(path, temp, fs::copy_options::overwrite_existing, ec)) {
    fs::remove(temp, ec);
    return false;
  }
  fs::rename(temp, bak, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
  }
  return true;
}

bool SaveDatFile(const fs::path& path, const RadioImage& image, std::string& error, Language lang) {
  KeepBakCopy(path);  // best effort; see the header
  return WriteFileAtomically(path, image.data(), image.size(), error, lang);
}

}  // namespace radio
