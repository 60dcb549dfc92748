#pragma once
// Where the game stands on the screen. The screens are designed for
// 1024 x 768 pixels: a larger screen shows the game scaled up to fit (the
// program sets the toolkit's scale factor before any window exists), at the
// design size in the middle of the screen on black; a smaller one gets the
// whole screen, as the game always had it.
#include <QRect>
#include <QSize>

namespace morvane {

inline constexpr QSize kDesignSize(1024, 768);

// The factor that makes the design as large as a screen of `pixels` device
// pixels allows, keeping its aspect; never below 1.
double FitScale(QSize pixels);

struct Stage {
    QRect area;             // the main window, in the screen's coordinates
    bool backdrop = false;  // the rest of the screen is covered black
};

// The main window on a screen of `screen` (in the toolkit's pixels). A
// `window` is the design size (or the screen, when smaller), centred, with
// nothing around it.
Stage GameStage(const QRect& screen, bool window);

// The scale factor a command line asks for: a decimal from 0.5 to 8
// ("1.5", "2"); nothing for anything else.
bool ParseScale(const char* text, double& factor);

}  // namespace morvane
