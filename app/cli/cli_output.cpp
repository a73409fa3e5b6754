#include "cli/cli_output.h"

namespace tavrel::cli {

void Output::send(std::string_view text) {
    if (file_ != nullptr) {
        std::fwrite(text.data(), 1, text.size(), file_);
    } else if (capture_ != nullptr) {
        capture_->append(text);
    }
    flushed_ += text.size();
}

void Output::flush() {
    send({block_, used_});
    used_ = 0;
}

}  // namespace tavrel::cli
