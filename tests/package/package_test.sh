#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a staging root and checks that
# the installed tree is complete and works from where it is installed:
# the programs start through their links in usr/bin, the desktop program finds
# its catalogs and pictures, and the desktop files pass their validators.
#   package_test.sh BUILD_DIR VERSION [CPACK]
set -euo pipefail
build=$1
version=$2
cpack=${3:-cpack}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$stage/out" >"$stage/cpack.log" 2>&1 ||
  { cat "$stage/cpack.log" >&2; fail "cpack"; }
debs=("$stage"/out/radioprog_*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, got: ${debs[*]}"
deb=${debs[0]}

# Control fields: the project version, the section, and dependencies that
# dpkg-shlibdeps found in the programs.
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$deb" Section)" = "hamradio" ] || fail "section"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6widgets6 libqt6serialport6 libc6; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

root=$stage/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr
program_dir=$usr/lib/radioprog
for f in radioprog radioprog-cli radioprog-sim; do
  [ -x "$program_dir/$f" ] || fail "$f missing from the program directory"
  [ -L "$usr/bin/$f" ] || fail "usr/bin/$f is not a link"
  [ "$(readlink -f "$usr/bin/$f")" = "$(readlink -f "$program_dir/$f")" ] ||
    fail "usr/bin/$f does not lead to the program directory"
done
for f in Program.ini English.qm Chinese.qm enHelp.html chHelp.html title.ico background.bmp startup.bmp; do
  [ -s "$program_dir/$f" ] || fail "$f missing from the program directory"
done
app_id=io.github.radioprog.radioprog
for f in "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
         share/mime/packages/radioprog.xml share/icons/hicolor/scalable/apps/radioprog.svg; do
  [ -s "$usr/$f" ] || fail "$f missing"
done
for size in 16 24 32 48 64 128 256; do
  icon=$usr/share/icons/hicolor/${size}x${size}/apps/radioprog.png
  [ -s "$icon" ] || fail "icon $size missing"
  [ "$(file -b "$icon" | grep -o '[0-9]* x [0-9]*')" = "$size x $size" ] || fail "icon $size has the wrong size"
done

# The manual pages (radioprog-cli's written by the program from its --help
# texts), the copyright and the changelog; and, where lintian is installed,
# a package it finds no error in.
for f in share/man/man1/radioprog.1.gz share/man/man1/radioprog-cli.1.gz \
         share/doc/radioprog/copyright share/doc/radioprog/changelog.gz; do
  [ -s "$usr/$f" ] || fail "$f missing"
done
zcat "$usr/share/man/man1/radioprog-cli.1.gz" | grep -q '^\.SH EXIT STATUS' || fail "man page lacks the exit statuses"
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >"$stage/lintian.log" 2>&1 || { cat "$stage/lintian.log" >&2; fail "lintian"; }
fi

desktop-file-validate "$usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml" >"$stage/as.log" 2>&1 ||
  { cat "$stage/as.log" >&2; fail "appstreamcli validate"; }
grep -q "<release version=\"$version\"" "$usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "metainfo release is not $version"

# The MIME database built from our package alone maps *.dat to the radio image
# type, which the .desktop file opens.
mkdir -p "$stage/mime/packages"
cp "$usr/share/mime/packages/radioprog.xml" "$stage/mime/packages/"
XDG_DATA_HOME=$stage update-mime-database "$stage/mime" 2>"$stage/mime.log" || { cat "$stage/mime.log" >&2; fail "update-mime-database"; }
[ ! -s "$stage/mime.log" ] || { cat "$stage/mime.log" >&2; fail "MIME file warnings"; }
grep -q '^10:application/x-radioprog-image:\*\.dat$' "$stage/mime/globs2" || fail "no *.dat glob"
grep -q '^MimeType=application/x-radioprog-image;$' "$usr/share/applications/$app_id.desktop" ||
  fail "desktop file does not open radio images"

# The programs run from the staged tree, with a home of their own.
export HOME=$stage/home XDG_CONFIG_HOME=$stage/home/.config
mkdir -p "$XDG_CONFIG_HOME"
"$usr/bin/radioprog-cli" --version >"$stage/version.txt" || fail "radioprog-cli --version"
grep -q "$version" "$stage/version.txt" || fail "radioprog-cli --version says: $(cat "$stage/version.txt")"
(cd "$stage" && "$usr/bin/radioprog-cli" new -o radio.dat >/dev/null) || fail "radioprog-cli new"

# The desktop program ends with status 1 when it cannot load its catalog or
# open the file it is given; --benchmark-startup ends it after the first paint.
export QT_QPA_PLATFORM=offscreen
start() { (cd "$stage" && timeout 30 "$usr/bin/radioprog" --benchmark-startup "$@" >/dev/null 2>&1); }
start || fail "radioprog does not start from the installed tree"
start radio.dat || fail "radioprog does not open a relative .dat path"
start "$stage/radio.dat" || fail "radioprog does not open an absolute .dat path"
sed -i 's/^Language=English/Language=Chinese/' "$program_dir/Program.ini"
start || fail "radioprog does not start in Chinese from the installed tree"

echo "package $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, installed $(du -sk "$usr" | cut -f1) KiB"
