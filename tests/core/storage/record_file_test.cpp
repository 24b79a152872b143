#include "core/storage/record_file.h"

#include <gtest/gtest.h>

#include <string>

#include "core/storage/cliente.h"
#include "core/storage/record_scan.h"
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

constexpr std::size_t kSize = 3077;

class RecordFileTest : public ::testing::Test {
  protected:
    TempFolder dir;
    std::filesystem::path path = dir / "2024.ric";
};

TEST_F(RecordFileTest, MissingFileIsCreatedEmpty) {
    RecordFile f;
    ASSERT_TRUE(f.OpenOrCreate(path, kSize).ok());
    EXPECT_EQ(f.RecordCount(), 0u);
    EXPECT_TRUE(f.AtEnd());
    std::string buffer;
    EXPECT_EQ(f.ReadRecord(buffer).op(), IoOp::kRead);
    EXPECT_TRUE(f.CloseRecordFile().ok());
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(RecordFileTest, TrailingPartialRecordIsNeverCounted) {
    WriteBytes(path, Records(4, kSize) + std::string(10, 'z'));
    RecordFile f;
    ASSERT_TRUE(f.OpenOrCreate(path, kSize).ok());
    EXPECT_EQ(f.RecordCount(), 4u);
    EXPECT_EQ(f.TrailingBytes(), 10u);
    std::string buffer;
    int read = 0;
    while (!f.AtEnd()) {
        ASSERT_TRUE(f.ReadRecord(buffer).ok());
        EXPECT_EQ(buffer, std::string(kSize, static_cast<char>('a' + read)));
        ++read;
        EXPECT_EQ(f.CurrentPosition(), static_cast<std::size_t>(read));
    }
    EXPECT_EQ(read, 4);
    EXPECT_EQ(f.ReadRecord(buffer).op(), IoOp::kRead);  // the 10 bytes are not a record
}

TEST_F(RecordFileTest, OverwriteAndAppendChangeOnlyThatRecord) {
    const std::string before = Records(3, kSize);
    WriteBytes(path, before);
    RecordFile f;
    ASSERT_TRUE(f.OpenOrCreate(path, kSize).ok());
    ASSERT_TRUE(f.SeekRecord(1).ok());
    ASSERT_TRUE(f.WriteRecord(std::string(kSize, 'X')).ok());
    EXPECT_EQ(f.CurrentPosition(), 2u);
    ASSERT_TRUE(f.SeekRecord(f.RecordCount()).ok());
    ASSERT_TRUE(f.WriteRecord(std::string(kSize, 'Y')).ok());
    EXPECT_EQ(f.CurrentPosition(), 4u);
    EXPECT_EQ(f.RecordCount(), 4u);
    EXPECT_EQ(f.SeekRecord(6).op(), IoOp::kSeek);  // would leave a gap
    EXPECT_EQ(f.WriteRecord(std::string(kSize - 1, 'Z')).op(), IoOp::kWrite);
    ASSERT_TRUE(f.CloseRecordFile().ok());

    std::string expected = before;
    expected.replace(kSize, kSize, std::string(kSize, 'X'));
    expected += std::string(kSize, 'Y');
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST_F(RecordFileTest, AppendOverTrailingPartialRecordKeepsWholeRecords) {
    WriteBytes(path, Records(2, kSize) + "xyz");
    RecordFile f;
    ASSERT_TRUE(f.OpenOrCreate(path, kSize).ok());
    ASSERT_TRUE(f.SeekRecord(2).ok());
    ASSERT_TRUE(f.WriteRecord(std::string(kSize, 'N')).ok());
    EXPECT_EQ(f.RecordCount(), 3u);
    EXPECT_EQ(f.TrailingBytes(), 0u);
    ASSERT_TRUE(f.CloseRecordFile().ok());
    EXPECT_EQ(ReadBytes(path), Records(2, kSize) + std::string(kSize, 'N'));
}

TEST_F(RecordFileTest, WriteIsOneWriteCallFlushedToDisk) {
    FaultFileSystem fs;
    RecordFile f;
    ASSERT_TRUE(f.OpenOrCreate(path, kSize, fs).ok());
    ASSERT_TRUE(f.WriteRecord(std::string(kSize, 'a')).ok());
    EXPECT_EQ(fs.Calls(IoOp::kWrite), 1);
    EXPECT_EQ(fs.Calls(IoOp::kFlush), 1);
}

TEST_F(RecordFileTest, ExistingFileThatCannotBeOpenedIsNeverRecreated) {
    const std::string content = Records(2, kSize);
    WriteBytes(path, content);
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kOpen);
    RecordFile f;
    EXPECT_EQ(f.OpenOrCreate(path, kSize, fs).op(), IoOp::kOpen);
    EXPECT_FALSE(f.IsOpen());
    EXPECT_EQ(ReadBytes(path), content);

    // The same through the real file system: a folder in the file's place.
    const auto folder = dir / "2025.ric";
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(RecordFile().OpenOrCreate(folder, kSize).ok());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST_F(RecordFileTest, MissingFolderIsAnError) {
    EXPECT_EQ(RecordFile().OpenOrCreate(dir / "no" / "2024.ric", kSize).op(), IoOp::kCreate);
}

TEST_F(RecordFileTest, ShortReadIsAnErrorAndKeepsThePosition) {
    WriteBytes(path, Records(2, kSize));
    FaultFileSystem fs;
    RecordFile f;
    ASSERT_TRUE(f.OpenOrCreate(path, kSize, fs).ok());
    fs.ShortReads(100);
    std::string buffer;
    EXPECT_EQ(f.ReadRecord(buffer).op(), IoOp::kRead);
    EXPECT_EQ(f.CurrentPosition(), 0u);
    fs.Heal();
    ASSERT_TRUE(f.ReadRecord(buffer).ok());  // reads record 0 again, whole
    EXPECT_EQ(buffer, std::string(kSize, 'a'));
}

// Each failing step of "open, seek to record 1, write, close" reports its
// step and changes no byte other than those of record 1.
struct RecordFaultCase {
    IoOp op;
    int skip;       // calls of that kind that succeed first
    IoOp reported;  // a failing undo file is reported as a failed write
    bool written;   // the new record is whole in the file
};

class RecordFileFaultTest : public ::testing::TestWithParam<RecordFaultCase> {};

TEST_P(RecordFileFaultTest, FailingStepIsReportedAndNoOtherByteChanges) {
    const RecordFaultCase& c = GetParam();
    TempFolder dir;
    const auto path = dir / "Clienti.pro";
    const std::string before = Records(3, 4043);
    WriteBytes(path, before);
    FaultFileSystem fs;
    fs.FailFrom(c.op, c.skip);

    Status failed;
    RecordFile f;
    failed = f.OpenOrCreate(path, 4043, fs);
    if (failed.ok()) failed = f.SeekRecord(1);
    if (failed.ok()) failed = f.WriteRecord(std::string(4043, 'W'));
    if (failed.ok()) failed = f.CloseRecordFile();
    EXPECT_EQ(failed.op(), c.reported);

    const std::string after = ReadBytes(path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 4043), before.substr(0, 4043));
    EXPECT_EQ(after.substr(2 * 4043), before.substr(2 * 4043));
    const std::string record1 = after.substr(4043, 4043);
    EXPECT_EQ(record1, c.written ? std::string(4043, 'W') : before.substr(4043, 4043));
}

// The undo file takes the first write, flush and close of an overwrite;
// skip 1 makes the record's own step fail.
INSTANTIATE_TEST_SUITE_P(Steps, RecordFileFaultTest,
                         ::testing::Values(RecordFaultCase{IoOp::kOpen, 0, IoOp::kOpen, false},
                                           RecordFaultCase{IoOp::kSize, 0, IoOp::kSize, false},
                                           RecordFaultCase{IoOp::kSeek, 0, IoOp::kSeek, false},
                                           RecordFaultCase{IoOp::kWrite, 0, IoOp::kWrite, false},
                                           RecordFaultCase{IoOp::kWrite, 1, IoOp::kWrite, false},
                                           RecordFaultCase{IoOp::kFlush, 0, IoOp::kWrite, false},
                                           RecordFaultCase{IoOp::kFlush, 1, IoOp::kFlush, true},
                                           RecordFaultCase{IoOp::kClose, 0, IoOp::kWrite, false},
                                           RecordFaultCase{IoOp::kClose, 1, IoOp::kClose, true}),
                         [](const auto& info) {
                             return testing::StepName(info.param.op) +
                                    (info.param.skip ? "OfTheRecord" : "");
                         });

TEST(RecordFileCreate, FailingCreateLeavesNoFile) {
    TempFolder dir;
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kCreate);
    EXPECT_EQ(RecordFile().OpenOrCreate(dir / "Magazzino.pro", 4874, fs).op(), IoOp::kCreate);
    EXPECT_FALSE(std::filesystem::exists(dir / "Magazzino.pro"));
}

TEST(RecordScan, VisitsWholeRecordsInOrderAndStopsAtAFailure) {
    TempFolder dir;
    const auto path = dir / "2024.ric";
    std::string bytes;
    for (const char* number : {"1", "2", "3"}) {
        TRicevuta r;
        r[TRicevuta::NumRic] = number;
        bytes += EncodeRecord(r);
    }
    WriteBytes(path, bytes + "partial");

    std::string seen;
    EXPECT_TRUE(ScanRecords<TRicevuta>(path, [&](const TRicevuta& r, std::size_t card) {
                    seen += r[TRicevuta::NumRic] + "@" + std::to_string(card) + " ";
                }).ok());
    EXPECT_EQ(seen, "1@1 2@2 3@3 ");

    seen.clear();
    EXPECT_TRUE(ScanRecords<TRicevuta>(path, [&](const TRicevuta& r, std::size_t) {
                    seen += r[TRicevuta::NumRic];
                    return seen.size() < 2;
                }).ok());
    EXPECT_EQ(seen, "12");

    FaultFileSystem fs;
    fs.FailFrom(IoOp::kRead, 2);
    seen.clear();
    EXPECT_EQ(ScanRecords<TRicevuta>(
                  path, [&](const TRicevuta& r, std::size_t) { seen += r[TRicevuta::NumRic]; }, fs)
                  .op(),
              IoOp::kRead);
    EXPECT_EQ(seen, "12");

    EXPECT_EQ(CountRecords(path, TRicevuta::kSize).value, 3u);
}

// Reading card N tells a card that is not there from a file that fails.
TEST(ReadCard, TellsNoSuchCardFromAFileFailure) {
    TempFolder dir;
    const auto path = dir / "Clienti.pro";
    std::string bytes;
    for (const char* name : {"Rossi", "Bianchi"}) {
        TCliente c;
        c[TCliente::Cognome] = name;
        bytes += EncodeRecord(c);
    }
    WriteBytes(path, bytes + "partial");

    const CardRead<TCliente> second = ReadCard<TCliente>(path, 2);
    ASSERT_EQ(second.lookup, CardLookup::kRead);
    EXPECT_EQ(second.value[TCliente::Cognome], "Bianchi");
    for (std::size_t card : {0u, 3u}) {  // the partial record is no card
        EXPECT_EQ(ReadCard<TCliente>(path, card).lookup, CardLookup::kNoSuchCard) << card;
    }
    EXPECT_EQ(ReadCard<TCliente>(dir / "Magazzino.pro", 1).lookup, CardLookup::kNoSuchCard);

    for (IoOp op : {IoOp::kOpen, IoOp::kRead, IoOp::kClose}) {
        FaultFileSystem fs;
        fs.FailFrom(op);
        const CardRead<TCliente> failed = ReadCard<TCliente>(path, 1, fs);
        EXPECT_EQ(failed.lookup, CardLookup::kFileError);
        EXPECT_EQ(failed.status.op(), op);
    }
    FaultFileSystem fs;
    fs.FailFrom(IoOp::kClose);
    EXPECT_EQ(ReadCard<TCliente>(path, 5, fs).lookup, CardLookup::kFileError);
}

}  // namespace
}  // namespace corvelo
