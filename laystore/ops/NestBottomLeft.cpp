#include "laystore/ops/NestBottomLeft.h"

#include "laystore/ops/NestLayout.h"
#include "laystore/ops/NestPositionSearch.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace VelSystem {

namespace {

struct Candidates
{
    const GeoRectangle& range;
    double slack;
    std::vector<GeoPoint2D> points;

    void add(double x, double y)
    {
        if (x < range.xmin - slack || x > range.xmax + slack || y < range.ymin - slack ||
            y > range.ymax + slack)
            return;
        points.emplace_back(std::clamp(x, range.xmin, range.xmax), std::clamp(y, range.ymin, range.ymax));
    }
    // Where the edge from (x0, y0) to (x1, y1) crosses the horizontal line at y.
    void addCrossingY(double x0, double y0, double x1, double y1, double y)
    {
        if ((y0 < y) != (y1 < y))
            add(x0 + (x1 - x0) * (y - y0) / (y1 - y0), y);
    }
    void addCrossingX(double x0, double y0, double x1, double y1, double x)
    {
        if ((x0 < x) != (x1 < x))
            add(x, y0 + (y1 - y0) * (x - x0) / (x1 - x0));
    }
};

bool lowerLeft(const GeoPoint2D& a, const GeoPoint2D& b)
{
    return a.x < b.x || (a.x == b.x && a.y < b.y);
}

} // namespace

bool NestBottomLeft::place(int item)
{
    const NestGeometry& geometry = mLayout.geometry();
    const NestPositionSearch search(mLayout, nullptr);
    int bestVariant = -1;
    GeoPoint2D best(std::numeric_limits<double>::infinity(), 0.0);
    for (int v : geometry.items()[static_cast<size_t>(item)].variants) {
        const GeoRectangle range = mLayout.cornerRange(v);
        if (range.xmax < range.xmin || range.ymax < range.ymin || range.xmin > best.x)
            continue;
        Candidates candidates{range, geometry.tolerance(), {}};
        candidates.add(range.xmin, range.ymin);
        candidates.add(range.xmin, range.ymax);
        for (int j = 0; j < mLayout.itemCount(); ++j) {
            if (j == item || !mLayout.isPlaced(j))
                continue;
            const GeoPoint2D at = mLayout.corner(j);
            bool halfTurned = false;
            const NestNoFitRegion& region = geometry.region(mLayout.variantOf(j), v, &halfTurned);
            const double sign = halfTurned ? -1.0 : 1.0;
            for (const NestNoFitRegion::Edge& e : region.edges()) {
                const double x0 = at.x + sign * e.x0, y0 = at.y + sign * e.y0;
                const double x1 = at.x + sign * e.x1, y1 = at.y + sign * e.y1;
                candidates.add(x0, y0);
                candidates.addCrossingY(x0, y0, x1, y1, range.ymin);
                candidates.addCrossingY(x0, y0, x1, y1, range.ymax);
                candidates.addCrossingX(x0, y0, x1, y1, range.xmin);
                if (range.xmax < std::numeric_limits<double>::infinity())
                    candidates.addCrossingX(x0, y0, x1, y1, range.xmax);
            }
        }
        std::sort(candidates.points.begin(), candidates.points.end(), lowerLeft);
        for (const GeoPoint2D& p : candidates.points) {
            if (!lowerLeft(p, best))
                break;
            if (search.cost(item, v, p, std::numeric_limits<double>::min()) == 0.0) {
                best = p;
                bestVariant = v;
                break;
            }
        }
    }
    if (bestVariant < 0)
        return false;
    mLayout.place(item, bestVariant, best);
    return true;
}

} // namespace VelSystem
