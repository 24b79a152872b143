#!/bin/bash
# corvelo-cli summary, search receipts, unpaid, stats, export receipts, run
# as a user runs them over a small year archive.
set -u
. "$(dirname "$0")/lib.bash"

# receipt FILE CARD NUMRIC DATA CLIENTE TOT TOTALE SALDATA
receipt() {
    local base=$((($2 - 1) * 3077))
    head -c 3077 /dev/zero >> "$1"
    field "$1" $((base + 0)) "$3"
    field "$1" $((base + 31)) "$4"
    field "$1" $((base + 385)) "$5"
    field "$1" $((base + 3030)) "$6"
    field "$1" $((base + 3041)) '0,00'
    field "$1" $((base + 3052)) '0,00'
    field "$1" $((base + 3063)) "$7"
    field "$1" $((base + 3074)) "$8"
}

R="$DIR/2024.ric"
receipt "$R" 1 '2' '01/03/2024' 'Mario Rossi' '0,10' '0,10' 'S\xec'
receipt "$R" 2 '10' '15/03/2024' 'Rossini Srl' '0,10' '0,10' 'No'
receipt "$R" 3 '1' '5/3/2024' 'Caff\xe8 & Bar' '50,00' '50,00' 'No'
receipt "$R" 4 '3' '31/03/2024' 'ROSS\xcc Luca' '0,10' '0,10' ''
receipt "$R" 5 '4' '02/04/2024' 'Bianchi' '100,00' '80,00' 'S\xec'
BEFORE=$(md5sum < "$R")

E=$'\xe2\x82\xac'
run summary 2024 --month 3
[ "$RC" = 0 ] || fail "summary: exit $RC $ERR"
EXPECTED="Tipologia riepilogo: Ricevute emesse nel mese di marzo 2024
Ric. n. 2             Data: 01/03/2024  Mario Rossi                     C.F.                   Acconti: $E 0,00      Bollo: 0,00      Totale: $E 0,10
Ric. n. 10            Data: 15/03/2024  Rossini Srl                     C.F.                   Acconti: $E 0,00      Bollo: 0,00      Totale: $E 0,10
Ric. n. 3             Data: 31/03/2024  ROSSÌ Luca                      C.F.                   Acconti: $E 0,00      Bollo: 0,00      Totale: $E 0,10
--------------------------
TOT. CORRISPETTIVI:     $E 0,30
Tot. acconti:           $E 0,00
Tot. imposta di bollo:  $E 0,00
Totale saldato:         $E 0,30"
[ "$OUT" = "$EXPECTED" ] || fail "summary month 3: $OUT"

run summary 2024 --quarter 2
echo "$OUT" | grep -q "^Totale saldato:         $E 80,00$" || fail "summary quarter 2: $OUT"
run summary 2024 --annual
[ "$(echo "$OUT" | grep -c '^Ric. n. ')" = 4 ] || fail "annual: $OUT"
run summary 2024 --month 13
[ "$RC" = 2 ] || fail "month 13: exit $RC"
run summary 2024
[ "$RC" = 2 ] || fail "no period: exit $RC"

run summary 2024 --annual --pdf "$DIR/riepilogo.pdf"
if [ "$RC" = 0 ]; then
    head -c 5 "$DIR/riepilogo.pdf" | grep -q '%PDF-' || fail "summary pdf is not a PDF"
    if command -v pdftotext > /dev/null; then
        pdftotext -layout "$DIR/riepilogo.pdf" - | grep -q "Totale saldato: *$E 80,30" ||
            fail "summary pdf text"
    fi
else
    fail "summary --pdf: exit $RC $ERR"
fi

run search receipts 2024 --Cliente rossi
EXPECTED_COUNT="Il presente riepilogo contiene 2 schede."
[ "$(echo "$OUT" | tail -n 1)" = "$EXPECTED_COUNT" ] || fail "search count: $OUT"
[ "$(echo "$OUT" | cut -c1-12 | head -n 2 | tr '\n' '|')" = "Ric. n. 10  |Ric. n. 2   |" ] ||
    fail "search order: $OUT"
run search receipts 2024 --Cliente "rossi "
[ "$(echo "$OUT" | tail -n 1)" = "Il presente riepilogo contiene 0 schede." ] || fail "trailing blank: $OUT"
run search receipts 2024
[ "$(echo "$OUT" | cut -c1-12 | head -n 5 | tr -d ' ' | tr '\n' '|')" = "Ric.n.1|Ric.n.10|Ric.n.2|Ric.n.3|Ric.n.4|" ] ||
    fail "search all: $OUT"
run search receipts 2024 --Nome x
[ "$RC" = 2 ] || fail "unknown box: exit $RC"

run unpaid 2024
[ "$(echo "$OUT" | cut -c1-12 | tr -d ' ' | tr '\n' '|')" = "Ric.n.10|Ric.n.1|" ] || fail "unpaid: $OUT"

run stats 2024
[ "$(echo "$OUT" | sed -n 3p)" = "$(printf 'Marzo\t0')" ] || fail "stats march: $OUT"
[ "$(echo "$OUT" | sed -n 4p)" = "$(printf 'Aprile\t100')" ] || fail "stats april: $OUT"
[ "$(echo "$OUT" | wc -l)" = 12 ] || fail "stats lines: $OUT"
run stats 24
[ "$RC" = 2 ] && [ "$ERR" = "Attenzione: indicare l'anno solare utilizzando quattro cifre." ] ||
    fail "stats 24: $RC $ERR"

run export receipts 2024
[ "$RC" = 0 ] || fail "export: exit $RC $ERR"
X="$DIR/Archivio_Ricevute.xls"
[ "$(tr -cd '\n\r' < "$X" | wc -c)" = 0 ] || fail "export has line breaks"
grep -q 'Caff'$'\xe8'' &amp; Bar' "$X" || fail "export è or escaping"
[ "$(grep -o '<tr>' "$X" | wc -l)" = 6 ] || fail "export rows"
run export receipts 2024 --out "$DIR/altro.xls"
cmp -s "$X" "$DIR/altro.xls" || fail "export --out"
run export receipts 2024 --out "$DIR/missing/x.xls"
[ "$RC" = 3 ] || fail "export to a missing folder: exit $RC"
# An archive that cannot be read is told apart from a file that cannot be
# written, and the file it was being exported to stays as it was.
mkdir "$DIR/2099.ric"
run export receipts 2099 --out "$DIR/altro.xls"
case "$ERR" in "Attenzione: il sistema non permette di accedere all'archivio."*) ;;
*) fail "export of an unreadable archive: $RC $ERR" ;; esac
[ "$RC" = 3 ] && cmp -s "$X" "$DIR/altro.xls" || fail "export of an unreadable archive: $RC"

run unpaid 2025
[ "$RC" = 0 ] && [ -z "$OUT" ] && [ -f "$DIR/2025.ric" ] || fail "missing archive: $RC $OUT"

[ "$(md5sum < "$R")" = "$BEFORE" ] || fail "the archive changed"

finish receipts
