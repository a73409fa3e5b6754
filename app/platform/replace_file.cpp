#include "platform/replace_file.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tavrel::platform {
namespace {

namespace fs = std::filesystem;

WriteOutcome failure(const std::string& why) {
    return {false, why};
}

// A name beside `target` that no other writer is likely to pick; creation with
// exclusive access settles the rare clash.
fs::path temporaryBeside(const fs::path& target) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    fs::path name = target;
    name += ".tmp-" + std::to_string(random() % 1000000000ULL);
    return name;
}

// The file the bytes must end in: a symbolic link is followed so that the link
// stays; anything else that exists must be a regular file.
bool resolveTarget(const fs::path& path, fs::path& target, std::string& why) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        target = path;
        // A dangling link would otherwise be replaced by a file.
        if (fs::is_symlink(fs::symlink_status(path, error))) {
            why = "it is a symbolic link to nothing";
            return false;
        }
        return true;
    }
    if (error) {
        why = error.message();
        return false;
    }
    if (status.type() != fs::file_type::regular) {
        why = "it exists and is not a regular file";
        return false;
    }
    target = fs::canonical(path, error);
    if (error) target = path;
    return true;
}

#ifdef _WIN32

WriteOutcome writeAndRename(const fs::path& target, std::string_view bytes) {
    const fs::path temporary = temporaryBeside(target);
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.flush();
        if (!file) {
            file.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return failure("the write failed");
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return failure(error.message());
    }
    return {true, {}};
}

#else

std::string systemError(int number) {
    return std::strerror(number);
}

bool writeAll(int descriptor, std::string_view bytes, int& number) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            number = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Opens a new temporary beside `target`, with the old file's permissions when
// there is one (new files get the usual ones, the umask applied).
int openTemporary(const fs::path& target, fs::path& temporary, int& number) {
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryBeside(target);
        const int descriptor =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            if (replacing) (void)::fchmod(descriptor, old.st_mode & 07777);
            return descriptor;
        }
        if (errno != EEXIST) break;
    }
    number = errno;
    return -1;
}

WriteOutcome writeAndRename(const fs::path& target, std::string_view bytes) {
    fs::path temporary;
    int number = 0;
    const int descriptor = openTemporary(target, temporary, number);
    if (descriptor < 0) return failure(systemError(number));
    bool written = writeAll(descriptor, bytes, number);
    if (written && ::fsync(descriptor) != 0) {
        number = errno;
        written = false;
    }
    if (::close(descriptor) != 0 && written) {
        number = errno;
        written = false;
    }
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        number = errno;
        written = false;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return failure(systemError(number));
    }
    // The rename itself lasts only once the folder is on disk too.
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int folderDescriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderDescriptor >= 0) {
        (void)::fsync(folderDescriptor);
        ::close(folderDescriptor);
    }
    return {true, {}};
}

#endif

}  // namespace

WriteOutcome replaceFile(const fs::path& path, std::string_view bytes) {
    if (path.empty()) return failure("the file has no name");
    fs::path target;
    std::string why;
    if (!resolveTarget(path, target, why)) return failure(why);
    return writeAndRename(target, bytes);
}

}  // namespace tavrel::platform
