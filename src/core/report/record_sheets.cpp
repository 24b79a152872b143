#include "core/report/record_sheets.h"

namespace corvelo::report {

ReceiptTexts ReceiptTextsOf(const TRicevuta& r) {
    using F = TRicevuta;
    ReceiptTexts t;
    t.numRic = r[F::NumRic];
    t.data = r[F::Data];
    t.cliente = r[F::Cliente];
    t.viaCliente = r[F::ViaCliente];
    t.capCliente = r[F::CapCliente];
    t.cittaCliente = r[F::CittaCliente];
    t.provCliente = r[F::ProvCliente];
    t.codFiscCliente = r[F::CodFiscCliente];
    t.ivaCliente = r[F::IvaCliente];
    t.riferimenti = r[F::Riferimenti];
    t.pagamento = r[F::Pagamento];
    t.banca = r[F::Banca];
    t.ditta = r[F::Ditta];
    t.viaDitta = r[F::ViaDitta];
    t.capDitta = r[F::CapDitta];
    t.cittaDitta = r[F::CittaDitta];
    t.provDitta = r[F::ProvDitta];
    t.codFiscDitta = r[F::CodFiscDitta];
    t.ivaDitta = r[F::IvaDitta];
    t.libero01 = r[F::Libero01];
    t.libero02 = r[F::Libero02];
    t.note = r[F::Note];
    for (int n = 0; n < TRicevuta::kLines; ++n) {
        t.desc[n] = r.Desc()[n];
        t.prezzo[n] = r.Prezzo()[n];
    }
    t.totCorrispettivi = r[F::TotCorrispettivi];
    t.acconti = r[F::Acconti];
    t.tassa = r[F::Tassa];
    t.totale = r[F::Totale];
    return t;
}

CustomerCardTexts CustomerCardTextsOf(const TCliente& r) {
    using F = TCliente;
    CustomerCardTexts t;
    t.cognome = r[F::Cognome];
    t.nome = r[F::Nome];
    t.dataNasc = r[F::DataNasc];
    t.comuneNasc = r[F::ComuneNasc];
    t.provNasc = r[F::ProvNasc];
    t.sesso = r[F::Sesso];
    t.stato = r[F::Stato];
    t.recapito = r[F::Recapito];
    t.indirizzo = r[F::Indirizzo];
    t.comuneRes = r[F::ComuneRes];
    t.provRes = r[F::ProvRes];
    t.professione = r[F::Professione];
    t.telCasa = r[F::TelCasa];
    t.telUff = r[F::TelUff];
    t.telCel = r[F::TelCel];
    t.fax = r[F::Fax];
    t.email = r[F::Email];
    t.codFisc = r[F::CodFisc];
    t.iva = r[F::Iva];
    t.carta = r[F::Carta];
    t.scadeCarta = r[F::ScadeCarta];
    t.iban = r[F::Iban];
    t.intestatario = r[F::Intestatario];
    t.tipoDoc = r[F::TipoDoc];
    t.numDoc = r[F::NumDoc];
    t.dataSca = r[F::DataSca];
    t.codice = r[F::Codice];
    t.categoria = r[F::Categoria];
    t.zona = r[F::Zona];
    t.prodotti = r[F::Prodotti];
    t.acquisto = r[F::Acquisto];
    t.rata = r[F::Rata];
    t.totale = r[F::Totale];
    t.decorrenza = r[F::Decorrenza];
    t.scadenza = r[F::Scadenza];
    t.note = r[F::Note];
    return t;
}

ItemCardTexts ItemCardTextsOf(const TArticolo& r) {
    using F = TArticolo;
    ItemCardTexts t;
    t.codice = r[F::Codice];
    t.tipologia = r[F::Tipologia];
    t.marca = r[F::Marca];
    t.modello = r[F::Modello];
    t.descrizione = r[F::Descrizione];
    t.accessori = r[F::Accessori];
    t.fornitore = r[F::Fornitore];
    t.recapiti = r[F::Recapiti];
    t.data = r[F::Data];
    t.documento = r[F::Documento];
    t.ordine = r[F::Ordine];
    t.giacenza = r[F::Giacenza];
    t.costo = r[F::Costo];
    t.valore = r[F::Valore];
    t.sottoscorta = r[F::Sottoscorta];
    t.prezzo = r[F::Prezzo];
    t.percIva = r[F::PercIva];
    t.prezzoConIva = r[F::Prezzo_con_Iva];
    t.collocazione = r[F::Collocazione];
    t.consumo = r[F::Consumo];
    t.aderenza = r[F::Aderenza];
    t.rumore = r[F::Rumore];
    t.onde = r[F::Onde];
    t.note = r[F::Note];
    return t;
}

}  // namespace corvelo::report
