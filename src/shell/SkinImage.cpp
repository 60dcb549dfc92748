#include "shell/SkinImage.h"

#include <string>
#include <system_error>

#include "shell/GameFilePath.h"

namespace morvane {

std::filesystem::path FindSkinImage(const std::filesystem::path& gameFolder,
                                    std::string_view name) {
    const std::string base = "grafika\\" + std::string(name);
    for (const char* extension : {".png", ".jpg", ".gif"}) {
        const std::filesystem::path path = gameFilePath(gameFolder, base + extension);
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec)) return path;
    }
    return gameFilePath(gameFolder, base);
}

}  // namespace morvane
