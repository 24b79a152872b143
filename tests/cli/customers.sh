#!/bin/bash
# corvelo-cli due, search customers, export customers, run as a user runs
# them over a small customer file.
set -u
CLI="$1"
DIR=$(mktemp -d)
trap 'rm -rf "$DIR"' EXIT
FAILS=0

fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); }

# field FILE OFFSET TEXT: a FixedText (length byte, then TEXT, Windows-1252 bytes
# given printf-style) at OFFSET, without truncating.
field() {
    local len
    len=$(printf "$3" | wc -c)
    printf "\\x$(printf %02x "$len")$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}
# customer FILE CARD COGNOME NOME RECAPITO ZONA SCADENZA PREAVVISO RATA ACQUISTO
customer() {
    local base=$((($2 - 1) * 4043))
    head -c 4043 /dev/zero >> "$1"
    field "$1" $((base + 0)) "$3"
    field "$1" $((base + 51)) "$4"
    field "$1" $((base + 611)) "$5"
    field "$1" $((base + 2291)) "$6"
    field "$1" $((base + 2393)) '01/01/2024'
    field "$1" $((base + 2404)) "$7"
    field "$1" $((base + 2415)) "$8"
    field "$1" $((base + 2486)) "$9"
    field "$1" $((base + 2342)) "${10}"
}

run() {  # run ARGS...: sets OUT, ERR, RC
    "$CLI" --dir "$DIR" "$@" > "$DIR/.out" 2> "$DIR/.err"
    RC=$?
    OUT=$(cat "$DIR/.out")
    ERR=$(cat "$DIR/.err")
}

F="$DIR/Clienti.pro"
customer "$F" 1 'Rossi' 'Mario' '333 1234567 sera' 'Centro' '20/06/2024' '5' '50,00' 'Divano'
customer "$F" 2 'Bianchi' 'Anna' '' 'Nord' '31/02/2024' '0' '10,00' 'Cucina'
customer "$F" 3 'Carosio' 'Nicol\xf2' '051 22' 'centro storico' '01/06/2024' '0' '99,90' 'Bici & casco'
customer "$F" 4 'Verdi' 'Ugo' '' 'Sud' '30/06/2024' '10' '5,00' 'Libri'
customer "$F" 5 'Neri' 'Eva' '' 'Sud' '01/07/2024' 'x' '5,00' 'Libri'
BEFORE=$(md5sum < "$F")

E=$'\xe2\x82\xac'
run due --today 15/06/2024
[ "$RC" = 0 ] || fail "due: exit $RC $ERR"
# Columns of 30, 12, 10 and 15 characters (printf pads bytes, so ò is padded by hand).
EXPECTED="Carosio Nicolò$(printf '%16s')  Tel. $(printf '%-12s' '051 22')  Scad. 01/06/2024  Rata: $E $(printf '%-15s' '99,90')  Acquisto: Bici & casco
$(printf '%-30s' 'Rossi Mario')  Tel. 333 1234567   Scad. 20/06/2024  Rata: $E $(printf '%-15s' '50,00')  Acquisto: Divano"
[ "$OUT" = "$EXPECTED" ] || fail "due lines: $OUT"
echo "$ERR" | grep -q 'Bianchi Anna (scheda n. 2)' || fail "due: skipped card 2 not named: $ERR"
echo "$ERR" | grep -q 'Neri Eva (scheda n. 5)' || fail "due: skipped card 5 not named: $ERR"
run due --today 14/06/2024
[ "$(echo "$OUT" | cut -c1-7)" = "Carosio" ] || fail "due a day before the notice: $OUT"
run due --today 31/02/2024
[ "$RC" = 2 ] || fail "due with no such date: exit $RC"
run due --tomorrow
[ "$RC" = 2 ] || fail "due with a wrong option: exit $RC"

run search customers --Cognome ros
[ "$RC" = 0 ] || fail "search: exit $RC $ERR"
# Columns of 28, 16, 24 and 14 characters.
EXPECTED="Carosio Nicolò$(printf '%14s')  C.F. $(printf '%16s')  Zona: $(printf '%-24s' 'centro storico')  Tel. $(printf '%-14s' '051 22')  Note: 
$(printf '%-28s' 'Rossi Mario')  C.F. $(printf '%16s')  Zona: $(printf '%-24s' 'Centro')  Tel. 333 1234567 se  Note: 
Il presente riepilogo contiene 2 schede."
[ "$OUT" = "$EXPECTED" ] || fail "search lines: $OUT"
run search customers --Cognome ros --Zona "centro "
[ "$(echo "$OUT" | tail -n 1)" = "Il presente riepilogo contiene 1 schede." ] || fail "two criteria: $OUT"
run search customers
[ "$(echo "$OUT" | cut -c1-4 | tr '\n' '|')" = "Bian|Caro|Neri|Ross|Verd|Il p|" ] || fail "search all: $OUT"
run search customers --Cliente x
[ "$RC" = 2 ] || fail "unknown box: exit $RC"

run export customers
[ "$RC" = 0 ] || fail "export: exit $RC $ERR"
X="$DIR/Clienti.xls"
[ "$(tr -cd '\n\r' < "$X" | wc -c)" = 0 ] || fail "export has line breaks"
grep -q '<x:Name>Riepilogo Clienti</x:Name>' "$X" || fail "export worksheet name"
grep -q 'Carosio Nicol'$'\xf2''<' "$X" || fail "export ò"
grep -q 'Bici &amp; casco' "$X" && fail "export wrote the purchase, which is not exported"
[ "$(grep -o '<tr>' "$X" | wc -l)" = 6 ] || fail "export rows"
[ "$(grep -o '<td' "$X" | wc -l)" = $((6 * 25)) ] || fail "export cells"
run export customers --out "$DIR/altro.xls"
cmp -s "$X" "$DIR/altro.xls" || fail "export --out"
run export customers --out "$DIR/missing/x.xls"
[ "$RC" = 3 ] || fail "export to a missing folder: exit $RC"

[ "$(md5sum < "$F")" = "$BEFORE" ] || fail "the customer file changed"

# A customer file that cannot be read: the access message, exit 3, nothing written.
mkdir "$DIR/bad" "$DIR/bad/Clienti.pro"
for cmd in "due" "search customers" "export customers"; do
    "$CLI" --dir "$DIR/bad" $cmd > "$DIR/.out" 2> "$DIR/.err"
    RC=$?
    [ "$RC" = 3 ] || fail "$cmd on an unreadable file: exit $RC"
    grep -q "non permette di accedere all'archivio" "$DIR/.err" || fail "$cmd: no access message"
done
[ -e "$DIR/bad/Clienti.xls" ] && fail "export wrote a file from an unreadable archive"

# A missing customer file is created empty.
mkdir "$DIR/new"
"$CLI" --dir "$DIR/new" due --today 01/01/2024 > "$DIR/.out" 2>&1
[ "$?" = 0 ] && [ ! -s "$DIR/.out" ] && [ -f "$DIR/new/Clienti.pro" ] || fail "missing file"

[ "$FAILS" = 0 ] && echo "all passed"
exit $((FAILS > 0))
