# Shared by the corvelo-cli test scripts, which source it after `set -u`:
#   . "$(dirname "$0")/lib.bash"
# The script's first argument is the corvelo-cli to run. Each script works in
# a fresh data folder DIR (removed at the end), counts failures with fail and
# ends with finish.
# (Named .bash so that tests/CMakeLists.txt does not take it for a test.)

CLI="$1"
DIR=$(mktemp -d)
trap 'rm -rf "$DIR"' EXIT
FAILS=0

fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); }

# run ARGS...: runs corvelo-cli on DIR; sets RC, OUT and ERR (standard output
# and error, trailing line breaks dropped; the exact bytes are in $DIR/.out
# and $DIR/.err).
run() {
    "$CLI" --dir "$DIR" "$@" > "$DIR/.out" 2> "$DIR/.err"
    RC=$?
    OUT=$(cat "$DIR/.out")
    ERR=$(cat "$DIR/.err")
}

# put FILE OFFSET BYTES: writes printf-style BYTES at OFFSET without truncating.
put() { printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }
# zeros FILE COUNT: appends COUNT zero bytes.
zeros() { head -c "$2" /dev/zero >> "$1"; }
# field FILE OFFSET TEXT: a FixedText (length byte, then TEXT, Windows-1252
# bytes given printf-style) at OFFSET, without truncating.
field() {
    local len
    len=$(printf "$3" | wc -c)
    printf "\\x$(printf %02x "$len")$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

# finish NAME: reports the outcome and exits 0 only when nothing failed.
finish() {
    [ "$FAILS" = 0 ] && echo "$1: all passed"
    exit $((FAILS > 0))
}
