#!/bin/bash
# The main job on a bundled default: builds cabx and the Windows stub, packs
# the files under samples/ into a cabinet (MSZIP), lists it, tests it and
# extracts it into a fresh folder and checks what came out against samples/;
# then makes the self-extracting samples.exe from the same files, describes
# it and extracts it with cabx as well.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
scripts/deps.sh stub  # the cross compiler for the stub, only if missing
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSTUB_BUILD_TESTS=OFF >/dev/null
echo "== building cabx and the Windows stub"
cmake --build build -j"$(nproc)" --target cabx stub_windows_i686 >/dev/null
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

echo "== cabx sfx -m lzx --folder 'C:\\Samples' $out/samples.exe samples"
build/cabx sfx -m lzx --folder 'C:\Samples' --caption Samples \
  --message 'Extract the samples?' --kind yesno "$out/samples.exe" samples
echo "== cabx info $out/samples.exe"
build/cabx info "$out/samples.exe"
echo "== cabx extract -d $out/from-exe $out/samples.exe"
build/cabx extract -q -d "$out/from-exe" "$out/samples.exe"
diff -r samples "$out/from-exe/samples" && echo "== samples.exe holds files identical to samples/"
echo "== $out/samples.exe ($(stat -c %s "$out/samples.exe") bytes) runs on 32-bit Windows"
