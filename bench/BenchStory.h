#pragma once
// The generated story the move and start benchmarks play: about 800 bytes a
// location (10,000 locations make some 8 MB) of twenty typical tags each:
// text, guarded text, variables, money, info lines, a colour change and five
// menu items that all lead on to the next location.
#include <string>

#include "base/Win1250.h"

namespace morvane {

inline std::string BenchStory(int locations) {
    std::string text;
    for (int n = 1; n <= locations; ++n) {
        const std::string id = std::to_string(n), next = std::to_string(n % locations + 1);
        text += "<" + id + ">\r\n<TEXT OBSAH=\"Stojíš na rozcestí číslo " + id +
                ". Vítr fouká od severu a cesta se ztrácí v mlze; někde v dálce štěká pes.\">\r\n";
        text += "[ZIVOTY 0 > \"5]<TEXT OBSAH=\"Cítíš se silný.\" BARVA=\"lime\">[/]\r\n";
        text += "<PROMENNA 7=\"$7\"><ZVYSPROMENNOU 8=\"1\"><VZOREC 9=\"($8*3+1):2\">\r\n";
        text += "<PENIZE PLUS=\"1\"><INFO OBSAH=\"Den $8\" BARVA=\"silver\">\r\n";
        text += "[8 > \"3]<TEXT OBSAH=\"Unavuje tě to.\" KURZIVA=\"ano\">[/]\r\n";
        text += "<ZMENOTAZKU TEXT=\"Kudy dál?\"><VYCHOZIBARVAMENU BARVA=\"white\">\r\n";
        text += "<RETEZEC 1=\"cesta\"><NAHODA 10=\"1k6\"><ZAPNIINFO>\r\n";
        for (int k = 1; k <= 5; ++k)
            text += "<M T=\"Cesta " + std::to_string(k) + "\" X=\"" + next + "\">\r\n";
        text += "<ZPET>\r\n";
    }
    return cz(text);
}

}  // namespace morvane
