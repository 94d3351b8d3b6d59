#include "laystore/file/GroupSerializer.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/file/FileKeys.h"
#include "laystore/file/FileValues.h"
#include "laystore/file/JsonNode.h"
#include "laystore/file/OutlineSerializer.h"

#include <QJsonArray>
#include <algorithm>
#include <climits>

namespace VelSystem {

namespace {

// Indexed by CDbCutDownObject's axis codes.
const QStringList kVerticalAxes = {"left", "center", "right"};
const QStringList kHorizontalAxes = {"top", "center", "bottom"};

// Indexed by CDbContourObject::Origin.
const QStringList kOrigins = {"piece", "blocking", "cutDownUnion", "angleCutSeam"};
const FileValues::Names kBlockingKinds = {{CDbBlockingObject::None, "none"},
                                          {CDbBlockingObject::Single, "single"},
                                          {CDbBlockingObject::Fusion, "fusion"},
                                          {CDbBlockingObject::Fixed, "fixed"}};
const FileValues::Names kBlockingStatuses = {{CDbBlockingObject::ByHand, "byHand"},
                                             {CDbBlockingObject::Computed, "computed"}};

// A polygon's blocking, written only for a polygon that takes part in one.
void writeBlocking(const CDbBlockingObject& b, QJsonObject& o)
{
    if (b.blockingKind() == CDbBlockingObject::None)
        return;
    o.insert("blockingKind", FileValues::nameOf(b.blockingKind(), kBlockingKinds));
    o.insert("blockingStatus", FileValues::nameOf(b.blockingStatus(), kBlockingStatuses));
    o.insert("blockingEditedByHand", b.manualEditMark());
    o.insert("fusionState", b.fusionState());
    if (b.edgeSnapFlag())
        o.insert("blockingEdge", b.edgeSnapValue());
}

// Read after the contours, which a blocking of its own needs.
void readBlocking(const JsonNode& n, CDbPolygon& polygon)
{
    CDbBlockingObject& b = polygon.blocking();
    const JsonNode kind = n["blockingKind"];
    if (kind.isPresent())
        b.setBlockingKind(CDbBlockingObject::BlockingType(FileValues::readName(kind, kBlockingKinds)));
    if (b.blockingKind() == CDbBlockingObject::Single &&
        (polygon.isBlockingPolygon() || !polygon.contours().hasOverlaidContour() || !polygon.isBlocking()))
        kind.fail(GroupSerializer::tr("a piece's own blocking needs a last contour of origin \"blocking\""));
    if (b.blockingKind() == CDbBlockingObject::Fusion && !polygon.isBlockingPolygon())
        kind.fail(GroupSerializer::tr("a fusion is a blocking polygon"));
    if (n["blockingStatus"].isPresent())
        b.setBlockingStatus(static_cast<short>(FileValues::readName(n["blockingStatus"], kBlockingStatuses)));
    b.setManualEditMark(n["blockingEditedByHand"].boolean(false));
    b.setFusionState(n["fusionState"].integer(0, INT_MAX, 0));
    if (n["blockingEdge"].isPresent())
        b.setEdgeSnap(true, FileValues::coordinate(n["blockingEdge"]));
}

QJsonObject polygonJson(const CDbPolygon& polygon)
{
    QJsonArray contours;
    QJsonArray origins;
    bool onlyPieces = true;
    for (int c = 0; c < polygon.contours().count(); ++c) {
        contours.append(OutlineSerializer::outlineJson(polygon.contours().contour(c)));
        origins.append(kOrigins.value(polygon.contours().origin(c)));
        onlyPieces = onlyPieces && polygon.contours().origin(c) == CDbContourObject::PieceOutline;
    }
    QJsonObject o{{"piece", polygon.pieceIndex()},
                  {"size", polygon.sizeIndex()},
                  {"contours", contours},
                  {"grainLine", OutlineSerializer::grainLineJson(polygon.grainStart(), polygon.grainEnd())},
                  {"rotation", polygon.rotation()},
                  {"mirroredX", polygon.isMirroredX()},
                  {"mirroredY", polygon.isMirroredY()},
                  {"blocking", polygon.isBlockingPolygon()},
                  {"cutRank", polygon.getPolygonCutRank()}};
    writeBlocking(polygon.blocking(), o);
    // Most polygons are a piece and nothing else: the default says so.
    if (!onlyPieces)
        o.insert("contourOrigins", origins);
    if (polygon.cutDownPartner() >= 0)
        o.insert("cutDownPartner", polygon.cutDownPartner());
    if (const CDbCutDownObject* p = polygon.cutDownPosition())
        o.insert("cutDownPosition", GroupSerializer::positionJson(*p));
    if (polygon.cutDownReturn() != GeoPoint2D())
        o.insert("cutDownReturn", OutlineSerializer::pointJson(polygon.cutDownReturn()));
    if (polygon.angleCutPart() != 0)
        o.insert("angleCutPart", polygon.angleCutPart());
    const QJsonArray segments = OutlineSerializer::internalSegmentsJson(polygon.internalSegments());
    if (!segments.isEmpty())
        o.insert("internalSegments", segments);
    return o;
}

void readCutDown(const JsonNode& n, CDbPolygon& polygon, int version)
{
    polygon.setCutDownPartner(
        static_cast<short>(n["cutDownPartner"].integer(-1, FileValues::kMaxIndexCount, -1)));
    const JsonNode position = n["cutDownPosition"];
    if (position.isPresent())
        polygon.setCutDownPosition(GroupSerializer::readPosition(position, version));
    if (n["cutDownReturn"].isPresent())
        polygon.setCutDownReturn(OutlineSerializer::readPoint(n["cutDownReturn"], version));
}

// Partners name each other within the group, and the first of each pair carries the union
// the knife cuts.
void checkPairs(const JsonNode& polygons, const CDbGrPolysObject& group)
{
    for (int p = 0; p < group.polygonCount(); ++p) {
        const short q = group.polygon(p).cutDownPartner();
        if (q < 0)
            continue;
        const JsonNode partner = polygons.at(p)["cutDownPartner"];
        if (q >= group.polygonCount() || q == p || group.polygon(q).cutDownPartner() != p)
            partner.fail(GroupSerializer::tr("expected the index of another polygon of the group that names "
                                             "this one as its partner"));
        const CDbContourObject& contours = group.polygon(std::min<int>(p, q)).contours();
        if (contours.origin(contours.count() - 1) != CDbContourObject::CutDownUnion)
            partner.fail(GroupSerializer::tr("the first polygon of a cut-down pair must end with a "
                                             "\"cutDownUnion\" contour"));
    }
}

// Version 1 does not name origins: its first contour is the piece, the ones after it were laid
// over it by blocking.
CDbContourObject::Origin readOrigin(const JsonNode& origins, int contour, int version)
{
    if (origins.isPresent())
        return CDbContourObject::Origin(origins.at(contour).choice(kOrigins));
    if (version < 2 && contour > 0)
        return CDbContourObject::Blocking;
    return CDbContourObject::PieceOutline;
}

void readContours(const JsonNode& n, CDbPolygon& polygon, int version)
{
    const JsonNode contours = n["contours"];
    const int count = contours.size(1, INT_MAX, GroupSerializer::tr("contours"));
    const JsonNode origins = n["contourOrigins"];
    if (origins.isPresent() && origins.size() != count)
        origins.fail(GroupSerializer::tr("expected one origin per contour (%1)").arg(count));
    for (int c = 0; c < count; ++c)
        polygon.contours().addContour(OutlineSerializer::readOutline(contours.at(c), version),
                                      readOrigin(origins, c, version));
}

CDbPolygon readPolygon(const JsonNode& n, const CDbFabricObject& fabric, int version)
{
    GroupSerializer::kPolygonKeys.check(n, version);
    CDbPolygon polygon;
    polygon.setBlocking(n["blocking"].boolean(false));
    // A blocking polygon may stand for no piece at all.
    if (polygon.isBlockingPolygon() && n["piece"].integer(-1, FileValues::kMaxIndexCount) == -1) {
        polygon.setPieceIndex(-1);
        polygon.setSizeIndex(static_cast<short>(n["size"].integer(0, 0, 0)));
    } else {
        polygon.setPieceIndex(
            FileValues::index(n["piece"], fabric.pieceCount(), GroupSerializer::tr("pieces")));
        const CDbPieceObject* piece = fabric.piece(polygon.pieceIndex());
        polygon.setSizeIndex(n["size"].isPresent() ? FileValues::index(n["size"], piece->getNumberOfSizes(),
                                                                       GroupSerializer::tr("sizes"))
                                                   : 0);
    }
    readContours(n, polygon, version);
    const auto grain = OutlineSerializer::readGrainLine(n["grainLine"], version);
    polygon.setGrainLine(grain.first, grain.second);
    polygon.setOrientation(n["rotation"].angle(0.0), n["mirroredX"].boolean(false),
                           n["mirroredY"].boolean(false));
    polygon.setPolygonCutRank(static_cast<short>(n["cutRank"].integer(0, FileValues::kMaxIndexCount, 0)));
    readBlocking(n, polygon);
    readCutDown(n, polygon, version);
    polygon.setAngleCutPart(static_cast<short>(n["angleCutPart"].integer(0, 2, 0)));
    for (const CDbInternalSegment& segment :
         OutlineSerializer::readInternalSegments(n["internalSegments"], version))
        polygon.addInternalSegment(segment);
    return polygon;
}

} // namespace

const FileKeys GroupSerializer::kGroupKeys = {
    {"type", 1},           {"section", 1},          {"polygons", 1},
    {"blockingFusion", 2}, {"blockingEditable", 2}, {"blockingEditedByHand", 2}};
const FileKeys GroupSerializer::kPolygonKeys = {{"piece", 1},
                                                {"size", 1},
                                                {"contours", 1},
                                                {"grainLine", 1},
                                                {"rotation", 1},
                                                {"mirroredX", 1},
                                                {"mirroredY", 1},
                                                {"blocking", 1},
                                                {"cutRank", 1},
                                                {"contourOrigins", 2},
                                                {"blockingKind", 2},
                                                {"blockingStatus", 2},
                                                {"blockingEditedByHand", 2},
                                                {"fusionState", 2},
                                                {"blockingEdge", 2},
                                                {"cutDownPartner", 2},
                                                {"cutDownPosition", 2},
                                                {"cutDownReturn", 2},
                                                {"angleCutPart", 2},
                                                {"internalSegments", 2}};
const FileKeys GroupSerializer::kCutDownPositionKeys = {
    {"verticalAxis", 2}, {"offsetX", 2}, {"horizontalAxis", 2}, {"offsetY", 2}};

QJsonObject GroupSerializer::positionJson(const CDbCutDownObject& p)
{
    return QJsonObject{{"verticalAxis", kVerticalAxes.value(p.verticalAxis)},
                       {"offsetX", p.offsetX},
                       {"horizontalAxis", kHorizontalAxes.value(p.horizontalAxis)},
                       {"offsetY", p.offsetY}};
}

CDbCutDownObject GroupSerializer::readPosition(const JsonNode& n, int version)
{
    kCutDownPositionKeys.check(n, version);
    return CDbCutDownObject(static_cast<short>(n["verticalAxis"].choice(kVerticalAxes)),
                            FileValues::coordinate(n["offsetX"]),
                            static_cast<short>(n["horizontalAxis"].choice(kHorizontalAxes)),
                            FileValues::coordinate(n["offsetY"]));
}

QJsonObject GroupSerializer::write(const CDbGrPolysObject& group)
{
    QJsonArray polygons;
    for (const CDbPolygon& p : group.polygons())
        polygons.append(polygonJson(p));
    QJsonObject o{{"type", "group"},
                  {"section", FileValues::nameOf(group.section(), FileValues::kSections)},
                  {"polygons", polygons}};
    if (group.blockingFusion())
        o.insert("blockingFusion", group.blockingFusionIndex());
    if (group.contourEditFlag())
        o.insert("blockingEditable", true);
    if (group.manualEditMark())
        o.insert("blockingEditedByHand", true);
    return o;
}

std::unique_ptr<CDbGrPolysObject> GroupSerializer::read(const JsonNode& n, const CDbFabricObject& fabric,
                                                        int version)
{
    kGroupKeys.check(n, version);
    auto group = std::make_unique<CDbGrPolysObject>();
    // The fabric's pieces may be edited after this file was written.
    group->setNeedsIdCheck(true);
    group->setSection(static_cast<short>(
        FileValues::readName(n["section"], FileValues::kSections, CDbGrPolysObject::SectionStandby)));
    const JsonNode polygons = n["polygons"];
    for (int p = 0, count = polygons.size(1, INT_MAX, tr("polygons")); p < count; ++p)
        group->addPolygon(readPolygon(polygons.at(p), fabric, version));
    if (n["blockingFusion"].isPresent()) {
        const JsonNode fusion = n["blockingFusion"];
        const int index = FileValues::index(fusion, group->polygonCount(), tr("polygons"));
        if (group->polygon(index).blockingKind() != CDbBlockingObject::Fusion)
            fusion.fail(tr("polygon %1 is not a fusion").arg(index));
        group->setBlockingFusionIndex(index);
    }
    group->setContourEditFlag(n["blockingEditable"].boolean(false));
    group->setManualEditMark(n["blockingEditedByHand"].boolean(false));
    checkPairs(polygons, *group);
    return group;
}

} // namespace VelSystem
