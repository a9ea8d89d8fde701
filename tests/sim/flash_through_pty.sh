#!/usr/bin/env bash
# Writes, verifies and starts a 53,700-byte image on the simulated pedal's
# bootloader with a standard STM32 serial flasher over a pseudo-terminal.
set -euo pipefail
sim=$1
flasher=$2
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

head -c 53700 /dev/urandom > "$work/image.bin"
"$sim" --bootloader > "$work/path" &
pid=$!
for _ in $(seq 100); do
  [ -s "$work/path" ] && break
  sleep 0.05
done
tty=$(head -n 1 "$work/path")
[ -n "$tty" ] || { echo "the simulator printed no terminal"; exit 1; }

"$flasher" -b 115200 -m 8n1 -w "$work/image.bin" -v -g 0x08000000 "$tty"
echo "flashed, verified and started through $tty"
