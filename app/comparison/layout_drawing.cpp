#include "comparison/layout_drawing.h"

namespace tavrel::comparison {

namespace {

std::vector<int> uniform(std::initializer_list<int> head, int repeated, int times,
                         std::initializer_list<int> tail) {
    std::vector<int> distances(head);
    distances.insert(distances.end(), static_cast<std::size_t>(times), repeated);
    distances.insert(distances.end(), tail);
    return distances;
}

}  // namespace

std::optional<std::vector<int>> laneDistances(Picture picture) {
    switch (picture) {
        case Picture::Baseline:
        case Picture::Baseline2:
            return uniform({6}, 12, 11, {6});
        case Picture::Ctr10:
            return std::vector<int>{6, 12, 12, 12, 12, 36, 12, 12, 12, 12, 6};
        case Picture::Ctr08:
            return std::vector<int>{6, 12, 12, 12, 60, 12, 12, 12, 6};
        case Picture::Ctr06:
            return std::vector<int>{6, 12, 12, 84, 12, 12, 6};
        case Picture::AltA:
            return uniform({6, 10}, 14, 8, {10, 6});
        case Picture::AltB:
            return std::vector<int>{6, 12, 16, 18, 20, 20, 18, 16, 12, 6};
        case Picture::AltC:
            return std::vector<int>{6, 12, 15, 24, 30, 24, 15, 12, 6};
        default:
            return std::nullopt;
    }
}

std::optional<int> laneDowelCount(Picture picture) {
    const std::optional<std::vector<int>> distances = laneDistances(picture);
    if (!distances) return std::nullopt;
    return static_cast<int>(distances->size()) - 1;  // one gap more than dowels
}

std::optional<int> cornerDistance(Picture picture) {
    switch (picture) {
        case Picture::Corner06:
        case Picture::Corner06a:
            return 6;
        case Picture::Corner08:
            return 8;
        case Picture::Corner10:
            return 10;
        case Picture::Corner12:
            return 12;
        default:
            return std::nullopt;
    }
}

Picture drawingSource(Picture picture) {
    switch (picture) {
        case Picture::Baseline2:
            return Picture::Baseline;
        case Picture::Corner06a:
            return Picture::Corner06;
        default:
            return picture;
    }
}

}  // namespace tavrel::comparison
