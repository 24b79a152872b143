#include "core/app/help_pages.h"

namespace corvelo {

std::string HelpPage::Text() const {
    std::string text;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) text += "\r\n\r\n";
        text += paragraphs[i];
    }
    return text;
}

namespace {

HelpPage Avvio() {
    return {
        "Uno sguardo a Corvelo.",
        {"Corvelo è un software facile e intuitivo studiato per associazioni o ditte non tenute "
         "al rilascio delle fatture che vendono prodotti di qualsiasi genere e/o offrono "
         "servizi come consulenze tecniche o professionali e hanno bisogno di un'applicazione "
         "per gestire il magazzino ed emettere ricevute per le quali non è prevista "
         "l'indicazione dell'IVA. Tutti i dati vengono conservati nella cartella del "
         "programma e sono accessibili soltanto a chi conosce la password di accesso.",
         "L'area Emissione ricevute permette di compilare, salvare e ritrovare le ricevute di "
         "pagamento, raccolte in un archivio distinto per ciascun anno solare. Ogni ricevuta "
         "può contenere fino a trenta righe di prodotti o servizi e viene stampata in duplice "
         "copia su un unico foglio A4, visualizzata in anteprima oppure salvata in un file "
         "PDF. Gli importi totali, gli acconti e l'imposta di bollo vengono calcolati "
         "automaticamente.",
         "Dalla stessa area si ottengono i riepiloghi mensili, trimestrali e annuali delle "
         "ricevute emesse e le statistiche degli incassi mensili, rappresentati con un "
         "grafico a barre tridimensionali o a torta che può essere stampato.",
         "L'area Magazzino Prodotti e Servizi raccoglie le schede dei prodotti venduti e dei "
         "servizi offerti, con i dati del fornitore, il costo, il prezzo con e senza IVA e la "
         "giacenza. Le schede possono essere importate direttamente nelle righe delle "
         "ricevute e un apposito elenco segnala i prodotti sotto scorta.",
         "L'area Anagrafica Clienti conserva i dati anagrafici, fiscali e bancari dei clienti, "
         "che possono essere richiamati durante la compilazione delle ricevute. Per ogni "
         "cliente è possibile registrare un acquisto rateale con la scadenza della prossima "
         "rata, allegare fino a tre documenti e controllare la correttezza del codice "
         "fiscale, della partita IVA, dell'IBAN e del numero della carta di pagamento."}};
}

HelpPage Ricevute() {
    return {
        "Emissione ricevute.",
        {"L'applicazione Emissione ricevute è un ambiente di lavoro per la compilazione e la "
         "stampa di ricevute su carta in duplice copia su foglio A4 o su file PDF.",
         "Per iniziare è sufficiente indicare l'anno solare nella schermata Emissione ricevute e "
         "premere il pulsante Apri: le ricevute di ogni anno sono conservate in un archivio "
         "distinto, che viene creato automaticamente la prima volta che lo si apre.",
         "Il pulsante Nuovo predispone la schermata per una nuova ricevuta proponendo il numero "
         "successivo e la data odierna. Dopo aver indicato i dati del cliente, che possono essere "
         "importati dall'archivio anagrafico, e le righe dei prodotti o servizi, che possono "
         "essere importate dal magazzino, il pulsante CALCOLA determina il totale dei "
         "corrispettivi, l'imposta di bollo e l'importo da pagare.",
         "Il pulsante Salva registra la ricevuta in archivio oppure aggiorna quella visualizzata. "
         "Per salvare una ricevuta è necessario indicare il nome o la ragione sociale del "
         "cliente, il numero e una data valida nel formato gg/mm/aaaa. Le frecce consentono di "
         "scorrere le ricevute già archiviate.",
         "I dati della ditta emittente e l'imposta di bollo predefinita vengono ricordati alla "
         "chiusura della schermata e riproposti alla successiva apertura. Il logo della ditta "
         "può essere caricato con l'apposito pulsante e viene stampato su ogni ricevuta.",
         "La ricevuta corrente può essere stampata, visualizzata in anteprima o salvata in "
         "formato PDF. Sono inoltre disponibili la ricerca delle ricevute, l'elenco delle "
         "ricevute non saldate, i riepiloghi mensili, trimestrali e annuali, l'esportazione "
         "dell'archivio in Microsoft Excel e l'impostazione del numero iniziale delle "
         "ricevute."}};
}

HelpPage Anagrafica() {
    return {
        "Anagrafica Clienti.",
        {"L'applicazione Anagrafica Clienti è utile per la compilazione automatica delle ricevute "
         "di pagamento, poiché i dati di ciascun cliente possono essere importati nella ricevuta "
         "con un semplice clic, ma può essere usata anche come una comoda rubrica, con l'invio "
         "di messaggi di posta elettronica e il controllo dei codici identificativi.",
         "Ogni scheda raccoglie i dati anagrafici e di residenza del cliente, i recapiti "
         "telefonici e l'indirizzo e-mail, il titolo di studio e la professione, le coordinate "
         "bancarie e i dati della carta di pagamento, il documento di riconoscimento, i prodotti "
         "di interesse, la modalità di pagamento preferita e le note.",
         "Per ciascun cliente è possibile registrare un acquisto rateale indicandone la data di "
         "decorrenza, la scadenza della prossima rata, i giorni di preavviso, il totale, il "
         "frazionamento e l'importo della rata. Il pulsante delle scadenze elenca le rate in "
         "scadenza o già scadute.",
         "Ogni scheda dispone di una propria cartella, nella quale possono essere conservati "
         "documenti di qualsiasi tipo, e può avere fino a tre file allegati, ciascuno con una "
         "breve descrizione.",
         "Il pulsante Nuovo prepara la schermata per una nuova scheda e il pulsante Salva la "
         "inserisce in archivio o aggiorna quella visualizzata. Le schede si richiamano con la "
         "ricerca o scorrendo l'archivio con le frecce. Il cognome, il nome, la data di "
         "decorrenza, la data di scadenza della prossima rata e i giorni di preavviso sono "
         "obbligatori.",
         "I pulsanti accanto ai campi consentono di controllare il codice fiscale, la partita "
         "IVA, di cui viene indicato anche l'ufficio che l'ha rilasciata, l'IBAN e il numero "
         "della carta di pagamento. Il pulsante accanto all'indirizzo e-mail apre il programma "
         "di posta elettronica per scrivere al cliente.",
         "La ricerca consente di indicare chiavi parziali su più campi contemporaneamente; i "
         "risultati possono essere stampati. L'intero archivio può essere esportato in "
         "Microsoft Excel e ogni singola scheda può essere stampata."}};
}

HelpPage Magazzino() {
    return {
        "Magazzino Prodotti e Servizi.",
        {"L'applicazione Magazzino Prodotti e Servizi prevede l'archiviazione dei dati riguardanti "
         "i prodotti commercializzati dalla propria ditta nonché i servizi offerti ai clienti che "
         "potranno poi essere richiamati per la compilazione delle ricevute di pagamento. Un "
         "apposito elenco segnala i prodotti la cui giacenza è scesa sotto il livello di scorta "
         "minima.",
         "Il pulsante Nuovo prepara la schermata per una nuova scheda e il pulsante Salva la "
         "inserisce in archivio o aggiorna quella visualizzata. Il codice del prodotto è "
         "obbligatorio. Le frecce consentono di scorrere le schede in archivio.",
         "Il pulsante Duplica crea una nuova scheda partendo dai dati di quella visualizzata: è "
         "sufficiente modificare i dati che cambiano e salvarla.",
         "I campi del catalogo descrivono il prodotto o il servizio: codice, categoria, marca, "
         "modello, descrizione, fornitore e unità di misura.",
         "Il campo della giacenza indica la quantità disponibile e può essere aumentato o "
         "diminuito con i pulsanti più e meno. Quando un prodotto viene importato in una "
         "ricevuta è possibile diminuirne la giacenza automaticamente.",
         "Il pulsante Calcola determina il prezzo di vendita a partire dal costo e dall'IVA, il "
         "pulsante Calcola valore il valore della merce in giacenza e il pulsante Scorpora "
         "ricava il prezzo senza IVA da quello comprensivo di IVA.",
         "Il campo della scorta minima indica la quantità sotto la quale il prodotto deve essere "
         "riordinato; il pulsante Sottoscorta elenca tutti i prodotti che hanno raggiunto o "
         "superato questo limite.",
         "Il campo delle note è a disposizione per qualsiasi annotazione sul prodotto o sul "
         "servizio.",
         "La ricerca consente di indicare chiavi parziali su più campi contemporaneamente; i "
         "risultati possono essere stampati.",
         "Il pulsante di ricerca sul web apre il browser con una ricerca basata sulla marca e sul "
         "modello del prodotto.",
         "A ogni scheda possono essere allegati fino a tre file, ad esempio schede tecniche, "
         "fotografie o certificati.",
         "La scheda corrente può essere stampata o salvata in formato PDF e l'intero archivio può "
         "essere esportato in Microsoft Excel."}};
}

HelpPage Riepiloghi() {
    return {"Riepiloghi ricevute emesse.",
            {"Corvelo consente di ottenere i riepiloghi mensili, trimestrali e annuali delle "
             "ricevute emesse utilizzando i pulsanti contraddistinti, rispettivamente, dalle "
             "lettere M, T e A.",
             "Per il riepilogo mensile o trimestrale è necessario selezionare il mese o il "
             "trimestre desiderato e premere il pulsante Visualizza; il riepilogo annuale viene "
             "mostrato subito. Per ciascun periodo vengono elencate le ricevute emesse e "
             "calcolati i totali.",
             "Per trovare una ricevuta nell'elenco è sufficiente immettere una o più parole "
             "consecutive del nome del cliente e premere il pulsante Trova: la ricevuta trovata "
             "viene evidenziata.",
             "Il pulsante Stampa riepilogo stampa l'elenco visualizzato con i relativi totali."}};
}

HelpPage Statistiche() {
    return {"Grafici statistici incassi mensili.",
            {"L'applicazione Statistiche ricevute emesse consente di visualizzare e stampare "
             "grafici statistici sulle entrate mensili in base alle ricevute emesse nell'anno "
             "solare selezionato. Gli incassi di ciascun mese possono essere rappresentati con "
             "un grafico a torta o a barre tridimensionali; i totali sono arrotondati all'euro.",
             "Per visualizzare il grafico è sufficiente indicare l'anno solare e premere il "
             "pulsante Apri.",
             "Ciascuna delle dodici barre rappresenta gli incassi di un mese. I pulsanti in calce "
             "consentono di passare dal grafico a barre a quello a torta e viceversa.",
             "Il pulsante Stampa grafico stampa il grafico visualizzato."}};
}

HelpPage ExpRicevute() {
    return {"Esportazione archivio ricevute in Microsoft Excel.",
            {"Il pulsante Esporta archivio consente di esportare l'archivio annuale delle ricevute "
             "in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi "
             "software in grado di gestire i file in formato XLS (ad esempio, con Open Office, "
             "Libre Office o Microsoft Office).",
             "È sufficiente fare clic sull'icona del foglio di calcolo: il file viene creato "
             "immediatamente e può essere aperto rispondendo affermativamente alla domanda che "
             "segue.",
             "Una volta aperto, il foglio di lavoro può essere salvato con qualsiasi nome e in "
             "qualsiasi cartella."}};
}

HelpPage ExpClienti() {
    return {"Esportazione archivio clienti in Microsoft Excel.",
            {"Il pulsante Esporta archivio consente di esportare i dati di tutti i clienti in un "
             "foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software "
             "in grado di gestire i file in formato XLS (ad esempio, con Open Office, Libre "
             "Office o Microsoft Office).",
             "È sufficiente fare clic sull'icona del foglio di calcolo: il file viene creato "
             "immediatamente e può essere aperto rispondendo affermativamente alla domanda che "
             "segue.",
             "Una volta aperto, il foglio di lavoro può essere salvato con qualsiasi nome e in "
             "qualsiasi cartella."}};
}

HelpPage ExpMagazzino() {
    return {"Esportazione archivio prodotti e servizi in Microsoft Excel.",
            {"Il pulsante Esporta archivio consente di esportare tutte le schede dei prodotti e "
             "servizi in magazzino in un foglio di lavoro di Microsoft Excel, che potrà essere "
             "aperto con qualsiasi software in grado di gestire i file in formato XLS (ad "
             "esempio, con Open Office, Libre Office o Microsoft Office).",
             "È sufficiente fare clic sull'icona del foglio di calcolo: il file viene creato "
             "immediatamente e può essere aperto rispondendo affermativamente alla domanda che "
             "segue.",
             "Una volta aperto, il foglio di lavoro può essere salvato con qualsiasi nome e in "
             "qualsiasi cartella."}};
}

}  // namespace

const HelpPage& GetHelpPage(HelpTopic topic) {
    static const HelpPage pages[] = {Avvio(),       Ricevute(),   Anagrafica(),
                                     Magazzino(),   Riepiloghi(), Statistiche(),
                                     ExpRicevute(), ExpClienti(), ExpMagazzino()};
    return pages[static_cast<int>(topic)];
}

}  // namespace corvelo
