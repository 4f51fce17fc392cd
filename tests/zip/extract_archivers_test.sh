#!/usr/bin/env bash
# extract.exe on archives that Info-ZIP zip, 7-Zip, bsdtar and Python's
# zipfile make of one tree: every archive unpacks to the same tree, with one
# "progress" line per entry and the final 100, "result 1" and exit code 0.
# Then the failure codes: 1 for an archive refused, 2 for a missing one.
set -euo pipefail
exe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
winpath() { printf 'Z:%s' "${1//\//\\}"; }

src=$work/src
mkdir -p "$src/docs/deep" "$src/empty"
printf 'hello\r\n' >"$src/readme.txt"
: >"$src/docs/empty.txt"
seq 1 40000 >"$src/docs/deep/numbers.txt"
head -c 150000 /dev/urandom >"$src/docs/noise.bin"
printf 'read only\n' >"$src/docs/readonly.txt"
chmod 444 "$src/docs/readonly.txt"

(cd "$src" && zip -qr -X "$work/infozip.zip" readme.txt docs empty)
(cd "$src" && 7z a -tzip -bso0 -bsp0 "$work/7zip.zip" readme.txt docs empty)
(cd "$src" && bsdtar --format zip -cf "$work/bsdtar.zip" readme.txt docs empty)
python3 - "$src" "$work/python.zip" <<'PY'
import os, sys, zipfile
src, out = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
    for top in ("readme.txt", "docs", "empty"):
        path = os.path.join(src, top)
        if os.path.isfile(path):
            z.write(path, top)
            continue
        for folder, dirs, files in os.walk(path):
            dirs.sort()
            z.write(folder, os.path.relpath(folder, src) + "/")
            for f in sorted(files):
                z.write(os.path.join(folder, f), os.path.relpath(os.path.join(folder, f), src))
PY

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for kind in infozip 7zip bsdtar python; do
  archive=$work/$kind.zip
  out=$work/out-$kind
  entries=$(python3 -c 'import sys, zipfile; print(len(zipfile.ZipFile(sys.argv[1]).infolist()))' "$archive")
  status=0
  wine "$exe" "$(winpath "$archive")" "$(winpath "$out")" | tr -d '\r' >"$work/$kind.log" || status=$?
  [ "$status" = 0 ] || fail "$kind: exit code $status"
  [ "$(tail -n 1 "$work/$kind.log")" = "result 1" ] || fail "$kind: $(tail -n 1 "$work/$kind.log")"
  [ "$(grep -c '^progress ' "$work/$kind.log")" = "$((entries + 1))" ] || fail "$kind: not one event per entry"
  [ "$(grep '^progress ' "$work/$kind.log" | tail -n 1)" = "progress 100" ] || fail "$kind: no final 100"
  diff -r "$src" "$out" >/dev/null || fail "$kind: the unpacked tree differs"
done

# Python marks a non-ASCII name as UTF-8; it lands under its own name.
python3 - "$work/utf8.zip" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w") as z:
    z.writestr("中文.txt", "zh")
    z.writestr("../evil.txt", "x")
PY
python3 - "$work/utf8-only.zip" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w") as z:
    z.writestr("中文.txt", "zh")
PY
status=0
wine "$exe" "$(winpath "$work/utf8-only.zip")" "$(winpath "$work/out-utf8")" >/dev/null || status=$?
[ "$status" = 0 ] && [ "$(cat "$work/out-utf8/中文.txt" 2>/dev/null)" = zh ] || fail "UTF-8 name: exit $status"

status=0
wine "$exe" "$(winpath "$work/utf8.zip")" "$(winpath "$work/out-evil")" | tr -d '\r' >"$work/evil.log" || status=$?
[ "$status" = 1 ] && [ "$(cat "$work/evil.log")" = $'progress 0\nresult 0' ] || fail "escaping name: exit $status"
[ ! -e "$work/evil.txt" ] && [ ! -e "$work/out-evil/中文.txt" ] || fail "escaping name: something was written"

status=0
wine "$exe" "$(winpath "$work/none.zip")" "$(winpath "$work/out-none")" | tr -d '\r' >"$work/none.log" || status=$?
[ "$status" = 2 ] && [ "$(cat "$work/none.log")" = $'progress 0\nresult -1' ] || fail "missing archive: exit $status"

[ "$failures" = 0 ] && echo "all archivers unpack alike"
exit "$failures"
