#include "gui/kit/search_screen.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/kit/text.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::Find;

constexpr SearchBox kBoxes[] = {
    {"txtCodice", "Codice articolo:"},
    {"txtMarca", "Marca:"},
    {"txtNote", "Note:"},
};

std::string CountLine(std::size_t n) {
    return "Il presente elenco contiene " + std::to_string(n) + " schede.";
}

const SearchScreenTexts kTexts = {
    .name = "TfrmProva",
    .caption = " Prova",
    .picture = ":/pictures/trova.svg",
    .title = "TROVA",
    .reportTitle = "Titolo",
    .countLine = &CountLine,
    .size = QSize(862, 560),
    .hint = "Richiamare i dati di una scheda selezionandola con un clic.",
    .hintAboveList = true,
};

// A search screen of three boxes that records what it was asked and adds a
// button and a label of its own to the result panel, as the item import does.
class ProvaScreen : public SearchScreen {
  public:
    explicit ProvaScreen(Services& services) : SearchScreen(services, kTexts, kBoxes, nullptr) {
        auto* own = new QPushButton(QStringLiteral("Importa"), this);
        own->setObjectName(QStringLiteral("btnAggiorna"));
        AddResultButton(own);
        auto* chosen = new QLabel(this);
        chosen->setObjectName(QStringLiteral("lblCodice"));
        ResultExtras()->addWidget(chosen);
    }
    std::vector<std::string> asked;
    SearchFound answer;

  protected:
    SearchFound Search(std::span<const std::string> typed) override {
        asked.assign(typed.begin(), typed.end());
        return answer;
    }
};

class SearchShellTest : public test::ScreenTest {};

TEST_F(SearchShellTest, BoxesFromTheTableTheEnterCycleAndTheSearchAsTyped) {
    ProvaScreen screen(services);
    test::ShowActive(&screen);
    EXPECT_EQ(screen.windowTitle(), " Prova");
    EXPECT_EQ(Find<QLabel>(&screen, "titMarca")->text(), "Marca:");
    EXPECT_TRUE(Find<QLineEdit>(&screen, "txtCodice")->hasFocus());
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        visited << QApplication::focusWidget()->objectName();
        test::Press(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(visited, (QStringList{"txtCodice", "txtMarca", "txtNote", "txtCodice"}));

    test::Type(Find<QLineEdit>(&screen, "txtMarca"), QStringLiteral("vite "));
    test::Type(Find<QLineEdit>(&screen, "txtNote"), QStringLiteral("  "));
    screen.answer.lines.Add("B riga");
    screen.answer.lines.Add("a riga");
    Find<QPushButton>(&screen, "btnCerca")->click();

    EXPECT_EQ(screen.asked, (std::vector<std::string>{"", "vite ", "  "}));
    EXPECT_EQ(Find<QLabel>(&screen, "lblConta")->text(), "1");  // blanks only are no criterion
    EXPECT_EQ(screen.Results().Count(), 2u);
    EXPECT_EQ(Find<QLabel>(&screen, "lblTrovate")->text(), "Il presente elenco contiene 2 schede.");
    EXPECT_FALSE(Find<QWidget>(&screen, "panAvvio")->isVisible());
    EXPECT_TRUE(Find<QLineEdit>(&screen, "txtTrova")->hasFocus());
    // The screen's own controls sit in the result panel, its button before btnStampa.
    auto* own = Find<QPushButton>(&screen, "btnAggiorna");
    EXPECT_TRUE(own->isVisible());
    EXPECT_LT(own->geometry().x(), Find<QPushButton>(&screen, "btnStampa")->geometry().x());
    EXPECT_TRUE(Find<QLabel>(&screen, "lblCodice")->isVisible());
}

TEST_F(SearchShellTest, UnreadableFileKeepsTheCriteriaPanelAndClosingEmptiesTheList) {
    ProvaScreen screen(services);
    test::ShowActive(&screen);
    screen.answer.ok = false;
    Find<QPushButton>(&screen, "btnCerca")->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].kind, MessageKind::Plain);
    EXPECT_TRUE(Find<QWidget>(&screen, "panAvvio")->isVisible());
    EXPECT_FALSE(Find<QWidget>(&screen, "lblAttendere")->isVisible());

    screen.answer = {};
    screen.answer.lines.Add("riga");
    Find<QPushButton>(&screen, "btnCerca")->click();
    ASSERT_EQ(screen.Results().Count(), 1u);
    Find<QPushButton>(&screen, "btnChiudi")->click();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.Results().Count(), 0u);
}

}  // namespace
}  // namespace corvelo
