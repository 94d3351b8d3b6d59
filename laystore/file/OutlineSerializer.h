#pragma once

#include "laystore/CDbInternalSegment.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <utility>
#include <vector>

namespace VelSystem {

class FileKeys;
class JsonNode;

// Points, outlines, grain lines and internal segments in a marker file, wherever they appear
// (piece sizes, placed polygons).
class OutlineSerializer
{
    Q_DECLARE_TR_FUNCTIONS(MarkerFile)

public:
    static const FileKeys kPointKeys;
    static const FileKeys kMarkerPointKeys;
    static const FileKeys kGrainLineKeys;
    static const FileKeys kInternalSegmentKeys;

    static QJsonObject pointJson(const GeoPoint2D& p);
    static QJsonArray outlineJson(const CDbVectorsObjectTable& outline);
    static QJsonObject grainLineJson(const GeoPoint2D& start, const GeoPoint2D& end);
    static QJsonArray internalSegmentsJson(const std::vector<CDbInternalSegment>& segments);

    static GeoPoint2D readPoint(const JsonNode& n, int version);
    // At least `minimum` points: 3 for a closed outline, 2 for an open run.
    static CDbVectorsObjectTable readOutline(const JsonNode& n, int version, int minimum = 3);
    // An absent grain line leaves both ends at the origin: no grain line.
    static std::pair<GeoPoint2D, GeoPoint2D> readGrainLine(const JsonNode& n, int version);
    // An absent list: no segments.
    static std::vector<CDbInternalSegment> readInternalSegments(const JsonNode& n, int version);
};

} // namespace VelSystem
