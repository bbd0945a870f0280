#!/bin/sh
# Makes, under $1, names that no Windows program can make: 200 bytes 0xFF,
# which are not UTF-8 and which Wine shows as 200 U+FFFD (600 UTF-8 bytes).
set -e
rm -rf "$1"
mkdir -p "$1/first" "$1/next"
bad=$(printf '\377%.0s' $(seq 200))
: > "$1/first/x$bad"
: > "$1/next/y$bad"
