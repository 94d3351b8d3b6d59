#include "laystore/LaystoreTestMarker.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "VelGeo/GeoRegion.h"
#include "laystore/ops/CDbAngleCutHelper.h"

#include "TestMain.h"
#include <QUndoStack>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

Q_DECLARE_METATYPE(std::vector<VelSystem::GeoPoint2D>)
Q_DECLARE_METATYPE(VelSystem::GeoPoint2D)

namespace {

short runCut(Marker& m, CDbGrPolysObject* group, const GeoPoint2D& through, double degrees, double seam)
{
    std::unique_ptr<AbstractCmd> command =
        CmdsManager::instance()->createCommand(QStringLiteral("CutWithAngle"));
    GeoPoint2D point = through;
    const short code =
        command->setDocument(m.document, {QVariant::fromValue<void*>(group),
                                          QVariant::fromValue<void*>(&point), seam, 0.0, degrees, 0});
    if (code == 0)
        m.document->undoStack()->push(command.release());
    return code;
}

int notches(const CDbVectorsObjectTable& outline)
{
    return static_cast<int>(std::count_if(outline.points().begin(), outline.points().end(),
                                          [](const CDbMarkerPointObject& p) { return p.isNotch(); }));
}

} // namespace

// Pieces cut in two at an angle: each part continued past the cut by its seam, what lay on
// the outline kept where it lies, refused cuts changing nothing.
class tst_AngleCut : public QObject
{
    Q_OBJECT

private slots:
    void partsAddUpToThePiecePlusTheSeams_data()
    {
        QTest::addColumn<std::vector<GeoPoint2D>>("shape");
        QTest::addColumn<GeoPoint2D>("through");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("seam");
        // The test pieces start at (10, 10); the notch is in the middle of the bottom edge.
        QTest::newRow("leg across the knee") << frontLeg() << GeoPoint2D(20, 60) << 0.0 << 1.0;
        QTest::newRow("leg at an angle through the notch") << frontLeg() << GeoPoint2D(23, 10) << 70.0 << 0.5;
        QTest::newRow("fly facing across its inner corner")
            << flyFacing() << GeoPoint2D(14, 14) << 135.0 << 0.75;
        QTest::newRow("fly facing's foot, no seam") << flyFacing() << GeoPoint2D(20, 12) << 90.0 << 0.0;
    }
    void partsAddUpToThePiecePlusTheSeams()
    {
        QFETCH(std::vector<GeoPoint2D>, shape);
        QFETCH(GeoPoint2D, through);
        QFETCH(double, degrees);
        QFETCH(double, seam);
        Marker m;
        CDbGrPolysObject* piece = m.add(shape, {10, 10});
        const GeoPolygon2D outline = piece->polygon(0).pieceOutline().toPolygon();
        const int notchCount = notches(piece->polygon(0).pieceOutline());
        const Snapshot before = snapshot(m);
        QCOMPARE(runCut(m, piece, through, degrees, seam), short(0));

        const QListEx<CDbGrPolysObject*> parts = m.document->groups(m.fabric, 0);
        QCOMPARE(parts.size(), 2);
        double area = 0.0;
        int notchesKept = 0;
        for (const CDbGrPolysObject* part : parts) {
            const CDbPolygon& p = part->polygon(0);
            QCOMPARE(p.contours().origin(p.contours().count() - 1), CDbContourObject::AngleCutSeam);
            QCOMPARE(p.contours().contour(0).toPolygon(), outline); // where it came from
            QVERIFY(p.pieceOutline().toPolygon().isSimple());
            QVERIFY(p.pieceOutline().toPolygon().containsPoint(p.grainStart()));
            QVERIFY(p.pieceOutline().toPolygon().containsPoint(p.grainEnd()));
            QCOMPARE(p.partName(QStringLiteral("Leg")),
                     QStringLiteral("Leg ") + QChar('a' + p.angleCutPart() - 1));
            area += part->area();
            notchesKept += notches(p.pieceOutline());
        }
        QVERIFY(notchesKept >= notchCount);
        // The seams overlap across the cut: a band 2 * seam wide around the line, inside the piece.
        const GeoPoint2D along = GeoPoint2D(1, 0).rotated(degrees) * 500.0;
        const GeoPoint2D across = GeoPoint2D(0, 1).rotated(degrees) * seam;
        const GeoPolygon2D band({through - along - across, through + along - across, through + along + across,
                                 through - along + across});
        const double seams = GeoRegion(outline).intersected(GeoRegion(band)).area();
        // The band is measured on the geometry library's grid.
        QVERIFY2(qAbs(area - outline.area() - seams) < 1e-3,
                 qPrintable(QString::number(area - outline.area() - seams)));
        QVERIFY(undoRedoRestores(m, before, snapshot(m)));
    }

    void refusedCutChangesNothing_data()
    {
        QTest::addColumn<GeoPoint2D>("through");
        QTest::addColumn<double>("seam");
        QTest::addColumn<int>("code");
        QTest::newRow("misses the piece") << GeoPoint2D(20, 5) << 1.0 << int(CDbAngleCutHelper::MissesPiece);
        QTest::newRow("seam wider than a part")
            << GeoPoint2D(20, 14) << 5.0 << int(CDbAngleCutHelper::PartTooThin);
        QTest::newRow("negative seam") << GeoPoint2D(20, 60) << -1.0 << int(CDbAngleCutHelper::PartTooThin);
    }
    void refusedCutChangesNothing()
    {
        QFETCH(GeoPoint2D, through);
        QFETCH(double, seam);
        QFETCH(int, code);
        Marker m;
        CDbGrPolysObject* piece = m.add(frontLeg(), {10, 10});
        const Snapshot before = snapshot(m);
        QCOMPARE(int(runCut(m, piece, through, 0.0, seam)), code);
        QVERIFY(matches(m, before));
        QCOMPARE(m.document->undoStack()->count(), 0);
    }
};

MARKER_TEST(tst_AngleCut)
#include "tst_AngleCut.moc"
