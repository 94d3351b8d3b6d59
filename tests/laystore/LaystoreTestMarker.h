#pragma once

// A small marker of real-looking trouser pieces for the Laystore tests: one fabric with two
// layers 150 cm wide, pieces built at a given left-bottom corner.

#include "VelGeo/GeoBoost.h"
#include "geo/GeoTestPrint.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTextObject.h"
#include "laystore/DocumentMak.h"

#include <QUndoStack>
#include <boost/make_shared.hpp>
#include <limits>
#include <memory>
#include <vector>

namespace VelSystem {
namespace LaystoreTest {

constexpr double kLayerWidth = 150.0;

// Outlines in the piece's own coordinates (cm), counter-clockwise.
inline std::vector<GeoPoint2D> frontLeg()
{
    return {{0, 0}, {24, 0}, {26, 30}, {23, 60}, {25, 95}, {12, 100}, {0, 98}, {2, 60}, {-1, 30}};
}
inline std::vector<GeoPoint2D> pocketBag()
{
    return {{0, 0}, {16, 0}, {18, 6}, {16, 20}, {8, 24}, {0, 20}};
}
inline std::vector<GeoPoint2D> waistband()
{
    return {{0, 0}, {42, 0}, {42, 4}, {0, 4}};
}
// A fly facing with a step: its bounding box holds a corner no outline covers.
inline std::vector<GeoPoint2D> flyFacing()
{
    return {{0, 0}, {20, 0}, {20, 6}, {6, 6}, {6, 20}, {0, 20}};
}

// A group of one piece whose bounding rectangle starts at `leftBottom`; the middle of the
// bottom edge is a notch and the grain line runs along the piece.
inline CDbGrPolysObject* makePiece(const std::vector<GeoPoint2D>& shape, const GeoPoint2D& leftBottom,
                                   short pieceIndex = 0)
{
    GeoRectangle r;
    for (const GeoPoint2D& p : shape)
        r.include(p);
    CDbVectorsObjectTable outline;
    for (const GeoPoint2D& p : shape)
        outline.append(CDbMarkerPointObject(p - r.leftBottom() + leftBottom));
    const GeoPoint2D notch = (outline[0] + outline[1]) / 2.0;
    outline.insert(1, CDbMarkerPointObject(notch, CDbMarkerPointObject::Notch));
    CDbPolygon polygon;
    polygon.setPieceIndex(pieceIndex);
    polygon.contours().addContour(outline);
    const GeoPoint2D mid(leftBottom.x + r.width() / 2.0, leftBottom.y);
    polygon.setGrainLine(mid + GeoPoint2D(0, r.height() * 0.2), mid + GeoPoint2D(0, r.height() * 0.8));
    auto* group = new CDbGrPolysObject();
    group->addPolygon(polygon);
    return group;
}

// A marker document with one fabric of two layers; layer 0 is current.
struct Marker
{
    Marker() : document(boost::make_shared<DocumentMak>())
    {
        fabric = &document->drawing()->addFabric();
        fabric->setName(QStringLiteral("Denim"));
        fabric->addLayer(kLayerWidth);
        fabric->addLayer(kLayerWidth);
    }

    CDbGrPolysObject* add(const std::vector<GeoPoint2D>& shape, const GeoPoint2D& leftBottom, short layer = 0)
    {
        CDbGrPolysObject* group = makePiece(shape, leftBottom);
        document->addPiece(group, fabric, layer);
        return group;
    }

    CDbTextObject* addText(const QStringList& lines, const GeoPoint2D& centre, short layer = 0)
    {
        auto* text = new CDbTextObject();
        text->setLines(lines);
        text->setCenter(centre);
        document->addPiece(text, fabric, layer);
        return text;
    }

    boost::shared_ptr<DocumentMak> document;
    CDbFabricObject* fabric = nullptr;
};

// The smallest distance between an outline of `a` and one of `b`.
inline double outlineGap(const CDbGrPolysObject& a, const CDbGrPolysObject& b)
{
    double nearest = std::numeric_limits<double>::infinity();
    for (const CDbPolygon& p : a.polygons()) {
        for (const CDbPolygon& q : b.polygons())
            nearest = std::min(nearest, bg::distance(toBgPolygon(p.cutOutline().toPolygon()),
                                                     toBgPolygon(q.cutOutline().toPolygon())));
    }
    return nearest;
}

// Deep copies of a layer's objects, in drawing order, to compare a later state with.
using Snapshot = std::vector<std::unique_ptr<CDbAbstractObject>>;

inline Snapshot snapshot(const Marker& m, short layer = 0)
{
    Snapshot copies;
    for (const CDbAbstractObject* object : m.document->objects(m.fabric, layer))
        copies.emplace_back(object->clone());
    return copies;
}

// True when the layer holds objects with the snapshot's content, in its order, and the
// document's index finds exactly these objects.
inline bool matches(const Marker& m, const Snapshot& expected, short layer = 0)
{
    const QListEx<CDbAbstractObject*> objects = m.document->objects(m.fabric, layer);
    if (objects.size() != static_cast<int>(expected.size()))
        return false;
    for (int i = 0; i < objects.size(); ++i) {
        if (!objects[i]->sameContent(*expected[static_cast<size_t>(i)]) || !m.document->contains(objects[i]))
            return false;
    }
    const GeoRectangle everywhere(-1e6, -1e6, 1e6, 1e6);
    return m.document->objectsIn(everywhere, m.fabric, layer).size() == objects.size();
}

// True when undoing the last command returns the layer to `before` and redoing it to
// `after`, twice over.
inline bool undoRedoRestores(const Marker& m, const Snapshot& before, const Snapshot& after, short layer = 0)
{
    for (int round = 0; round < 2; ++round) {
        m.document->undoStack()->undo();
        if (!matches(m, before, layer))
            return false;
        m.document->undoStack()->redo();
        if (!matches(m, after, layer))
            return false;
    }
    return true;
}

} // namespace LaystoreTest
} // namespace VelSystem
