#!/bin/bash
# corvelo-cli dump: archives printed as JSON lines, run as a user runs it.
set -u
. "$(dirname "$0")/lib.bash"

# A missing archive is created empty and has no records.
run dump receipts 2024
[ "$RC" = 0 ] || fail "empty archive: exit $RC"
[ -z "$OUT" ] || fail "empty archive printed: $OUT"
[ -f "$DIR/2024.ric" ] && [ ! -s "$DIR/2024.ric" ] || fail "2024.ric not created empty"

# Two receipts and ten stray bytes.
R="$DIR/2023.ric"
zeros "$R" 6154
put "$R" 0 '\x011'
put "$R" 31 '\x0a01/02/2023'
put "$R" 385 '\x12 Rossi "M" \\ a\tb\x01c'   # blank, quotes, backslash, tab, control
put "$R" 1020 '\x04Olio'
put "$R" 2722 '\x0512,50'
put "$R" 3074 '\x02\x53\xec'
put "$R" 3077 '\x012'
put "$R" 6151 '\x02No'
put "$R" 6154 '0123456789'
BEFORE=$(md5sum < "$R")
run dump receipts 2023
[ "$RC" = 0 ] || fail "receipts: exit $RC"
[ "$(echo "$OUT" | wc -l)" = 2 ] || fail "receipts: expected 2 lines, got: $OUT"
LINE1=$(echo "$OUT" | sed -n 1p)
LINE2=$(echo "$OUT" | sed -n 2p)
case "$LINE1" in
    '{"card": 1, "NumRic": "1", "Data": "01/02/2023", "Ditta": "", '*) ;;
    *) fail "receipt 1 start: $LINE1" ;;
esac
case "$LINE1" in
    *', "Cliente": "Rossi \"M\" \\ a\tb\u0001c", '*) ;;
    *) fail "receipt 1 escaping: $LINE1" ;;
esac
case "$LINE1" in
    *', "Desc01": "Olio", "Desc02": "", '*) ;;
    *) fail "receipt 1 line 1: $LINE1" ;;
esac
case "$LINE1" in
    *', "Prezzo02": "", "Prezzo03": "12,50", '*', "Totale": "", "Saldata": "Sì"}') ;;
    *) fail "receipt 1 amounts: $LINE1" ;;
esac
case "$LINE2" in
    '{"card": 2, "NumRic": "2", '*', "Saldata": "No"}') ;;
    *) fail "receipt 2: $LINE2" ;;
esac
KEYS=$(echo "$LINE1" | grep -o '"[A-Za-z0-9_]*": ' | wc -l)
[ "$KEYS" = 88 ] || fail "receipt keys: $KEYS, expected card + 87 fields"
echo "$ERR" | grep -q "10 bytes" || fail "partial record not reported: $ERR"
[ "$(md5sum < "$R")" = "$BEFORE" ] || fail "dump changed the archive"

# Customers and warehouse: names in table order, last field last.
C="$DIR/Clienti.pro"
zeros "$C" 4043
put "$C" 0 '\x05Verdi'
put "$C" 51 '\x04Anna'
put "$C" 3792 '\x07Nota\xe0 '
run dump customers
[ "$RC" = 0 ] || fail "customers: exit $RC"
case "$OUT" in
    '{"card": 1, "Cognome": "Verdi", "Nome": "Anna", "CodFisc": "", '*', "Desc03": "Notaà"}') ;;
    *) fail "customers: $OUT" ;;
esac
[ -z "$ERR" ] || fail "customers stderr: $ERR"

run dump warehouse
[ "$RC" = 0 ] && [ -z "$OUT" ] || fail "empty warehouse: exit $RC, $OUT"
[ -f "$DIR/Magazzino.pro" ] || fail "Magazzino.pro not created"
M="$DIR/Magazzino.pro"
zeros "$M" 4874
put "$M" 2173 '\x0512,00'
run dump warehouse
case "$OUT" in
    '{"card": 1, "Codice": "", '*'"Prezzo": "12,00", "PercIva": "", '*', "CartellaDesc": ""}') ;;
    *) fail "warehouse: $OUT" ;;
esac

# A file that cannot be opened: the access message, exit 3, nothing re-created.
mkdir "$DIR/1999.ric"
"$CLI" --dir "$DIR" dump receipts 1999 > "$DIR/.out" 2> "$DIR/.err"
RC=$?
[ "$RC" = 3 ] || fail "unreadable archive: exit $RC"
printf "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.\n" > "$DIR/.expected"
cmp -s "$DIR/.err" "$DIR/.expected" || fail "access message: $(cat -A "$DIR/.err")"
[ -d "$DIR/1999.ric" ] || fail "unreadable archive replaced"

# Wrong arguments.
for args in "dump" "dump receipts" "dump receipts 24" "dump receipts ../x" "dump clients"; do
    run $args
    [ "$RC" = 2 ] || fail "'$args': exit $RC"
done

finish dump
