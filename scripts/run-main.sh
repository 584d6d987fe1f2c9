#!/usr/bin/env bash
# The main job of `make run`: the desktop terminal with both order-book windows against a simulated
# exchange. Without a display it runs offscreen for a few seconds, writes a screenshot and prints
# the top rows of the Pending grid.
set -euo pipefail
build="${1:-build}"
if [ -x "$build/apps/orvterm" ]; then
  exec "$build/apps/orvterm" --orders 20000 --seed 7
fi
# A build without Qt still has the headless demo.
exec "$build/apps/orvdemo" --orders 20000 --seed 7
