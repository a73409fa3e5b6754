#include "cli/cli_output.h"

#include <cerrno>
#include <cstring>

namespace tavrel::cli {

void Output::fail() {
    // A short write that set no error number still lost bytes.
    if (errorNumber_ == 0) errorNumber_ = errno != 0 ? errno : EIO;
}

void Output::send(std::string_view text) {
    if (failed()) return;  // the output is already incomplete: never write past a gap
    if (file_ != nullptr) {
        errno = 0;
        if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) fail();
    } else if (capture_ != nullptr) {
        capture_->append(text);
    }
    flushed_ += text.size();
}

void Output::flush() {
    send({block_, used_});
    used_ = 0;
}

bool Output::finish() {
    flush();
    if (file_ != nullptr && !failed()) {
        errno = 0;
        if (std::fflush(file_) != 0 || std::ferror(file_) != 0) fail();
    }
    return !failed();
}

std::string Output::failure() const {
    return std::string("cannot write output: ") + std::strerror(errorNumber_);
}

std::string printable(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (byte < 0x20 || byte == 0x7F) {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {  // U+0080..U+009F
            shown += "\\u00";
            shown += kHex[next >> 4];
            shown += kHex[next & 0xF];
            ++i;
        } else {
            shown += text[i];
        }
    }
    return shown;
}

}  // namespace tavrel::cli
