// The printed sheets of the application, filled from the texts the screens
// hold: the two-copy receipt, the list report, the customer card and the item
// card. Each function returns a laid-out document ready for the PDF writer or
// the printer renderer.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/report/report_document.h"

namespace corvelo::report {

// The receipt editor's texts, as shown (untrimmed is fine: every value is
// trimmed when the sheet is filled).
struct ReceiptTexts {
    std::string numRic, data;
    std::string cliente, viaCliente, capCliente, cittaCliente, provCliente;
    std::string codFiscCliente, ivaCliente;
    std::string riferimenti, pagamento, banca;
    std::string ditta, viaDitta, capDitta, cittaDitta, provDitta;
    std::string codFiscDitta, ivaDitta;
    std::string libero01, libero02;
    std::string note;  // may carry <b>, <i>, <u> tags
    std::array<std::string, 30> desc;
    std::array<std::string, 30> prezzo;
    std::string totCorrispettivi, acconti, tassa, totale;
};

// The A4 landscape sheet with the customer's and the issuer's copy side by
// side; logo goes into both logo boxes. Title "Ricevuta", subject "Fattura".
ReportDocument BuildReceiptSheet(const ReceiptTexts& texts, const Picture& logo);

// The list report: title band on the first page, the lines in Courier New
// breaking across as many pages as needed, then the footer "Stampa eseguita in
// data " + date once after the last line. Every text is printed literally.
// date: today as dd/mm/yyyy.
ReportDocument BuildListReport(const std::string& title, const std::vector<std::string>& lines,
                               const std::string& date);

// Height of one list line and the fixed part of the data band, in units.
inline constexpr double kListLinePitch = 12.822;
inline constexpr double kListBandExtra = 10.0;

// A card sheet: 24 label/value rows under a title, a footer below.
struct CardRow {
    std::string label;
    std::string value;
};

// The customer card editor's texts.
struct CustomerCardTexts {
    std::string cognome, nome, dataNasc, comuneNasc, provNasc, sesso, stato, recapito;
    std::string indirizzo, comuneRes, provRes, professione, telCasa, telUff, telCel, fax;
    std::string email, codFisc, iva, carta, scadeCarta, iban, intestatario, tipoDoc, numDoc;
    std::string dataSca, codice, categoria, zona, prodotti, acquisto, rata, totale;
    std::string decorrenza, scadenza, note;
};

// The item card editor's texts.
struct ItemCardTexts {
    std::string codice, tipologia, marca, modello, descrizione, accessori, fornitore, recapiti;
    std::string data, documento, ordine, giacenza, costo, valore, sottoscorta, prezzo, percIva;
    std::string prezzoConIva, collocazione, consumo, aderenza, rumore, onde, note;
};

// The 24 rows of each card, values trimmed and joined.
std::array<CardRow, 24> CustomerCardRows(const CustomerCardTexts& texts);
std::array<CardRow, 24> ItemCardRows(const ItemCardTexts& texts);

// The footer of both cards: "Stampa eseguita in data " + date + " alle ore " +
// time.
std::string CardFooter(const std::string& date, const std::string& time);

// The A4 portrait card sheets. Titles "SCHEDA INFORMATIVA DEL CLIENTE" and
// "SCHEDA ARTICOLO"; PDF title and subject "Scheda informativa".
ReportDocument BuildCustomerCard(const CustomerCardTexts& texts, const std::string& footer);
ReportDocument BuildItemCard(const ItemCardTexts& texts, const std::string& footer);

}  // namespace corvelo::report
