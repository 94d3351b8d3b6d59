#include "laystore/file/OutlineSerializer.h"

#include "laystore/file/FileKeys.h"
#include "laystore/file/FileValues.h"
#include "laystore/file/JsonNode.h"

#include <climits>

namespace VelSystem {

namespace {

// Lists are indexed by the model's code.
const QStringList kPointTypes = {"normal", "corner", "notch", "curve"};
const QStringList kNotchStates = {"none", "cut", "converted"};
const FileValues::Names kFeatures = {
    {PointFeature::MatchPoint, "matchPoint"},         {PointFeature::LinkVector, "linkEnd"},
    {PointFeature::StartPoint, "startPoint"},         {PointFeature::LiftPlunge, "liftPlunge"},
    {PointFeature::SymmetricalCut, "symmetricalCut"}, {PointFeature::InternalStart, "internalStart"},
    {PointFeature::SymmetricalEnd, "symmetricalEnd"}};
// Indexed by CDbInternalSegment::Kind.
const QStringList kSegmentKinds = {"drillLine", "dart", "pocketMark"};

QJsonObject markerPointJson(const CDbMarkerPointObject& p)
{
    QJsonObject o = OutlineSerializer::pointJson(p);
    if (p.type() != CDbMarkerPointObject::Normal)
        o.insert("type", kPointTypes.value(p.type()));
    if (p.notchState() != CDbMarkerPointObject::NotchNone)
        o.insert("notch", kNotchStates.value(p.notchState()));
    if (p.features() != 0)
        o.insert("features", FileValues::flagsJson(p.features(), kFeatures));
    return o;
}

CDbMarkerPointObject readMarkerPoint(const JsonNode& n, int version)
{
    OutlineSerializer::kMarkerPointKeys.check(n, version);
    CDbMarkerPointObject p(FileValues::coordinate(n["x"]), FileValues::coordinate(n["y"]),
                           CDbMarkerPointObject::PointType(n["type"].choice(kPointTypes, 0)));
    p.setNotchState(CDbMarkerPointObject::NotchState(n["notch"].choice(kNotchStates, 0)));
    if (n["features"].isPresent())
        p.setFeatures(FileValues::readFlags(n["features"], kFeatures));
    return p;
}

} // namespace

const FileKeys OutlineSerializer::kPointKeys = {{"x", 1}, {"y", 1}};
const FileKeys OutlineSerializer::kMarkerPointKeys = {
    {"x", 1}, {"y", 1}, {"type", 1}, {"notch", 1}, {"features", 1}};
const FileKeys OutlineSerializer::kGrainLineKeys = {{"start", 1}, {"end", 1}};

QJsonObject OutlineSerializer::pointJson(const GeoPoint2D& p)
{
    return {{"x", p.x}, {"y", p.y}};
}

QJsonArray OutlineSerializer::outlineJson(const CDbVectorsObjectTable& outline)
{
    QJsonArray a;
    for (const CDbMarkerPointObject& p : outline.points())
        a.append(markerPointJson(p));
    return a;
}

QJsonObject OutlineSerializer::grainLineJson(const GeoPoint2D& start, const GeoPoint2D& end)
{
    return {{"start", pointJson(start)}, {"end", pointJson(end)}};
}

GeoPoint2D OutlineSerializer::readPoint(const JsonNode& n, int version)
{
    kPointKeys.check(n, version);
    return {FileValues::coordinate(n["x"]), FileValues::coordinate(n["y"])};
}

CDbVectorsObjectTable OutlineSerializer::readOutline(const JsonNode& n, int version, int minimum)
{
    CDbVectorsObjectTable outline;
    for (int i = 0, count = n.size(minimum, INT_MAX, tr("points")); i < count; ++i)
        outline.append(readMarkerPoint(n.at(i), version));
    return outline;
}

std::pair<GeoPoint2D, GeoPoint2D> OutlineSerializer::readGrainLine(const JsonNode& n, int version)
{
    if (!n.isPresent())
        return {};
    kGrainLineKeys.check(n, version);
    return {readPoint(n["start"], version), readPoint(n["end"], version)};
}

const FileKeys OutlineSerializer::kInternalSegmentKeys = {{"kind", 2}, {"points", 2}};

QJsonArray OutlineSerializer::internalSegmentsJson(const std::vector<CDbInternalSegment>& segments)
{
    QJsonArray array;
    for (const CDbInternalSegment& segment : segments)
        array.append(QJsonObject{{"kind", kSegmentKinds.value(segment.kind())},
                                 {"points", outlineJson(segment.points())}});
    return array;
}

std::vector<CDbInternalSegment> OutlineSerializer::readInternalSegments(const JsonNode& n, int version)
{
    std::vector<CDbInternalSegment> segments;
    for (int s = 0, count = n.isPresent() ? n.size() : 0; s < count; ++s) {
        const JsonNode segment = n.at(s);
        kInternalSegmentKeys.check(segment, version);
        // The kind first: an error names the first key wrong.
        const auto kind = CDbInternalSegment::Kind(segment["kind"].choice(kSegmentKinds));
        segments.emplace_back(kind, readOutline(segment["points"], version, 2));
    }
    return segments;
}

} // namespace VelSystem
