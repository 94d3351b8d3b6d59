#pragma once

#include "VelGeo/GeoPolygon2D.h"

#include <QString>
#include <boost/shared_ptr.hpp>
#include <vector>

namespace benchmark {
class State;
}

namespace VelSystem {

class CDbFabricObject;
class DocumentMak;

// Markers for the benchmarks, built from the shapes of the trousers nesting instance: every
// copy the instance asks for, over and over, laid row by row on one wide layer.
class TrousersMarker
{
public:
    // Reads the instance's shapes; false with `error` set when the file is missing or
    // malformed.
    bool load(const QString& path, QString* error);
    // The shapes of the datasets' trousers instance (or of the instance named), read once;
    // null, with `state` skipped and told why, when the datasets are absent.
    static const TrousersMarker* shared(benchmark::State& state, const QString& instance = "trousers");
    // Every copy's outline, its left-bottom corner at the origin.
    std::vector<GeoPolygon2D> outlines() const;

    // A document whose current layer holds `count` laid pieces in rows 1000 cm long, 1 cm
    // apart; every `overlapEvery`-th piece is pushed 4 cm into its left neighbour (0: none).
    boost::shared_ptr<DocumentMak> build(int count, int overlapEvery) const;

private:
    struct Shape
    {
        std::vector<GeoPoint2D> outline; // left-bottom corner at the origin
        double width, height;
    };
    std::vector<Shape> mCopies; // one entry per copy the instance demands
};

} // namespace VelSystem
