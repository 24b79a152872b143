#include "core/storage/card.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "core/storage/articolo.h"
#include "core/storage/messages.h"
#include "support/case_names.h"
#include "support/fault_file_system.h"
#include "support/temp_folder.h"

namespace corvelo {
namespace {

using testing::ReadBytes;
using testing::Records;
using testing::TempFolder;
using testing::WriteBytes;

constexpr std::size_t kSize = 16;  // the moves do not depend on the record type

struct BrowseCase {
    CardMove move;
    std::size_t records;        // records in the file; record k is filled with 'a' + k
    std::string position;       // lblPosizione before
    std::optional<char> shown;  // the record shown, if any
    std::string new_position;
    CardMessage message;
};

std::string Name(CardMove m) {
    switch (m) {
        case CardMove::kFirst:
            return "First";
        case CardMove::kLast:
            return "Last";
        case CardMove::kNext:
            return "Next";
        case CardMove::kPrevious:
            return "Previous";
    }
    return "?";
}

void PrintTo(const BrowseCase& c, std::ostream* os) {
    *os << Name(c.move) << " with " << c.records << " records from \"" << c.position << "\"";
}

class BrowseCardTest : public ::testing::TestWithParam<BrowseCase> {};

TEST_P(BrowseCardTest, ShowsRecordSetsPositionAndMessage) {
    const BrowseCase& c = GetParam();
    TempFolder dir;
    const auto path = dir / "2024.ric";
    const std::string content = Records(c.records, kSize);
    WriteBytes(path, content);

    const CardOutcome out = BrowseCard(c.move, path, kSize, c.position);
    if (c.shown) {
        ASSERT_TRUE(out.record.has_value());
        EXPECT_EQ(*out.record, std::string(kSize, *c.shown));
    } else {
        EXPECT_FALSE(out.record.has_value());
    }
    EXPECT_EQ(out.position, c.new_position);
    EXPECT_EQ(out.message, c.message);
    EXPECT_EQ(ReadBytes(path), content);  // browsing never writes
}

constexpr auto kNone = CardMessage::kNone;
constexpr auto kVuoto = CardMessage::kArchivioVuoto;
constexpr auto kAccesso = CardMessage::kAccessoArchivio;

INSTANTIATE_TEST_SUITE_P(Moves, BrowseCardTest,
                         ::testing::Values(
                             // First and Last
                             BrowseCase{CardMove::kFirst, 0, "", std::nullopt, "", kVuoto},
                             BrowseCase{CardMove::kFirst, 3, "", 'a', "1", kNone},
                             BrowseCase{CardMove::kFirst, 3, "3", 'a', "1", kNone},
                             BrowseCase{CardMove::kLast, 0, "", std::nullopt, "", kVuoto},
                             BrowseCase{CardMove::kLast, 3, "1", 'c', "3", kNone},
                             // Next: a new card counts as 0; past the last card nothing happens
                             BrowseCase{CardMove::kNext, 0, "", std::nullopt, "", kVuoto},
                             BrowseCase{CardMove::kNext, 3, "", 'a', "1", kNone},
                             BrowseCase{CardMove::kNext, 3, "1", 'b', "2", kNone},
                             BrowseCase{CardMove::kNext, 3, "3", std::nullopt, "3", kNone},
                             // Previous: card 1 does nothing; a new card and card 2 show record 0
                             BrowseCase{CardMove::kPrevious, 0, "", std::nullopt, "", kVuoto},
                             BrowseCase{CardMove::kPrevious, 3, "1", std::nullopt, "1", kNone},
                             BrowseCase{CardMove::kPrevious, 3, "2", 'a', "1", kNone},
                             BrowseCase{CardMove::kPrevious, 3, "3", 'b', "2", kNone},
                             BrowseCase{CardMove::kPrevious, 3, "", 'a', "1", kNone},
                             // A position that no move could have written is an access failure
                             BrowseCase{CardMove::kNext, 3, "x", std::nullopt, "x", kAccesso},
                             BrowseCase{CardMove::kPrevious, 3, "0", std::nullopt, "0", kAccesso},
                             BrowseCase{CardMove::kPrevious, 3, "9", std::nullopt, "9", kAccesso}),
                         [](const auto& info) {
                             const BrowseCase& c = info.param;
                             return Name(c.move) + "_" + std::to_string(c.records) +
                                    "_records_from_" +
                                    (c.position.empty() ? std::string("new")
                                                        : testing::CaseName(c.position));
                         });

TEST(BrowseCard, MissingFileIsCreatedEmptyAndReportedEmpty) {
    TempFolder dir;
    for (CardMove move : {CardMove::kFirst, CardMove::kLast, CardMove::kNext}) {
        const auto path = dir / (Name(move) + ".ric");
        const CardOutcome out = BrowseCard(move, path, kSize, "");
        EXPECT_EQ(out.message, CardMessage::kArchivioVuoto);
        EXPECT_EQ(CardMessageText(out.message), kMsgArchivioVuoto);
        EXPECT_EQ(std::filesystem::file_size(path), 0u);
    }
}

TEST(BrowseCard, ReadFailureKeepsTheEditorAsItWas) {
    TempFolder dir;
    const auto path = dir / "2024.ric";
    WriteBytes(path, Records(3, kSize));
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kRead);
    const CardOutcome out = BrowseCard(CardMove::kNext, path, kSize, "", fs);
    EXPECT_FALSE(out.record.has_value());
    EXPECT_EQ(out.position, "");
    EXPECT_EQ(out.message, CardMessage::kAccessoArchivio);
    EXPECT_EQ(CardMessageText(out.message), kMsgAccessoArchivio);
}

// A close that fails after the record was read still shows it: the editor
// shows and moves, then reports the failure.
TEST(BrowseCard, CloseFailureAfterReadingShowsTheRecordAndReports) {
    TempFolder dir;
    const auto path = dir / "2024.ric";
    WriteBytes(path, Records(2, kSize));
    FaultFileSystem fs;
    fs.FailOnce(IoOp::kClose);
    const CardOutcome out = BrowseCard(CardMove::kLast, path, kSize, "1", fs);
    ASSERT_TRUE(out.record.has_value());
    EXPECT_EQ(*out.record, std::string(kSize, 'b'));
    EXPECT_EQ(out.position, "2");
    EXPECT_EQ(out.message, CardMessage::kAccessoArchivio);
}

TEST(SaveCard, NewCardAppendsOnceThenOverwrites) {
    TempFolder dir;
    const auto path = dir / "Magazzino.pro";
    TArticolo item;
    item[TArticolo::Codice] = "A1";
    CardOutcome out = SaveCard(path, item, "");
    EXPECT_EQ(out.position, "1");
    EXPECT_EQ(out.message, CardMessage::kSchedaInserita);
    item[TArticolo::Codice] = "A2";
    out = SaveCard(path, item, out.position);
    EXPECT_EQ(out.position, "1");
    EXPECT_EQ(out.message, CardMessage::kModificheSalvate);
    EXPECT_EQ(ReadBytes(path), EncodeRecord(item));

    const CardView<TArticolo> view = BrowseCard<TArticolo>(CardMove::kFirst, path, "");
    ASSERT_TRUE(view.record.has_value());
    EXPECT_EQ((*view.record)[TArticolo::Codice], "A2");
}

TEST(SaveCard, OverwriteChangesOnlyThatRecordAndAppendGivesCountPlusOne) {
    TempFolder dir;
    const auto path = dir / "Clienti.pro";
    const std::string before = Records(3, kSize);
    WriteBytes(path, before);
    CardOutcome out = SaveCard(path, std::string(kSize, 'X'), kSize, "2");
    EXPECT_EQ(out.position, "2");
    std::string expected = before;
    expected.replace(kSize, kSize, std::string(kSize, 'X'));
    EXPECT_EQ(ReadBytes(path), expected);

    out = SaveCard(path, std::string(kSize, 'Y'), kSize, "");
    EXPECT_EQ(out.position, "4");
    EXPECT_EQ(ReadBytes(path), expected + std::string(kSize, 'Y'));
}

struct SaveFaultCase {
    IoOp op;
    std::string position;  // lblPosizione after the failed save of a new card
    bool record_in_file;
};

class SaveCardFaultTest : public ::testing::TestWithParam<SaveFaultCase> {};

// A save that fails before the record reaches the file leaves everything as
// it was; once the record is in the file, the position follows it so the next
// save does not append the card a second time.
TEST_P(SaveCardFaultTest, NewCard) {
    const SaveFaultCase& c = GetParam();
    TempFolder dir;
    const auto path = dir / "2024.ric";
    const std::string before = Records(2, kSize);
    WriteBytes(path, before);
    FaultFileSystem fs;
    fs.FailFrom(c.op);
    const CardOutcome out = SaveCard(path, std::string(kSize, 'N'), kSize, "", fs);
    EXPECT_EQ(out.message, CardMessage::kAccessoArchivio);
    EXPECT_EQ(out.status.op(), c.op);
    EXPECT_EQ(out.position, c.position);
    EXPECT_EQ(ReadBytes(path), c.record_in_file ? before + std::string(kSize, 'N') : before);
}

INSTANTIATE_TEST_SUITE_P(Steps, SaveCardFaultTest,
                         ::testing::Values(SaveFaultCase{IoOp::kOpen, "", false},
                                           SaveFaultCase{IoOp::kSeek, "", false},
                                           SaveFaultCase{IoOp::kWrite, "", false},
                                           SaveFaultCase{IoOp::kFlush, "3", true},
                                           SaveFaultCase{IoOp::kClose, "3", true}),
                         [](const auto& info) { return testing::StepName(info.param.op); });

// An overwrite that fails leaves the old record: a write that fails part way
// is undone with the old bytes, and a failing read of them writes nothing.
// (The first write of an overwrite is its undo file's.)
TEST(SaveCard, FailedOverwriteLeavesTheOldRecord) {
    for (auto [op, skip] : {std::pair{IoOp::kSeek, 0}, {IoOp::kRead, 0}, {IoOp::kWrite, 1}}) {
        SCOPED_TRACE(static_cast<int>(op));
        TempFolder dir;
        const auto path = dir / "Clienti.pro";
        const std::string before = Records(3, kSize);
        WriteBytes(path, before);
        FaultFileSystem fs;
        fs.FailOnce(op, skip);
        fs.TornWrites(kSize / 2);
        const CardOutcome out = SaveCard(path, std::string(kSize, 'X'), kSize, "2", fs);
        EXPECT_EQ(out.message, CardMessage::kAccessoArchivio);
        EXPECT_EQ(out.status.op(), op);
        EXPECT_EQ(out.position, "2");
        EXPECT_EQ(ReadBytes(path), before);
    }
}

// An append that fails part way (a write cut short, a full disk) takes its
// bytes back: the file is as it was, and the next save lands where it should.
TEST(SaveCard, FailedAppendLeavesTheFileAsItWas) {
    for (bool full_disk : {false, true}) {
        SCOPED_TRACE(full_disk);
        TempFolder dir;
        const auto path = dir / "Clienti.pro";
        const std::string before = Records(3, kSize);
        WriteBytes(path, before);
        FaultFileSystem fs;
        if (full_disk) {
            fs.NoSpace(kSize / 2);
        } else {
            fs.FailOnce(IoOp::kWrite);
            fs.TornWrites(kSize / 2);
        }
        const CardOutcome out = SaveCard(path, std::string(kSize, 'X'), kSize, "", fs);
        EXPECT_EQ(out.message, CardMessage::kAccessoArchivio);
        EXPECT_EQ(out.position, "");
        EXPECT_EQ(ReadBytes(path), before);
        fs.Heal();
        EXPECT_EQ(SaveCard(path, std::string(kSize, 'Y'), kSize, "", fs).position, "4");
        EXPECT_EQ(ReadBytes(path), before + std::string(kSize, 'Y'));
    }
}

TEST(CardPosition, Parse) {
    EXPECT_EQ(ParseCardPosition(""), 0u);
    EXPECT_EQ(ParseCardPosition("12"), 12u);
    EXPECT_FALSE(ParseCardPosition("0"));
    EXPECT_FALSE(ParseCardPosition("-1"));
    EXPECT_FALSE(ParseCardPosition(" 1"));
    EXPECT_FALSE(ParseCardPosition("99999999999999999999999"));
}

}  // namespace
}  // namespace corvelo
