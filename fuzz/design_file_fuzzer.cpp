// Whatever a .tavrel file holds: reading never crashes or hangs, says what is
// wrong when it refuses, and whatever it accepts is written and read back as
// the same document (so a file never changes by being opened and saved).
#include <cstdint>
#include <string>

#include "analysis/design_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A heap copy of the exact size, so that ASan sees a read past its end.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const tavrel::DesignReading reading = tavrel::readDesign(text);
    if (!reading.document) {
        FUZZ_CHECK(!reading.error.empty(), "a refused file says why");
        return 0;
    }
    const std::string written = tavrel::writeDesign(*reading.document);
    const tavrel::DesignReading again = tavrel::readDesign(written);
    FUZZ_CHECK(again.document.has_value(), "a written design reads back");
    FUZZ_CHECK(*again.document == *reading.document, "a written design reads back unchanged");
    return 0;
}
