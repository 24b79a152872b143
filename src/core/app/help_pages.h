// The pages of the help window: one title and one text per work screen.
// A text is a sequence of paragraphs joined by an empty line ("\r\n\r\n").
#pragma once

#include <string>
#include <vector>

namespace corvelo {

enum class HelpTopic {
    Avvio,         // start menu: the whole application
    Ricevute,      // receipts menu and receipt editor
    Anagrafica,    // customer card editor
    Magazzino,     // item card editor
    Riepiloghi,    // monthly, quarterly and annual summaries
    Statistiche,   // statistics chart
    ExpRicevute,   // receipt archive export
    ExpClienti,    // customer export
    ExpMagazzino,  // warehouse export
};

struct HelpPage {
    std::string title;
    std::vector<std::string> paragraphs;

    // The paragraphs joined by "\r\n\r\n", as the help window shows them.
    std::string Text() const;
};

// Returns the page of topic.
const HelpPage& GetHelpPage(HelpTopic topic);

}  // namespace corvelo
