#include <gtest/gtest.h>

#include "base/TextFile.h"
#include "shell/AudioCommands.h"
#include "shell/AudioSettings.h"
#include "shell/GameFilePath.h"
#include "support/RecordingAudioBackend.h"
#include "support/StoryGame.h"

using namespace morvane;
using Calls = std::vector<std::string>;
using Music = std::pair<std::string, std::int32_t>;

namespace {

struct AudioGame : test::StoryGame {
    std::shared_ptr<Calls> log = std::make_shared<Calls>();

    AudioGame()
        : StoryGame("<1>\r\n<AUDIOSTREAM SOUBOR=\"les.ogg\">"
                    "<AUDIOSOUND soubor=\"a.wav\" HLASITOST=\"9\" SOUBOR=\"b.wav\">"
                    "<AUDIOPAUSE><AUDIOTRACK SOUBOR=\"t.mod\"><AUDIOCONTINUE>\r\n"
                    "<2>\r\n<AUDIOSTOP>\r\n") {}

    void start(bool deviceOpens = true) {
        StartAudio(game, [=, this]() -> std::unique_ptr<AudioBackend> {
            log->push_back("open");
            if (!deviceOpens) return nullptr;
            return test::recordingBackend(log);
        });
    }
    Music recorded() const {
        ShortString<100> hudba{};
        std::int32_t druh = -1;
        RecordMusic(game, hudba, druh);
        return {hudba.str(), druh};
    }
    void restart(std::string_view name, std::int32_t druh) {
        ShortString<100> hudba{};
        hudba.assign(name);
        RestartMusic(game, hudba, druh);
    }
};

}  // namespace

TEST(AudioCommands, EveryFileIsPlayedInOrderAndSavedPositionsKeepTheMusic) {
    AudioGame g;
    g.folder.write("setup.ini", "True\r\nTrue\r\n100\r\n150");
    g.start();
    g.go(1);
    EXPECT_EQ(g.frontend.audio,
              (Calls{"stream les.ogg", "sound a.wav", "sound b.wav", "pause", "continue"}));
    EXPECT_EQ(g.log->at(4), "sample " + (g.folder.path() / "audio" / "a.wav").string() + " 100");
    EXPECT_EQ(g.recorded(), (Music{"les.ogg", kMusicStream}));
    g.go(2);
    EXPECT_EQ(g.recorded(), (Music{"les.ogg", kMusicNone}));

    // Loading such a position plays nothing; only a kind and a name restart music.
    g.frontend.audio.clear();
    g.restart("les.ogg", kMusicNone);
    g.restart("", kMusicStream);
    g.restart("t.mod", 3);
    g.restart("t.mod", kMusicTrack);
    EXPECT_EQ(g.frontend.audio, Calls{"track t.mod"});

    // A new start-up closes the old device before it opens one.
    g.log->clear();
    g.start();
    EXPECT_EQ(*g.log, (Calls{"close", "open"}));
}

TEST(AudioCommands, WithoutADeviceEveryAudioCommandAndSettingIsIgnored) {
    AudioGame g;
    g.folder.write("setup.ini", "False");
    g.start(false);
    EXPECT_FALSE(g.game.audiodostupne);
    g.go(1);
    AudioSettings_CheckBox2Click(g.game, false);
    AudioSettings_Button1Click(g.game);
    g.restart("t.mod", kMusicTrack);
    EXPECT_TRUE(g.frontend.audio.empty());
    EXPECT_EQ(readTextFile(g.folder.path() / "setup.ini"), "False");
    EXPECT_EQ(g.recorded(), (Music{"", kMusicNone}));
}

TEST(AudioCommands, TheSettingsDialogActsAtOnceAndOkStoresTheSettings) {
    AudioGame g;
    g.start();
    AudioSettings_CheckBox1Click(g.game, false);
    AudioSettings_TrackBar1Change(g.game, 7);
    AudioSettings_CheckBox2Click(g.game, false);
    AudioSettings_TrackBar2Change(g.game, 30);
    g.go(1);  // sounds off and music paused: only the pause and the continue act
    EXPECT_EQ(g.frontend.audio, (Calls{"pause", "pause", "continue"}));

    AudioSettings_CheckBox2Click(g.game, false);
    AudioSettings_Button1Click(g.game);
    EXPECT_EQ(readBinaryFile(g.folder.path() / "setup.ini"), "False\r\nFalse\r\n7\r\n30");
    g.game.pribeh.soubory.gameFolder = g.folder.path() / "missing";
    AudioSettings_Button1Click(g.game);
    EXPECT_EQ(g.frontend.errors.size(), 1u);
}

TEST(AudioCommands, NamesLeadingOutOfTheAudioFolderAreRefusedWithAMessage) {
    test::StoryGame g("<1><AUDIOSOUND SOUBOR=\"..\\setup.ini\"><AUDIOTRACK SOUBOR=\"../x.mod\">"
                      "<AUDIOSTREAM SOUBOR=\"/etc/passwd\"><AUDIOSOUND SOUBOR=\"a.wav\">");
    auto log = std::make_shared<Calls>();
    StartAudio(g.game, [=]() -> std::unique_ptr<AudioBackend> { return test::recordingBackend(log); });
    g.go(1);
    EXPECT_EQ(g.frontend.audio, Calls{"sound a.wav"});
    ASSERT_EQ(g.frontend.messages.size(), 3u);
    EXPECT_EQ(g.frontend.messages[0], outsideFolderMessage("..\\setup.ini"));
    // A saved position's music name is a stranger's too.
    ShortString<100> hudba{};
    hudba.assign("../../x.ogg");
    RestartMusic(g.game, hudba, kMusicStream);
    EXPECT_EQ(g.frontend.audio, Calls{"sound a.wav"});
    EXPECT_EQ(g.frontend.messages.size(), 4u);
}
