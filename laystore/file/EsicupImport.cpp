#include "laystore/file/EsicupImport.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/JsonNode.h"
#include "laystore/file/MarkerFile.h"
#include "laystore/file/ShelfLayout.h"

#include <QFileInfo>
#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace VelSystem {

namespace {

// One distinct piece of the instance, in the piece's own coordinates (min corner at 0).
struct Item
{
    CDbVectorsObjectTable outline;
    GeoPoint2D size;
    int demand = 0;
};

double scaled(const JsonNode& n, double scale)
{
    const double max = std::numeric_limits<double>::max();
    const double v = n.number(-max, max) * scale;
    if (!(std::fabs(v) <= MarkerFile::kCoordinateLimit))
        n.fail(EsicupImport::tr("expected a number within %1 cm of 0 once scaled by %2")
                   .arg(MarkerFile::kCoordinateLimit, 0, 'f', 0)
                   .arg(scale));
    return v;
}

// The outline of `shape` ({"type": "simple_polygon", "data": [[x, y], ...]}) without the
// repeated closing point, scaled and moved so that its min corner is at the origin.
CDbVectorsObjectTable readShape(const JsonNode& shape, double scale)
{
    if (shape["type"].string() != QLatin1String("simple_polygon"))
        shape["type"].fail(EsicupImport::tr("expected \"simple_polygon\""));
    const JsonNode data = shape["data"];
    std::vector<CDbMarkerPointObject> points;
    for (int i = 0, count = data.size(); i < count; ++i) {
        const JsonNode p = data.at(i);
        if (!p.value().isArray() || p.size() != 2 || !p.at(0).value().isDouble() ||
            !p.at(1).value().isDouble())
            p.fail(EsicupImport::tr("expected [x, y]"));
        points.emplace_back(scaled(p.at(0), scale), scaled(p.at(1), scale));
    }
    if (points.size() > 1 && points.front() == points.back())
        points.pop_back();
    if (points.size() < 3)
        data.fail(EsicupImport::tr("expected a polygon of at least 3 points"));
    CDbVectorsObjectTable outline(std::move(points));
    const GeoRectangle box = outline.boundingRect();
    // Each coordinate is within the limit, but moved to the origin a shape may not be.
    if (std::max(box.width(), box.height()) > MarkerFile::kCoordinateLimit)
        data.fail(EsicupImport::tr("the shape is %1 cm across once scaled by %2; a marker holds up to %3 cm")
                      .arg(std::max(box.width(), box.height()), 0, 'f', 0)
                      .arg(scale)
                      .arg(MarkerFile::kCoordinateLimit, 0, 'f', 0));
    outline.translate(-box.leftBottom());
    return outline;
}

CDbPieceObject readPiece(const JsonNode& item, double scale, Item& read)
{
    const int id = item["id"].integer(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    read.demand = item["demand"].integer(0, EsicupImport::kMaxGroups);
    const JsonNode orientations = item["allowed_orientations"];
    std::vector<double> rotations;
    for (int i = 0, count = orientations.size(1, INT_MAX, EsicupImport::tr("orientations")); i < count; ++i) {
        const double r = std::fmod(orientations.at(i).number(-1e9, 1e9), 360.0);
        rotations.push_back(r < 0.0 ? r + 360.0 : r);
    }
    read.outline = readShape(item["shape"], scale);
    const GeoRectangle box = read.outline.boundingRect();
    read.size = GeoPoint2D(box.width(), box.height());

    CDbPieceObject piece;
    piece.info().setName(EsicupImport::tr("Piece %1").arg(id));
    piece.info().setPieceCode(QString::number(id));
    piece.setAllowedRotations(rotations);
    CDbPieceSizeObject size;
    size.setName(QStringLiteral("1"));
    size.setOutline(read.outline);
    piece.addSize(size);
    return piece;
}

void readInstance(const JsonNode& root, double scale, DocumentMak& document)
{
    const QString name = root["name"].string();
    const JsonNode strip = root["strip_height"];
    strip.positive(std::numeric_limits<double>::max());
    const double width = scaled(strip, scale);
    // Waiting pieces sit in rows a hundredth of the width apart, inside the standby area.
    const double gap = width / 100.0;
    const double standbyHeight = width - 2.0 * gap;

    CDbMarkerDrawing& drawing = *document.drawing();
    drawing.setName(name);
    CDbFabricObject& fabric = drawing.addFabric();
    fabric.setName(name);
    fabric.addLayer(width);

    const JsonNode items = root["items"];
    std::vector<Item> read;
    int groups = 0;
    for (int i = 0, count = items.size(1, std::numeric_limits<short>::max(), EsicupImport::tr("items"));
         i < count; ++i) {
        const JsonNode item = items.at(i);
        read.emplace_back();
        fabric.addPiece(readPiece(item, scale, read.back()));
        if (read.back().size.y > standbyHeight)
            item["shape"].fail(
                EsicupImport::tr("the piece is %1 high; the standby area holds pieces up to %2 high")
                    .arg(read.back().size.y)
                    .arg(standbyHeight));
        groups += read.back().demand;
        if (groups > EsicupImport::kMaxGroups)
            item["demand"].fail(EsicupImport::tr("more than %1 pieces in all").arg(EsicupImport::kMaxGroups));
    }

    std::vector<GeoPoint2D> sizes;
    for (const Item& item : read)
        sizes.insert(sizes.end(), static_cast<size_t>(item.demand), item.size);
    std::vector<GeoPoint2D> corners;
    ShelfLayout::arrange(sizes, width + gap, standbyHeight, gap, &corners);
    double reach = 0.0;
    for (size_t i = 0; i < sizes.size(); ++i)
        reach = std::max({reach, corners[i].x + sizes[i].x, corners[i].y + sizes[i].y});
    if (reach > MarkerFile::kCoordinateLimit)
        items.fail(EsicupImport::tr("laid out in the standby area, the pieces reach %1 cm; a marker holds up "
                                    "to %2 cm")
                       .arg(reach, 0, 'f', 0)
                       .arg(MarkerFile::kCoordinateLimit, 0, 'f', 0));

    size_t next = 0;
    for (size_t i = 0; i < read.size(); ++i) {
        for (int copy = 0; copy < read[i].demand; ++copy) {
            CDbPolygon polygon;
            polygon.setPieceIndex(static_cast<short>(i));
            CDbVectorsObjectTable outline = read[i].outline;
            outline.translate(corners[next++]);
            polygon.contours().addContour(outline);
            auto group = std::make_unique<CDbGrPolysObject>();
            group->setSection(CDbGrPolysObject::SectionStandby);
            group->setNeedsIdCheck(true);
            group->addPolygon(polygon);
            document.addPiece(group.get(), &fabric, 0);
            group.release();
        }
    }
}

} // namespace

boost::shared_ptr<DocumentMak> EsicupImport::load(const QString& path, double scale, QString* error)
{
    QByteArray bytes;
    if (!JsonNode::readFile(path, &bytes, error))
        return {};
    return fromJson(bytes, QFileInfo(path).fileName(), scale, error);
}

boost::shared_ptr<DocumentMak> EsicupImport::fromJson(const QByteArray& bytes, const QString& name,
                                                      double scale, QString* error)
{
    if (!(scale > 0.0) || !std::isfinite(scale)) {
        *error = tr("%1: the scale must be a positive number, not %2").arg(name).arg(scale);
        return {};
    }
    auto document = boost::shared_ptr<DocumentMak>(new DocumentMak);
    if (!JsonNode::read(bytes, name, error,
                        [&](const JsonNode& root) { readInstance(root, scale, *document); }))
        return {};
    document->undoStack()->clear();
    document->setClean();
    return document;
}

} // namespace VelSystem
