// What the sizing table shows for the default design: per bar, in column order,
// the texts of its five result rows. The desktop tests include it; the web
// page's tests read the quoted texts from it in order.
#pragma once

namespace testing_support {

inline constexpr const char* kDefaultDesignTable[8][5] = {
    {"71.6", "26.1", "46.2", "1479", "2469"}, {"77.2", "30.1", "47.0", "1060", "1744"},
    {"80.8", "33.1", "47.5", "788", "1284"},  {"83.2", "35.4", "47.8", "602", "975"},
    {"84.8", "37.1", "48.0", "469", "755"},   {"75.3", "28.6", "46.7", "1246", "2060"},
    {"75.9", "29.0", "46.8", "758", "1252"},  {"79.1", "31.6", "47.2", "565", "926"},
};

}  // namespace testing_support
