#!/usr/bin/env bash
# Quantum extraction benchmark: bench/bench_peers.sh with Quantum at a 2 MiB
# window only (see there for the settings; compressed sizes of every method:
# bench/bench_encoders.sh).
exec env METHODS="${METHODS:-quantum:21}" "$(dirname "$0")/bench_peers.sh"
