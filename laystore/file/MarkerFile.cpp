#include "laystore/file/MarkerFile.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbLineObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTextObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/JsonNode.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QUndoStack>
#include <algorithm>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace VelSystem {

namespace {

// The names the file gives to the model's codes; reading and writing share them.
// Lists are indexed by the code (sections from 1).
const QStringList kPointTypes = {"normal", "corner", "notch", "curve"};
const QStringList kNotchStates = {"none", "cut", "converted"};
const QStringList kSections = {"fabric", "standby"};
const QStringList kObjectTypes = {"group", "text", "line"};
using FlagNames = std::vector<std::pair<int, QString>>;
const FlagNames kFeatures = {
    {PointFeature::MatchPoint, "matchPoint"},         {PointFeature::LinkVector, "linkEnd"},
    {PointFeature::StartPoint, "startPoint"},         {PointFeature::LiftPlunge, "liftPlunge"},
    {PointFeature::SymmetricalCut, "symmetricalCut"}, {PointFeature::InternalStart, "internalStart"}};
const FlagNames kLocks = {{CDbMarkerDrawing::LockPlacement, "placement"},
                          {CDbMarkerDrawing::LockCutting, "cutting"},
                          {CDbMarkerDrawing::LockMatching, "matching"}};
// Lines line up by one of these; a text keeps only its horizontal alignment in a file.
const FlagNames kAlignments = {
    {Qt::AlignLeft, "left"}, {Qt::AlignHCenter, "center"}, {Qt::AlignRight, "right"}};

// The identification texts of a piece, by key.
struct InfoField
{
    const char* key;
    QString (PieceInfo::*get)() const;
    void (PieceInfo::*set)(const QString&);
};
const InfoField kInfoFields[] = {{"patternNo", &PieceInfo::patternNo, &PieceInfo::setPatternNo},
                                 {"name", &PieceInfo::name, &PieceInfo::setName},
                                 {"description", &PieceInfo::description, &PieceInfo::setDescription},
                                 {"pieceCode", &PieceInfo::pieceCode, &PieceInfo::setPieceCode},
                                 {"referenceCode", &PieceInfo::referenceCode, &PieceInfo::setReferenceCode},
                                 {"markerId", &PieceInfo::markerId, &PieceInfo::setMarkerId},
                                 {"fabricId", &PieceInfo::fabricId, &PieceInfo::setFabricId}};

constexpr int kMaxIndexCount = std::numeric_limits<short>::max();

// ---- writing

QJsonArray flagsJson(int flags, const FlagNames& names)
{
    QJsonArray a;
    for (const auto& f : names) {
        if (flags & f.first)
            a.append(f.second);
    }
    return a;
}

// The name of `value`, which is one of `names`.
QString nameOf(int value, const FlagNames& names)
{
    const auto named =
        std::find_if(names.begin(), names.end(), [value](const auto& f) { return f.first == value; });
    return named == names.end() ? QString() : named->second;
}

QJsonObject pointJson(const GeoPoint2D& p)
{
    return {{"x", p.x}, {"y", p.y}};
}

QJsonObject markerPointJson(const CDbMarkerPointObject& p)
{
    QJsonObject o = pointJson(p);
    if (p.type() != CDbMarkerPointObject::Normal)
        o.insert("type", kPointTypes.value(p.type()));
    if (p.notchState() != CDbMarkerPointObject::NotchNone)
        o.insert("notch", kNotchStates.value(p.notchState()));
    if (p.features() != 0)
        o.insert("features", flagsJson(p.features(), kFeatures));
    return o;
}

QJsonArray outlineJson(const CDbVectorsObjectTable& outline)
{
    QJsonArray a;
    for (const CDbMarkerPointObject& p : outline.points())
        a.append(markerPointJson(p));
    return a;
}

QJsonObject grainLineJson(const GeoPoint2D& start, const GeoPoint2D& end)
{
    return {{"start", pointJson(start)}, {"end", pointJson(end)}};
}

QJsonObject pieceJson(const CDbPieceObject& piece)
{
    QJsonObject info;
    for (const InfoField& field : kInfoFields)
        info.insert(field.key, (piece.info().*field.get)());
    QJsonArray rotations;
    for (double r : piece.allowedRotations())
        rotations.append(r);
    QJsonArray sizes;
    for (short s = 0; s < piece.getNumberOfSizes(); ++s) {
        const CDbPieceSizeObject* size = piece.getPieceSize(s);
        sizes.append(QJsonObject{{"name", size->name()},
                                 {"outline", outlineJson(size->outline())},
                                 {"grainLine", grainLineJson(size->grainStart(), size->grainEnd())}});
    }
    return {{"info", info},
            {"quantity", piece.getVELPieceQuantity()},
            {"single", piece.getVELPieceSingle()},
            {"rotations", rotations},
            {"sizes", sizes}};
}

QJsonObject polygonJson(const CDbPolygon& polygon)
{
    QJsonArray contours;
    for (int c = 0; c < polygon.contours().count(); ++c)
        contours.append(outlineJson(polygon.contours().contour(c)));
    return {{"piece", polygon.pieceIndex()},
            {"size", polygon.sizeIndex()},
            {"contours", contours},
            {"grainLine", grainLineJson(polygon.grainStart(), polygon.grainEnd())},
            {"rotation", polygon.rotation()},
            {"mirroredX", polygon.isMirroredX()},
            {"mirroredY", polygon.isMirroredY()},
            {"blocking", polygon.isBlocking()},
            {"cutRank", polygon.getPolygonCutRank()}};
}

// An object of a kind the format does not know is written with an unknown type, which the
// check before saving refuses.
QJsonObject objectJson(const CDbAbstractObject& object)
{
    if (auto group = qobject_cast<const CDbGrPolysObject*>(&object)) {
        QJsonArray polygons;
        for (const CDbPolygon& p : group->polygons())
            polygons.append(polygonJson(p));
        return {
            {"type", "group"}, {"section", kSections.value(group->section() - 1)}, {"polygons", polygons}};
    }
    if (auto text = qobject_cast<const CDbTextObject*>(&object)) {
        return {{"type", "text"},
                {"lines", QJsonArray::fromStringList(text->getLines())},
                {"letterSize", text->letterSize()},
                {"alignment", nameOf(int(text->horizontalAlignment()), kAlignments)},
                {"angle", text->angle()},
                {"section", kSections.value(text->workSection() - 1)},
                {"centre", pointJson(text->center())}};
    }
    if (auto line = qobject_cast<const CDbLineObject*>(&object))
        return {{"type", "line"},
                {"start", pointJson(line->start())},
                {"end", pointJson(line->end())},
                {"text", line->getText()}};
    return {{"type", QStringLiteral("kind %1").arg(object.kind())}};
}

QJsonObject fabricJson(const CDbFabricObject& fabric)
{
    QJsonArray pieces;
    for (short p = 0; p < fabric.pieceCount(); ++p)
        pieces.append(pieceJson(*fabric.piece(p)));
    QJsonArray layers;
    for (short l = 0; fabric.layers() && l < fabric.layers()->size(); ++l) {
        const CDbFabricLayerObject& layer = (*fabric.layers())[l];
        QJsonArray objects;
        for (const CDbAbstractObject* object : layer.objects()) {
            // Drag previews stand for objects that are saved in their own right.
            if (!object->isDragged())
                objects.append(objectJson(*object));
        }
        layers.append(QJsonObject{{"width", layer.width()}, {"objects", objects}});
    }
    QJsonObject o{{"name", fabric.name()}, {"pieces", pieces}, {"layers", layers}};
    if (fabric.colour().isValid())
        o.insert("colour",
                 fabric.colour().name(fabric.colour().alpha() == 255 ? QColor::HexRgb : QColor::HexArgb));
    return o;
}

// ---- reading

double coordinate(const JsonNode& n)
{
    return n.number(-MarkerFile::kCoordinateLimit, MarkerFile::kCoordinateLimit);
}

double length(const JsonNode& n)
{
    return n.positive(MarkerFile::kCoordinateLimit);
}

QStringList namesOf(const FlagNames& names)
{
    QStringList all;
    for (const auto& f : names)
        all << f.second;
    return all;
}

int readFlags(const JsonNode& n, const FlagNames& names)
{
    const QStringList all = namesOf(names);
    int flags = 0;
    for (int i = 0, count = n.size(); i < count; ++i)
        flags |= names[static_cast<size_t>(n.at(i).choice(all))].first;
    return flags;
}

GeoPoint2D readPoint(const JsonNode& n)
{
    n.checkKeys({"x", "y"});
    return {coordinate(n["x"]), coordinate(n["y"])};
}

CDbMarkerPointObject readMarkerPoint(const JsonNode& n)
{
    n.checkKeys({"x", "y", "type", "notch", "features"});
    CDbMarkerPointObject p(coordinate(n["x"]), coordinate(n["y"]),
                           CDbMarkerPointObject::PointType(n["type"].choice(kPointTypes, 0)));
    p.setNotchState(CDbMarkerPointObject::NotchState(n["notch"].choice(kNotchStates, 0)));
    if (n["features"].isPresent())
        p.setFeatures(readFlags(n["features"], kFeatures));
    return p;
}

CDbVectorsObjectTable readOutline(const JsonNode& n)
{
    CDbVectorsObjectTable outline;
    for (int i = 0, count = n.size(3, INT_MAX, MarkerFile::tr("points")); i < count; ++i)
        outline.append(readMarkerPoint(n.at(i)));
    return outline;
}

// An absent grain line leaves both ends at the origin: no grain line.
std::pair<GeoPoint2D, GeoPoint2D> readGrainLine(const JsonNode& n)
{
    if (!n.isPresent())
        return {};
    n.checkKeys({"start", "end"});
    return {readPoint(n["start"]), readPoint(n["end"])};
}

PieceInfo readInfo(const JsonNode& n)
{
    PieceInfo info;
    if (!n.isPresent())
        return info;
    std::vector<const char*> keys;
    for (const InfoField& field : kInfoFields)
        keys.push_back(field.key);
    n.checkKeys(keys);
    for (const InfoField& field : kInfoFields)
        (info.*field.set)(n[field.key].string(QString()));
    return info;
}

CDbPieceObject readPiece(const JsonNode& n)
{
    n.checkKeys({"info", "quantity", "single", "rotations", "sizes"});
    CDbPieceObject piece;
    piece.info() = readInfo(n["info"]);
    piece.setVELPieceQuantity(static_cast<short>(n["quantity"].integer(1, kMaxIndexCount, 1)));
    piece.setVELPieceSingle(n["single"].boolean(true));
    if (n["rotations"].isPresent()) {
        const JsonNode r = n["rotations"];
        std::vector<double> rotations;
        for (int i = 0, count = r.size(); i < count; ++i)
            rotations.push_back(r.at(i).angle());
        piece.setAllowedRotations(rotations);
    }
    const JsonNode sizes = n["sizes"];
    for (int s = 0, count = sizes.size(1, kMaxIndexCount, MarkerFile::tr("sizes")); s < count; ++s) {
        const JsonNode sn = sizes.at(s);
        sn.checkKeys({"name", "outline", "grainLine"});
        CDbPieceSizeObject size;
        size.setName(sn["name"].string(QString()));
        size.setOutline(readOutline(sn["outline"]));
        const auto grain = readGrainLine(sn["grainLine"]);
        size.setGrainLine(grain.first, grain.second);
        piece.addSize(size);
    }
    return piece;
}

// The index of an element of a list of `count` things named by `what`.
short readIndex(const JsonNode& n, int count, const QString& what)
{
    if (count == 0)
        n.fail(MarkerFile::tr("there are no %1 to refer to").arg(what));
    return static_cast<short>(n.integer(0, count - 1));
}

CDbPolygon readPolygon(const JsonNode& n, const CDbFabricObject& fabric)
{
    n.checkKeys({"piece", "size", "contours", "grainLine", "rotation", "mirroredX", "mirroredY", "blocking",
                 "cutRank"});
    CDbPolygon polygon;
    polygon.setBlocking(n["blocking"].boolean(false));
    // A blocking polygon may stand for no piece at all.
    if (polygon.isBlocking() && n["piece"].integer(-1, kMaxIndexCount) == -1) {
        polygon.setPieceIndex(-1);
        polygon.setSizeIndex(static_cast<short>(n["size"].integer(0, 0, 0)));
    } else {
        polygon.setPieceIndex(readIndex(n["piece"], fabric.pieceCount(), MarkerFile::tr("pieces")));
        const CDbPieceObject* piece = fabric.piece(polygon.pieceIndex());
        polygon.setSizeIndex(n["size"].isPresent()
                                 ? readIndex(n["size"], piece->getNumberOfSizes(), MarkerFile::tr("sizes"))
                                 : 0);
    }
    const JsonNode contours = n["contours"];
    for (int c = 0, count = contours.size(1, INT_MAX, MarkerFile::tr("contours")); c < count; ++c)
        polygon.contours().addContour(readOutline(contours.at(c)));
    const auto grain = readGrainLine(n["grainLine"]);
    polygon.setGrainLine(grain.first, grain.second);
    polygon.setOrientation(n["rotation"].angle(0.0), n["mirroredX"].boolean(false),
                           n["mirroredY"].boolean(false));
    polygon.setPolygonCutRank(static_cast<short>(n["cutRank"].integer(0, kMaxIndexCount, 0)));
    return polygon;
}

std::unique_ptr<CDbAbstractObject> readGroup(const JsonNode& n, const CDbFabricObject& fabric)
{
    n.checkKeys({"type", "section", "polygons"});
    auto group = std::make_unique<CDbGrPolysObject>();
    // The fabric's pieces may be edited after this file was written.
    group->setNeedsIdCheck(true);
    group->setSection(
        static_cast<short>(n["section"].choice(kSections, CDbGrPolysObject::SectionStandby - 1) + 1));
    const JsonNode polygons = n["polygons"];
    for (int p = 0, count = polygons.size(1, INT_MAX, MarkerFile::tr("polygons")); p < count; ++p)
        group->addPolygon(readPolygon(polygons.at(p), fabric));
    return group;
}

std::unique_ptr<CDbAbstractObject> readText(const JsonNode& n)
{
    n.checkKeys({"type", "lines", "letterSize", "alignment", "angle", "section", "centre"});
    auto text = std::make_unique<CDbTextObject>();
    const JsonNode linesNode = n["lines"];
    QStringList lines;
    for (int i = 0, count = linesNode.size(1, INT_MAX, MarkerFile::tr("lines")); i < count; ++i)
        lines << linesNode.at(i).string();
    text->setLines(lines);
    text->setLetterSize(static_cast<short>(
        n["letterSize"].integer(1, std::numeric_limits<short>::max(), CDbTextObject::kDefaultLetterSize)));
    if (n["alignment"].isPresent())
        text->setAlignment(
            kAlignments[static_cast<size_t>(n["alignment"].choice(namesOf(kAlignments)))].first);
    // A text may turn a full turn either way, as its dialog lets it.
    const JsonNode angle = n["angle"];
    if (angle.isPresent())
        text->setAngle(angle.number(-CDbTextObject::kAngleLimit, CDbTextObject::kAngleLimit));
    text->setWorkSection(static_cast<short>(n["section"].choice(kSections, 0) + 1));
    text->setCenter(readPoint(n["centre"]));
    return text;
}

std::unique_ptr<CDbAbstractObject> readLine(const JsonNode& n)
{
    n.checkKeys({"type", "start", "end", "text"});
    auto line = std::make_unique<CDbLineObject>();
    line->setPoints(readPoint(n["start"]), readPoint(n["end"]));
    line->setText(n["text"].string(QString()));
    return line;
}

std::unique_ptr<CDbAbstractObject> readObject(const JsonNode& n, const CDbFabricObject& fabric)
{
    switch (n["type"].choice(kObjectTypes)) {
    case 0:
        return readGroup(n, fabric);
    case 1:
        return readText(n);
    default:
        return readLine(n);
    }
}

void readFabric(const JsonNode& n, DocumentMak& document)
{
    n.checkKeys({"name", "colour", "pieces", "layers"});
    CDbFabricObject& fabric = document.drawing()->addFabric();
    fabric.setName(n["name"].string(QString()));
    if (n["colour"].isPresent()) {
        const QColor colour(n["colour"].string());
        if (!colour.isValid())
            n["colour"].fail(MarkerFile::tr("expected a colour such as \"#3b5b92\""));
        fabric.setColour(colour);
    }
    if (n["pieces"].isPresent()) {
        const JsonNode pieces = n["pieces"];
        for (int p = 0, count = pieces.size(0, kMaxIndexCount, MarkerFile::tr("pieces")); p < count; ++p)
            fabric.addPiece(readPiece(pieces.at(p)));
    }
    const JsonNode layers = n["layers"];
    for (int l = 0, count = layers.size(1, kMaxIndexCount, MarkerFile::tr("layers")); l < count; ++l) {
        const JsonNode ln = layers.at(l);
        ln.checkKeys({"width", "objects"});
        fabric.addLayer(length(ln["width"]));
        if (!ln["objects"].isPresent())
            continue;
        const JsonNode objects = ln["objects"];
        for (int o = 0, oCount = objects.size(); o < oCount; ++o) {
            const JsonNode on = objects.at(o);
            std::unique_ptr<CDbAbstractObject> object = readObject(on, fabric);
            const auto* group = qobject_cast<const CDbGrPolysObject*>(object.get());
            const short section = group ? group->section() : 0;
            document.addPiece(object.get(), &fabric, static_cast<short>(l));
            object.release();
            // The document puts a group in the section where it lies; a file saying otherwise
            // is mistaken about the coordinates or the section.
            if (group && group->section() != section)
                on["section"].fail(MarkerFile::tr("the group lies in the %1 area")
                                       .arg(kSections.value(group->section() - 1)));
        }
    }
}

void readDocument(const JsonNode& root, DocumentMak& document)
{
    // Format and version first: a later version's new keys are no reason to blame a key.
    if (root["format"].string() != QLatin1String("marker"))
        root["format"].fail(MarkerFile::tr("expected \"marker\""));
    const JsonNode version = root["version"];
    if (version.integer(1, std::numeric_limits<int>::max()) > MarkerFile::kFormatVersion)
        version.fail(MarkerFile::tr("version %1 is not supported; this program reads version %2")
                         .arg(version.value().toInt())
                         .arg(MarkerFile::kFormatVersion));
    root.checkKeys({"format", "version", "units", "name", "current", "locks", "fabrics"});
    if (root["units"].isPresent() && root["units"].string() != QLatin1String("cm"))
        root["units"].fail(MarkerFile::tr("expected \"cm\""));

    CDbMarkerDrawing& drawing = *document.drawing();
    drawing.setName(root["name"].string(QString()));
    if (root["locks"].isPresent())
        drawing.setLockFlags(readFlags(root["locks"], kLocks));
    const JsonNode fabrics = root["fabrics"];
    for (int f = 0, count = fabrics.size(0, kMaxIndexCount, MarkerFile::tr("fabrics")); f < count; ++f)
        readFabric(fabrics.at(f), document);

    const JsonNode current = root["current"];
    if (current.isPresent()) {
        current.checkKeys({"fabric", "layer"});
        const short f = readIndex(current["fabric"], drawing.fabricCount(), MarkerFile::tr("fabrics"));
        const short l =
            readIndex(current["layer"], drawing.fabric(f)->layers()->size(), MarkerFile::tr("layers"));
        drawing.setCurrentFabricAndLayer(f, l);
    }
}

} // namespace

boost::shared_ptr<DocumentMak> MarkerFile::load(const QString& path, QString* error)
{
    QByteArray bytes;
    if (!JsonNode::readFile(path, &bytes, error))
        return {};
    boost::shared_ptr<DocumentMak> document = fromJson(bytes, QFileInfo(path).fileName(), error);
    if (document)
        document->setFileName(path);
    return document;
}

boost::shared_ptr<DocumentMak> MarkerFile::fromJson(const QByteArray& bytes, const QString& name,
                                                    QString* error)
{
    auto document = boost::shared_ptr<DocumentMak>(new DocumentMak);
    if (!JsonNode::read(bytes, name, error, [&](const JsonNode& root) { readDocument(root, *document); }))
        return {};
    document->undoStack()->clear();
    document->setClean();
    return document;
}

bool MarkerFile::save(const DocumentMak& document, const QString& path, QString* error)
{
    const QString name = QFileInfo(path).fileName();
    const QByteArray bytes = toJson(document);
    // Never write a file that would not load again.
    QString problem;
    if (!fromJson(bytes, name, &problem)) {
        *error = tr("%1 was not saved: the marker cannot be written as it is (%2)").arg(name, problem);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = tr("%1 was not saved: %2").arg(name, file.errorString());
        return false;
    }
    return true;
}

QByteArray MarkerFile::toJson(const DocumentMak& document)
{
    const CDbMarkerDrawing& drawing = *document.drawing();
    QJsonArray fabrics;
    for (short f = 0; f < drawing.fabricCount(); ++f)
        fabrics.append(fabricJson(*drawing.fabric(f)));
    QJsonObject root{{"format", "marker"},
                     {"version", kFormatVersion},
                     {"units", "cm"},
                     {"name", drawing.name()},
                     {"locks", flagsJson(drawing.lockFlags(), kLocks)},
                     {"fabrics", fabrics}};
    if (drawing.fabricCount() > 0)
        root.insert("current",
                    QJsonObject{{"fabric", drawing.currentFabricIndex()}, {"layer", drawing.currentLayer()}});
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace VelSystem
