#pragma once
// Makes a folder read-only for one test, the way an installed game or a CD
// is: a read-only bind mount of itself when the test runs as root (root
// writes through permission bits), the permission bits otherwise. ok() is
// false where neither works; the folder is writable again afterwards.
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>

namespace morvane::test {

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
        if (::geteuid() != 0) {
            std::filesystem::permissions(folder_, kWrite, std::filesystem::perm_options::remove);
            ok_ = true;
            return;
        }
        mounted_ = ::mount(folder_.c_str(), folder_.c_str(), nullptr, MS_BIND, nullptr) == 0;
        ok_ = mounted_ && ::mount(nullptr, folder_.c_str(), nullptr,
                                  MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    ~ReadOnlyFolder() {
        if (mounted_) ::umount(folder_.c_str());
        else std::filesystem::permissions(folder_, std::filesystem::perms::owner_write,
                                          std::filesystem::perm_options::add);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool ok() const { return ok_; }

private:
    static constexpr auto kWrite = std::filesystem::perms::owner_write |
                                   std::filesystem::perms::group_write |
                                   std::filesystem::perms::others_write;
    std::filesystem::path folder_;
    bool mounted_ = false;
    bool ok_ = false;
};

}  // namespace morvane::test
