// The fixed pavement behind the layout comparison's precomputed responses, as
// the "About Tavrel" page states it: a heading, then lines of a category (on
// the first line of each) and a value.
#ifndef TAVREL_COMPARISON_COMPARISON_CONDITIONS_H
#define TAVREL_COMPARISON_COMPARISON_CONDITIONS_H

#include <array>

namespace tavrel::comparison {

inline constexpr const char* kConditionsHeading = "Dowel Spacing Analysis Assumptions";

struct ConditionLine {
    const char* category;  // empty on the lines that continue a category
    const char* value;
};

inline constexpr int kConditionLineCount = 14;

// In reading order, top to bottom.
inline constexpr std::array<ConditionLine, kConditionLineCount> kConditionLines = {{
    {"Concrete properties:", "Elastic Modulus: 4 Mpsi (28 GPa)"},
    {"", "Poisson's Ratio: 0.15"},
    {"Dowel properties:", "Elastic Modulus: 29 Mpsi (200 GPa)"},
    {"", "Poisson's Ratio: 0.3"},
    {"Slab dimensions:", "Width: 12 ft. (3.66 m)"},
    {"", "Length: 15 ft. (4.57 m)"},
    {"Joint:", "Opening: 0.1 in. (2.5 mm)"},
    {"", "Aggregate Interlock: None"},
    {"Loading:", "Load: 18 kips (80 kN) single axle"},
    {"", "Pressure: 100 psi (690 kPa)"},
    {"", "Axle Length: 87 in. (2.21 m) c-c"},
    {"", "Position: Outside tire adjacent to slab edge"},
    {"Slab support:", "Modulus of Reaction: 200 psi/in. (5500 g/cm\u00B3)"},
    {"Shoulder:", "None (free edge condition)"},
}};

}  // namespace tavrel::comparison

#endif  // TAVREL_COMPARISON_COMPARISON_CONDITIONS_H
