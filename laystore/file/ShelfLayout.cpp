#include "laystore/file/ShelfLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace VelSystem {

namespace {

// Places the boxes in `order` in rows no longer than `rowLength`; returns the top of the
// last row.
double placeInRows(const std::vector<GeoPoint2D>& sizes, const std::vector<size_t>& order, double bottom,
                   double gap, double rowLength, std::vector<GeoPoint2D>& corners)
{
    double x = 0.0, y = bottom, rowHeight = 0.0;
    for (size_t i : order) {
        const GeoPoint2D& size = sizes[i];
        if (x > 0.0 && x + size.x > rowLength) {
            y += rowHeight + gap;
            x = 0.0;
            rowHeight = 0.0;
        }
        corners[i] = GeoPoint2D(x, y);
        x += size.x + gap;
        rowHeight = std::max(rowHeight, size.y);
    }
    return y + rowHeight;
}

} // namespace

bool ShelfLayout::arrange(const std::vector<GeoPoint2D>& sizes, double bottom, double height, double gap,
                          std::vector<GeoPoint2D>* corners)
{
    double widest = 0.0, area = 0.0, oneRow = 0.0;
    for (const GeoPoint2D& size : sizes) {
        if (size.y > height)
            return false;
        widest = std::max(widest, size.x);
        area += size.x * size.y;
        oneRow += size.x + gap;
    }
    std::vector<size_t> order(sizes.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return sizes[a].y > sizes[b].y; });

    // Lengthen the rows until they fit; one single row always does.
    std::vector<GeoPoint2D> result(sizes.size());
    for (double rowLength = std::max(widest, area / height);;
         rowLength = std::max(rowLength * 1.1, rowLength + gap)) {
        if (rowLength >= oneRow)
            rowLength = std::numeric_limits<double>::infinity();
        if (placeInRows(sizes, order, bottom, gap, rowLength, result) <= bottom + height ||
            std::isinf(rowLength))
            break;
    }
    *corners = std::move(result);
    return true;
}

} // namespace VelSystem
