#!/usr/bin/env bash
# A real read and write through a Windows COM port: under Wine, COM9 of the
# prefix is made the pseudo-terminal of the Linux build's virtual radio, and
# radioprog-cli.exe reads it, writes a new image into it and reads that back.
#   wine_com_test.sh WINE_RUN TOOLS WINDOWS_BIN LINUX_BIN
set -euo pipefail
run=$1 tools=$2 win=$3 linux=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$linux/radioprog-sim" ] && [ -x "$linux/radioprog-cli" ] ||
  fail "the Linux radioprog-sim and radioprog-cli are not in $linux: build the Linux tree first"

work=$(mktemp -d)
com=${WINEPREFIX:-$tools/wineprefix}/dosdevices/com9
sim=
cleanup() {
  rm -f "$com"
  [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

"$linux/radioprog-sim" --memory "$work/radio.bin" --link "$work/pty" >"$work/sim.log" 2>&1 &
sim=$!
for _ in $(seq 100); do [ -L "$work/pty" ] && break; sleep 0.05; done
[ -L "$work/pty" ] || fail "the virtual radio did not start: $(cat "$work/sim.log")"
ln -sfn "$(readlink -f "$work/pty")" "$com"

cli() { (cd "$work" && "$run" "$tools" "$win/radioprog-cli.exe" "$@"); }
cli read --port COM9 -o first.dat --no-backup 2>"$work/err" || fail "read: $(cat "$work/err")"
[ "$(stat -c %s "$work/first.dat")" = 6144 ] || fail "read gave $(stat -c %s "$work/first.dat") bytes"

# A new image with a channel of its own goes in and comes back by meaning.
cli new -o blank.dat >/dev/null
printf 'Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,Power\r\n1,WINE,350.500000,,0.000000,Tone,88.5,88.5,023,NN,FM,High\r\n' >"$work/one.csv"
cli import-csv blank.dat one.csv -o new.dat >/dev/null 2>"$work/err" || fail "import-csv: $(cat "$work/err")"
cli write --port COM9 new.dat 2>"$work/err" || fail "write: $(cat "$work/err")"
cli read --port COM9 -o back.dat --no-backup 2>"$work/err" || fail "read back: $(cat "$work/err")"
# The radio keeps some bytes of its own (its band type); the channels are
# what was written.
"$linux/radioprog-cli" channels --all "$work/new.dat" >"$work/written.txt"
"$linux/radioprog-cli" channels --all "$work/back.dat" >"$work/back.txt"
cmp -s "$work/written.txt" "$work/back.txt" ||
  fail "the radio gave back other channels: $(diff "$work/written.txt" "$work/back.txt" | head -4)"
grep -q "WINE" "$work/back.txt" || fail "the written channel is missing"
echo "read, write and read back through COM9 under Wine: OK"
