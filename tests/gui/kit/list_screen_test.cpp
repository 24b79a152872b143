#include "gui/kit/list_screen.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/app/list_find.h"
#include "support/screen_test.h"

namespace corvelo {
namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class ListScreenTest : public test::ScreenTest {
  protected:
    ListScreen& Make(const ListScreenOptions& options = {}) {
        list_ = new ListScreen(services, &host_, options);
        auto* layout = new QVBoxLayout(&host_);
        layout->addLayout(list_->MakeFindRow());
        layout->addWidget(list_->List());
        layout->addWidget(list_->PrintButton());
        host_.resize(900, 400);
        test::ShowActive(&host_);
        return *list_;
    }
    void FindKey(const QString& key) {
        list_->FindBox()->setText(key);
        list_->FindButton()->click();
    }

    QDialog host_;
    ListScreen* list_ = nullptr;
};

TEST_F(ListScreenTest, ListIsAFixedPitchModelWideEnoughWithScrollBarsShown) {
    ListScreen& list = Make();
    list.SetLines({"Ric. n. 1", std::string(200, 'x') + "\xE2\x82\xAC"});
    QListView* view = list.List();
    EXPECT_EQ(view->objectName(), "lstRecords");
    EXPECT_EQ(view->model()->rowCount(), 2);
    EXPECT_EQ(view->model()->index(1, 0).data().toString().size(), 201);
    EXPECT_EQ(view->font().family(), "Courier New");
    EXPECT_EQ(view->font().pointSize(), 12);
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // The 201-character line can be scrolled to its end.
    const int width = view->sizeHintForIndex(view->model()->index(0, 0)).width();
    EXPECT_GE(width, kListItemWidth);
    EXPECT_GE(
        width,
        QFontMetrics(view->font()).horizontalAdvance(view->model()->index(1, 0).data().toString()));
    list.SetLines({"corto"});
    EXPECT_EQ(view->sizeHintForIndex(view->model()->index(0, 0)).width(), kListItemWidth);
}

TEST_F(ListScreenTest, FindGoesOnFromTheSelectionWithTheSameKeyAndWrapsRound) {
    ListScreen& list = Make();
    list.SetLines({"Bianchi", "Mario Rossi", "Verdi", "Rossi Anna"});
    std::vector<std::size_t> selected;
    for (int i = 0; i < 3; ++i) {
        FindKey(QStringLiteral("ROSSI"));
        selected.push_back(list.Selected().value_or(99));
    }
    EXPECT_EQ(selected, (std::vector<std::size_t>{1, 3, 1}));
    // A forgotten key starts again from the first line.
    list.Select(3);
    list.ForgetFindKey();
    EXPECT_EQ(list.FindBox()->text(), "");
    FindKey(QStringLiteral("rossi"));
    EXPECT_EQ(list.Selected(), 1u);
    // A key found nowhere leaves the selection.
    FindKey(QStringLiteral("neri"));
    EXPECT_EQ(list.Selected(), 1u);
    EXPECT_TRUE(services.messages.empty());
}

class EmptyListFind : public ListScreenTest, public ::testing::WithParamInterface<MessageKind> {};

TEST_P(EmptyListFind, ShowsTheMessageInTheKindTheScreenAsks) {
    ListScreen& list = Make({GetParam()});
    FindKey(QStringLiteral("x"));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0], (test::ShownMessage{GetParam(), Q(kFindEmptyListMessage)}));
    EXPECT_EQ(list.LastFindKey(), "");
}

INSTANTIATE_TEST_SUITE_P(Kinds, EmptyListFind,
                         ::testing::Values(MessageKind::Plain, MessageKind::Information));

TEST_F(ListScreenTest, EnterInTheFindBoxMovesToTheFindButtonWithoutPressingIt) {
    ListScreen& list = Make();
    test::Press(list.FindBox(), Qt::Key_Return);
    EXPECT_TRUE(list.FindButton()->hasFocus());
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ListScreenTest, PrintGoesThroughThePrintDialog) {
    ListScreen& list = Make();
    list.SetLines({"uno", "due"});
    list.SetReport([&] { return ListReportContent{"Titolo", list.Lines()}; });
    EXPECT_EQ(list.ReportContent().lines, (std::vector<std::string>{"uno", "due"}));

    services.paintJobs = true;
    list.PrintButton()->click();
    ASSERT_EQ(services.printJobs.size(), 1u);
    EXPECT_EQ(services.printJobs[0].kind, test::PrintJobRecord::Kind::Print);
    EXPECT_TRUE(services.printJobs[0].painted);

    services.printDialogAccepts = false;
    list.PrintButton()->click();
    EXPECT_EQ(services.printDialogs, 2);
    EXPECT_EQ(services.printJobs.size(), 1u);
}

}  // namespace
}  // namespace corvelo
