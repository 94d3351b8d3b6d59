#pragma once

// A marker file for the host's tests: three pieces laid on the fabric (two pockets
// overlapping) and a waistband waiting in the standby area; and small helpers around it.

#include "laystore/LaystoreTestMarker.h"
#include "laystore/file/MarkerFile.h"

#include <QDir>
#include <QFile>

namespace VelSystem {
namespace HostTest {

// Rightmost x of the laid pieces of the marker below.
constexpr double kMarkerLength = 53.0;

// Adds a pattern piece of one size to the fabric and returns its index.
inline short addPattern(CDbFabricObject& fabric, const QString& name, const std::vector<GeoPoint2D>& shape)
{
    CDbVectorsObjectTable outline;
    for (const GeoPoint2D& p : shape)
        outline.append(CDbMarkerPointObject(p));
    CDbPieceSizeObject size;
    size.setName(QStringLiteral("40"));
    size.setOutline(outline);
    CDbPieceObject piece;
    piece.info().setName(name);
    piece.addSize(size);
    return fabric.addPiece(piece);
}

inline void fillTestMarker(LaystoreTest::Marker& marker)
{
    const auto place = [&marker](const std::vector<GeoPoint2D>& shape, const GeoPoint2D& corner,
                                 short piece) {
        marker.document->addPiece(LaystoreTest::makePiece(shape, corner, piece), marker.fabric, 0);
    };
    const short leg = addPattern(*marker.fabric, QStringLiteral("Front leg"), LaystoreTest::frontLeg());
    const short pocket = addPattern(*marker.fabric, QStringLiteral("Pocket"), LaystoreTest::pocketBag());
    const short band = addPattern(*marker.fabric, QStringLiteral("Waistband"), LaystoreTest::waistband());
    place(LaystoreTest::frontLeg(), {0.0, 0.0}, leg);
    place(LaystoreTest::pocketBag(), {30.0, 0.0}, pocket);
    place(LaystoreTest::pocketBag(), {35.0, 5.0}, pocket);
    place(LaystoreTest::waistband(), {0.0, LaystoreTest::kLayerWidth + 10.0}, band);
}

// Writes the marker to `dir`/`name` and returns its path (empty on failure).
inline QString writeTestMarker(const QDir& dir, const QString& name = QStringLiteral("trousers.mak"))
{
    LaystoreTest::Marker marker;
    fillTestMarker(marker);
    const QString path = dir.filePath(name);
    QString error;
    return MarkerFile::save(*marker.document, path, &error) ? path : QString();
}

// Adds the fly facing at `x` on the current layer through the undo stack, as "Add Fly".
inline void addFly(DocumentMak& marker, double x = 70.0)
{
    marker.pushAddCmdUndo({LaystoreTest::makePiece(LaystoreTest::flyFacing(), {x, 0.0})},
                          marker.drawing()->getCurrentFabric(), 0, QStringLiteral("Add Fly"));
}

// The number of piece groups on the first layer of the marker file at `path` (-1 when unreadable).
inline int savedGroupCount(const QString& path)
{
    QString error;
    const boost::shared_ptr<DocumentMak> saved = MarkerFile::load(path, &error);
    return saved ? saved->groups(saved->drawing()->getCurrentFabric(), 0).size() : -1;
}

// Writes `bytes` to `path`; false when it could not.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace HostTest
} // namespace VelSystem
