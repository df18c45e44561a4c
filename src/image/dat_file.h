// The document file: exactly the 6144 image bytes, image order, no header.
#pragma once

#include <filesystem>
#include <string>

#include "image/atomic_file.h"
#include "image/language.h"
#include "image/radio_image.h"

namespace radio {

// Loads the first 6144 bytes of `path` into `image`. A missing, unreadable,
// empty or shorter file, or a folder, fails with a message in `error` and
// leaves `image` unchanged; bytes beyond 6144 are ignored.
bool LoadDatFile(const std::filesystem::path& path, RadioImage& image, std::string& error,
                 Language lang = Language::English);

// Writes the image atomically (see atomic_file.h), so a failed save never
// damages an existing file. When `path` already holds a file, that file is
// first kept as "<path>.bak" (an older .bak is replaced). A .bak that cannot
// be made does not stop the save: the rename replaces the old file in one
// step, so it is either still there or the new one is complete; `warning`
// (if given) then says why no .bak was kept, and is cleared otherwise.
bool SaveDatFile(const std::filesystem::path& path, const RadioImage& image, std::string& error,
                 Language lang = Language::English, std::string* warning = nullptr);

}  // namespace radio
