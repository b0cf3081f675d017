# vmrtool read and write when the port, the radio or the user says no.
set -euo pipefail
BIN=$1
T=$(mktemp -d)
trap 'stop_sim; rm -rf "$T"' EXIT
. "$(dirname "$0")/transfer_sim.inc"

expect_status() { # expect_status WANT LABEL command...
    local want=$1 label=$2 rc=0
    shift 2
    "$@" </dev/null >"$T/out" 2>"$T/err" || rc=$?
    [ "$rc" = "$want" ] || fail "$label: exit $rc, expected $want: $(cat "$T/err")"
}

"$BIN/vmrtool" new -o "$T/code.dat" 2>/dev/null
printf 'KEEP' >"$T/keep.dat"

# The port cannot be opened.
expect_status 69 "missing port" "$BIN/vmrtool" read --port "$T/no-such-tty" -o "$T/keep.dat"
[ "$(head -n 1 "$T/err")" = "vmrtool: Open port fail" ] || fail "open message: $(cat "$T/err")"
grep -q "no-such-tty" "$T/err" || fail "the reason names the port"
[ "$(cat "$T/keep.dat")" = KEEP ] || fail "a failed read touched its output"

# A read-protected radio: the code in any case works, a wrong or missing one does not.
start_sim --protected --log "$T/log"
expect_status 0 "right code, mixed case" "$BIN/vmrtool" write --port "$DEV" --password 6100kX "$T/code.dat"
expect_status 77 "wrong code" "$BIN/vmrtool" read --port "$DEV" --password 6100KZ -o "$T/keep.dat"
grep -q "refused" "$T/err" || fail "wrong code message: $(cat "$T/err")"
expect_status 77 "no code, no terminal" "$BIN/vmrtool" read --port "$DEV" -o "$T/keep.dat"
grep -q -- "--password" "$T/err" || fail "missing code message: $(cat "$T/err")"
[ "$(cat "$T/keep.dat")" = KEEP ] || fail "a refused read touched its output"
settle_log "$T/log"
[ "$(tail -n 5 "$T/log" | tr '\n' ' ')" = "WAKE M A R CC00 80 A " ] || fail "refused code sends more: $(tail -n 5 "$T/log")"
if command -v script >/dev/null; then
    # On a terminal the tool asks for the code (and does not show it).
    rc=0
    : >"$T/tty"
    # Typed only once the prompt is up: before that the terminal still echoes.
    (for _ in $(seq 200); do grep -q "Access code:" "$T/tty" 2>/dev/null && break; sleep 0.05; done
     echo 6100kx) | script -qec "'$BIN/vmrtool' write --port '$DEV' '$T/code.dat'" /dev/null >"$T/tty" || rc=$?
    [ "$rc" = 0 ] || fail "code typed on the terminal: exit $rc: $(cat "$T/tty")"
    grep -q "Access code:" "$T/tty" || fail "no prompt on the terminal"
    ! grep -q "6100kx" "$T/tty" || fail "the code was shown"
fi
stop_sim

# A short reply and a refused write block are communication errors.
start_sim --short-read 0x0800 --refuse-write 0x0800 --log "$T/log2"
expect_status 76 "short reply" "$BIN/vmrtool" read --port "$DEV" -o "$T/keep.dat"
grep -qx "vmrtool: Communication error" "$T/err" || fail "short reply message: $(cat "$T/err")"
[ "$(cat "$T/keep.dat")" = KEEP ] || fail "a failed read touched its output"
expect_status 76 "refused write block" "$BIN/vmrtool" write --port "$DEV" "$T/code.dat"
wait_log_end "$T/log2" ENDW
settle_log "$T/log2"
[ "$(tail -n 2 "$T/log2" | tr '\n' ' ')" = "W 0800 80 refused ENDW " ] || fail "refused write: $(tail -n 2 "$T/log2")"
stop_sim

# Ctrl+C during a read: the end command goes out, the output stays as it was.
start_sim --log "$T/log3"
rc=0
"$BIN/vmrtool" read --port "$DEV" -o "$T/keep.dat" </dev/null 2>"$T/err" &
TOOL=$!
for _ in $(seq 600); do
    [ "$(grep -c '^R ' "$T/log3" 2>/dev/null || true)" -ge 4 ] && break
    sleep 0.05
done
kill -INT "$TOOL"
wait "$TOOL" || rc=$?
[ "$rc" = 130 ] || fail "Ctrl+C: exit $rc: $(cat "$T/err")"
grep -q "read stopped" "$T/err" || fail "Ctrl+C was not a clean stop: $(cat "$T/err")"
wait_log_end "$T/log3" ENDW
settle_log "$T/log3"
[ "$(tail -n 1 "$T/log3")" = ENDW ] || fail "Ctrl+C did not end with ENDW: $(tail -n 3 "$T/log3")"
[ "$(cat "$T/keep.dat")" = KEEP ] || fail "a stopped read touched its output"
stop_sim

# A radio that misses its first wake-ups is woken by the retries.
start_sim --ignore-wakeups 2 --log "$T/log5"
expect_status 0 "ignored wake-ups" "$BIN/vmrtool" write --port "$DEV" "$T/code.dat"
settle_log "$T/log5"
[ "$(head -n 3 "$T/log5" | tr '\n' ' ')" = "WAKE ignored WAKE ignored WAKE " ] || fail "wake-up retries: $(head -n 3 "$T/log5")"
stop_sim

# A radio that never answers: nine wake-ups, then nothing more.
start_sim --silent --log "$T/log4"
expect_status 76 "silent radio" "$BIN/vmrtool" read --port "$DEV" -o "$T/keep.dat"
settle_log "$T/log4"
[ "$(sort -u "$T/log4")" = WAKE ] || fail "silent radio got more than wake-ups: $(sort -u "$T/log4")"
[ "$(wc -l <"$T/log4")" = 9 ] || fail "wake-ups: $(wc -l <"$T/log4")"
echo "ok"
