#pragma once

// Outlines the geometry tests share: hand-checked shapes, a concave trouser leg and pieces that
// a slide left touching.

#include "GeoTestPrint.h"
#include "VelGeo/GeoPolygon2D.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

namespace VelSystem {
namespace GeoTestShapes {

inline GeoPolygon2D rectangle(double x0, double y0, double x1, double y1)
{
    return GeoPolygon2D({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

// An L: a 4 x 1 foot and a 1 x 3 upright, with its notch at [1, 4] x [1, 4].
inline GeoPolygon2D lShape()
{
    return GeoPolygon2D({{0, 0}, {4, 0}, {4, 1}, {1, 1}, {1, 4}, {0, 4}});
}

inline GeoPolygon2D reversed(GeoPolygon2D p)
{
    std::reverse(p.points().begin(), p.points().end());
    return p;
}

// A front trouser leg, hem at the bottom: its crotch curve (a quarter circle of radius 10 about
// (-8, 80), vertices 10 to 20 degrees apart) bends into the piece.
inline GeoPolygon2D frontLeg()
{
    GeoPolygon2D leg({{0, 0}, {24, 0}, {26, 30}, {23, 60}, {25, 95}, {3, 100}});
    for (double degrees : {0, -12, -30, -45, -63, -78, -90})
        leg.append(GeoPoint2D(-8, 80) + GeoPoint2D(10, 0).rotated(degrees));
    leg.append({-1, 30});
    return leg;
}

// A random star-shaped (and usually concave) outline around `centre`.
inline GeoPolygon2D randomStar(std::mt19937& rng, const GeoPoint2D& centre)
{
    std::uniform_real_distribution<double> radius(0.5, 3.0), angle(0.0, 360.0);
    std::vector<double> angles(7);
    for (double& a : angles)
        a = angle(rng);
    std::sort(angles.begin(), angles.end());
    GeoPolygon2D star;
    for (double a : angles)
        star.append(centre + GeoPoint2D(radius(rng), 0).rotated(a));
    return star;
}

// Turned pieces left touching by a slide, where Boost's overlay errs: a turned waistband's
// corner on a turned pocket's edge, the overlay answering the whole waistband as shared.
inline std::pair<GeoPolygon2D, GeoPolygon2D> cornerOnAnEdge()
{
    return {GeoPolygon2D({{50.934365617569441, 20.563109170391382},
                          {38.504925072871309, 3.636532205576136},
                          {26.075484528173178, -13.290044759239112},
                          {29.299594426233227, -15.657557243943518},
                          {54.15847551562949, 18.195596685686976}}),
            GeoPolygon2D({{40.37079678097021, 11.944696228246324},
                          {46.56949715514061, 17.001979458525184},
                          {52.768197529311017, 22.059262688804033},
                          {50.524910200144475, 27.972608777001554},
                          {40.124989453613878, 37.55601362423004},
                          {31.397647464304043, 35.598080581036392},
                          {27.727588705273071, 27.441447163672329}})};
}

} // namespace GeoTestShapes
} // namespace VelSystem
