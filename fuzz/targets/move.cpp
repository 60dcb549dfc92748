// Whole moves: the input is the story of a game with the demo's definition,
// tables and libraries; locations 1, 2 and 3 run in turn, each followed by
// a few seconds of countdown ticks.
#include "FuzzSupport.h"
#include "base/GameEnded.h"
#include "interpreter/ChangeLoc.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = (fuzz::copyDemoData(), true);
    (void)ready;
    fuzz::writeScratch("data/data.vrn", fuzz::asText(data, size));
    fuzz::PreparedGame g;
    try {
        for (std::int32_t n : {1, 2, 3}) {
            ChangeLoc(g.game, n);
            for (int tick = 0; tick < 12; ++tick) TimerTimer(g.game);
        }
    } catch (const GameEnded&) {  // the hero died: the game is over
    }
    return 0;
}
