#!/usr/bin/env bash
# The Windows download: CPack's zip holds exactly what a racer needs, the .bat
# and the guide with Windows line ends, and rennlupe.exe needs no DLL Windows lacks.
# usage: zip-contents.sh BUILD_DIR OBJDUMP
set -u
build=$1
objdump=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

(cd "$build" && cpack -B "$work" > "$work/cpack.txt" 2>&1) || { cat "$work/cpack.txt"; fail "cpack"; }
zip=$(ls "$work"/Rennlupe-*-windows-x64.zip) || fail "no zip in $(ls "$work")"
listing=$(cmake -E tar tf "$zip" | sort)
top=$(basename "$zip" .zip)
expected=$(printf '%s\n' "$top/README-Windows.txt" "$top/Start Rennlupe.bat" "$top/logo.jpg" \
  "$top/rennlupe.exe" "$top/schalten.jpg" | sort)
[ "$listing" = "$expected" ] || fail "the zip holds:"$'\n'"$listing"
(cd "$work" && cmake -E tar xf "$zip")
for text in "Start Rennlupe.bat" README-Windows.txt; do
  grep -q $'\r$' "$work/$top/$text" || fail "$text has no Windows line ends"
  grep -v $'\r$' "$work/$top/$text" | grep -q . && fail "$text has lines without CR"
done
grep -q '^rennlupe.exe --headless --connect --game-port 29999' "$work/$top/Start Rennlupe.bat" ||
  fail "the .bat does not start the program"
dlls=$("$objdump" -p "$work/$top/rennlupe.exe" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z' | sort |
  tr -d '\r' | tr '\n' ' ')
for dll in $dlls; do
  case $dll in
    kernel32.dll | msvcrt.dll | ntdll.dll | ws2_32.dll | iphlpapi.dll | shell32.dll) ;;
    *) fail "rennlupe.exe needs $dll, which Windows does not ship" ;;
  esac
done
echo "$listing"
echo "DLLs: $dlls"
