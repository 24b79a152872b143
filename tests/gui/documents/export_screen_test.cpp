#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableView>

#include "core/documents/receipt_export.h"
#include "gui/documents/ExpRicevute.h"
#include "support/analysis_fixture.h"

namespace corvelo {
namespace {

using test::Find;
using test::Q;
using testing::MakeReceipt;

class ExportScreenTest : public test::AnalysisScreenTest {
  protected:
    QString ExportFile() const {
        return services.DataPath(QStringLiteral("Archivio_Ricevute.xls"));
    }
    QByteArray ExportBytes() const {
        QFile file(ExportFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(ExportScreenTest, ShowingFillsTheGridOneRowPerReceipt) {
    Write({MakeReceipt({"1", "01/01/2024", "Uno"}), MakeReceipt({"2", "02/01/2024", "Due"}),
           MakeReceipt({"3", "03/01/2024", "Tre"})});
    TfrmExpRicevute screen(services, *editor);
    test::ShowActive(&screen);
    auto* grid = Find<QTableView>(&screen, "grdRecords");
    ASSERT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->model()->columnCount(), 18);
    EXPECT_EQ(grid->model()->index(2, 0).data().toString(), "3");
    EXPECT_EQ(grid->model()->index(2, 6).data().toString(), "Tre");
    EXPECT_EQ(grid->model()->headerData(4, Qt::Horizontal).toString(),
              "Modalit\u00e0 di pagamento");
    EXPECT_EQ(Find<QLabel>(&screen, "panInfo")->text(),
              "Esportazione archivio in Microsoft Excel.");
}

TEST_F(ExportScreenTest, EmptyArchiveKeepsTenEmptyRows) {
    TfrmExpRicevute screen(services, *editor);
    test::ShowActive(&screen);
    EXPECT_EQ(Find<QTableView>(&screen, "grdRecords")->model()->rowCount(), 10);
}

struct Answers {
    const char* name;
    std::deque<bool> answerNo;  // first question, then second
    bool written;
    bool opened;
};

class ExportFlow : public ExportScreenTest, public ::testing::WithParamInterface<Answers> {};

TEST_P(ExportFlow, WritesTheFileAndOpensItUnlessTheAnswerIsNo) {
    const Answers& a = GetParam();
    Write({MakeReceipt({"1", "01/01/2024", "Nicolò <a&b>"})});
    TfrmExpRicevute screen(services, *editor);
    test::ShowActive(&screen);
    services.answerNo = a.answerNo;
    Find<QAbstractButton>(&screen, "cmdEsporta")->click();

    EXPECT_EQ(QFile::exists(ExportFile()), a.written);
    if (a.written) {
        const std::string expected = ReceiptExportBytes(screen.Grid());
        EXPECT_EQ(ExportBytes(), QByteArray::fromStdString(expected));
        EXPECT_TRUE(ExportBytes().contains("Nicol\xF2 &lt;a&amp;b&gt;"));
    }
    EXPECT_EQ(services.shellOpens,
              a.opened ? QStringList{'"' + ExportFile() + '"'} : QStringList{});
    ASSERT_FALSE(services.messages.empty());
    EXPECT_EQ(services.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(services.messages[0].text, Q(kMsgEsportaConferma));
    if (a.written) {
        EXPECT_EQ(services.messages.back().text, Q(kMsgEsportaRiuscita));
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, ExportFlow,
                         ::testing::Values(Answers{"YesYes", {}, true, true},
                                           Answers{"YesNo", {false, true}, true, false},
                                           Answers{"No", {true}, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportScreenTest, FileThatCannotBeWrittenShowsTheFailureAndAsksNothingMore) {
    ASSERT_TRUE(QDir(services.DataFolder()).mkdir(QStringLiteral("Archivio_Ricevute.xls")));
    TfrmExpRicevute screen(services, *editor);
    test::ShowActive(&screen);
    Find<QAbstractButton>(&screen, "cmdEsporta")->click();
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[1],
              (test::ShownMessage{MessageKind::Plain, Q(kMsgEsportaFallita)}));
    EXPECT_TRUE(services.shellOpens.isEmpty());
}

// A grid read only in part would be exported as the whole year.
TEST_F(ExportScreenTest, ArchiveThatCannotBeReadIsSaidSoAndNeverExported) {
    Write({MakeReceipt({"1", "01/01/2024", "Uno"})});
    services.files.FailFrom(IoOp::kRead);
    TfrmExpRicevute screen(services, *editor);
    test::ShowActive(&screen);
    services.files.Heal();
    Find<QAbstractButton>(&screen, "cmdEsporta")->click();
    EXPECT_FALSE(QFile::exists(ExportFile()));
    EXPECT_EQ(services.MessageTexts(),
              (QStringList{Q(kMsgEsportaFallita), Q(kMsgEsportaConferma), Q(kMsgEsportaFallita)}));
}

}  // namespace
}  // namespace corvelo
