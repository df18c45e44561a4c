// The document file: exactly the 6144 image bytes, image order, no header.
#pragma once

#include <filesystem>
#include <string>

#include "image/language.h"
#include "image/radio_image.h"

namespace radio {

// Loads the first 6144 bytes of `path` into `image`. A missing, unreadable,
// empty or shorter file fails with a message in `error` and leaves `image`
// unchanged; bytes beyond 6144 are ignored.
bool LoadDatFile(const std::filesystem::path& path, RadioImage& image, std::string& error,
                 Language lang = Language::English);

// Writes the image to a temporary file beside `path`, flushes it to disk and
// renames it over `path`, so a failed save never damages an existing file.
// When `path` already holds a file, that file is first kept as
// "<path>.bak" (an older .bak is replaced). A .bak that cannot be made
// does not stop the save: the rename replaces the old file in one step, so
// it is either still there or the new one is complete.
bool SaveDatFile(const std::filesystem::path& path, const RadioImage& image, std::string& error,
                 Language lang = Language::English);

// Keeps the file at `path` as "<path>.bak", itself replaced in one step
// (copied to a temporary file, renamed over the old .bak). False when there
// is no regular file at `path` or the copy failed; then nothing changed.
bool KeepBakCopy(const std::filesystem::path& path);

// The same atomic replacement for any bytes (used for other files we write).
bool WriteFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size,
                         std::string& error, Language lang = Language::English);

}  // namespace radio
