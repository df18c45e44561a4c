#!/usr/bin/env bash
# Makes BUILD_DIR/radioprog-<version>-windows-x64.zip: one folder
# radioprog-<version>/ that runs from wherever it is unpacked. It holds what
# `cmake --install` puts into the Windows program folder (the programs,
# stripped, and their files), the Qt and MinGW runtime DLLs they load, Qt's
# plug-ins and Qt's Chinese catalog.
# BUILD_DIR (default build-win) is built first as windows-build.sh does; an
# already configured one only has the programs brought up to date.
#   package-windows.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build-win}")
fail() { echo "package-windows: $*" >&2; exit 1; }

if [ -f "$build/CMakeCache.txt" ]; then
  cmake --build "$build" --target radioprog radioprog-cli
else
  bash scripts/windows-build.sh --no-tests "$build"
fi
[ -f "$build/bin/radioprog.exe" ] || fail "$build is not a Windows build (no bin/radioprog.exe)"

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || fail "no version in $build/CPackConfig.cmake"
qt_dir=$(sed -n 's/^Qt6_DIR:PATH=//p' "$build/CMakeCache.txt")
qt=$(realpath "$qt_dir/../../..")
strip=x86_64-w64-mingw32-strip
# Where the DLLs the programs load come from; anything else they import
# must be part of Windows itself (Wine carries the same DLLs).
runtime_dirs=("$qt/bin" "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
              /usr/x86_64-w64-mingw32/lib)
windows_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
[ -d "$windows_dlls" ] || fail "Wine's DLLs ($windows_dlls) are needed to tell Windows's own DLLs apart"
plugins=(platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll imageformats/qico.dll)
qt_catalog=/usr/share/qt6/translations/qtbase_zh_CN.qm
[ -f "$qt_catalog" ] || fail "$qt_catalog is missing (Debian package qt6-translations-l10n)"

name=radioprog-$version
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/install" --strip >"$stage/install.log" ||
  { cat "$stage/install.log" >&2; fail "cmake --install"; }
[ "$(ls "$stage/install")" = bin ] || fail "cmake --install made more than bin/: $(ls "$stage/install")"
folder=$stage/$name
mv "$stage/install/bin" "$folder"

for plugin in "${plugins[@]}"; do
  mkdir -p "$folder/$(dirname "$plugin")"
  "$strip" --strip-unneeded -o "$folder/$plugin" "$qt/plugins/$plugin"
done
mkdir -p "$folder/translations" "$folder/licences"
cp "$qt_catalog" "$folder/translations/"
cp /usr/share/common-licenses/LGPL-3 "$folder/licences/LGPL-3.txt"
cp /usr/share/common-licenses/GPL-3 "$folder/licences/GPL-3.txt"

# The DLLs imported by the programs and plug-ins, and by those DLLs in turn.
find_dll() {  # DIR NAME: the file in DIR named NAME in any case
  find "$1" -maxdepth 1 -iname "$2" -print -quit
}
pending=("$folder"/*.exe "${plugins[@]/#/$folder/}")
while [ "${#pending[@]}" -gt 0 ]; do
  file=${pending[0]}
  pending=("${pending[@]:1}")
  for dll in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
    [ -n "$(find_dll "$folder" "$dll")" ] && continue
    source=
    for dir in "${runtime_dirs[@]}"; do
      source=$(find_dll "$dir" "$dll")
      [ -n "$source" ] && break
    done
    if [ -n "$source" ]; then
      "$strip" --strip-unneeded -o "$folder/$(basename "$source")" "$source"
      pending+=("$folder/$(basename "$source")")
    elif [[ ${dll,,} != api-ms-win-* ]] && [ -z "$(find_dll "$windows_dlls" "$dll")" ]; then
      fail "$(basename "$file") needs $dll, which is neither a runtime DLL nor part of Windows"
    fi
  done
done

zip=$build/$name-windows-x64.zip
rm -f "$zip"
(cd "$stage" && zip -q -r -X "$zip" "$name")
echo "$zip: $(du -k "$zip" | cut -f1) KiB"
