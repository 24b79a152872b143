// "Trova articoli in magazzino": item cards found by partial text in up to
// ten fields, listed, printed, and recalled into the item card editor by a
// double click.
#pragma once

#include "core/warehouse/item_lists.h"
#include "gui/kit/search_screen.h"

namespace corvelo {

class TfrmTrovaMagazzino : public SearchScreen {
    Q_OBJECT
  public:
    // The caller writes its tag into lblMemory before exec(); only the tag
    // "magazzino" (the card editor `card`) lets a double click load a card.
    TfrmTrovaMagazzino(Services& services, QWidget& card, QWidget* parent = nullptr);

  protected:
    SearchFound Search(std::span<const std::string> typed) override;
    // The card behind the selected line onto the card editor, then the
    // window closes.
    void lstRecordsDblClick(std::optional<std::string> line) override;

  private:
    QWidget& card_;
};

// What the item search and the import into a receipt share: the ten
// criteria boxes as the search shell lays them out, the shell's texts for a
// window of `name` and `caption`, and the search over Magazzino.pro listing
// the lines of `kind`.
std::span<const SearchBox> ItemSearchBoxes();
SearchScreenTexts ItemSearchScreenTexts(const char* name, std::string_view caption);
SearchFound SearchItemLines(const Services& services, std::span<const std::string> typed,
                            ItemLineKind kind);

}  // namespace corvelo
