#!/bin/bash
# corvelo-cli lowstock, search items, unload and export warehouse, run as a
# user runs them over a small warehouse.
set -u
CLI="$1"
DIR=$(mktemp -d)
trap 'rm -rf "$DIR"' EXIT
FAILS=0

fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); }

# field FILE CARD OFFSET TEXT: a FixedText (length byte, then TEXT, Windows-1252
# bytes given printf-style) at OFFSET of card CARD, without truncating.
field() {
    local len
    len=$(printf "$4" | wc -c)
    printf "\\x$(printf %02x "$len")$4" |
        dd of="$1" bs=1 seek=$((($2 - 1) * 4874 + $3)) conv=notrunc status=none
}
card() { head -c 4874 /dev/zero >> "$1"; }

run() {  # run ARGS...: sets OUT, ERR, RC
    "$CLI" --dir "$DIR" "$@" > "$DIR/.out" 2> "$DIR/.err"
    RC=$?
    OUT=$(cat "$DIR/.out")
    ERR=$(cat "$DIR/.err")
}

# Offsets of the fields used here.
CODICE=0 MARCA=282 MODELLO=533 DESCRIZIONE=1035 FORNITORE=1286 COSTO=1639 VALORE=1655
PREZZO=2173 GIACENZA=2459 SOTTOSCORTA=2475 NOTE=2615

M="$DIR/Magazzino.pro"
card "$M"
field "$M" 1 $CODICE 'VT-10'
field "$M" 1 $MARCA 'Fischer'
field "$M" 1 $MODELLO 'Duo'
field "$M" 1 $DESCRIZIONE 'Vite zincata'
field "$M" 1 $FORNITORE 'FERRAMENTA'
field "$M" 1 $COSTO '1,23'
field "$M" 1 $VALORE '6,15'
field "$M" 1 $PREZZO '12,50'
field "$M" 1 $GIACENZA '5'
field "$M" 1 $SOTTOSCORTA '5'
field "$M" 1 $NOTE 'Caff\xe8 & <b>'
card "$M"
field "$M" 2 $CODICE 'AB-1'
field "$M" 2 $FORNITORE 'Ferro Sud'
field "$M" 2 $PREZZO '3,00'
field "$M" 2 $GIACENZA '9'
field "$M" 2 $SOTTOSCORTA '2'
card "$M"
field "$M" 3 $CODICE 'rotto'
field "$M" 3 $GIACENZA 'x'
field "$M" 3 $SOTTOSCORTA '0'
card "$M"
field "$M" 4 $CODICE 'caro'
field "$M" 4 $PREZZO '12345678,00'
field "$M" 4 $GIACENZA '3'
field "$M" 4 $SOTTOSCORTA '0'
cp "$M" "$DIR/original.pro"

pad() { printf "%-$2s" "$1"; }  # ASCII only

run lowstock
[ "$RC" = 0 ] || fail "lowstock: exit $RC $ERR"
EXPECTED="$(pad VT-10 30)  $(pad 'Fischer Duo' 40)  Costo: $(pad 1,23 12)  Giacenza: $(pad 5 12)  Note: Caffè & <b>"
[ "$OUT" = "$EXPECTED" ] || fail "lowstock lines: [$OUT]"
[ "$ERR" = "lowstock: card 3 not listed: its stock or warning level is not a number" ] ||
    fail "lowstock skipped: $ERR"

run search items --Fornitore ferr
[ "$RC" = 0 ] || fail "search: exit $RC $ERR"
[ "$(echo "$OUT" | cut -c1-5 | tr '\n' '|')" = "AB-1 |VT-10|Il pr|" ] || fail "search order: $OUT"
[ "$(echo "$OUT" | tail -n 1)" = "Il presente elenco contiene 2 schede." ] || fail "search count: $OUT"
run search items --import --Codice vt
[ "$OUT" = "$(pad VT-10 30)  $(pad 'Vite zincata' 45)  Prezzo: $(pad 12,50 15)  Giacenza: 5
Il presente elenco contiene 1 schede." ] || fail "search --import: [$OUT]"
run search items --Fornitore "ferro "
[ "$(echo "$OUT" | tail -n 1)" = "Il presente elenco contiene 1 schede." ] || fail "trailing blank: $OUT"
run search items
[ "$(echo "$OUT" | tail -n 1)" = "Il presente elenco contiene 4 schede." ] || fail "search all: $OUT"
run search items --Sottoscorta 5
[ "$RC" = 2 ] || fail "unknown box: exit $RC"

cmp -s "$M" "$DIR/original.pro" || fail "a reading command changed the warehouse"

# Refused unloads write nothing.
for args in "1 6" "1 abc" "1 -1" "1 1234567" "9 1" "0 1" "4 1" "3 1"; do
    run unload $args
    case "$args" in
        "1 6") [ "$RC" = 1 ] && [ "$OUT" = "$(printf 'Attenzione: la quantità da scaricare non può essere superiore alla giacenza in magazzino.\n\r\n\rIndicare una quantità inferiore oppure utilizzare il pulsante per importare l%carticolo senza aggiornare la giacenza.' "'")" ] ||
            fail "unload $args: $RC [$OUT]" ;;
        "4 1") [ "$RC" = 1 ] && echo "$OUT" | grep -q '(12345678,00) supera i 10 caratteri' ||
            fail "unload $args: $RC [$OUT]" ;;
        "3 1") [ "$RC" = 1 ] || fail "unload $args: exit $RC" ;;
        *) [ "$RC" = 2 ] || fail "unload $args: exit $RC" ;;
    esac
    cmp -s "$M" "$DIR/original.pro" || fail "unload $args changed the warehouse"
done

run unload 1 2,5
[ "$RC" = 0 ] || fail "unload: exit $RC $ERR"
[ "$OUT" = "$(printf 'Vite zincata\t12,50')" ] || fail "unload output: [$OUT]"
# Only the stock and the value of card 1 changed (cmp -l counts from 1).
CHANGED=$(cmp -l "$DIR/original.pro" "$M" | awk '{print $1 - 1}' |
    awk -v g=$GIACENZA -v v=$VALORE '!(($1 >= g && $1 <= g + 15) || ($1 >= v && $1 <= v + 15))' | wc -l)
[ "$CHANGED" = 0 ] || fail "unload changed bytes outside card 1's stock and value"
[ "$(stat -c %s "$M")" = $((4 * 4874)) ] || fail "unload changed the file length"
[ "$(od -An -c -j $GIACENZA -N 4 "$M" | tr -d ' ')" = '0032,5' ] || fail "stored stock"
[ "$(od -An -c -j $VALORE -N 5 "$M" | tr -d ' ')" = '0043,08' ] || fail "stored value"
run unload 1 2,5
[ "$(od -An -c -j $GIACENZA -N 2 "$M" | tr -d ' ')" = '0010' ] || fail "second unload: stock 0"

cp "$M" "$DIR/before-export.pro"
run export warehouse
[ "$RC" = 0 ] || fail "export: exit $RC $ERR"
X="$DIR/Magazzino.xls"
[ "$(tr -cd '\n\r' < "$X" | wc -c)" = 0 ] || fail "export has line breaks"
[ "$(grep -o '<tr>' "$X" | wc -l)" = 5 ] || fail "export rows"
grep -q 'Caff'$'\xe8'' &amp; &lt;b&gt;' "$X" || fail "export è or escaping"
grep -q '>Estremi documento acquisto</td>' "$X" || fail "export header"
run export warehouse --out "$DIR/altro.xls"
cmp -s "$X" "$DIR/altro.xls" || fail "export --out"
run export warehouse --out "$DIR/missing/x.xls"
[ "$RC" = 3 ] || fail "export to a missing folder: exit $RC"
cmp -s "$M" "$DIR/before-export.pro" || fail "export changed the warehouse"

# Read back by a spreadsheet program, where one is installed: every cell.
if command -v soffice > /dev/null; then
    (cd "$DIR" && HOME="$DIR" timeout 120 soffice --headless --convert-to csv:"Text - txt - csv (StarCalc)":44,34,76 Magazzino.xls > /dev/null 2>&1)
    if [ -f "$DIR/Magazzino.csv" ]; then
        EXPECTED_CSV='Codice articolo,Tipologia,Marca,Modello,Descrizione,Accessori,Fornitore,Recapito preferenziale,Data acquisto,Estremi documento acquisto,Modalità ordine merce,Giacenza,Costo,Valore,Prezzo senza IVA,Perc. IVA,Prezzo con IVA,Collocazione in magazzino,Altezza,Larghezza,Lunghezza,Scadenza,Note
VT-10,,Fischer,Duo,Vite zincata,,FERRAMENTA,,,,,0,"1,23","0,00","12,50",,,,,,,,Caffè & <b>
AB-1,,,,,,Ferro Sud,,,,,9,,,"3,00",,,,,,,,
rotto,,,,,,,,,,,x,,,,,,,,,,,
caro,,,,,,,,,,,3,,,"12345678,00",,,,,,,,'
        [ "$(cat "$DIR/Magazzino.csv")" = "$EXPECTED_CSV" ] ||
            fail "spreadsheet read back: $(cat "$DIR/Magazzino.csv")"
    else
        fail "soffice did not convert Magazzino.xls"
    fi
fi

[ "$FAILS" = 0 ] && echo "all passed"
exit $((FAILS > 0))
