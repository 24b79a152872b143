// The item card editor of a test: the real screen under a shell, with
// Magazzino.pro in the data folder of the fake services, and helpers to store
// and read cards there.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QListView>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "core/storage/articolo.h"
#include "core/storage/card.h"
#include "gui/app/conventions.h"
#include "gui/app/shell.h"
#include "gui/kit/card_form.h"
#include "gui/kit/text.h"
#include "gui/warehouse/Magazzino.h"
#include "support/screen_test.h"

namespace corvelo::test {

// A card with the given fields, every other field empty.
inline TArticolo Item(std::initializer_list<std::pair<TArticolo::Field, std::string>> fields) {
    TArticolo r;
    for (const auto& [field, text] : fields) r[field] = text;
    return r;
}

class WarehouseScreenTest : public ScreenTest {
  protected:
    std::filesystem::path Archive() const { return WarehouseArchive(services); }
    QString ArchivePath() const { return services.DataPath(QStringLiteral("Magazzino.pro")); }

    void Store(const std::vector<TArticolo>& cards) {
        for (const TArticolo& c : cards) {
            ASSERT_EQ(SaveCard(Archive(), c, "").message, CardMessage::kSchedaInserita);
        }
    }
    QByteArray Bytes() const {
        QFile file(ArchivePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::vector<TArticolo> Stored() const {
        const QByteArray bytes = Bytes();
        std::vector<TArticolo> out;
        for (qsizetype at = 0; at + qsizetype(TArticolo::kSize) <= bytes.size();
             at += TArticolo::kSize) {
            out.push_back(*DecodeRecord<TArticolo>(
                std::string_view(bytes.constData() + at, TArticolo::kSize)));
        }
        return out;
    }

    // The card editor shown at the smallest screen it is laid out for.
    void OpenCard() {
        card.resize(1366, 768);
        ShowActive(&card);
    }
    QString Text(std::string_view control) const { return FormText(card, control); }
    void Set(std::string_view control, const QString& text) { SetFormText(card, control, text); }
    void Press(const char* name) { Click(&card, QLatin1String(name)); }
    static void Click(QWidget* screen, const QString& name) {
        Find<QAbstractButton>(screen, name)->click();
    }
    static QString Focused() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QStringList Messages() const { return services.MessageTexts(); }

    AppShell shell{services};
    TfrmMagazzino card{services, shell};
};

}  // namespace corvelo::test
