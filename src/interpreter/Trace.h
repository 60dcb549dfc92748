#pragma once
// The author's trace: every command of a location as it runs, with its
// attributes as substituted, whether its conditions let it run and what it
// changed, and everything play skips without a word (unknown tags,
// attributes a command does not read, what the scan had to leave out).
// Each line goes to the Frontend's traceLine as soon as it is known, so a
// long game keeps nothing of its trace in memory.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "parser/Command.h"

namespace morvane {

struct Game;
struct CommandEntry;

// The line that opens the run of location `n`.
void TraceLocation(Game& game, std::int32_t n);

// Reports what the scan of a location leaves out.
class TraceScan final : public ScanEvents {
public:
    explicit TraceScan(Game& game) : game_(game) {}
    void tag(std::size_t at, const tagg& tag, const TagFlaws& flaws, bool stored) override;
    void blockOpened(std::size_t at, const podminka& condition, bool recorded) override;
    void blockClosed(std::size_t at, bool matched) override;

private:
    Game& game_;
};

// One command on its way through the interpreter: made before its
// attributes are substituted, told what became of it, and written out when
// it has run (or failed).
class TracedCommand {
public:
    TracedCommand(Game& game, const tagg& written);
    // The attributes are filled in: the skipped ones are reported and the
    // state is taken, to tell afterwards what the command changed.
    void substituted(const tagg& tag, const CommandEntry* entry);
    void decided(bool provest) { provest_ = provest; }
    // Writes the command's line with its result.
    void finish();
    void failed(const std::string& error);

private:
    struct State {
        std::vector<std::int32_t> promenne;
        std::vector<std::string> retezce;
        std::vector<std::pair<std::string_view, std::string>> hodnoty;  // special values
        std::int32_t polozky = 0;
    };
    State take() const;
    std::string changes() const;
    void write(const std::string& result);

    Game& game_;
    // The location whose command this is, even when a countdown that expired
    // inside it has run another location since.
    std::int32_t lokace_;
    tagg tag_;
    const CommandEntry* entry_ = nullptr;
    bool provest_ = false;
    bool substituted_ = false;
    State before_;
};

}  // namespace morvane
