#!/usr/bin/env bash
# vmrtool new, finalise and info on real files.
set -u
BIN=${1:?bin folder}
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
fail=0
check() { # description, expected status, command...
    local what=$1 want=$2
    shift 2
    "$@" >"$T/out" 2>"$T/err"
    local got=$?
    if [ "$got" != "$want" ]; then
        echo "FAIL: $what: exit $got, expected $want"; cat "$T/err"; fail=1
    else
        echo "ok: $what"
    fi
}
has() { # description, file, text
    if grep -q -- "$3" "$2"; then echo "ok: $1"; else echo "FAIL: $1: '$3' not in $2"; cat "$2"; fail=1; fi
}

check "new writes a codeplug" 0 "$BIN/vmrtool" new -o "$T/new.dat"
[ "$(stat -c %s "$T/new.dat")" = 69632 ] && echo "ok: new is 69632 bytes" || { echo "FAIL: size"; fail=1; }

check "info reads it" 0 "$BIN/vmrtool" info "$T/new.dat"
has "info names the model" "$T/out" "VMR-417"
has "info lists the 150M band" "$T/out" "150M  yes      136.00000  174.00000  144.00000  148.00000"
has "info counts channels" "$T/out" "bank A 1 of 800, bank B 1 of 800"
has "info names the five-tone standard" "$T/out" "Five-tone standard: ZVEI1"

check "finalise writes an output" 0 "$BIN/vmrtool" finalise "$T/new.dat" -o "$T/fin.dat"
check "finalise of Default.dat changes nothing" 0 "$BIN/vmrtool" finalise "$BIN/Default.dat" -o "$T/def.dat"
cmp -s "$BIN/Default.dat" "$T/def.dat" && echo "ok: Default.dat is a fixed point" || { echo "FAIL: Default.dat changed"; fail=1; }

# A bare 65,536-byte image is a codeplug too.
tail -c 65536 "$T/new.dat" > "$T/bare.img"
check "info reads a bare image" 0 "$BIN/vmrtool" info "$T/bare.img"

# Errors: sysexits statuses, messages on stderr, outputs untouched.
head -c 1000 "$T/new.dat" > "$T/short.dat"
check "a short file is not a codeplug" 65 "$BIN/vmrtool" info "$T/short.dat"
has "the message names the size" "$T/err" "1000 bytes"
check "a missing input" 66 "$BIN/vmrtool" finalise "$T/none.dat" -o "$T/x.dat"
[ ! -e "$T/x.dat" ] && echo "ok: no output on failure" || { echo "FAIL: output written"; fail=1; }
cp "$T/new.dat" "$T/keep.dat"
check "an output that cannot be created" 73 "$BIN/vmrtool" finalise "$T/new.dat" -o "$T/no/such/dir/out.dat"
check "wrong usage" 64 "$BIN/vmrtool" finalise "$T/new.dat"
check "unknown command" 64 "$BIN/vmrtool" frobnicate
check "help" 0 "$BIN/vmrtool" info --help

# Without Default.dat beside it (and none installed) new fails clearly.
if [ ! -e /usr/local/share/vmrprog/Default.dat ]; then
    mkdir "$T/lonely" && cp "$BIN/vmrtool" "$T/lonely/"
    check "new without Default.dat" 66 "$T/lonely/vmrtool" new -o "$T/n.dat"
    has "the message names Default.dat" "$T/err" "Default.dat"
fi

exit $fail
