// The one way the program replaces a file: radio images and their .bak
// copies, channel lists, PDFs, Program.ini, recovery files and the virtual
// radio's memory all go through here.
//
// The new contents go to a temporary file created exclusively beside the
// file, are written with every step checked, flushed to the disk and then
// renamed over the old file in one step. So the old file is either still
// there, whole, or the new one is complete. In detail:
// - a symbolic link is followed: the file it points to is replaced and the
//   link stays a link;
// - the replaced file keeps its permission bits (and, where the system
//   allows it, its owner);
// - a folder, device, pipe or socket is never replaced: the save is refused
//   and the thing is left as it was;
// - temporary files carry the writing process's id, so one left behind by a
//   save that was killed is removed by the next successful save of the file.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

#include "image/language.h"

namespace radio {

// Replaces `path` with `size` bytes from `data`. False with a message
// ("Cannot write …") in `error` when anything failed; then the old file,
// if any, is unchanged and no temporary file is left.
bool WriteFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size,
                         std::string& error, Language lang = Language::English);

// Replaces `to` with a copy of the file `from` and its permission bits, as
// above. (std::filesystem::copy_file cannot replace a file on Windows: it
// takes every two files there for the same one.)
bool CopyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to,
                        std::string& error, Language lang = Language::English);

// Keeps the file at `path` as "<path>.bak", itself replaced as above and
// with the permission bits of the file it copies. False when there is no
// regular file at `path` or the copy failed; then nothing changed. When
// there was a file to keep but it could not be kept, `warning` (if given)
// says why.
bool KeepBakCopy(const std::filesystem::path& path, std::string* warning = nullptr,
                 Language lang = Language::English);

// Flushes the stream and asks the system to put it on the disk; false when
// either failed.
bool FlushToDisk(std::FILE* f);

// The name a save of `path` really writes: symbolic links followed.
std::filesystem::path FileBehindLinks(const std::filesystem::path& path);

}  // namespace radio
