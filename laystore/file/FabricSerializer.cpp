#include "laystore/file/FabricSerializer.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbLineObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbPunchHoleObject.h"
#include "laystore/CDbTextObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/AnnotationSerializer.h"
#include "laystore/file/FileKeys.h"
#include "laystore/file/FileValues.h"
#include "laystore/file/GroupSerializer.h"
#include "laystore/file/JsonNode.h"
#include "laystore/file/MarkerFile.h"
#include "laystore/file/PieceSerializer.h"

#include <QJsonArray>
#include <algorithm>

namespace VelSystem {

namespace {

const QStringList kObjectTypes = {"group", "text", "line", "punchHole"};

// The fabric edge blockings keep to while edited (CDbFabricObject::edgeMode).
const FileValues::Names kBlockEdges = {{1, "bottom"}, {2, "top"}, {3, "alongBlock"}};

// An object of a kind the format does not know is written with an unknown type, which the
// check before saving refuses.
QJsonObject objectJson(const CDbAbstractObject& object)
{
    if (auto group = qobject_cast<const CDbGrPolysObject*>(&object))
        return GroupSerializer::write(*group);
    if (auto text = qobject_cast<const CDbTextObject*>(&object))
        return AnnotationSerializer::write(*text);
    if (auto line = qobject_cast<const CDbLineObject*>(&object))
        return AnnotationSerializer::write(*line);
    if (auto hole = qobject_cast<const CDbPunchHoleObject*>(&object))
        return AnnotationSerializer::write(*hole);
    return {{"type", QStringLiteral("kind %1").arg(object.kind())}};
}

std::unique_ptr<CDbAbstractObject> readObject(const JsonNode& n, const CDbFabricObject& fabric, int version)
{
    switch (n["type"].choice(kObjectTypes)) {
    case 0:
        return GroupSerializer::read(n, fabric, version);
    case 1:
        return AnnotationSerializer::readText(n, version);
    case 2:
        return AnnotationSerializer::readLine(n, version);
    default:
        return AnnotationSerializer::readPunchHole(n, version);
    }
}

void readLayer(const JsonNode& n, DocumentMak& document, CDbFabricObject& fabric, short layer, int version)
{
    FabricSerializer::kLayerKeys.check(n, version);
    fabric.addLayer(FileValues::length(n["width"]));
    if (!n["objects"].isPresent())
        return;
    const JsonNode objects = n["objects"];
    for (int o = 0, count = objects.size(); o < count; ++o) {
        const JsonNode on = objects.at(o);
        std::unique_ptr<CDbAbstractObject> object = readObject(on, fabric, version);
        const auto* group = qobject_cast<const CDbGrPolysObject*>(object.get());
        const short section = group ? group->section() : 0;
        document.addPiece(object.get(), &fabric, layer);
        object.release();
        // The document puts a group in the section where it lies; a file saying otherwise
        // is mistaken about the coordinates or the section.
        if (group && group->section() != section)
            on["section"].fail(FabricSerializer::tr("the group lies in the %1 area")
                                   .arg(FileValues::nameOf(group->section(), FileValues::kSections)));
    }
}

// A fabric without plaid or stripe has no repeat (0) in either direction.
void readPlaid(const JsonNode& n, CDbFabricObject& fabric, int version)
{
    if (!n.isPresent())
        return;
    FabricSerializer::kPlaidKeys.check(n, version);
    const auto repeat = [](const JsonNode& r) {
        return r.isPresent() ? r.number(0.0, MarkerFile::kCoordinateLimit) : 0.0;
    };
    fabric.setPlaidRepeat(repeat(n["repeatX"]), repeat(n["repeatY"]));
    fabric.setPlaidOffset(FileValues::coordinate(n["offsetX"], 0.0),
                          FileValues::coordinate(n["offsetY"], 0.0));
}

// The size plan is written only where it says more than the groups: stored columns, pairs.
void writeSizePlan(const CDbSizePlan& plan, QJsonObject& o)
{
    QJsonArray columns;
    for (const CDbDisplaySizeObject& column : plan.storedColumns()) {
        QJsonObject c{{"size", column.sizeId}, {"quantity", column.quantity}};
        if (column.displaySizeIsInCutDown()) {
            c.insert("partner", column.partnerIndex);
            c.insert("cutDownPosition", GroupSerializer::positionJson(column.position));
        }
        columns.append(c);
    }
    if (!columns.isEmpty())
        o.insert("sizeColumns", columns);
    QJsonArray pairs;
    for (const CDbSizePlan::PiecePair& pair : plan.piecePairs())
        pairs.append(QJsonObject{{"first", pair.first},
                                 {"second", pair.second},
                                 {"cutDownPosition", GroupSerializer::positionJson(pair.position)}});
    if (!pairs.isEmpty())
        o.insert("chartCutDowns", pairs);
}

std::vector<CDbDisplaySizeObject> readSizeColumns(const JsonNode& n, const CDbFabricObject& fabric,
                                                  int version)
{
    const short sizes = fabric.sizeCount();
    std::vector<CDbDisplaySizeObject> columns(
        size_t(n.size(0, FileValues::kMaxIndexCount, FabricSerializer::tr("columns"))));
    for (int c = 0; c < int(columns.size()); ++c) {
        const JsonNode cn = n.at(c);
        FabricSerializer::kSizeColumnKeys.check(cn, version);
        CDbDisplaySizeObject& column = columns[size_t(c)];
        column.columnIndex = short(c);
        column.sizeId = short(cn["size"].integer(0, sizes - 1));
        column.quantity = short(cn["quantity"].integer(0, FileValues::kMaxIndexCount));
        column.partnerIndex = short(cn["partner"].integer(0, int(columns.size()) - 1, -1));
        if (cn["cutDownPosition"].isPresent())
            column.position = GroupSerializer::readPosition(cn["cutDownPosition"], version);
    }
    for (int c = 0; c < int(columns.size()); ++c) {
        const CDbDisplaySizeObject& column = columns[size_t(c)];
        if (!column.displaySizeIsInCutDown())
            continue;
        const CDbDisplaySizeObject& partner = columns[size_t(column.partnerIndex)];
        if (partner.partnerIndex != c || partner.sizeId != column.sizeId ||
            partner.position != column.position)
            n.at(c)["partner"].fail(FabricSerializer::tr("the partner column is not of this size, at this "
                                                         "position and naming this column back"));
    }
    return columns;
}

std::vector<CDbSizePlan::PiecePair> readChartPairs(const JsonNode& n, const CDbFabricObject& fabric,
                                                   int version)
{
    std::vector<CDbSizePlan::PiecePair> pairs;
    const auto paired = [&pairs](short piece) {
        return std::any_of(pairs.begin(), pairs.end(), [piece](const CDbSizePlan::PiecePair& p) {
            return p.first == piece || p.second == piece;
        });
    };
    for (int i = 0, count = n.size(0, FileValues::kMaxIndexCount, FabricSerializer::tr("pairs")); i < count;
         ++i) {
        const JsonNode pn = n.at(i);
        FabricSerializer::kChartCutDownKeys.check(pn, version);
        CDbSizePlan::PiecePair pair;
        pair.first = short(pn["first"].integer(0, fabric.pieceCount() - 1));
        pair.second = short(pn["second"].integer(0, fabric.pieceCount() - 1));
        pair.position = GroupSerializer::readPosition(pn["cutDownPosition"], version);
        if (pair.first == pair.second || paired(pair.first) || paired(pair.second))
            pn["second"].fail(FabricSerializer::tr("a piece is cut down with one other piece at most"));
        pairs.push_back(pair);
    }
    return pairs;
}

void readSizePlan(const JsonNode& n, CDbFabricObject& fabric, int version)
{
    CDbSizePlan plan;
    if (n["sizeColumns"].isPresent())
        plan.setColumns(readSizeColumns(n["sizeColumns"], fabric, version));
    if (n["chartCutDowns"].isPresent()) {
        plan.setPiecePairs(readChartPairs(n["chartCutDowns"], fabric, version));
        if (plan.hasSizePair() && !plan.piecePairs().empty())
            n["chartCutDowns"].fail(
                FabricSerializer::tr("pieces and size columns are not both cut down in the chart"));
    }
    fabric.sizePlan() = plan;
}

} // namespace

const FileKeys FabricSerializer::kFabricKeys = {{"name", 1},      {"colour", 1},      {"pieces", 1},
                                                {"layers", 1},    {"plaid", 2},       {"blockMargin", 2},
                                                {"blockEdge", 2}, {"sizeColumns", 2}, {"chartCutDowns", 2}};
const FileKeys FabricSerializer::kSizeColumnKeys = {
    {"size", 2}, {"quantity", 2}, {"partner", 2}, {"cutDownPosition", 2}};
const FileKeys FabricSerializer::kChartCutDownKeys = {{"first", 2}, {"second", 2}, {"cutDownPosition", 2}};
const FileKeys FabricSerializer::kPlaidKeys = {
    {"repeatX", 2}, {"repeatY", 2}, {"offsetX", 2}, {"offsetY", 2}};
const FileKeys FabricSerializer::kLayerKeys = {{"width", 1}, {"objects", 1}};

QJsonObject FabricSerializer::write(const CDbFabricObject& fabric)
{
    QJsonArray pieces;
    for (short p = 0; p < fabric.pieceCount(); ++p)
        pieces.append(PieceSerializer::write(*fabric.piece(p)));
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
    const QJsonObject plaid{{"repeatX", fabric.plaidRepeatX()},
                            {"repeatY", fabric.plaidRepeatY()},
                            {"offsetX", fabric.plaidOffsetX()},
                            {"offsetY", fabric.plaidOffsetY()}};
    QJsonObject o{{"name", fabric.name()},
                  {"pieces", pieces},
                  {"layers", layers},
                  {"plaid", plaid},
                  {"blockMargin", fabric.blockMargin()},
                  {"blockEdge", FileValues::nameOf(fabric.edgeMode(), kBlockEdges)}};
    writeSizePlan(fabric.sizePlan(), o);
    if (fabric.colour().isValid())
        o.insert("colour",
                 fabric.colour().name(fabric.colour().alpha() == 255 ? QColor::HexRgb : QColor::HexArgb));
    return o;
}

void FabricSerializer::read(const JsonNode& n, DocumentMak& document, int version)
{
    kFabricKeys.check(n, version);
    CDbFabricObject& fabric = document.drawing()->addFabric();
    fabric.setName(n["name"].string(QString()));
    if (n["colour"].isPresent()) {
        const QColor colour(n["colour"].string());
        if (!colour.isValid())
            n["colour"].fail(tr("expected a colour such as \"#3b5b92\""));
        fabric.setColour(colour);
    }
    readPlaid(n["plaid"], fabric, version);
    if (n["blockMargin"].isPresent())
        fabric.setBlockMargin(FileValues::length(n["blockMargin"]));
    if (n["blockEdge"].isPresent())
        fabric.setEdgeMode(FileValues::readName(n["blockEdge"], kBlockEdges));
    if (n["pieces"].isPresent()) {
        const JsonNode pieces = n["pieces"];
        for (int p = 0, count = pieces.size(0, FileValues::kMaxIndexCount, tr("pieces")); p < count; ++p)
            fabric.addPiece(PieceSerializer::read(pieces.at(p), version));
    }
    const JsonNode layers = n["layers"];
    for (int l = 0, count = layers.size(1, FileValues::kMaxIndexCount, tr("layers")); l < count; ++l)
        readLayer(layers.at(l), document, fabric, static_cast<short>(l), version);
    readSizePlan(n, fabric, version);
}

} // namespace VelSystem
