#include "core/storage/undo_file.h"

#include <gtest/gtest.h>

#include <string>

#include "core/storage/card.h"
#include "core/storage/cliente.h"
#include "core/storage/record_file.h"
#include "core/storage/ricevuta.h"
#include "support/case_names.h"
#include "support/fault_file_system.h"
#include "support/temp_folder.h"

namespace corvelo {
namespace {

using testing::ReadBytes;
using testing::Records;
using testing::TempFolder;
using testing::WriteBytes;

constexpr std::size_t kSize = TCliente::kSize;

class UndoFileTest : public ::testing::Test {
  protected:
    // Three cards, the second one left half new as by a kill in the middle
    // of its overwrite, with the undo file written before it.
    void LeaveTornOverwrite() {
        ASSERT_TRUE(WriteUndoFile(path, kSize, before.substr(kSize, kSize)).ok());
        std::string torn = before;
        torn.replace(kSize, 2000, std::string(2000, 'N'));
        WriteBytes(path, torn);
    }

    TempFolder dir;
    std::filesystem::path path = dir / "Clienti.pro";
    std::filesystem::path undo = dir / ".Clienti.pro.annulla";
    std::string before = Records(3, kSize);
};

TEST_F(UndoFileTest, WriterPutsBackTheOldCardReaderLeavesItAlone) {
    EXPECT_EQ(UndoFilePath(path), undo);
    LeaveTornOverwrite();
    const std::string torn = ReadBytes(path);

    RecordFile reader;
    ASSERT_TRUE(reader.OpenOrCreate(path, kSize).ok());
    ASSERT_TRUE(reader.CloseRecordFile().ok());
    EXPECT_EQ(ReadBytes(path), torn);
    EXPECT_TRUE(std::filesystem::exists(undo));

    RecordFile writer;
    ASSERT_TRUE(writer.OpenForWriting(path, kSize).ok());
    ASSERT_TRUE(writer.CloseRecordFile().ok());
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_FALSE(std::filesystem::exists(undo));
    EXPECT_TRUE(RepairInterruptedWrite(path, kSize).ok());  // nothing left to do
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(UndoFileTest, MalformedUndoFileIsLeftAndReported) {
    const std::string old = before.substr(kSize, kSize);
    const std::string header =
        "annulla " + std::to_string(kSize) + " " + std::to_string(kSize) + "\n";
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"other tag", "annullb" + header.substr(7) + old},
        {"no size", "annulla 4043\n" + old},
        {"one byte short", header + old.substr(1)},
        {"one byte more", header + old + "x"},
        {"other record size", "annulla 0 10\n0123456789"},
        {"between two cards", "annulla 100 4043\n" + old},
        {"past the end", "annulla " + std::to_string(3 * kSize) + " 4043\n" + old},
        {"negative offset", "annulla -4043 4043\n" + old},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, before);
        WriteBytes(undo, c.bytes);
        EXPECT_EQ(RepairInterruptedWrite(path, kSize).op(), IoOp::kRead);
        EXPECT_EQ(ReadBytes(undo), c.bytes);
        EXPECT_EQ(ReadBytes(path), before);
        // A save of that archive fails before touching it.
        const CardOutcome out = SaveCard(path, std::string(kSize, 'X'), kSize, "2");
        EXPECT_EQ(out.message, CardMessage::kAccessoArchivio);
        EXPECT_EQ(ReadBytes(path), before);
    }

    std::filesystem::remove(path);  // an undo file whose archive is gone
    WriteBytes(undo, header + old);
    EXPECT_EQ(RepairInterruptedWrite(path, kSize).op(), IoOp::kRead);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(std::filesystem::exists(undo));
}

TEST_F(UndoFileTest, OnlyAnOverwriteWritesAnUndoFileAndRemovesItAfter) {
    WriteBytes(path, before);
    FaultFileSystem fs;
    RecordFile f;
    ASSERT_TRUE(f.OpenForWriting(path, kSize, fs).ok());
    ASSERT_TRUE(f.SeekRecord(3).ok());
    ASSERT_TRUE(f.WriteRecord(std::string(kSize, 'A')).ok());
    EXPECT_EQ(fs.Calls(IoOp::kCreate), 0);  // no undo file for an append
    EXPECT_EQ(fs.Calls(IoOp::kRemove), 0);
    ASSERT_TRUE(f.SeekRecord(1).ok());
    ASSERT_TRUE(f.WriteRecord(std::string(kSize, 'O')).ok());
    EXPECT_EQ(fs.Calls(IoOp::kCreate), 1);
    EXPECT_EQ(fs.Calls(IoOp::kRemove), 1);
    ASSERT_TRUE(f.CloseRecordFile().ok());
    std::string expected = before + std::string(kSize, 'A');
    expected.replace(kSize, kSize, std::string(kSize, 'O'));
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// Any failing step of the undo file fails the save as a write would, with
// the record, the folder and the editor as they were.
class UndoFileFaultTest : public ::testing::TestWithParam<IoOp> {};

TEST_P(UndoFileFaultTest, FailingUndoFileLeavesTheRecordUntouched) {
    TempFolder dir;
    const auto path = dir / "2024.ric";
    const std::string before = Records(2, TRicevuta::kSize);
    WriteBytes(path, before);
    FaultFileSystem fs;
    fs.FailOnce(GetParam());
    fs.TornWrites(100);
    const CardOutcome out =
        SaveCard(path, std::string(TRicevuta::kSize, 'X'), TRicevuta::kSize, "1", fs);
    EXPECT_EQ(out.message, CardMessage::kAccessoArchivio);
    EXPECT_EQ(out.status.op(), IoOp::kWrite);
    EXPECT_EQ(out.position, "1");
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Steps, UndoFileFaultTest,
                         ::testing::Values(IoOp::kAccess, IoOp::kCreate, IoOp::kWrite, IoOp::kFlush,
                                           IoOp::kClose, IoOp::kRename),
                         [](const auto& info) { return testing::StepName(info.param); });

// A write cut part way whose old bytes could not be put back at once leaves
// its undo file; the next save repairs the card before writing.
TEST_F(UndoFileTest, CutWriteThatCouldNotBeUndoneIsRepairedByTheNextSave) {
    WriteBytes(path, before);
    FaultFileSystem fs;
    fs.FailOnce(IoOp::kWrite, 1);  // the record's write, after the undo file's
    fs.TornWrites(4096);
    fs.FailOnce(IoOp::kSeek, 2);  // the seek back to put the old bytes in place
    EXPECT_EQ(SaveCard(path, std::string(kSize, 'X'), kSize, "2", fs).status.op(), IoOp::kWrite);
    EXPECT_NE(ReadBytes(path), before);
    EXPECT_TRUE(std::filesystem::exists(undo));

    fs.Heal();
    const CardOutcome out = SaveCard(path, std::string(kSize, 'Y'), kSize, "3", fs);
    EXPECT_EQ(out.message, CardMessage::kModificheSalvate);
    std::string expected = before;
    expected.replace(2 * kSize, kSize, std::string(kSize, 'Y'));
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_FALSE(std::filesystem::exists(undo));
}

TEST(RepairArchives, RepairsEveryArchiveWithAnUndoFile) {
    TempFolder dir;
    const auto receipts = dir / "2025.ric";
    const auto customers = dir / "Clienti.pro";
    const std::string receipts_before = Records(2, TRicevuta::kSize);
    const std::string customers_before = Records(2, TCliente::kSize);
    ASSERT_TRUE(WriteUndoFile(receipts, 0, receipts_before.substr(0, TRicevuta::kSize)).ok());
    ASSERT_TRUE(
        WriteUndoFile(customers, TCliente::kSize, customers_before.substr(TCliente::kSize)).ok());
    WriteBytes(receipts,
               std::string(TRicevuta::kSize, 'N') + receipts_before.substr(TRicevuta::kSize));
    WriteBytes(customers,
               customers_before.substr(0, TCliente::kSize) + std::string(TCliente::kSize, 'N'));
    WriteBytes(dir / ".altro.txt.annulla", "annulla 0 1\nx");  // not an archive: left alone
    // An undo file whose replacement was killed, by a process long gone.
    const auto abandoned = dir / "..Magazzino.pro.annulla.2147483646.0.tmp";
    WriteBytes(abandoned, "annulla");

    EXPECT_TRUE(RepairArchives(dir.path()).ok());
    EXPECT_EQ(ReadBytes(receipts), receipts_before);
    EXPECT_EQ(ReadBytes(customers), customers_before);
    EXPECT_FALSE(std::filesystem::exists(UndoFilePath(receipts)));
    EXPECT_FALSE(std::filesystem::exists(UndoFilePath(customers)));
    EXPECT_TRUE(std::filesystem::exists(dir / ".altro.txt.annulla"));
    EXPECT_FALSE(std::filesystem::exists(abandoned));
    EXPECT_FALSE(std::filesystem::exists(dir / "Magazzino.pro"));
    EXPECT_FALSE(RepairArchives(dir / "missing").ok());
}

}  // namespace
}  // namespace corvelo
