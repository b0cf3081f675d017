# vmrtool read, write and ports against vmrsim on a pseudo-terminal.
set -euo pipefail
BIN=$1
T=$(mktemp -d)
trap 'stop_sim; rm -rf "$T"' EXIT
. "$(dirname "$0")/transfer_sim.inc"

# A radio whose memory differs from the default codeplug: a marker at 0x1000
# and at 0xF500 (a region a write never touches).
"$BIN/vmrtool" new -o "$T/radio.dat" 2>/dev/null
printf 'RADIO-MEMORY-OK!' | dd of="$T/radio.dat" bs=1 seek=$((4096 + 0x1000)) conv=notrunc 2>/dev/null
printf 'UNTOUCHED-BY-PC!' | dd of="$T/radio.dat" bs=1 seek=$((4096 + 0xF500)) conv=notrunc 2>/dev/null
start_sim --image "$T/radio.dat" --log "$T/log" --save "$T/saved.img"

# Read: the file holds the radio's memory from 0x0100 on, and the tone table of
# the default codeplug.
"$BIN/vmrtool" read --port "$DEV" -o "$T/read.dat" 2>"$T/read.err" || fail "read: $(cat "$T/read.err")"
[ "$(stat -c %s "$T/read.dat")" = 69632 ] || fail "read.dat has the wrong size"
cmp -s -i $((4096 + 0x100)):$((4096 + 0x100)) "$T/read.dat" "$T/radio.dat" || fail "read.dat differs from the radio"
grep -q "^Reading 100%$" "$T/read.err" || fail "no plain progress lines: $(cat "$T/read.err")"
wait_log_end "$T/log" ENDR
settle_log "$T/log"
[ "$(head -n 8 "$T/log" | tr '\n' ' ')" = "WAKE M A R CC00 80 A WAKE M A " ] || fail "read opening: $(head -n 8 "$T/log")"
[ "$(grep -c '^R ' "$T/log")" = 511 ] || fail "read blocks: $(grep -c '^R ' "$T/log")"
[ "$(tail -n 1 "$T/log")" = ENDR ] || fail "read does not end with ENDR"

# Write: the radio now holds the file where a write reaches, with today's date.
printf 'WRITTEN-BY-TOOL!' | dd of="$T/read.dat" bs=1 seek=$((4096 + 0x2000)) conv=notrunc 2>/dev/null
cp "$T/read.dat" "$T/sent.dat"
: >"$T/log"
"$BIN/vmrtool" write --port "$DEV" "$T/sent.dat" 2>"$T/write.err" || fail "write: $(cat "$T/write.err")"
wait_log_end "$T/log" ENDW
settle_log "$T/log"
cmp -s "$T/sent.dat" "$T/read.dat" || fail "write changed its input file"
[ "$(grep -c '^W ' "$T/log")" = 490 ] || fail "write blocks: $(grep -c '^W ' "$T/log")"
[ "$(grep '^W ' "$T/log" | head -n 1)" = "W 0060 20" ] || fail "first write block"
[ "$(grep '^W ' "$T/log" | tail -n 2 | tr '\n' ' ')" = "W FF00 80 W FF80 80 " ] || fail "last write blocks"
[ "$(tail -n 1 "$T/log")" = ENDW ] || fail "write does not end with ENDW"
cmp -s -i $((4096 + 0x60)):$((0x60)) -n $((0xF400 - 0x60)) "$T/sent.dat" "$T/saved.img" || fail "radio memory after the write"
[ "$(hexbytes "$T/saved.img" $((0xF500)) 16)" = "$(printf 'UNTOUCHED-BY-PC!' | od -An -tx1 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')" ] || fail "the write reached 0xF500"
today=$(date +%y%C%m%d | sed 's/../& /g; s/ $//')
[ "$(hexbytes "$T/saved.img" $((0xFF28)) 4)" = "$today" ] || fail "date stamp $(hexbytes "$T/saved.img" $((0xFF28)) 4), expected $today"

# A base file: the bytes below 0x0100 come from it.
"$BIN/vmrtool" new -o "$T/base.dat" 2>/dev/null
printf 'BASE' | dd of="$T/base.dat" bs=1 seek=$((4096 + 0x10)) conv=notrunc 2>/dev/null
"$BIN/vmrtool" read --port "$DEV" --base "$T/base.dat" -o "$T/based.dat" 2>/dev/null || fail "read with --base"
[ "$(hexbytes "$T/based.dat" $((4096 + 0x10)) 4)" = "42 41 53 45" ] || fail "--base not used"

# ports lists what the system has (possibly nothing) and succeeds.
"$BIN/vmrtool" ports >/dev/null 2>&1 || fail "ports"
echo "ok"
