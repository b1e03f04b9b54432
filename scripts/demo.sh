#!/bin/bash
# The main job on a bundled default: builds cabx, packs the files under
# samples/ into a cabinet (MSZIP), lists it, tests it and extracts it into
# a fresh folder, then shows what came out and checks it against samples/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_TESTS=OFF >/dev/null
echo "== building cabx"
cmake --build build -j"$(nproc)" --target cabx >/dev/null
out=$(mktemp -d)
echo "== cabx create -m mszip $out/samples.cab samples"
build/cabx create -m mszip "$out/samples.cab" samples
echo "== cabx list"
build/cabx list "$out/samples.cab"
echo "== cabx test"
build/cabx test "$out/samples.cab"
echo "== cabx extract -d $out/extracted"
build/cabx extract -q -d "$out/extracted" "$out/samples.cab"
(cd "$out/extracted" && find . -type f | sort | xargs ls -l)
diff -r samples "$out/extracted/samples" && echo "== extracted files are identical to samples/"
