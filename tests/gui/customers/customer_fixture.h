// The customer card editor of a test: the real screen under a shell, with
// Clienti.pro in the data folder of the fake services, and helpers to store
// and read cards there.
#pragma once

#include <QAbstractButton>
#include <QFile>
#include <QListView>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "core/storage/card.h"
#include "core/storage/cliente.h"
#include "gui/app/conventions.h"
#include "gui/app/shell.h"
#include "gui/customers/Anagrafica.h"
#include "gui/customers/customer_form.h"
#include "gui/kit/text.h"
#include "support/screen_test.h"

namespace corvelo::test {

// A card with the fields a save requires, and `more` on top.
inline TCliente Customer(std::string cognome, std::string nome,
                         std::initializer_list<std::pair<TCliente::Field, std::string>> more = {}) {
    TCliente c;
    c[TCliente::Cognome] = std::move(cognome);
    c[TCliente::Nome] = std::move(nome);
    c[TCliente::Decorrenza] = "01/01/2024";
    c[TCliente::Scadenza] = "01/06/2024";
    c[TCliente::Preavviso] = "0";
    c[TCliente::Totale] = "0,00";
    c[TCliente::Rata] = "0,00";
    for (const auto& [field, text] : more) c[field] = text;
    return c;
}

class CustomerScreenTest : public ScreenTest {
  protected:
    std::filesystem::path Archive() const { return CustomerArchive(services); }

    void Store(const std::vector<TCliente>& cards) {
        for (const TCliente& c : cards) {
            ASSERT_EQ(SaveCard(Archive(), c, "").message, CardMessage::kSchedaInserita);
        }
    }
    std::vector<TCliente> Stored() const {
        QFile file(services.DataPath(QStringLiteral("Clienti.pro")));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        std::vector<TCliente> out;
        for (qsizetype at = 0; at + qsizetype(TCliente::kSize) <= bytes.size();
             at += TCliente::kSize) {
            out.push_back(
                *DecodeRecord<TCliente>(std::string_view(bytes.constData() + at, TCliente::kSize)));
        }
        return out;
    }

    // The card editor shown at the smallest screen it is laid out for.
    void OpenCard() {
        card.resize(1366, 768);
        ShowActive(&card);
    }
    QString CardText(const QString& name) const { return TextOf(Find(&card, name)); }
    void SetCard(const QString& name, const QString& text) { SetTextOf(Find(&card, name), text); }
    void Click(QWidget* screen, const QString& name) {
        Find<QAbstractButton>(screen, name)->click();
    }

    AppShell shell{services};
    TfrmAnagrafica card{services, shell};
};

}  // namespace corvelo::test
