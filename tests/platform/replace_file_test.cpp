// Replacing a file whole where writes fail, where something other than a file
// is in the way, and under a name that is not UTF-8.
#include "platform/replace_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "full_disk.h"

namespace {

namespace fs = std::filesystem;
using tavrel::platform::replaceFile;

struct Folder {
    fs::path path;
    Folder() {
        std::string name = (fs::temp_directory_path() / "replace-file-XXXXXX").string();
        path = mkdtemp(name.data());
    }
    ~Folder() { fs::remove_all(path); }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& entry : fs::directory_iterator(path))
            all.push_back(entry.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }
};

std::string contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void writePlain(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(ReplaceFile, AFailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
    Folder folder;
    const fs::path old = folder.path / "old.pdf";
    writePlain(old, "old\n");
    const tavrel::platform::WriteOutcome outcome =
        withDiskFullAfter(8192, [&] { return replaceFile(old, std::string(100000, 'x')); });
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.error.empty());
    EXPECT_EQ(outcome.error.find('\n'), std::string::npos) << outcome.error;
    EXPECT_EQ(contents(old), "old\n");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"old.pdf"});

    // Where the bytes fit, they replace the file exactly, its permissions kept.
    fs::permissions(old, fs::perms::owner_read | fs::perms::owner_write);
    const std::string bytes("a\0b\r\n\xff", 6);
    EXPECT_TRUE(replaceFile(old, bytes).ok);
    EXPECT_EQ(contents(old), bytes);
    EXPECT_EQ(fs::status(old).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"old.pdf"});
}

TEST(ReplaceFile, OnlyRegularFilesAreReplacedAndLinksToThemFollowed) {
    Folder folder;
    const fs::path fifo = folder.path / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const fs::path device = folder.path / "device";
    fs::create_symlink("/dev/null", device);
    const fs::path dangling = folder.path / "dangling";
    fs::create_symlink(folder.path / "nowhere", dangling);
    for (const fs::path& path : {fifo, device, dangling, folder.path}) {
        const auto outcome = replaceFile(path, "report");
        EXPECT_FALSE(outcome.ok) << path;
        EXPECT_FALSE(outcome.error.empty());
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_symlink(device));
    EXPECT_EQ(fs::read_symlink(device), "/dev/null");
    EXPECT_FALSE(fs::exists(folder.path / "nowhere"));

    const fs::path real = folder.path / "real";
    writePlain(real, "old");
    const fs::path link = folder.path / "link";
    fs::create_symlink(real, link);
    EXPECT_TRUE(replaceFile(link, "new").ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(real), "new");
    EXPECT_EQ(folder.names(),
              (std::vector<std::string>{"dangling", "device", "fifo", "link", "real"}));
}

TEST(ReplaceFile, ANameIsKeptAsItsBytes) {
    Folder folder;
    const std::string name = "rep\xff.pdf";
    EXPECT_TRUE(replaceFile(folder.path / name, "report").ok);
    EXPECT_EQ(folder.names(), std::vector<std::string>{name});
}

}  // namespace
