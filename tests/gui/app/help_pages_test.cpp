#include "core/app/help_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "support/case_names.h"

namespace corvelo {
namespace {

// Every page: its title, how it begins and how many paragraphs it has.
struct PageCase {
    HelpTopic topic;
    const char* title;
    const char* begins;
    std::size_t paragraphs;  // 0: not fixed
};

class HelpPageTest : public ::testing::TestWithParam<PageCase> {};

TEST_P(HelpPageTest, HasItsTitleFirstSentenceAndParagraphs) {
    const PageCase& c = GetParam();
    const HelpPage& page = GetHelpPage(c.topic);
    EXPECT_EQ(page.title, c.title);
    const std::string text = page.Text();
    EXPECT_EQ(text.rfind(c.begins, 0), 0u) << text.substr(0, 120);
    if (c.paragraphs != 0) {
        EXPECT_EQ(page.paragraphs.size(), c.paragraphs);
    }
    // Paragraphs are joined by one empty line, CR LF CR LF, and hold no breaks.
    std::size_t joins = 0;
    for (std::size_t at = text.find("\r\n\r\n"); at != std::string::npos;
         at = text.find("\r\n\r\n", at + 4)) {
        ++joins;
    }
    EXPECT_EQ(joins + 1, page.paragraphs.size());
    for (const std::string& paragraph : page.paragraphs) {
        EXPECT_EQ(paragraph.find_first_of("\r\n"), std::string::npos);
        EXPECT_FALSE(paragraph.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, HelpPageTest,
    ::testing::Values(
        PageCase{HelpTopic::Avvio, "Uno sguardo a Corvelo.",
                 "Corvelo è un software facile e intuitivo studiato per associazioni o ditte non "
                 "tenute al rilascio delle fatture che vendono prodotti di qualsiasi genere e/o "
                 "offrono servizi come consulenze tecniche o professionali e hanno bisogno di "
                 "un'applicazione per gestire il magazzino ed emettere ricevute per le quali non "
                 "è prevista l'indicazione dell'IVA.",
                 5},
        PageCase{HelpTopic::Ricevute, "Emissione ricevute.",
                 "L'applicazione Emissione ricevute è un ambiente di lavoro per la compilazione e "
                 "la stampa di ricevute su carta in duplice copia su foglio A4 o su file PDF.",
                 0},
        PageCase{HelpTopic::Anagrafica, "Anagrafica Clienti.",
                 "L'applicazione Anagrafica Clienti è utile per la compilazione automatica delle "
                 "ricevute di pagamento",
                 7},
        PageCase{HelpTopic::Magazzino, "Magazzino Prodotti e Servizi.",
                 "L'applicazione Magazzino Prodotti e Servizi prevede l'archiviazione dei dati "
                 "riguardanti i prodotti commercializzati dalla propria ditta nonché i servizi "
                 "offerti ai clienti che potranno poi essere richiamati per la compilazione delle "
                 "ricevute di pagamento.",
                 12},
        PageCase{HelpTopic::Riepiloghi, "Riepiloghi ricevute emesse.",
                 "Corvelo consente di ottenere i riepiloghi mensili, trimestrali e annuali delle "
                 "ricevute emesse utilizzando i pulsanti contraddistinti, rispettivamente, dalle "
                 "lettere M, T e A.",
                 4},
        PageCase{HelpTopic::Statistiche, "Grafici statistici incassi mensili.",
                 "L'applicazione Statistiche ricevute emesse consente di visualizzare e stampare "
                 "grafici statistici sulle entrate mensili in base alle ricevute emesse "
                 "nell'anno solare selezionato.",
                 4},
        PageCase{HelpTopic::ExpRicevute, "Esportazione archivio ricevute in Microsoft Excel.",
                 "Il pulsante Esporta archivio consente di esportare l'archivio annuale delle "
                 "ricevute in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con "
                 "qualsiasi software in grado di gestire i file in formato XLS (ad esempio, con "
                 "Open Office, Libre Office o Microsoft Office).",
                 3},
        PageCase{HelpTopic::ExpClienti, "Esportazione archivio clienti in Microsoft Excel.",
                 "Il pulsante Esporta archivio consente di esportare i dati di tutti i clienti in "
                 "un foglio di lavoro di Microsoft Excel",
                 3},
        PageCase{HelpTopic::ExpMagazzino,
                 "Esportazione archivio prodotti e servizi in Microsoft Excel.",
                 "Il pulsante Esporta archivio consente di esportare tutte le schede dei prodotti "
                 "e servizi in magazzino in un foglio di lavoro di Microsoft Excel, che potrà "
                 "essere aperto con qualsiasi software in grado di gestire i file in formato XLS "
                 "(ad esempio, con Open Office, Libre Office o Microsoft Office).",
                 3}),
    [](const auto& info) { return testing::CaseName(info.param.title); });

}  // namespace
}  // namespace corvelo
