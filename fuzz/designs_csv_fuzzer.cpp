// Any bytes as a designs file (--designs -): the reader must stop or give
// designs that are whole, in range and whose copied text is UTF-8 without NUL
// bytes, and come back promptly. The first byte picks the options: a shard of
// the file (read twice), SI units.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/typed_text.h"
#include "cli/cli_designs.h"
#include "fuzz_check.h"

namespace {

tavrel::cli::Options optionsFor(uint8_t choice) {
    std::vector<std::string_view> args{"--designs", "-"};
    if (choice & 1) args.insert(args.end(), {"--shard", "2/3"});
    if (choice & 2) args.insert(args.end(), {"--units", "si"});
    return *tavrel::cli::parseArguments(args).options;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const tavrel::cli::Options options = optionsFor(data[0]);
    std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    std::FILE* file = bytes.empty() ? nullptr : fmemopen(bytes.data(), bytes.size(), "r");
    if (file == nullptr) return 0;
    std::string error;
    const auto source = tavrel::cli::openDesigns(options, file, error);
    if (source) {
        tavrel::cli::Design design;
        while (source->next(design)) {
            FUZZ_CHECK(design.columns.size() == source->columnNames().size(), "columns");
            for (int i = 0; i < tavrel::kDesignInputCount; ++i) {
                FUZZ_CHECK(tavrel::inRange(design.values[i], tavrel::kDesignInputs[i]),
                           "a design out of range");
            }
            for (const std::string& column : design.columns) {
                FUZZ_CHECK(column.find('\0') == std::string::npos, "a NUL byte copied");
                FUZZ_CHECK(tavrel::firstInvalidUtf8(column) == std::string::npos,
                           "text that is not UTF-8 copied");
            }
        }
        error = source->error();
    }
    // A refusal is one line.
    FUZZ_CHECK(error.find('\n') == std::string::npos, "an error of several lines");
    std::fclose(file);
    return 0;
}
