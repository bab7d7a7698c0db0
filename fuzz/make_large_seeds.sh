#!/usr/bin/env bash
# Writes into folder $1 the seeds too large to keep in the repository. Each takes seconds to run
# under the sanitizers, so they are run once each rather than fuzzed.
set -euo pipefail
out=$1
mkdir -p "$out"

# $2 bytes made of the bytes $1 (printf escapes) over and over.
repeat() {
  head -c "$2" < <(while :; do printf "$1%.0s" {1..4096}; done)
}

# A group whose one member line is 1 MiB of code page 932 two-byte characters. The odd "x"
# puts every 64 KiB piece boundary of the reader in the middle of a character.
{
  printf '\x83\x4f\x83\x8b\x81\x5b\x83\x76\r\n  x'
  repeat '\x96\xbc\x91\x4f' 1048576
  printf ' (x@y)\r\n'
} > "$out/long-line-1mb.txt"

# The same in UTF-8 with its mark: three-byte characters, most piece boundaries inside one.
{
  printf '\xef\xbb\xbf\xe3\x82\xb0\xe3\x83\xab\r\n  '
  repeat '\xe5\x90\x8d\xe5\x89\x8d' 1048578
  printf ' (x@y)\r\n'
} > "$out/long-line-1mb-utf8.txt"

# A name, then 10,000 blank lines, which the parser takes two at a time as nameless people.
{
  printf 'A\r\n'
  repeat '\r\n' 20000
} > "$out/blank-lines-10000.txt"
