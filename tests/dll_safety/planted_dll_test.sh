#!/usr/bin/env bash
# A marker DLL planted beside a program, as a download lands beside other
# downloads. First the control: without the restriction Wine's loader takes
# the planted DLL from the program's folder. Then the installer's restriction
# (the same routine WinMain calls first) keeps it out. Last, the installer
# itself beside planted copies of the DLLs it loads by name at run time.
# Usage: planted_dll_test.sh PROBE MARKER_DLL INSTALLER
set -euo pipefail
probe=$1 marker_dll=$2 installer=$3
: "${WINEPREFIX:?no Wine prefix: run through tools/test.sh}"
folder=$(mktemp -d "${TMPDIR:-/tmp}/downloads.XXXXXX")
installer_pid=""
cleanup() {
  if [ -n "$installer_pid" ]; then kill "$installer_pid" 2>/dev/null || true; fi
  rm -rf "$folder"
}
trap cleanup EXIT
cp "$probe" "$folder/probe.exe"
cp "$marker_dll" "$folder/lunetra_planted.dll"
marker=$folder/planted_dll_loaded.txt
failures=0

wine "$folder/probe.exe" lunetra_planted.dll
if [ -e "$marker" ]; then echo "control: without the restriction the planted DLL is loaded"; else
  echo "FAIL: the planted DLL was not loaded even without the restriction: this check proves nothing"; failures=$((failures + 1)); fi
rm -f "$marker"

wine "$folder/probe.exe" lunetra_planted.dll restrict
if [ -e "$marker" ]; then echo "FAIL: the planted DLL was loaded despite the restriction"; failures=$((failures + 1)); else
  echo "restricted: the planted DLL stays out"; fi
rm -f "$marker"

# The installer beside planted copies of the DLLs that are loaded by name once
# it runs. Under Wine these names are always taken from its builtins, so this
# guards the installer against a DLL looked up by a name of its own; the proof
# of the restriction is the pair above. (shcore.dll is left out: Wine maps it
# from the program's folder while resolving its own shlwapi's imports, before
# any code of the program runs; Windows takes it from its known DLLs.)
cp "$installer" "$folder/installer.exe"
for name in uxtheme imm32 version; do cp "$marker_dll" "$folder/$name.dll"; done
wine "$folder/installer.exe" &
installer_pid=$!
started=""
for _ in $(seq 100); do
  if xdotool search --onlyvisible --name "Lunetra Product L" >/dev/null 2>&1; then started=yes; break; fi
  sleep 0.1
done
[ -n "$started" ] || { echo "FAIL: installer.exe showed no window beside the planted DLLs"; failures=$((failures + 1)); }
sleep 1
kill "$installer_pid" 2>/dev/null || true
wait "$installer_pid" 2>/dev/null || true
installer_pid=""
if [ -e "$marker" ]; then echo "FAIL: installer.exe loaded a DLL planted beside it"; failures=$((failures + 1)); else
  echo "installer.exe loaded none of the DLLs planted beside it"; fi

[ "$failures" -eq 0 ]
