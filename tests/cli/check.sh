#!/bin/bash
# corvelo-cli check: the message of each check screen and the exit status,
# run as a user runs it.
set -u
. "$(dirname "$0")/lib.bash"

# expect RC EXPECTED_OUTPUT(printf format) ARGS...: the exact bytes on
# standard output (each message followed by one "\n") and the exit status.
expect() {
    local rc="$1" want="$2"
    shift 2
    "$CLI" --dir "$DIR" "$@" > "$DIR/.out" 2> "$DIR/.err"
    local got_rc=$?
    printf "$want" > "$DIR/.want"
    [ "$got_rc" = "$rc" ] || fail "$*: exit $got_rc, wanted $rc"
    cmp -s "$DIR/.out" "$DIR/.want" || fail "$*: printed $(od -c "$DIR/.out" | head -5)"
}

CF_OK='Il codice fiscale digitato \303\250 VALIDO.\n'
CF_KO='Attenzione: il codice fiscale digitato \303\250 ERRATO.\n'
CF_LEN='Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.\n'
IVA_OK="Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato dall'Ufficio IVA del Comune di "
IVA_KO="Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon \303\250 quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.\n"
IVA_LEN='Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.\n'
IBAN_OK="L'IBAN digitato \303\250 VALIDO.\n"
IBAN_KO="Attenzione: l'IBAN digitato \303\250 ERRATO!\n"
IBAN_LEN="Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.\n"
CARTA_OK='Il numero di carta di credito %s risulta valido.\r\n\r\nLa carta di credito \303\250 del tipo %s.\n'
CARTA_KO='Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon \303\250 quindi possibile fornire informazioni relative al tipo di carta di credito.\n'
CARTA_EMPTY='Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.\n'

expect 0 "$CF_OK" check cf RSSMRA85T10A562S
expect 0 "$CF_OK" check cf rssmra85t10a562s
# As in a paste, the box is filled to its length before it trims: two
# leading blanks push the last two characters out.
expect 2 "$CF_LEN" check cf "  RSSMRA85T10A562S"
expect 1 "$CF_KO" check cf RSSMRA85T10A562T
expect 1 "$CF_KO" check cf "RSSMRA-5T10A562S"
expect 2 "$CF_LEN" check cf RSSMRA85T10A562
expect 2 "$CF_LEN" check cf ""

expect 0 "${IVA_OK}Roma 1.\n" check iva 12345670587
expect 0 "${IVA_OK}Bologna 2.\n" check iva 00000001206
expect 0 "${IVA_OK}.\n" check iva 12345670009
expect 1 "$IVA_KO" check iva 12345670588
expect 1 "$IVA_KO" check iva 1234567058A
expect 2 "$IVA_LEN" check iva 1234567058
expect 2 "$IVA_LEN" check iva ""

expect 0 "$IBAN_OK" check iban IT60X0542811101000000123456
expect 0 "$IBAN_OK" check iban it60x0542811101000000123456
expect 1 "$IBAN_KO" check iban IT60X0542811101000000123465
expect 1 "$IBAN_KO" check iban "IT60X0542811101000000-23456"
expect 2 "$IBAN_LEN" check iban IT60X054281110100000012345
expect 2 "$IBAN_LEN" check iban ""

expect 0 "$(printf "$CARTA_OK" 4111111111111111 Visa)\n" check carta 4111111111111111
expect 0 "$(printf "$CARTA_OK" 378282246310005 "American Express")\n" check carta 378282246310005
expect 0 "" check carta 320000000000003
expect 1 "$CARTA_KO" check carta 4111111111111112
expect 1 "$CARTA_KO" check carta 2223000048400011
expect 2 "$CARTA_EMPTY" check carta "   "

# Wrong arguments: usage on standard error, nothing on standard output.
expect 2 "" check
expect 2 "" check cf
expect 2 "" check nif RSSMRA85T10A562S
expect 2 "" check cf RSSMRA85T10A562S extra
[ -s "$DIR/.err" ] || fail "no usage on standard error"

# The box holds 16 characters: the rest of a longer value is left out, and
# standard error says so.
expect 0 "$CF_OK" check cf RSSMRA85T10A562SXYZ
grep -q "16" "$DIR/.err" || fail "cut value not reported: $(cat "$DIR/.err")"

# No data file is touched.
[ -z "$(ls -A "$DIR" | grep -v '^\.')" ] || fail "files written: $(ls "$DIR")"

finish check
