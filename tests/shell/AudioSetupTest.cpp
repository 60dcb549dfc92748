#include <gtest/gtest.h>

#include <tuple>

#include "base/TextFile.h"
#include "base/Win1250.h"
#include "shell/Audio.h"
#include "shell/AudioSetup.h"
#include "shell/GameFilePath.h"
#include "support/RecordingAudioBackend.h"
#include "support/TempFolder.h"

using namespace morvane;
using Settings = std::tuple<bool, bool, std::int32_t, std::int32_t>;

namespace {

// The settings a fresh player has after reading `text`, or the file when
// `file` is given.
Settings read(std::string_view text, const std::filesystem::path& file = {}) {
    TAudio a(test::recordingBackend(), "audio");
    file.empty() ? ApplyAudioSetup(a, text) : ReadAudioSetup(a, file);
    return {a.zvukyzapnuty, a.hudbazapnuta, a.hlasitostzvuku, a.hlasitosthudby};
}

}  // namespace

TEST(AudioSetup, OneValuePerLineWithDefaultsForLinesThatCantBeRead) {
    // A number for a switch, an unreadable switch, a volume past 255, an
    // unreadable volume.
    EXPECT_EQ(read("0\r\nyes\r\n300\r\nx"), Settings(false, true, 300, 128));
    EXPECT_EQ(read("FALSE\nfAlSe\n 7 \r\n-3\r\nignored\r\n"), Settings(false, false, 7, -3));
    EXPECT_EQ(read("1e3\r\n-0,0\r\n\r\n99999999999"), Settings(true, false, 128, 128));
    // Missing lines, or a missing file, keep the player's own values.
    EXPECT_EQ(read("False\r\n"), Settings(false, true, 64, 64));
    test::TempFolder folder;
    EXPECT_EQ(read("", folder.path() / "setup.ini"), Settings(true, true, 64, 64));
}

TEST(AudioSetup, WrittenAsFourCrLfLinesAndReadBack) {
    test::TempFolder folder;
    TAudio a(test::recordingBackend(), "audio");
    a.zvukyzapnuty = false;
    a.hlasitostzvuku = 300;
    a.hlasitosthudby = 0;
    ASSERT_TRUE(WriteAudioSetup(a, folder.path() / "setup.ini"));
    EXPECT_EQ(readBinaryFile(folder.path() / "setup.ini"), "False\r\nTrue\r\n300\r\n0");
    EXPECT_EQ(read("", folder.path() / "setup.ini"), Settings(false, true, 300, 0));
    EXPECT_FALSE(WriteAudioSetup(a, folder.path() / "missing" / "setup.ini"));
}

TEST(GameFilePath, FindsNamesWrittenWithOtherLetterCaseOrBackslashes) {
    test::TempFolder folder;
    const auto audio = folder.path() / "audio";
    folder.write("audio/Hudba/Les.OGG", "x");
    folder.write("audio/ŠTĚSTÍ.wav", "x");  // names on disk are UTF-8
    EXPECT_EQ(gameFilePath(audio, "hudba\\les.ogg"), audio / "Hudba" / "Les.OGG");
    EXPECT_EQ(gameFilePath(audio, cz("štěstí.WAV")), audio / "ŠTĚSTÍ.wav");
    EXPECT_EQ(gameFilePath(audio, "hudba/nic.ogg"), audio / "Hudba" / "nic.ogg");
}

TEST(GameFilePath, NamesLeadingOutOfTheFolderAreRefused) {
    test::TempFolder folder;
    test::TempFolder elsewhere;
    const auto audio = folder.path() / "audio";
    folder.write("audio/a.wav", "x");
    folder.write("tajne.wav", "x");
    elsewhere.write("b.wav", "x");
    std::filesystem::create_symlink(elsewhere.path() / "b.wav", audio / "ven.wav");
    std::filesystem::create_directory_symlink(elsewhere.path(), audio / "venku");
    std::filesystem::create_symlink(audio / "a.wav", audio / "uvnitr.wav");
    for (const char* outside : {"../tajne.wav", "..\\tajne.wav", "x/../../tajne.wav", "/etc/passwd",
                                "\\tajne.wav", "C:\\tajne.wav", "ven.wav", "VENKU/b.wav", ".."}) {
        EXPECT_FALSE(fileInside(audio, outside)) << outside;
        EXPECT_EQ(gameFilePath(audio, outside), std::filesystem::path()) << outside;
    }
    EXPECT_EQ(fileInside(audio, "./A.WAV"), audio / "a.wav");
    EXPECT_EQ(fileInside(audio, "uvnitr.wav"), audio / "uvnitr.wav");
    EXPECT_EQ(fileInside(audio, "chybi.wav"), audio / "chybi.wav");  // missing, but inside
}
