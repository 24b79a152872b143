#!/usr/bin/env bash
# Installs what is missing, builds Corvelo and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
build "$ROOT/build/release" -DCORVELO_TESTS=OFF -DCORVELO_BENCH=OFF
exec "$ROOT/build/release/src/gui/corvelo" "$@"
