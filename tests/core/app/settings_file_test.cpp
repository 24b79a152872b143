#include "core/app/settings_file.h"

#include <gtest/gtest.h>

#include "core/app/settings_names.h"
#include "support/case_names.h"
#include "support/temp_folder.h"

namespace corvelo {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(ReadSetting, ReadsFilesWrittenByOtherPrograms) {
    const std::string file =
        "; settings\r\n"
        "\r\n"
        "[Numerazione Ricevute]\r\n"
        "Inizio=7\r\n"
        "  Indicazione Anno Solare  =  S\xEC  \r\n"
        "\r\n"
        "[ ditta emittente ]\n"  // LF only, blanks and lower case
        "nome=Rossi = Figli\n"
        ";Tassa=9,99\n"
        "Tassa=2,00\n"
        "Vuoto=\n"
        "CAP";  // no '=' and no line ending
    EXPECT_EQ(ReadSettingFromBytes(file, "Numerazione Ricevute", "Inizio"), "7");
    EXPECT_EQ(ReadSettingFromBytes(file, "NUMERAZIONE RICEVUTE", "indicazione anno solare"), "Sì");
    EXPECT_EQ(ReadSettingFromBytes(file, "Ditta Emittente", "Nome"), "Rossi = Figli");
    EXPECT_EQ(ReadSettingFromBytes(file, "Ditta Emittente", "Tassa"), "2,00");
    EXPECT_EQ(ReadSettingFromBytes(file, "Ditta Emittente", "Vuoto"), "");
    EXPECT_EQ(ReadSettingFromBytes(file, "Ditta Emittente", "CAP"), "");
    EXPECT_EQ(ReadSettingFromBytes(file, "Ditta Emittente", "Inizio"), "");  // other section
    EXPECT_EQ(ReadSettingFromBytes(file, "Accesso", "Valore"), "");
    EXPECT_EQ(ReadSettingFromBytes("", "Accesso", "Valore"), "");
}

TEST(ReadSetting, MissingOrUnreadableFileReadsEmpty) {
    TempFolder folder;
    EXPECT_EQ(ReadSetting(folder / "Vendarolo.ini", "Ditta Emittente", "Nome"), "");
    EXPECT_EQ(ReadSettingStrict(folder / "Vendarolo.ini", "Ditta Emittente", "Nome"), "");
    std::filesystem::create_directory(folder / "cartella.ini");
    EXPECT_EQ(ReadSetting(folder / "cartella.ini", "Ditta Emittente", "Nome"), "");
    EXPECT_FALSE(ReadSettingStrict(folder / "cartella.ini", "Ditta Emittente", "Nome").has_value());
}

struct WriteCase {
    const char* name;
    std::string before;
    std::string after;
};

class WriteSettingsBytes : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteSettingsBytes, ChangesOnlyWhatIsWritten) {
    EXPECT_EQ(WriteSettingsToBytes(GetParam().before, "Ditta Emittente",
                                   {{"Nome", "Bianchi"}, {"CAP", "20100"}}),
              GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WriteSettingsBytes,
    ::testing::Values(
        WriteCase{"NewFileUsesCrLf", "", "[Ditta Emittente]\r\nNome=Bianchi\r\nCAP=20100\r\n"},
        WriteCase{
            "ReplacesAndAddsKeepingCrLf",
            "; mia ditta\r\n[Ditta Emittente]\r\nnome = "
            "Rossi\r\nComune=Milano\r\n\r\n[Altro]\r\nX=1\r\n",
            "; mia ditta\r\n[Ditta Emittente]\r\nNome=Bianchi\r\nComune=Milano\r\nCAP=20100\r\n\r\n"
            "[Altro]\r\nX=1\r\n"},
        WriteCase{"KeepsLf", "[Altro]\nX=1\n",
                  "[Altro]\nX=1\n[Ditta Emittente]\nNome=Bianchi\nCAP=20100\n"},
        WriteCase{"LastLineWithoutEnding", "[Ditta Emittente]\nComune=Milano",
                  "[Ditta Emittente]\nComune=Milano\nNome=Bianchi\nCAP=20100\n"},
        WriteCase{"OtherSectionWithoutEnding", "[Altro]\r\nX=1",
                  "[Altro]\r\nX=1\r\n[Ditta Emittente]\r\nNome=Bianchi\r\nCAP=20100\r\n"},
        WriteCase{
            "NewKeysAfterTheLastKeyNotTheNextSectionsComment",
            "[DITTA EMITTENTE]\r\nCAP=1\r\n\r\n; prossima\r\n[Altro]\r\n",
            "[DITTA EMITTENTE]\r\nCAP=20100\r\nNome=Bianchi\r\n\r\n; prossima\r\n[Altro]\r\n"},
        WriteCase{"EmptySection", "[Ditta Emittente]\r\n; vuota\r\n",
                  "[Ditta Emittente]\r\nNome=Bianchi\r\nCAP=20100\r\n; vuota\r\n"}),
    testing::ByName());

TEST(WriteSettings, StoresWindows1252AndLineBreaksAsBlanks) {
    const std::string bytes = WriteSettingsToBytes(
        "", "Numerazione Ricevute",
        {{"Indicazione Anno Solare", "Sì"}, {"Inizio", "1\r\n[Accesso]\nValore=00"}});
    EXPECT_EQ(bytes,
              "[Numerazione Ricevute]\r\nIndicazione Anno Solare=S\xEC\r\nInizio=1  [Accesso] "
              "Valore=00\r\n");
    EXPECT_EQ(ReadSettingFromBytes(bytes, "Accesso", "Valore"), "");
}

TEST(WriteSettings, RoundTripThroughTheFile) {
    TempFolder folder;
    const auto file = folder / std::string(settings::kSettingsFileName);
    SettingValues issuer;
    for (const auto& k : settings::kIssuerKeys) issuer.emplace_back(std::string(k.key), "");
    issuer[0].second = "Caffè Però";
    issuer[9].second = "2,00";
    EXPECT_EQ(WriteSettings(file, settings::kIssuerSection, issuer), std::nullopt);
    EXPECT_EQ(WriteSetting(file, settings::kNumberingSection, settings::kStartKey, "15"),
              std::nullopt);
    EXPECT_EQ(ReadSetting(file, settings::kIssuerSection, settings::kIssuerNameKey), "Caffè Però");
    EXPECT_EQ(ReadSetting(file, settings::kIssuerSection, settings::kStampDutyKey), "2,00");
    EXPECT_EQ(ReadSetting(file, settings::kNumberingSection, settings::kStartKey), "15");
    EXPECT_EQ(
        ReadBytes(file),
        "[Ditta Emittente]\r\nNome=Caff\xE8 "
        "Per\xF2\r\nIndirizzo=\r\nCAP=\r\nComune=\r\nProvincia=\r\n"
        "Partita IVA=\r\nCodice Fiscale=\r\nCampo Libero 1=\r\nCampo Libero 2=\r\nTassa=2,00\r\n"
        "[Numerazione Ricevute]\r\nInizio=15\r\n");
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WriteSettings, KeepsEveryOtherLineOfAForeignFileByteForByte) {
    TempFolder folder;
    const auto file = folder / "unins000.dll";
    const std::string head = "﻿; installato\r\n[Accesso]\r\n";
    const std::string tail = "\r\n  ; nota \xE8\r\n[Altro]\r\nchiave = con  spazi \r\n\r\n";
    WriteBytes(file, head + "VALORE=ABCD" + tail);
    ASSERT_EQ(WriteSetting(file, "Accesso", "Valore", "CBDB"), std::nullopt);
    EXPECT_EQ(ReadBytes(file), head + "Valore=CBDB" + tail);
}

TEST(WriteSettings, FailureLeavesTheFileAndNamesIt) {
    TempFolder folder;
    // A parent that is a regular file cannot hold anything, even for root.
    WriteBytes(folder / "file", "x");
    const auto blocked = folder / "file" / "Vendarolo.ini";
    EXPECT_EQ(WriteSetting(blocked, "A", "B", "C"), "Unable to write to " + blocked.string());

    // An existing file that cannot be read is not replaced by a file that
    // would lose its other sections.
    std::filesystem::create_directory(folder / "Vendarolo.ini");
    EXPECT_EQ(WriteSetting(folder / "Vendarolo.ini", "A", "B", "C"),
              "Unable to write to " + (folder / "Vendarolo.ini").string());
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Vendarolo.ini"));
}

TEST(WriteSettings, ReadOnlyFileIsAWriteFailure) {
    TempFolder folder;
    const auto file = folder / std::string(settings::kSettingsFileName);
    const std::string before = "[Ditta Emittente]\r\nNome=Bianchi\r\n";
    WriteBytes(file, before);
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    EXPECT_EQ(WriteSetting(file, settings::kIssuerSection, settings::kIssuerNameKey, "Rossi"),
              "Unable to write to " + file.string());
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WriteSettings, FailureAfterReadingLeavesTheOldFile) {
    TempFolder folder;
    // Readable, but its temporary twin cannot be created: the name is
    // already as long as a name can be.
    const auto file = folder / std::string(250, 'v');
    const std::string before = "[A]\nB=old\n";
    WriteBytes(file, before);
    EXPECT_EQ(WriteSetting(file, "A", "B", "new"), "Unable to write to " + file.string());
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WriteSettings, FailedRenameLeavesTheOldFile) {
    TempFolder folder;
    // The target is a non-empty folder inside a folder we can write: the
    // temporary file is written, the rename over the target fails.
    const auto target = folder / "dir.ini";
    std::filesystem::create_directory(target);
    WriteBytes(target / "inside", "x");
    EXPECT_TRUE(WriteSetting(target, "A", "B", "C").has_value());
    EXPECT_EQ(ReadBytes(target / "inside"), "x");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WriteSettings, RelativePathIsReportedInFull) {
    const std::filesystem::path relative = "no-such-folder-for-corvelo/Vendarolo.ini";
    EXPECT_EQ(WriteSetting(relative, "A", "B", "C"),
              "Unable to write to " + (std::filesystem::current_path() / relative).string());
}

}  // namespace
}  // namespace corvelo
