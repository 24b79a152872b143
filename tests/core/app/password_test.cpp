#include "core/app/password.h"

#include <gtest/gtest.h>

#include "core/app/settings_file.h"
#include "core/storage/cp1252.h"
#include "support/temp_folder.h"

namespace corvelo {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(ScramblePassword, FollowsTheKeySequence) {
    // 'A' = 41 XOR (35497 >> 8 = 8A) = CB; the key becomes
    // ((CB + 35497) * 57302 + 64021) mod 65536 = 39181, high byte 99;
    // 'B' = 42 XOR 99 = DB.
    EXPECT_EQ(ScramblePassword("A"), "CB");
    EXPECT_EQ(ScramblePassword("AB"), "CBDB");
    EXPECT_EQ(ScramblePassword(""), "");
    EXPECT_EQ(UnscramblePassword("CBDB"), "AB");
    EXPECT_EQ(UnscramblePassword("cbdb"), "AB");
    EXPECT_EQ(UnscramblePassword("CBD"), "A");  // an odd last digit is ignored
}

TEST(ScramblePassword, RoundTripsEveryLatin1Text) {
    const std::string texts[] = {"SEGRETO", "PASSWORD 123", "ÀÈÌÒÙ àèìòù ÿ", std::string(255, 'Z'),
                                 "\x01~"};
    for (const auto& text : texts) {
        const std::string stored = ScramblePassword(text);
        EXPECT_EQ(stored.size(), 2 * CodePointCount(text)) << text;
        EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF"), std::string::npos) << stored;
        EXPECT_EQ(UnscramblePassword(stored), text);
    }
}

TEST(UnscramblePassword, FailsOnPairsThatAreNotHexadecimal) {
    const char* cases[] = {"CG", "C BDB", "-1", "CBDB  ", "0x"};
    for (const char* stored : cases) EXPECT_FALSE(UnscramblePassword(stored).has_value()) << stored;
}

TEST(PasswordText, TrimsAndUpperCasesAToZOnly) {
    EXPECT_EQ(PasswordText("  segreto\t"), "SEGRETO");
    EXPECT_EQ(PasswordText("pErò"), "PERò");
    EXPECT_EQ(PasswordText("a b"), "A B");
}

TEST(NewPasswordRefusal, RefusesWhatWouldNotMatchAgain) {
    EXPECT_EQ(NewPasswordRefusal("SEGRETO"), std::nullopt);
    EXPECT_EQ(NewPasswordRefusal("PERÒ ÿ"), std::nullopt);
    EXPECT_EQ(NewPasswordRefusal(std::string(255, 'A')), std::nullopt);
    EXPECT_EQ(NewPasswordRefusal(std::string(256, 'A')), kPasswordTooLongMessage);
    EXPECT_EQ(NewPasswordRefusal("COSTO 5€"), kPasswordCharactersMessage);
    EXPECT_EQ(NewPasswordRefusal(""), kPasswordEmptyMessage);
}

class PasswordFile : public ::testing::Test {
  protected:
    void Store(const std::string& value) {
        WriteBytes(file_, "[Accesso]\r\nValore=" + value + "\r\n");
    }
    std::string Stored() const { return ReadSetting(file_, "Accesso", "Valore"); }

    TempFolder folder_;
    std::filesystem::path file_ = folder_ / "unins000.dll";
};

TEST_F(PasswordFile, AcceptsAnyCaseAndBlanksAround) {
    Store(ScramblePassword(PasswordText("segreto")));
    for (const char* typed : {"segreto", "SEGRETO", "SeGrEtO", "  segreto  "}) {
        EXPECT_EQ(CheckPassword(file_, typed), PasswordCheck::Right) << typed;
    }
    EXPECT_EQ(CheckPassword(file_, "segret"), PasswordCheck::Wrong);
    EXPECT_EQ(CheckPassword(file_, "segreto1"), PasswordCheck::Wrong);
}

TEST_F(PasswordFile, StoredValueWithBlanksAroundItsTextStillMatches) {
    Store(ScramblePassword(" SEGRETO "));  // the unscrambled text is trimmed
    EXPECT_EQ(CheckPassword(file_, "segreto"), PasswordCheck::Right);
}

TEST_F(PasswordFile, MissingFileOrKeyOpensNothing) {
    EXPECT_EQ(CheckPassword(file_, "x"), PasswordCheck::Wrong);
    EXPECT_EQ(CheckPassword(file_, ""), PasswordCheck::Wrong);
    WriteBytes(file_, "[Accesso]\r\n");
    EXPECT_EQ(CheckPassword(file_, ""), PasswordCheck::Wrong);
}

TEST_F(PasswordFile, UnreadableValueOrFileIsAFailure) {
    Store("ZZZZ");
    EXPECT_EQ(CheckPassword(file_, "x"), PasswordCheck::Failure);
    std::filesystem::remove(file_);
    std::filesystem::create_directory(file_);
    EXPECT_EQ(CheckPassword(file_, "x"), PasswordCheck::Failure);
}

TEST_F(PasswordFile, ChangeStoresTheScrambledUpperCaseText) {
    Store(ScramblePassword("VECCHIA"));
    const auto change = ChangePassword(file_, " vecchia ", "  nuova ", "nuova");
    EXPECT_EQ(change.outcome, PasswordChangeOutcome::Changed);
    EXPECT_EQ(change.message, kPasswordChangedMessage);
    EXPECT_EQ(Stored(), ScramblePassword("NUOVA"));
    EXPECT_EQ(CheckPassword(file_, "Nuova"), PasswordCheck::Right);
    EXPECT_EQ(CheckPassword(file_, "vecchia"), PasswordCheck::Wrong);
}

TEST_F(PasswordFile, ChangeRefusalsLeaveTheFileAsItWas) {
    Store(ScramblePassword("VECCHIA"));
    const std::string before = ReadBytes(file_);
    const struct {
        const char *old, *neu, *confirm;
        PasswordChangeOutcome outcome;
        std::string_view message;
    } cases[] = {
        {"sbagliata", "nuova", "nuova", PasswordChangeOutcome::WrongOldPassword,
         kOldPasswordWrongMessage},
        {"vecchia", "nuova", "NUOVA", PasswordChangeOutcome::NotConfirmed,
         kPasswordNotConfirmedMessage},
        {"vecchia", "nuova", "nuovo", PasswordChangeOutcome::NotConfirmed,
         kPasswordNotConfirmedMessage},
        {"vecchia", "5€", "5€", PasswordChangeOutcome::Refused, kPasswordCharactersMessage},
        {"vecchia", "   ", "", PasswordChangeOutcome::Refused, kPasswordEmptyMessage},
    };
    for (const auto& c : cases) {
        const auto change = ChangePassword(file_, c.old, c.neu, c.confirm);
        EXPECT_EQ(change.outcome, c.outcome) << c.old << "/" << c.neu << "/" << c.confirm;
        EXPECT_EQ(change.message, c.message);
    }
    const std::string tooLong(256, 'a');
    EXPECT_EQ(ChangePassword(file_, "vecchia", tooLong, tooLong).message, kPasswordTooLongMessage);
    EXPECT_EQ(ReadBytes(file_), before);
}

TEST_F(PasswordFile, ChangeWithoutAStoredPasswordIsRefused) {
    EXPECT_EQ(ChangePassword(file_, "x", "nuova", "nuova").outcome,
              PasswordChangeOutcome::WrongOldPassword);
    EXPECT_FALSE(std::filesystem::exists(file_));
}

TEST_F(PasswordFile, ChangeFailuresAreReported) {
    Store("not hex");
    EXPECT_EQ(ChangePassword(file_, "x", "nuova", "nuova").message, kPasswordChangeFailureMessage);

    // A readable password file whose temporary twin cannot be created: its
    // name is already as long as a name can be.
    const auto longName = folder_ / std::string(250, 'p');
    WriteBytes(longName, "[Accesso]\r\nValore=" + ScramblePassword("X") + "\r\n");
    const std::string before = ReadBytes(longName);
    const auto change = ChangePassword(longName, "x", "nuova", "nuova");
    EXPECT_EQ(change.outcome, PasswordChangeOutcome::Failure);
    EXPECT_EQ(change.message, kPasswordChangeFailureMessage);
    EXPECT_EQ(ReadBytes(longName), before);

    // A password file marked read-only is not replaced behind the mark.
    Store(ScramblePassword("X"));
    std::filesystem::permissions(file_, std::filesystem::perms::owner_read);
    EXPECT_EQ(ChangePassword(file_, "x", "nuova", "nuova").outcome, PasswordChangeOutcome::Failure);
    EXPECT_EQ(CheckPassword(file_, "x"), PasswordCheck::Right);
}

}  // namespace
}  // namespace corvelo
