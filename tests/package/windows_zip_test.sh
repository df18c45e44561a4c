#!/usr/bin/env bash
# Makes the Windows zip (scripts/package-windows.sh), unpacks it into a fresh
# folder and runs its programs under Wine with nothing from the build tree:
# no WINEPATH, no Qt plug-in path. The new image and the channel tables must
# be those of the Linux build, the PDF must carry the printed texts, and the
# desktop program must start in English and in Chinese (with Qt's own
# Chinese catalog from translations\ beside it).
#   windows_zip_test.sh BUILD_DIR VERSION LINUX_CLI
set -euo pipefail
build=$(realpath "$1")
version=$2
linux_cli=$3
source_dir=$(realpath "$(dirname "$0")/../..")
fail() { echo "FAIL: $*" >&2; exit 1; }
show_diff() { diff "$1" "$2" | head -5 >&2 || true; }

[ -x "$linux_cli" ] ||
  fail "the Linux radioprog-cli ($linux_cli, RADIOPROG_LINUX_BIN_DIR) is missing: build the Linux tree first"

work=$(mktemp -d)
export WINEPREFIX=$build/tools/wineprefix
trap 'rm -rf "$work"' EXIT

bash "$source_dir/scripts/package-windows.sh" "$build" >"$work/package.log" 2>&1 ||
  { cat "$work/package.log" >&2; fail "package-windows.sh"; }
zip=$build/radioprog-$version-windows-x64.zip
unzip -q "$zip" -d "$work/unpacked"
[ "$(ls "$work/unpacked")" = "radioprog-$version" ] || fail "the zip does not hold one folder radioprog-$version"
folder=$work/unpacked/radioprog-$version

# What the runs below need not load.
for f in platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll \
         enHelp.html chHelp.html README.txt LICENSE.txt copyright.txt; do
  [ -s "$folder/$f" ] || fail "$f missing from the zip"
done
[ ! -e "$folder/Qt6Test.dll" ] || fail "the zip carries Qt6Test.dll"
for exe in radioprog.exe radioprog-cli.exe; do
  sections=$(x86_64-w64-mingw32-objdump -h "$folder/$exe")
  [[ $sections != *.debug_* ]] || fail "$exe is not stripped"
done

cd "$work"
cp "$source_dir/tests/fuzz/corpus/images/channels.dat" .
# A clean environment: the Windows programs see only the unpacked folder.
win() {  # [NAME=VALUE...] COMMAND [ARG...]
  timeout 60 env -i PATH=/usr/bin:/bin HOME="${HOME:-$work}" WINEPREFIX="$WINEPREFIX" \
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "$@"
}
cli() { win /usr/lib/wine/wine64 "$folder/radioprog-cli.exe" "$@"; }
mkdir -m 700 linux-runtime
linux() {
  env XDG_CONFIG_HOME="$work/linux-config" XDG_RUNTIME_DIR="$work/linux-runtime" HOME="$work" \
    "$linux_cli" "$@"
}
mkdir -p "$WINEPREFIX"  # made on the first run when missing
# The band limits last used, kept per user, change what `new` writes.
win /usr/lib/wine/wine64 reg delete 'HKCU\Software\radioprog' /f >/dev/null 2>&1 || true

cli new -o new.dat >/dev/null || fail "radioprog-cli.exe new (status $?)"
linux new -o linux-new.dat >/dev/null || fail "Linux radioprog-cli new"
cmp -s new.dat linux-new.dat || fail "the new image differs from the Linux build's"

same_table() {  # FILE.dat [ARGS...]
  cli channels "$@" >win.txt || fail "radioprog-cli.exe channels $* (status $?)"
  linux channels "$@" >linux.txt || fail "Linux radioprog-cli channels $*"
  cmp -s win.txt linux.txt || { show_diff linux.txt win.txt; fail "channels $* differs from the Linux build's"; }
}
same_table new.dat
same_table channels.dat
[ "$(wc -l <win.txt)" -gt 5 ] || fail "channels.dat lists only $(wc -l <win.txt) channels"
# channels.dat names one channel in GBK.
same_table channels.dat --lang zh

# The PDF holds the words of the Linux build's text pages, in as many pages.
cli print --pdf out.pdf channels.dat >/dev/null || fail "radioprog-cli.exe print --pdf (status $?)"
linux print --pdf linux.pdf channels.dat >/dev/null || fail "Linux radioprog-cli print --pdf"
pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
[ "$(pages out.pdf)" = "$(pages linux.pdf)" ] || fail "the PDF has $(pages out.pdf) pages, Linux's $(pages linux.pdf)"
words() { tr -s '[:space:]' '\n' | sed '/^$/d' | sort; }
pdftotext -raw out.pdf - | words >pdf-words.txt
linux print --text channels.dat | words >text-words.txt
grep -qx 'SITE-1' text-words.txt || fail "the Linux text pages lack channel names"
cmp -s pdf-words.txt text-words.txt ||
  { show_diff text-words.txt pdf-words.txt; fail "the PDF's words differ from the text pages"; }

# The desktop program paints its main window once and ends.
# Wine hands QT_* variables over only when given as WINEQT_*.
start() {  # [NAME=VALUE...]: prints what the program printed, without the CR
  win WINEQT_QPA_PLATFORM=offscreen "$@" /usr/lib/wine/wine64 "$folder/radioprog.exe" \
    --benchmark-startup channels.dat | tr -d '\r'
}
out=$(start) || fail "radioprog.exe --benchmark-startup ended with status $?"
[[ $out =~ ^startup-ms\ [0-9]+$ ]] || fail "radioprog.exe printed: $out"

# In Chinese it opens Qt's catalog from translations\ beside it.
sed -i 's/^Language=English/Language=Chinese/' "$folder/Program.ini"
out=$(start WINEDEBUG=-all,+file 2>file-trace.txt) || fail "radioprog.exe in Chinese ended with status $?"
[[ $out =~ ^startup-ms\ [0-9]+$ ]] || fail "radioprog.exe in Chinese printed: $out"
bs="\\\\"  # one backslash as Wine's trace writes it
catalog="$bs$bs?${bs}Z:${folder//\//"$bs"}${bs}translations${bs}qtbase_zh_CN.qm"
grep -qF "CreateFileW L\"$catalog\" GENERIC_READ" file-trace.txt ||
  fail "radioprog.exe in Chinese did not open translations\\qtbase_zh_CN.qm"
