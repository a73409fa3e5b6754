// The window's default design and the sizing table it shows: what the window, the
// analysis and tavrel-cli must all show for it, written once for their tests.
#pragma once

#include <array>
#include <string_view>

namespace testing_support {

// The seven boxes at start-up, in reading order.
inline constexpr std::array<std::string_view, 7> kDefaultDesignTexts = {
    "12", "0.25", "300", "9000", "4000000", "12", "90"};

// Per bar, left to right: deflection and stress load transfer, effectiveness,
// edge and corner bearing stress.
inline constexpr const char* kDefaultDesignTable[8][5] = {
    {"71.6", "26.1", "46.2", "1479", "2469"}, {"77.2", "30.1", "47.0", "1060", "1744"},
    {"80.8", "33.1", "47.5", "788", "1284"},  {"83.2", "35.4", "47.8", "602", "975"},
    {"84.8", "37.1", "48.0", "469", "755"},   {"75.3", "28.6", "46.7", "1246", "2060"},
    {"75.9", "29.0", "46.8", "758", "1252"},  {"79.1", "31.6", "47.2", "565", "926"},
};

}  // namespace testing_support
