#!/usr/bin/env bash
# The release build is hardened. Usage: hardening.sh PROGRAM
set -u
program=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

readelf -h "$program" | grep -q 'Type: *DYN' || fail "not a position-independent executable"
readelf -d "$program" | grep -q 'FLAGS_1.*PIE' || fail "no PIE flag"
readelf -l "$program" | grep -q 'GNU_RELRO' || fail "no RELRO segment"
readelf -d "$program" | grep -Eq 'BIND_NOW|FLAGS.*NOW' || fail "RELRO is not full (no BIND_NOW)"
readelf --dyn-syms -W "$program" | grep -q '__stack_chk_fail' || fail "no stack protector"
readelf --dyn-syms -W "$program" | grep -Eq '__[a-z]+_chk' || fail "no fortified calls (_FORTIFY_SOURCE)"

[ "$failures" -eq 0 ] && echo "hardening: all passed"
exit "$failures"
