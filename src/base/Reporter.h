#pragma once
// The two ways low-level readers tell the player about a problem. The
// Frontend port is one; readers below the game take only this part of it, so
// they need not know what a front end can show besides.
#include <string>

namespace morvane {

class Reporter {
public:
    virtual ~Reporter() = default;

    // A modal message box with one OK button; processing goes on after it.
    virtual void showMessage(const std::string& text) = 0;

    // The program's general error report, used for failures that abandon an
    // operation (a script error, an unreadable file).
    virtual void reportError(const std::string& text) = 0;
};

}  // namespace morvane
