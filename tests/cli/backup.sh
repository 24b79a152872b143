#!/bin/bash
# corvelo-cli backup and restore, run as a user runs them: the daily copy
# with its rotation, a copy elsewhere, a restore checked with dump, and the
# refusals (not a backup, the application running, a file in the way).
set -u
. "$(dirname "$0")/lib.bash"

TODAY=$(date +%F)
B="$DIR/Backup"

# receipt FILE CLIENTE: appends one receipt of number 1 for CLIENTE.
receipt() {
    local start
    start=$(stat -c %s "$1" 2>/dev/null || echo 0)
    zeros "$1" 3077
    put "$1" "$start" '\x011'
    field "$1" $((start + 385)) "$2"
}
receipt "$DIR/2024.ric" 'Rossi'
zeros "$DIR/Clienti.pro" 4043
field "$DIR/Clienti.pro" 0 'Verdi'
printf '[Ditta Emittente]\r\nNome=Ditta\r\n' > "$DIR/Vendarolo.ini"
printf '[Accesso]\r\nValore=C996054D58AB66\r\n' > "$DIR/unins000.dll"
echo 'not an archive' > "$DIR/appunti.txt"
ARCHIVES="2024.ric Clienti.pro Vendarolo.ini unins000.dll"

same() {  # same WHAT FOLDER NAMES...: the files of FOLDER are exactly NAMES, as in DIR
    local what="$1" folder="$2" name
    shift 2
    [ "$(ls -A "$folder" | tr '\n' ' ')" = "$* " ] || fail "$what: files $(ls -A "$folder")"
    for name in "$@"; do cmp -s "$DIR/$name" "$folder/$name" || fail "$what: $name differs"; done
}

# The usage lists both commands.
run
case "$ERR" in *"backup [--out FOLDER]"*"restore FOLDER"*) ;; *) fail "usage: $ERR" ;; esac

# Fifteen old daily backups and things the rotation leaves alone.
for d in 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15; do
    mkdir -p "$B/2000-01-$d"
    cp "$DIR/2024.ric" "$B/2000-01-$d/"
done
mkdir -p "$B/2000-01-01-120000-prima-del-ripristino" "$B/vecchie"
cp "$DIR/2024.ric" "$B/vecchie/"

run backup
[ "$RC" = 0 ] || fail "backup: exit $RC $ERR"
EXPECTED=""
for name in $ARCHIVES; do EXPECTED+="$B/$TODAY/$name"$'\n'; done
[ "$OUT"$'\n' = "$EXPECTED" ] || fail "backup output: $OUT"
same "backup" "$B/$TODAY" $ARCHIVES
[ ! -e "$B/2000-01-01" ] && [ ! -e "$B/2000-01-02" ] || fail "oldest backups kept: $(ls "$B")"
[ "$(ls "$B" | grep -c '^....-..-..$')" = 14 ] || fail "daily backups kept: $(ls "$B")"
[ -d "$B/2000-01-01-120000-prima-del-ripristino" ] && [ -f "$B/vecchie/2024.ric" ] ||
    fail "rotation removed what is not a daily backup: $(ls "$B")"

run backup --out "$DIR/chiavetta/copia"
[ "$RC" = 0 ] || fail "backup --out: exit $RC $ERR"
same "backup --out" "$DIR/chiavetta/copia" $ARCHIVES
[ "$(echo "$OUT" | head -1)" = "$DIR/chiavetta/copia/2024.ric" ] || fail "backup --out output: $OUT"
[ "$(ls "$B" | wc -l)" = 16 ] || fail "backup --out rotated or wrote into Backup: $(ls "$B")"

# A file where the folder should be.
touch "$DIR/occupato"
run backup --out "$DIR/occupato"
[ "$RC" = 3 ] || fail "backup over a file: exit $RC"
case "$ERR" in *"non è stato possibile creare la cartella $DIR/occupato"*) ;; *) fail "backup over a file: $ERR" ;; esac

# The archives change after the backup; a new year's archive appears.
: > "$DIR/2024.ric"
receipt "$DIR/2024.ric" 'Bianchi'
receipt "$DIR/2024.ric" 'Neri'
receipt "$DIR/2025.ric" 'Gialli'
CHANGED=$(md5sum < "$DIR/2024.ric")

run restore "$B/$TODAY"
[ "$RC" = 0 ] || fail "restore: exit $RC $ERR"
PRE=$(ls -d "$B/$TODAY"-??????-prima-del-ripristino)
[ -d "$PRE" ] || fail "no pre-restore backup: $(ls "$B")"
[ "$(md5sum < "$PRE/2024.ric")" = "$CHANGED" ] || fail "pre-restore backup does not hold the changed archive"
[ -f "$PRE/2025.ric" ] || fail "pre-restore backup without 2025.ric"
echo "$OUT" | grep -qx "saved $PRE/2025.ric" || fail "restore output, saved: $OUT"
echo "$OUT" | grep -qx "restored $DIR/2024.ric" || fail "restore output, restored: $OUT"
echo "$OUT" | grep -qx "kept $DIR/2025.ric (not in the backup)" || fail "restore output, kept: $OUT"
run dump receipts 2024
[ "$(echo "$OUT" | wc -l)" = 1 ] || fail "restored archive: $OUT"
case "$OUT" in *'"Cliente": "Rossi"'*) ;; *) fail "restored archive: $OUT" ;; esac
run dump receipts 2025
case "$OUT" in *'"Cliente": "Gialli"'*) ;; *) fail "2025.ric not left as it was: $OUT" ;; esac
run dump customers
case "$OUT" in '{"card": 1, "Cognome": "Verdi"'*) ;; *) fail "restored customers: $OUT" ;; esac
# The pre-restore backup is itself a folder the archives can be read from.
"$CLI" --dir "$PRE" dump receipts 2024 | grep -q '"Cliente": "Neri"' || fail "pre-restore archive unreadable"

# Not a backup: refused, nothing changed, nothing saved.
mkdir -p "$DIR/vuota"
cp "$DIR/appunti.txt" "$DIR/vuota/"
BEFORE=$(ls -R "$DIR" | md5sum; cat "$DIR"/*.ric | md5sum)
for target in "$DIR/vuota" "$DIR/nessuna" "$DIR/appunti.txt" "$B"; do
    run restore "$target"
    [ "$RC" = 2 ] || fail "restore $target: exit $RC $ERR"
    [ -n "$ERR" ] || fail "restore $target: no message"
done
run restore
[ "$RC" = 2 ] || fail "restore without folder: exit $RC"
[ "$(ls -R "$DIR" | md5sum; cat "$DIR"/*.ric | md5sum)" = "$BEFORE" ] || fail "a refused restore changed files"

# A file that cannot be put back (a folder in its way): the files before it
# are back, it and the rest are named, the current ones are saved.
receipt "$DIR/2024.ric" 'Nuovo'
mv "$DIR/Clienti.pro" "$DIR/clienti.bak"
mkdir "$DIR/Clienti.pro"
run restore "$B/$TODAY"
[ "$RC" = 3 ] || fail "part-way restore: exit $RC $ERR"
echo "$OUT" | grep -qx "restored $DIR/2024.ric" || fail "part-way restore output: $OUT"
case "$ERR" in *"Clienti.pro"*"not restored: Clienti.pro Vendarolo.ini unins000.dll"*) ;;
*) fail "part-way restore message: $ERR" ;; esac
run dump receipts 2024
[ "$(echo "$OUT" | wc -l)" = 1 ] || fail "part-way restore: 2024.ric not back: $OUT"
rmdir "$DIR/Clienti.pro"
mv "$DIR/clienti.bak" "$DIR/Clienti.pro"

# While the application runs, both refuse and write nothing.
sleep 120 &
HOLDER=$!
trap 'kill $HOLDER 2>/dev/null; rm -rf "$DIR"' EXIT
printf '%s\nsleep\n%s\n' "$HOLDER" "$(hostname)" > "$DIR/Corvelo.lock"
BEFORE=$(ls -R "$DIR" | md5sum; cat "$DIR"/*.ric | md5sum)
rm -rf "${B:?}/$TODAY"
for command in "backup" "restore $PRE"; do
    run $command
    [ "$RC" = 3 ] || fail "$command while running: exit $RC"
    case "$ERR" in *"File di blocco: $DIR/Corvelo.lock") ;; *) fail "$command while running: $ERR" ;; esac
done
[ ! -e "$B/$TODAY" ] || fail "backup written while the application runs"
[ "$(cat "$DIR"/*.ric | md5sum)" = "$(echo "$BEFORE" | tail -1)" ] || fail "restore written while the application runs"

finish backup
