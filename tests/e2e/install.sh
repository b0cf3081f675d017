#!/usr/bin/env bash
# An installed tree: programs in bin/, the data in share/vmrprog; the user's
# Program.ini is created from the delivered one, nothing is written into the tree.
set -u
BIN=${1:?bin folder}
BUILD=$(cd "$BIN/.." && pwd)
T=$(mktemp -d)
trap 'chmod -R u+w "$T" 2>/dev/null; rm -rf "$T"' EXIT
fail=0
cmake --install "$BUILD" --prefix "$T/prefix" >/dev/null || { echo "FAIL: install"; exit 1; }
for f in bin/vmrprog bin/vmrtool bin/vmrsim share/vmrprog/Default.dat share/vmrprog/Program.ini; do
    [ -e "$T/prefix/$f" ] && echo "ok: installed $f" || { echo "FAIL: $f missing"; fail=1; }
done
chmod -R a-w "$T/prefix"
export HOME="$T/home" XDG_CONFIG_HOME="$T/home/.config"
mkdir -p "$HOME"
if "$T/prefix/bin/vmrtool" new -o "$T/new.dat" 2>"$T/err"; then
    echo "ok: installed vmrtool finds Default.dat"
    cmp -s <(tail -c 144 "$T/new.dat") <(tail -c 144 "$BIN/Default.dat") \
        && echo "ok: the installed default codeplug is the built one" \
        || { echo "FAIL: different default data"; fail=1; }
else
    echo "FAIL: installed vmrtool new"; cat "$T/err"; fail=1
fi
exit $fail
