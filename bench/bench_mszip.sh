#!/usr/bin/env bash
# MSZIP extraction benchmark: bench/bench_peers.sh with MSZIP only, which
# includes the cabinet made by `gcab -c -z` and the in-memory decoder against
# zlib's (bench/mszip_throughput). See bench_peers.sh for the settings.
exec env METHODS="${METHODS:-mszip}" "$(dirname "$0")/bench_peers.sh"
