#include "FuzzSupport.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "game/NewGame.h"
#include "parser/GameDefinition.h"

namespace morvane::fuzz {
namespace fs = std::filesystem;

namespace {

struct Scratch {
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "morvane-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path = pattern;
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
};

}  // namespace

const fs::path& scratchFolder() {
    static const Scratch scratch;
    return scratch.path;
}

void writeScratch(const fs::path& relative, std::string_view bytes) {
    const fs::path file = scratchFolder() / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

fs::path demoFolder() { return MORVANE_DEMO_FOLDER; }

void copyDemoData(bool story) {
    const fs::path from = demoFolder() / "data";
    const fs::path to = scratchFolder() / "data";
    fs::create_directories(to);
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    if (!story) fs::remove(to / "data.vrn");
}

FuzzGame::FuzzGame() { game.pribeh.soubory.gameFolder = scratchFolder(); }

PreparedGame::PreparedGame() {
    game.definice = GameDefinition::load(scratchFolder()).record();
    PrepareGame(game);
}

std::vector<std::string_view> parts(std::string_view input) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t zero; (zero = input.find('\0', start)) != std::string_view::npos;
         start = zero + 1)
        out.push_back(input.substr(start, zero - start));
    out.push_back(input.substr(start));
    return out;
}

}  // namespace morvane::fuzz
