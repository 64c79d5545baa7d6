#!/usr/bin/env bash
# bench_contents.sh [FOLDER [FAMILIES]]: content mode against jdupes on one generated tree.
#
# Writes FAMILIES (default 4,000) families of files into FOLDER (default
# /tmp/velloran-contents) unless it exists: each an original of 4 KiB to 256 KiB
# with identical copies and same-size variants that differ in one byte at the
# start, in the middle or at the end. Then times `velloran-cli scan --mode contents`
# and `jdupes -r` over it, each run twice (the second with the files in the page
# cache), and prints both duplicate counts, which must agree.
set -euo pipefail
cd "$(dirname "$0")/.."
folder="${1:-/tmp/velloran-contents}"
families="${2:-4000}"
cli="${VELLORAN_CLI:-build/cli/velloran-cli}"
command -v jdupes >/dev/null || { echo "bench_contents.sh: jdupes is not installed (apt-get install jdupes)" >&2; exit 2; }
if [ ! -d "$folder" ]; then
  python3 - "$folder" "$families" <<'PY'
import os, random, sys
folder, families = sys.argv[1], int(sys.argv[2])
rng = random.Random(7)
for f in range(families):
    sub = os.path.join(folder, str(f // 500))
    os.makedirs(sub, exist_ok=True)
    data = bytearray(os.urandom(rng.randint(4096, 256 * 1024)))
    def write(name, payload):
        with open(os.path.join(sub, f"f{f}_{name}.bin"), "wb") as out:
            out.write(payload)
    write("orig", data)
    for c in range(rng.randint(0, 2)):
        write(f"copy{c}", data)
    for where in ("start", "middle", "end"):
        if rng.random() < 0.5:
            changed = bytearray(data)
            at = {"start": 0, "middle": len(data) // 2, "end": len(data) - 1}[where]
            changed[at] ^= 1
            write(where, changed)
PY
fi
files=$(find "$folder" -type f | wc -l)
echo "tree: $files files, $(du -sh "$folder" | cut -f1)"
timed() {  # prints the wall time of the command's second run
  "$@" >/dev/null 2>&1
  local start end
  start=$(date +%s.%N); "$@" >/tmp/bench_contents.out 2>/dev/null; end=$(date +%s.%N)
  python3 -c "print(round($end - $start, 3))"
}
velloran=$(timed "$cli" scan --mode contents --mask '*.*' --subfolders --compare "$folder")
vdups=$(grep -c '^D' /tmp/bench_contents.out || true)
jd=$(timed jdupes -r -q "$folder")
jsets=$(grep -c '^$' /tmp/bench_contents.out || true)
jfiles=$(grep -c . /tmp/bench_contents.out || true)
echo "velloran-cli contents: ${velloran} s, $vdups duplicates"
echo "jdupes -r:             ${jd} s, $((jfiles - jsets)) duplicates"
echo "ratio velloran / jdupes: $(python3 -c "print(round($velloran / $jd, 2))") (target <= 1)"
