#!/bin/bash
# corvelo-cli and the single-copy lock of the data folder: the commands that
# write into the folder (export, pdf, backup, restore, unload) hold Corvelo.lock while they run and
# refuse to run while the application holds it; reading commands ignore it.
set -u
. "$(dirname "$0")/lib.bash"

L="$DIR/Corvelo.lock"
# A running program stands in for the application: its lock names it.
sleep 120 &
HOLDER=$!
trap 'kill $HOLDER 2>/dev/null; rm -rf "$DIR"' EXIT
printf '%s\nsleep\n%s\n' "$HOLDER" "$(hostname)" > "$L"
LOCK=$(cat "$L")

refused() {  # refused WHAT ARGS...: exit 3, the message, nothing written
    local what="$1"
    shift
    run "$@"
    [ "$RC" = 3 ] || fail "$what: exit $RC"
    case "$ERR" in *"File di blocco: $L") ;; *) fail "$what: lock file not named: $ERR" ;; esac
    [ "$(cat "$L")" = "$LOCK" ] || fail "$what: lock changed"
    [ "$(ls "$DIR")" = Corvelo.lock ] || fail "$what: files written: $(ls "$DIR")"
}

refused "export" export receipts 2024
case "$ERR" in "Attenzione: Corvelo è in esecuzione su questa cartella di lavoro (processo $HOLDER)"*) ;;
*) fail "export: message $ERR" ;; esac
refused "pdf" pdf customer 1
refused "unload" unload 1 1
refused "backup" backup

run summary 2024 --annual
[ "$RC" = 0 ] || fail "summary while locked: exit $RC $ERR"
rm -f "$DIR/2024.ric"

# A lock written on another computer: refused too, naming that computer.
printf '77\ncorvelo\naltro-pc\naltra-macchina\nb\n' > "$L"
LOCK=$(cat "$L")
refused "other host" export customers
case "$ERR" in *'"altro-pc"'*) ;; *) fail "other host not named: $ERR" ;; esac

# A lock left by a copy that has ended is taken over, and freed afterwards.
printf '%s\nsleep\n%s\n' "$HOLDER" "$(hostname)" > "$L"
kill "$HOLDER"
wait "$HOLDER" 2>/dev/null
run export receipts 2024
[ "$RC" = 0 ] || fail "lock of an ended copy: exit $RC $ERR"
[ -f "$DIR/Archivio_Ricevute.xls" ] || fail "export not written"
[ ! -e "$L" ] || fail "lock left behind: $(cat "$L")"

finish lock
