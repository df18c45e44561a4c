// Where a run reads and writes Program.ini.
//
// The program directory's own Program.ini whenever it can be written there:
// the build tree, a copy unpacked into the user's own folder, an
// administrator's run. An installed program directory (/usr/lib/radioprog,
// Program Files) is read-only for a normal user, whose language choice must
// still be kept: that run works on a per-user copy of the installed file.
#pragma once

#include <QString>

namespace radio {

// Whether Program.ini in `programDir` (ending in '/') can be written: the
// file itself, or the directory when the file is missing.
bool ProgramIniWritable(const QString& programDir);

// The per-user directory that holds the copy ("radioprog" in the user's
// configuration directory).
QString UserProgramIniDir();

// The Program.ini to load. `programDir` ends in '/'. When `programIniWritable`
// is false the file in `userDir` is used: it is made from the installed file
// when missing, and made again when the installed file is newer (an update)
// with the user's [Setup] Language kept. A copy the program cannot use
// (see CheckProgramIni) is renamed to "Program.ini.broken" and made again
// from the installed file. When the copy cannot be made, the
// installed file is read as it is (the Language dialog then reports that the
// choice cannot be saved).
QString ProgramIniPath(const QString& programDir, const QString& userDir, bool programIniWritable);

}  // namespace radio
