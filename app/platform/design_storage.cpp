#include "platform/design_storage.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace tavrel::platform {

DesignReading readDesignFile(const std::filesystem::path& path) {
    DesignReading reading;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error) {
        reading.error = error.message();
        return reading;
    }
    if (status.type() != std::filesystem::file_type::regular) {
        reading.error = "not a regular file";
        return reading;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        reading.error = std::strerror(errno);
        return reading;
    }
    std::string text(kMaxDesignFileBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.bad()) {
        reading.error = "cannot be read";
        return reading;
    }
    text.resize(static_cast<std::size_t>(file.gcount()));
    return readDesign(text);
}

WriteOutcome saveDesignFile(const std::filesystem::path& path, const DesignDocument& document) {
    return replaceFile(path, writeDesign(document));
}

}  // namespace tavrel::platform
