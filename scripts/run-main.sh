#!/usr/bin/env bash
# The main job of `make run`: the headless demo of the order book.
set -euo pipefail
build="${1:-build}"
exec "$build/apps/orvdemo" --orders 20000 --seed 7
