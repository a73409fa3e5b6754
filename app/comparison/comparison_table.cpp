#include "comparison/comparison_table.h"

namespace tavrel::comparison {

namespace {

// Responses computed in advance for the one fixed pavement that
// comparison_conditions.h states (and the About page and the guidelines show).
// They are data, not the output of any formula in this program: no input of the
// sizing page changes them, and the spacing page's chart, tavrel-cli's
// comparison and the web page only look them up.
// Stored in memory order. Each line is one (q, v, d) and holds a = 0, 1, 2:
// corner spacing 8/10/12 in., centre leave-out 10/8/6 dowels, alternates A/B/C.
// The baseline (v = 0) is the same layout for every type, hence stored three times.
constexpr ComparisonTable kBuiltIn = {
    // q = 0: peak dowel bearing stress (psi)
    4410.0f, 4410.0f, 4410.0f,  // v 0, d 0
    2717.0f, 2717.0f, 2717.0f,  // v 0, d 1
    1542.0f, 1542.0f, 1542.0f,  // v 0, d 2
    3641.0f, 3641.0f, 3641.0f,  // v 0, d 3
    1943.0f, 1943.0f, 1943.0f,  // v 0, d 4
    1098.0f, 1098.0f, 1098.0f,  // v 0, d 5
    4770.0f, 4439.0f, 4126.0f,  // v 1, d 0
    2962.0f, 2752.0f, 2528.0f,  // v 1, d 1
    1695.0f, 1531.0f, 1416.0f,  // v 1, d 2
    3924.0f, 3665.0f, 3409.0f,  // v 1, d 3
    2122.0f, 1969.0f, 1807.0f,  // v 1, d 4
    1209.0f, 1089.0f, 1007.0f,  // v 1, d 5
    5130.0f, 4482.0f, 4331.0f,  // v 2, d 0
    3210.0f, 2747.0f, 2647.0f,  // v 2, d 1
    1862.0f, 1570.0f, 1469.0f,  // v 2, d 2
    4212.0f, 3695.0f, 3581.0f,  // v 2, d 3
    2300.0f, 1965.0f, 1892.0f,  // v 2, d 4
    1329.0f, 1125.0f, 1046.0f,  // v 2, d 5
    5487.0f, 4648.0f, 4341.0f,  // v 3, d 0
    3453.0f, 2972.0f, 2657.0f,  // v 3, d 1
    2025.0f, 1769.0f, 1460.0f,  // v 3, d 2
    4495.0f, 3839.0f, 3588.0f,  // v 3, d 3
    2478.0f, 2129.0f, 1898.0f,  // v 3, d 4
    1445.0f, 1272.0f, 1041.0f,  // v 3, d 5
    // q = 1: peak edge stress (psi)
    270.9f, 270.9f, 270.9f,  // v 0, d 0
    169.7f, 169.7f, 169.7f,  // v 0, d 1
    76.5f, 76.5f, 76.5f,     // v 0, d 2
    264.3f, 264.3f, 264.3f,  // v 0, d 3
    171.5f, 171.5f, 171.5f,  // v 0, d 4
    77.4f, 77.4f, 77.4f,     // v 0, d 5
    271.0f, 280.6f, 274.9f,  // v 1, d 0
    169.7f, 175.3f, 171.9f,  // v 1, d 1
    77.0f, 78.2f, 77.3f,     // v 1, d 2
    264.4f, 273.6f, 268.1f,  // v 1, d 3
    171.5f, 177.2f, 173.8f,  // v 1, d 4
    77.8f, 79.0f, 78.1f,     // v 1, d 5
    271.2f, 296.6f, 282.1f,  // v 2, d 0
    169.7f, 184.0f, 176.5f,  // v 2, d 1
    77.0f, 80.5f, 78.8f,     // v 2, d 2
    264.5f, 289.1f, 275.0f,  // v 2, d 3
    171.6f, 185.9f, 178.4f,  // v 2, d 4
    77.7f, 81.1f, 79.5f,     // v 2, d 5
    271.2f, 315.2f, 288.8f,  // v 3, d 0
    169.8f, 194.6f, 180.5f,  // v 3, d 1
    76.8f, 83.2f, 79.9f,     // v 3, d 2
    264.6f, 307.3f, 281.6f,  // v 3, d 3
    171.5f, 196.5f, 182.3f,  // v 3, d 4
    77.6f, 83.7f, 80.5f,     // v 3, d 5
    // q = 2: peak edge deflection (in.)
    0.01333f, 0.01333f, 0.01333f,  // v 0, d 0
    0.01082f, 0.01082f, 0.01082f,  // v 0, d 1
    0.00812f, 0.00812f, 0.00812f,  // v 0, d 2
    0.0132f, 0.0132f, 0.0132f,     // v 0, d 3
    0.01086f, 0.01086f, 0.01086f,  // v 0, d 4
    0.00815f, 0.00815f, 0.00815f,  // v 0, d 5
    0.01333f, 0.01355f, 0.01341f,  // v 1, d 0
    0.01082f, 0.01094f, 0.01087f,  // v 1, d 1
    0.00813f, 0.00818f, 0.00815f,  // v 1, d 2
    0.0132f, 0.01339f, 0.01326f,   // v 1, d 3
    0.01086f, 0.01099f, 0.01091f,  // v 1, d 4
    0.00818f, 0.00822f, 0.00817f,  // v 1, d 5
    0.01333f, 0.01394f, 0.01359f,  // v 2, d 0
    0.01081f, 0.01114f, 0.01097f,  // v 2, d 1
    0.00814f, 0.00825f, 0.0082f,   // v 2, d 2
    0.0132f, 0.01373f, 0.01342f,   // v 2, d 3
    0.01085f, 0.0112f, 0.01102f,   // v 2, d 4
    0.00817f, 0.0083f, 0.00824f,   // v 2, d 5
    0.01332f, 0.01461f, 0.01376f,  // v 3, d 0
    0.01082f, 0.01146f, 0.01107f,  // v 3, d 1
    0.00813f, 0.00838f, 0.00825f,  // v 3, d 2
    0.01319f, 0.01433f, 0.01357f,  // v 3, d 3
    0.01085f, 0.01154f, 0.01112f,  // v 3, d 4
    0.00816f, 0.00844f, 0.00829f,  // v 3, d 5
    // q = 3: peak corner deflection (in.)
    0.03204f, 0.03204f, 0.03204f,  // v 0, d 0
    0.02367f, 0.02367f, 0.02367f,  // v 0, d 1
    0.01484f, 0.01484f, 0.01484f,  // v 0, d 2
    0.03153f, 0.03153f, 0.03153f,  // v 0, d 3
    0.02382f, 0.02382f, 0.02382f,  // v 0, d 4
    0.01495f, 0.01495f, 0.01495f,  // v 0, d 5
    0.0322f, 0.03198f, 0.03205f,   // v 1, d 0
    0.02374f, 0.02365f, 0.0237f,   // v 1, d 1
    0.01487f, 0.01493f, 0.01487f,  // v 1, d 2
    0.03166f, 0.03149f, 0.03153f,  // v 1, d 3
    0.02391f, 0.0238f, 0.02385f,   // v 1, d 4
    0.01501f, 0.01504f, 0.01498f,  // v 1, d 5
    0.03235f, 0.03195f, 0.0323f,   // v 2, d 0
    0.02383f, 0.02367f, 0.02387f,  // v 2, d 1
    0.01492f, 0.01498f, 0.015f,    // v 2, d 2
    0.03182f, 0.03144f, 0.03175f,  // v 2, d 3
    0.02399f, 0.02382f, 0.02405f,  // v 2, d 4
    0.01505f, 0.01514f, 0.01514f,  // v 2, d 5
    0.03253f, 0.03204f, 0.03229f,  // v 3, d 0
    0.02394f, 0.02379f, 0.0239f,   // v 3, d 1
    0.01496f, 0.01515f, 0.01507f,  // v 3, d 2
    0.03196f, 0.03152f, 0.03175f,  // v 3, d 3
    0.02411f, 0.02395f, 0.02406f,  // v 3, d 4
    0.01509f, 0.01531f, 0.01522f,  // v 3, d 5
};

}  // namespace

const ComparisonTable& builtInComparisonTable() {
    return kBuiltIn;
}

void loadComparisonTable(ComparisonTable& table) {
    table = kBuiltIn;
}

}  // namespace tavrel::comparison
