#include "gui/app/services.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "support/case_names.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

// What the operating system is asked to open: never a command line. A local
// path comes back whole, whatever characters it holds.
struct ShellCase {
    const char* command;
    const char* path;  // the local file opened, or null for an address
    const char* url;   // the address opened, when path is null
};

class ShellOpenTargetTest : public ::testing::TestWithParam<ShellCase> {};

TEST_P(ShellOpenTargetTest, OpensTheNamedThingAndRunsNothing) {
    const ShellCase& c = GetParam();
    const QUrl url = ShellOpenTarget(QString::fromUtf8(c.command), QStringLiteral("/dati/corvelo"));
    if (c.path) {
        EXPECT_TRUE(url.isLocalFile()) << c.command;
        EXPECT_EQ(url.toLocalFile(), QString::fromUtf8(c.path)) << c.command;
    } else {
        EXPECT_FALSE(url.isLocalFile()) << c.command;
        EXPECT_EQ(url.toString(QUrl::FullyDecoded), QString::fromUtf8(c.url)) << c.command;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ShellOpenTargetTest,
    ::testing::Values(ShellCase{"\"/dati/corvelo/Guida.pdf\"", "/dati/corvelo/Guida.pdf", nullptr},
                      ShellCase{"/dati/Cliente_7/preventivo finale.pdf",
                                "/dati/Cliente_7/preventivo finale.pdf", nullptr},
                      ShellCase{"\"/dati/a; rm -rf ~.pdf\"", "/dati/a; rm -rf ~.pdf", nullptr},
                      ShellCase{"\"/dati/$(reboot) `id` \"\"x\"\".pdf\"",
                                "/dati/$(reboot) `id` \"\"x\"\".pdf", nullptr},
                      ShellCase{"/dati/listino #2?.xls", "/dati/listino #2?.xls", nullptr},
                      ShellCase{"Ricevuta.pdf", "/dati/corvelo/Ricevuta.pdf", nullptr},
                      ShellCase{"https://www.corvelo.it", nullptr, "https://www.corvelo.it"},
                      ShellCase{"\"mailto:info@corvelo.it?subject=Software Corvelo&body=Salve\"",
                                nullptr,
                                "mailto:info@corvelo.it?subject=Software Corvelo&body=Salve"},
                      ShellCase{"\"mailto:\"", nullptr, "mailto:"}),
    [](const auto& info) { return testing::CaseName(info.param.command); });

// The real message boxes: their buttons and what the answer means.
class MessageBoxTest : public test::ScreenTest {
  protected:
    QStringList Buttons(QWidget* box) {
        QStringList texts;
        for (QAbstractButton* button : box->findChild<QDialogButtonBox*>()->buttons()) {
            texts << button->text();
        }
        texts.sort();
        return texts;
    }
    QAbstractButton* ButtonText(QWidget* box, const QString& text) {
        for (QAbstractButton* button : box->findChild<QDialogButtonBox*>()->buttons()) {
            if (button->text() == text) return button;
        }
        ADD_FAILURE() << "no button " << text.toStdString();
        return nullptr;
    }
    DesktopServices real{QStringLiteral("/tmp")};
};

TEST_F(MessageBoxTest, EachKindHasItsItalianButtons) {
    struct Case {
        MessageKind kind;
        QStringList buttons;
    };
    const Case cases[] = {
        {MessageKind::Warning, {QStringLiteral("Annulla"), QStringLiteral("OK")}},
        {MessageKind::Error, {QStringLiteral("Annulla"), QStringLiteral("OK")}},
        {MessageKind::Information, {QStringLiteral("Annulla"), QStringLiteral("OK")}},
        {MessageKind::Confirmation, {QStringLiteral("No"), QStringLiteral("Sì")}},
        {MessageKind::Plain, {QStringLiteral("OK")}},
    };
    for (const Case& c : cases) {
        QStringList seen;
        QString text;
        test::OnNextModal([&](QWidget* box) {
            seen = Buttons(box);
            text = static_cast<QMessageBox*>(box)->text();
            static_cast<QMessageBox*>(box)->buttons().front()->click();
        });
        EXPECT_FALSE(real.ShowMessage(c.kind, QStringLiteral("Riga 1\n\rRiga 2")));
        EXPECT_EQ(seen, c.buttons);
        EXPECT_EQ(text, QStringLiteral("Riga 1\n\rRiga 2"));
    }
}

TEST_F(MessageBoxTest, OnlyNoStopsAConfirmedAction) {
    const struct {
        const char* press;  // null: the box is closed without choosing
        bool no;
    } cases[] = {{"No", true}, {"Sì", false}, {nullptr, false}};
    for (const auto& c : cases) {
        test::OnNextModal([&](QWidget* box) {
            if (c.press) {
                ButtonText(box, QString::fromUtf8(c.press))->click();
            } else {
                box->close();
            }
        });
        EXPECT_EQ(real.AnsweredNo(QStringLiteral("Procedere?")), c.no)
            << (c.press ? c.press : "closed");
    }
}

TEST_F(MessageBoxTest, InputBoxGivesTheTextOrNothing) {
    test::OnNextModal([&](QWidget* dialog) {
        auto* input = static_cast<QInputDialog*>(dialog);
        EXPECT_EQ(input->windowTitle(), QStringLiteral("Titolo"));
        EXPECT_EQ(input->labelText(), QStringLiteral("Domanda:"));
        EXPECT_EQ(input->textValue(), QStringLiteral("proposta"));
        EXPECT_EQ(Buttons(dialog), (QStringList{QStringLiteral("Annulla"), QStringLiteral("OK")}));
        input->setTextValue(QStringLiteral(" scelta "));
        input->accept();
    });
    EXPECT_EQ(real.InputBox(QStringLiteral("Titolo"), QStringLiteral("Domanda:"),
                            QStringLiteral("proposta")),
              std::optional<QString>(QStringLiteral(" scelta ")));
    test::OnNextModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(real.InputBox(QStringLiteral("Titolo"), QStringLiteral("Domanda:"), {}),
              std::nullopt);
}

TEST(FakeServicesTest, AnswersFromItsQueuesAndRecordsEverything) {
    test::FakeServices fake;
    fake.answerNo = {true};
    EXPECT_TRUE(fake.AnsweredNo(QStringLiteral("a")));
    EXPECT_FALSE(fake.AnsweredNo(QStringLiteral("b"))) << "an empty queue answers Sì";
    fake.Warning(QStringLiteral("c"));
    ASSERT_EQ(fake.messages.size(), 3u);
    EXPECT_EQ(fake.messages[2], (test::ShownMessage{MessageKind::Warning, QStringLiteral("c")}));
    EXPECT_EQ(fake.Today(), QDate(2024, 3, 15));
    EXPECT_EQ(fake.InputBox({}, {}, {}), std::nullopt);
    fake.inputAnswers = {QStringLiteral("x")};
    EXPECT_EQ(fake.InputBox({}, {}, {}), std::optional<QString>(QStringLiteral("x")));
    EXPECT_TRUE(QFileInfo(fake.DataFolder()).isDir());
}

}  // namespace
}  // namespace corvelo
