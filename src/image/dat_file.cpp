#include "image/dat_file.h"

#include <fstream>
#include <system_error>

namespace radio {
namespace fs = std::filesystem;

bool LoadDatFile(const fs::path& path, RadioImage& image, std::string& error, Language lang) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    error = FillIn(
        Tr(lang, "\"%1\" is a folder, not a radio file.", "“%1”是一个文件夹，不是对讲机数据文件。"),
        {path.string()});
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = FillIn(Tr(lang, "Cannot open \"%1\".", "无法打开“%1”。"), {path.string()});
    return false;
  }
  RadioImage loaded;
  in.read(reinterpret_cast<char*>(loaded.data()), static_cast<std::streamsize>(loaded.size()));
  const auto got = static_cast<std::size_t>(in.gcount());
  if (got == 0) {
    error = FillIn(Tr(lang, "\"%1\" is empty; a radio file holds 6144 bytes.",
                      "“%1”是空文件；对讲机数据文件应有 6144 个字节。"),
                   {path.string()});
    return false;
  }
  if (got < kImageSize) {
    error = FillIn(Tr(lang, "\"%1\" is too short (%2 bytes); a radio file holds 6144 bytes.",
                      "“%1”太短（%2 个字节）；对讲机数据文件应有 6144 个字节。"),
                   {path.string(), std::to_string(got)});
    return false;
  }
  image = loaded;
  return true;
}

bool SaveDatFile(const fs::path& path, const RadioImage& image, std::string& error, Language lang,
                 std::string* warning) {
  std::string bakWarning;
  KeepBakCopy(path, &bakWarning, lang);  // best effort; see the header
  if (warning) *warning = bakWarning;
  return WriteFileAtomically(path, image.data(), image.size(), error, lang);
}

}  // namespace radio
