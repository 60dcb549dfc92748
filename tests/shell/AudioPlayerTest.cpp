#include <gtest/gtest.h>

#include "shell/Audio.h"
#include "support/RecordingAudioBackend.h"

using namespace morvane;
using Calls = std::vector<std::string>;

namespace {

struct Player {
    std::shared_ptr<Calls> log = std::make_shared<Calls>();
    Calls events;
    TAudio audio{test::recordingBackend(log), "./audio",
                 [this](const AudioEvent& e) { events.push_back(AudioEventText(e)); }};

    Calls calls() {  // the back-end calls since the last look
        Calls taken;
        taken.swap(*log);
        return taken;
    }
};

}  // namespace

TEST(AudioPlayer, NewMusicReleasesTheOldAndSoundsObeyTheirSwitch) {
    Player p;
    p.audio.PlayStream("les.ogg");
    p.audio.SetMusicVolume(200);
    p.audio.PlayTrack("boj.xm");
    EXPECT_EQ(p.calls(),
              (Calls{"openStream ./audio/les.ogg", "playStream 1", "channelVolume 5 64",
                     "moduleVolume 1 200", "channelVolume 5 200", "closeStream 1",
                     "loadModule ./audio/boj.xm", "playModule 2", "moduleVolume 2 200"}));
    EXPECT_EQ(p.audio.druh, kMusicTrack);

    p.audio.PlayStream(std::string(120, 'h'));
    EXPECT_EQ(p.calls().at(0), "stopModule 2");
    EXPECT_EQ(p.audio.jmenohudby.size(), 100u);

    p.audio.hlasitostzvuku = 0;
    p.audio.PlaySound("krok.wav");
    p.audio.zvukyzapnuty = false;
    p.audio.PlaySound("mec.wav");
    EXPECT_EQ(p.calls(), Calls{"sample ./audio/krok.wav 0"});
    EXPECT_EQ(p.events, (Calls{"stream les.ogg", "track boj.xm", "stream " + std::string(120, 'h'),
                               "sound krok.wav"}));
}

TEST(AudioPlayer, PausedMusicRefusesNewMusicUntilContinued) {
    Player p;
    p.audio.PlayStream("a.ogg");
    p.audio.PauseMusic();
    p.audio.PlayStream("b.ogg");
    p.audio.PlayTrack("c.mod");
    p.audio.hlasitosthudby = 90;
    p.audio.ContinueMusic();
    EXPECT_EQ(p.calls(), (Calls{"openStream ./audio/a.ogg", "playStream 1", "channelVolume 5 64",
                                "stopStream 1", "playStream 1", "channelVolume 6 90"}));
    EXPECT_EQ(p.audio.kanal, 6);
    p.audio.PlayStream("b.ogg");
    EXPECT_EQ(p.audio.jmenohudby, "b.ogg");
    EXPECT_EQ(p.events, (Calls{"stream a.ogg", "pause", "continue", "stream b.ogg"}));
}

TEST(AudioPlayer, StopReleasesTheMusicButKeepsItsNameAndTheMusicSwitch) {
    Player p;
    p.audio.PlayTrack("t.mod");
    p.audio.PauseMusic();
    p.audio.FreeMusic();
    EXPECT_EQ(p.audio.druh, kMusicNone);
    EXPECT_EQ(p.audio.jmenohudby, "t.mod");
    EXPECT_FALSE(p.audio.hudbazapnuta);
    p.calls();

    // Nothing is left to continue, but music is allowed again.
    p.audio.ContinueMusic();
    p.audio.FreeMusic();
    EXPECT_TRUE(p.calls().empty());
    EXPECT_TRUE(p.audio.hudbazapnuta);
    EXPECT_EQ(p.events, (Calls{"track t.mod", "pause", "stop", "continue", "stop"}));
}
