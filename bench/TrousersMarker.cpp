#include "TrousersMarker.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <boost/make_shared.hpp>
#include <map>

namespace VelSystem {

namespace {

constexpr double kRowLength = 1000.0;
constexpr double kGap = 1.0;
constexpr double kOverlap = 4.0;

} // namespace

const TrousersMarker* TrousersMarker::shared(benchmark::State& state, const QString& instance)
{
    struct Loaded
    {
        TrousersMarker shapes;
        QString error;
        bool ok;
    };
    static std::map<QString, Loaded> instances;
    auto found = instances.find(instance);
    if (found == instances.end()) {
        Loaded loaded;
        loaded.ok = loaded.shapes.load(QStringLiteral(MARKER_DATASETS_DIR "/esicup/%1.json").arg(instance),
                                       &loaded.error);
        found = instances.emplace(instance, std::move(loaded)).first;
    }
    if (!found->second.ok) {
        state.SkipWithError(("skipped: the " + instance.toStdString() + " dataset is not available (" +
                             found->second.error.toStdString() + ")")
                                .c_str());
        return nullptr;
    }
    return &found->second.shapes;
}

std::vector<GeoPolygon2D> TrousersMarker::outlines() const
{
    std::vector<GeoPolygon2D> outlines;
    for (const Shape& shape : mCopies)
        outlines.emplace_back(shape.outline);
    return outlines;
}

bool TrousersMarker::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    const QJsonArray items = QJsonDocument::fromJson(file.readAll()).object().value("items").toArray();
    mCopies.clear();
    for (const QJsonValue& item : items) {
        Shape shape;
        GeoRectangle r;
        for (const QJsonValue& point : item.toObject().value("shape").toObject().value("data").toArray()) {
            const GeoPoint2D p(point.toArray().at(0).toDouble(), point.toArray().at(1).toDouble());
            // The instance closes its outlines by repeating the first point; ours are open.
            if (!shape.outline.empty() && p == shape.outline.front())
                break;
            shape.outline.push_back(p);
            r.include(p);
        }
        if (shape.outline.size() < 3)
            continue;
        for (GeoPoint2D& p : shape.outline)
            p -= r.leftBottom();
        shape.width = r.width();
        shape.height = r.height();
        for (int copy = item.toObject().value("demand").toInt(1); copy > 0; --copy)
            mCopies.push_back(shape);
    }
    if (mCopies.empty()) {
        *error = QStringLiteral("%1: no piece shapes found").arg(path);
        return false;
    }
    return true;
}

boost::shared_ptr<DocumentMak> TrousersMarker::build(int count, int overlapEvery) const
{
    struct Placement
    {
        const Shape* shape;
        GeoPoint2D at;
    };
    std::vector<Placement> placements;
    double x = 0.0, y = 0.0, rowHeight = 0.0;
    for (int i = 0; i < count; ++i) {
        const Shape& shape = mCopies[static_cast<size_t>(i) % mCopies.size()];
        if (x + shape.width > kRowLength) {
            x = 0.0;
            y += rowHeight + kGap;
            rowHeight = 0.0;
        }
        const bool pushed = overlapEvery > 0 && x > 0.0 && i % overlapEvery == 0;
        placements.push_back({&shape, {pushed ? x - kOverlap : x, y}});
        x += shape.width + kGap;
        rowHeight = std::max(rowHeight, shape.height);
    }

    auto document = boost::make_shared<DocumentMak>();
    CDbFabricObject& fabric = document->drawing()->addFabric();
    fabric.addLayer(y + rowHeight);
    for (const Placement& placement : placements) {
        CDbVectorsObjectTable outline;
        for (const GeoPoint2D& p : placement.shape->outline)
            outline.append(CDbMarkerPointObject(p + placement.at));
        CDbPolygon polygon;
        polygon.contours().addContour(outline);
        auto* group = new CDbGrPolysObject();
        group->addPolygon(polygon);
        document->addPiece(group, &fabric, 0);
    }
    return document;
}

} // namespace VelSystem
