#pragma once

#include "VelGeo/GeoPoint2D.h"

#include <vector>

namespace VelSystem {

// Arranges boxes in rows inside a horizontal band: left to right from x = 0, rows stacked
// upwards, `gap` apart, taller boxes first. The rows are as short as they can be while
// every row stays inside the band, so the band fills upwards before it grows along x.
class ShelfLayout
{
public:
    // The left-bottom corner of each box of `sizes` (width, height), in the order of
    // `sizes`; false (and nothing written) when a box is higher than the band.
    static bool arrange(const std::vector<GeoPoint2D>& sizes, double bottom, double height, double gap,
                        std::vector<GeoPoint2D>* corners);
};

} // namespace VelSystem
