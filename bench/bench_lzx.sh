#!/usr/bin/env bash
# LZX extraction benchmark: bench/bench_peers.sh with LZX at a 2 MiB and a
# 32 KiB window only (see there for the settings; compressed sizes of every
# method: bench/bench_encoders.sh).
exec env METHODS="${METHODS:-lzx:21 lzx:15}" "$(dirname "$0")/bench_peers.sh"
