#!/usr/bin/env bash
# Makes the placeholder firmware images FIRMWARE_5, FIRMWARE_6 and FIRMWARE_7:
# the size of the maker's images, a Cortex-M vector table whose first word is
# the initial stack pointer 0x20005000, and deterministic filler in place of
# the program (different for each version). Run from anywhere:
#   bash resources/make_firmware_placeholders.sh
# Dropping the maker's files into resources/ under the same names replaces them.
set -euo pipefail
cd "$(dirname "$0")"

# Appends a 32-bit word, least significant byte first, to `escaped`.
word() {
  local v=$1 i
  for i in 0 8 16 24; do
    printf -v byte '%02x' $(((v >> i) & 255))
    escaped+="\\x$byte"
  done
}

make_image() {
  local name=$1 size=$2 state=$3 n vector
  escaped=""
  word $((0x20005000))
  # Fifteen exception vectors into the program, odd for Thumb code.
  for vector in $(seq 1 15); do
    word $((0x08000100 + 2 * vector + 1))
  done
  for ((n = 64; n < size; n++)); do
    # A linear congruential sequence: the same bytes on every run.
    state=$(((state * 1103515245 + 12345) % 2147483648))
    printf -v byte '%02x' $(((state >> 16) & 255))
    escaped+="\\x$byte"
  done
  printf '%b' "$escaped" > "$name"
}

make_image FIRMWARE_5 53840 5
make_image FIRMWARE_6 53640 6
make_image FIRMWARE_7 53700 7
