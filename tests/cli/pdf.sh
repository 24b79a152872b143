#!/bin/bash
# corvelo-cli pdf: printed sheets of stored records, read back with poppler.
set -u
. "$(dirname "$0")/lib.bash"
has() {  # has FILE TEXT: the PDF's text contains TEXT
    pdftotext -enc UTF-8 "$1" - 2>/dev/null | grep -qF -- "$2"
}

# One receipt: number, customer with brackets, a formatted note, a line.
R="$DIR/2024.ric"
zeros "$R" 3077
put "$R" 0 '\x027A'
put "$R" 31 '\x0a15/03/2024'
put "$R" 385 '\x0dRossi [socio]'
put "$R" 769 '\x14<b>Nota</b> in forl\xec'
put "$R" 1020 '\x04Olio'
put "$R" 2700 '\x0512,50'
put "$R" 3063 '\x0512,50'

run pdf receipt 2024 1
[ "$RC" = 0 ] || fail "receipt: exit $RC ($ERR)"
P="$DIR/Ricevuta.pdf"
[ -f "$P" ] || fail "Ricevuta.pdf not written"
pdfinfo "$P" | grep -q '^Title: *Ricevuta$' || fail "receipt title"
pdfinfo "$P" | grep -q '^Subject: *Fattura$' || fail "receipt subject"
has "$P" "Ricevuta n. 7A" || fail "receipt number"
has "$P" "Rossi [socio]" || fail "customer with brackets"
has "$P" "Nota in forlì" || fail "formatted note"
has "$P" "COPIA PER LA DITTA EMITTENTE" || fail "copy B"
pdfimages -list "$P" | grep -q ' 297 *184 ' || fail "default logo"
pdffonts "$P" | awk 'NR > 2 && $0 !~ / no +no +no / { bad = 1 } END { exit bad }' ||
    fail "embedded fonts"

# Logo.bmp beside the data: a 2 x 1 24-bit picture replaces the default one.
B="$DIR/Logo.bmp"
printf 'BM\x3e\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x02\x00\x00\x00\x01\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00\x08\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' > "$B"
printf '\x00\x00\xff\xff\x00\x00\x00\x00' >> "$B"
run pdf receipt 2024 1 --out "$DIR/altro.pdf"
[ "$RC" = 0 ] || fail "receipt with logo: exit $RC"
pdfimages -list "$DIR/altro.pdf" | grep -q ' 2 *1 ' || fail "Logo.bmp not used"
# A compressed (RLE8) Logo.bmp, 3 x 2: a run of three red pixels, then the
# end of the picture.
printf 'BM\x42\x00\x00\x00\x00\x00\x00\x00\x3e\x00\x00\x00\x28\x00\x00\x00\x03\x00\x00\x00\x02\x00\x00\x00\x01\x00\x08\x00\x01\x00\x00\x00\x04\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00' > "$B"
printf '\x00\x00\x00\x00\x00\x00\xff\x00\x03\x01\x00\x01' >> "$B"
run pdf receipt 2024 1 --out "$DIR/rle.pdf"
[ "$RC" = 0 ] || fail "receipt with RLE logo: exit $RC"
pdfimages -list "$DIR/rle.pdf" | grep -q ' 3 *2 ' || fail "RLE Logo.bmp not used"

# No such card, bad arguments, an archive that cannot be read.
run pdf receipt 2024 2
[ "$RC" = 2 ] || fail "missing card: exit $RC"
run pdf receipt 24 1
[ "$RC" = 2 ] || fail "short year: exit $RC"
run pdf item 0
[ "$RC" = 2 ] || fail "card 0: exit $RC"
mkdir "$DIR/2025.ric"
run pdf receipt 2025 1
[ "$RC" = 3 ] || fail "unreadable archive: exit $RC"
case "$ERR" in *"non permette di accedere"*) ;; *) fail "access message: $ERR" ;; esac

# An item card: row 15 and the footer; title and subject.
M="$DIR/Magazzino.pro"
run pdf item 1
[ "$RC" = 2 ] || fail "empty warehouse: exit $RC"
[ -f "$M" ] || fail "Magazzino.pro not created"
zeros "$M" 4874  # one TArticolo record
put "$M" 0 '\x05A-100'
run pdf item 1
[ "$RC" = 0 ] || fail "item: exit $RC ($ERR)"
P="$DIR/Articolo.pdf"
pdfinfo "$P" | grep -q '^Title: *Scheda informativa$' || fail "item title"
pdfinfo "$P" | grep -q '^Subject: *Scheda informativa$' || fail "item subject"
has "$P" "SCHEDA ARTICOLO" || fail "item heading"
has "$P" "A-100" || fail "item code"
has "$P" "pezzi rimasti" || fail "row 15"
has "$P" "Stampa eseguita in data $(date +%d/%m/%Y) alle ore" || fail "item footer"

# A customer card.
C="$DIR/Clienti.pro"
zeros "$C" 4043  # one TCliente record
put "$C" 0 '\x05Rossi'
put "$C" 51 '\x05Mario'
run pdf customer 1
[ "$RC" = 0 ] || fail "customer: exit $RC ($ERR)"
has "$DIR/Cliente.pdf" "SCHEDA INFORMATIVA DEL CLIENTE" || fail "customer heading"
has "$DIR/Cliente.pdf" "Rossi Mario" || fail "customer name"

# A file that cannot be written is reported, exit 3.
run pdf customer 1 --out "$DIR/nessuna/cartella/x.pdf"
[ "$RC" = 3 ] || fail "unwritable output: exit $RC"

finish pdf
