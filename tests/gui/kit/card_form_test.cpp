#include "gui/kit/card_form.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/storage/cliente.h"
#include "core/storage/messages.h"
#include "gui/app/conventions.h"
#include "gui/app/widgets.h"
#include "gui/kit/text.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

using test::Find;

// A customer card of three controls: a box, a province box and a hidden label.
constexpr CardField kFields[] = {
    {TCliente::Cognome, "txtCognome", "Cognome"},
    {TCliente::ProvRes, "txtProvRes", "Provincia di residenza"},
    {TCliente::File01, "lblFile01", "Primo file allegato"},
};
constexpr CardFailureKinds kErrors = {NoticeKind::kError, NoticeKind::kError, NoticeKind::kError};

class CardFormTest : public test::ScreenTest {
  protected:
    CardFormTest() {
        auto* column = new QVBoxLayout(&editor);
        column->addWidget(MakeBox(QStringLiteral("txtCognome"), &editor));
        column->addWidget(new ProvinceBox(QStringLiteral("txtProvRes"), &editor));
        column->addWidget(MakeHiddenLabel(QStringLiteral("lblFile01"), &editor));
        column->addWidget(MakeHiddenLabel(QStringLiteral("lblPosizione"), &editor));
        test::ShowActive(&editor);
    }
    QString Text(const char* name) const { return FormText(editor, name); }
    std::filesystem::path File() const { return FsPath(services.DataPath("Clienti.pro")); }

    QWidget editor;
    CardForm form{editor, services, kFields, kErrors};
};

TEST_F(CardFormTest, FieldsGoToTheirControlsAndComeBackTrimmed) {
    TCliente card;
    card[TCliente::Cognome] = " Rossi ";
    card[TCliente::ProvRes] = "MI";
    card[TCliente::File01] = "contratto.pdf";
    card[TCliente::Nome] = "Mario";  // no control on this form
    form.ShowRecord(card);
    EXPECT_EQ(Text("txtCognome"), "Rossi");
    EXPECT_EQ(Text("txtProvRes"), "MI");
    EXPECT_EQ(Text("lblFile01"), "contratto.pdf");

    SetFormText(editor, "txtCognome", QStringLiteral("  Rossi Bianchi "));
    const TCliente read = form.Record<TCliente>();
    EXPECT_EQ(read[TCliente::Cognome], "Rossi Bianchi");
    EXPECT_EQ(read[TCliente::ProvRes], "MI");
    EXPECT_EQ(read[TCliente::File01], "contratto.pdf");
    EXPECT_EQ(read[TCliente::Nome], "");
}

TEST_F(CardFormTest, BrowsingAndSavingShowTheCardThePositionAndTheMessageInTheEditorsKinds) {
    TCliente card;
    card[TCliente::Cognome] = "Verdi";
    form.ShowSaved(StoreCard(File(), card, "", kFields, kErrors));
    EXPECT_EQ(Text("lblPosizione"), "1");
    EXPECT_EQ(services.LastMessage(), Q(kMsgSchedaInserita));

    SetFormText(editor, "txtCognome", {});
    SetFormText(editor, "lblPosizione", {});
    form.Browse<TCliente>(CardMove::kLast, File());
    EXPECT_EQ(Text("txtCognome"), "Verdi");
    EXPECT_EQ(Text("lblPosizione"), "1");

    // This editor gives every file failure as an error, the first card too.
    services.Clear();
    ASSERT_TRUE(QDir(services.DataFolder()).mkdir(QStringLiteral("Cartella.pro")));
    form.Browse<TCliente>(CardMove::kFirst, FsPath(services.DataPath("Cartella.pro")));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0],
              (test::ShownMessage{MessageKind::Error, Q(kMsgAccessoArchivio)}));
    EXPECT_EQ(Text("txtCognome"), "Verdi");
    EXPECT_EQ(Text("lblPosizione"), "1");

    // A save that names a control focuses it.
    CardSaveOutcome refused;
    refused.notice = {NoticeKind::kWarning, "manca"};
    refused.focus = "txtCognome";
    refused.position = "1";
    form.ShowSaved(refused);
    EXPECT_TRUE(Find<QLineEdit>(&editor, "txtCognome")->hasFocus());
}

}  // namespace
}  // namespace corvelo
