// libFuzzer target: any bytes of any length as a .dat file. Opening takes
// exactly the first 6144 bytes, or refuses the file with a message and
// leaves the document as it was. Saving over the opened file keeps the old
// file as .bak byte for byte, writes exactly the image, leaves no temporary
// file behind, and the saved file opens to the same image.
#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "fuzz/fuzz_support.h"
#include "image/dat_file.h"

namespace {

namespace fs = std::filesystem;
using radio::fuzz::Check;

std::vector<std::uint8_t> Bytes(const radio::RadioImage& image) {
  return {image.begin(), image.end()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path folder = radio::fuzz::ScratchFolder() / "dat";
  std::error_code ec;
  fs::remove_all(folder, ec);
  fs::create_directories(folder, ec);
  const fs::path file = folder / "radio.dat";
  const std::vector<std::uint8_t> input(data, data + size);
  radio::fuzz::WriteFile(file, input);

  radio::RadioImage image;
  image.fill(0x5A);
  const radio::RadioImage untouched = image;
  std::string error;
  if (!radio::LoadDatFile(file, image, error)) {
    Check(size < radio::kImageSize, "a file of 6144 bytes or more opens");
    Check(image == untouched, "a refused file leaves the document as it was");
    Check(!error.empty(), "a refused file says why");
    return 0;
  }
  Check(size >= radio::kImageSize, "a short file is refused");
  Check(std::equal(image.begin(), image.end(), data), "the image is the file's first 6144 bytes");

  Check(radio::SaveDatFile(file, image, error), "saving over the opened file succeeds");
  Check(radio::fuzz::ReadFile(file) == Bytes(image), "the saved file holds exactly the image");
  fs::path bak = file;
  bak += ".bak";
  Check(radio::fuzz::ReadFile(bak) == input, "the old file is kept whole as .bak");
  const auto entries = std::distance(fs::directory_iterator(folder), fs::directory_iterator());
  Check(entries == 2, "a save leaves no temporary file behind");

  radio::RadioImage again;
  again.fill(0xA5);
  Check(radio::LoadDatFile(file, again, error) && again == image,
        "the saved file opens to the same image");
  return 0;
}
