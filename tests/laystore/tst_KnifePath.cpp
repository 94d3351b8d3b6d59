#include "laystore/LaystoreTestMarker.h"

#include "laystore/CDbPunchHoleObject.h"
#include "laystore/ops/CutOrderOptimiser.h"
#include "laystore/ops/KnifePath.h"

#include "TestMain.h"

#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

namespace {

// A waistband is 42 by 4 cm; its outline from its left-bottom corner: the corner, a notch in
// the middle of the bottom edge, the other three corners.
constexpr double kBandPerimeter = 92.0;

double perimeter(const std::vector<GeoPoint2D>& outline)
{
    double length = 0.0;
    for (size_t i = 0; i < outline.size(); ++i)
        length += outline[i].distance(outline[(i + 1) % outline.size()]);
    return length;
}

} // namespace

class tst_KnifePath : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<Marker>();
        first = m->add(waistband(), {10, 10});
        second = m->add(waistband(), {10, 20});
    }
    void cleanup() { m.reset(); }

    // Pieces in rank order, each outline cut whole from its start point back to it, the air
    // moves from the origin between them, the punch holes last.
    void cutsInRankOrderFromTheStartPoints()
    {
        second->setCutRankKey(1);
        second->polygon(0).setKnifeStartIndex(2);
        m->document->addPiece(new CDbPunchHoleObject({80, 80}), m->fabric, 0);
        const KnifePath path = KnifePath::build(*m->fabric, 0);
        QCOMPARE(path.pieces().size(), size_t(2));
        QCOMPARE(path.pieces()[0].group, second);
        const KnifePath::Stroke& outline = path.strokes()[0];
        QCOMPARE(outline.points.front(), GeoPoint2D(52, 20));
        QCOMPARE(outline.points.back(), GeoPoint2D(52, 20));
        QCOMPARE(path.strokes().back().tool, KnifePath::Punch);
        QCOMPARE(path.cutLength(), 2 * kBandPerimeter);
        const double air = GeoPoint2D().distance({52, 20}) + GeoPoint2D(52, 20).distance({10, 10}) +
                           GeoPoint2D(10, 10).distance({80, 80});
        QCOMPARE(path.airLength(), air);
        QCOMPARE(path.airLength(1), GeoPoint2D().distance({52, 20}));
    }

    // Where the knife lifts and plunges the outline is cut in two strokes meeting there; a
    // symmetrical cut goes from its start both ways round to its end; a converted notch is a
    // slit into the piece; an internal segment entered in its middle is cut both ways from it.
    void marksShapeTheStrokes()
    {
        CDbVectorsObjectTable& outline = first->polygon(0).contours().lastContour();
        outline[3].setFeature(PointFeature::LiftPlunge, true);
        outline[1].setStatusNotch(true);
        CDbVectorsObjectTable drill;
        for (double x : {20.0, 25.0, 30.0})
            drill.append(CDbMarkerPointObject(x, 12.0));
        drill[1].setFeature(PointFeature::InternalStart, true);
        first->polygon(0).addInternalSegment(CDbInternalSegment(CDbInternalSegment::DrillLine, drill));
        CDbVectorsObjectTable& other = second->polygon(0).contours().lastContour();
        other[0].setFeature(PointFeature::SymmetricalCut, true);
        other[3].setFeature(PointFeature::SymmetricalEnd, true);

        const KnifePath path = KnifePath::build(*m->fabric, 0);
        const auto strokes = [&path](int piece) {
            const KnifePath::Piece& p = path.pieces()[static_cast<size_t>(piece)];
            return std::vector<KnifePath::Stroke>(path.strokes().begin() + p.firstStroke,
                                                  path.strokes().begin() + p.endStroke);
        };
        const std::vector<KnifePath::Stroke> a = strokes(0), b = strokes(1);
        QCOMPARE(a.size(), size_t(5));
        QCOMPARE(a[0].points.back(), GeoPoint2D(outline[3]));
        QCOMPARE(a[1].points.front(), GeoPoint2D(outline[3]));
        QCOMPARE(a[2].tool, KnifePath::NotchCutter);
        QCOMPARE(a[2].points, (std::vector<GeoPoint2D>{{31, 10}, {31, 10 + KnifePath::kSlitDepth}}));
        QCOMPARE(a[3].points, (std::vector<GeoPoint2D>{{25, 12}, {30, 12}}));
        QCOMPARE(a[4].points, (std::vector<GeoPoint2D>{{25, 12}, {20, 12}}));
        QCOMPARE(b.size(), size_t(2));
        QCOMPARE(b[0].points.front(), b[1].points.front());
        QCOMPARE(b[0].points.back(), GeoPoint2D(52, 24));
        QCOMPARE(b[1].points.back(), GeoPoint2D(52, 24));
        QCOMPARE(path.cutLength(), 2 * kBandPerimeter + KnifePath::kSlitDepth + 10.0);
    }

    // A blocked group is cut along its blocking, then its piece; a cut-down pair along its union once;
    // pieces waiting above the fabric are not cut.
    void blockingsBeforePiecesAndUnionsOnce()
    {
        CDbPolygon upper = second->polygon(0);
        upper.translate({0, 4});
        upper.setCutDownPartner(0);
        second->polygon(0).setCutDownPartner(1);
        CDbVectorsObjectTable both;
        for (const GeoPoint2D& p :
             {GeoPoint2D(10, 20), GeoPoint2D(52, 20), GeoPoint2D(52, 28), GeoPoint2D(10, 28)})
            both.append(CDbMarkerPointObject(p));
        second->polygon(0).contours().addContour(both, CDbContourObject::CutDownUnion);
        second->addPolygon(upper);
        CDbPolygon block;
        block.setBlocking(true);
        CDbVectorsObjectTable around;
        for (const GeoPoint2D& p :
             {GeoPoint2D(9, 9), GeoPoint2D(53, 9), GeoPoint2D(53, 15), GeoPoint2D(9, 15)})
            around.append(CDbMarkerPointObject(p));
        block.contours().addContour(around, CDbContourObject::Blocking);
        first->addPolygon(block);
        m->add(waistband(), {10, 200});
        const KnifePath path = KnifePath::build(*m->fabric, 0);
        QCOMPARE(path.pieces().size(), size_t(2));
        QCOMPARE(path.strokes()[0].points.front(), GeoPoint2D(9, 9));
        QCOMPARE(path.cutLength(),
                 perimeter({{9, 9}, {53, 9}, {53, 15}, {9, 15}}) + 2 * kBandPerimeter + 8.0);
    }

    // Rows of pieces cut in placement order sweep back at every row; the optimised order
    // travels far less, and is one undoable "Sequence" step.
    void optimisedOrderTravelsLessAndUndoesExactly()
    {
        m = std::make_unique<Marker>();
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 8; ++column)
                m->add(waistband(), {column * 45.0, row * 6.0});
        }
        const double placed = KnifePath::build(*m->fabric, 0).airLength();
        const Snapshot before = snapshot(*m);
        QCOMPARE(CutOrderOptimiser::apply(*m->document, m->fabric, 0), 48);
        const double optimised = KnifePath::build(*m->fabric, 0).airLength();
        QVERIFY2(optimised < 0.7 * placed,
                 qPrintable(QStringLiteral("%1 against %2").arg(optimised).arg(placed)));
        QCOMPARE(m->document->undoStack()->count(), 1);
        QCOMPARE(m->document->undoStack()->text(0), QStringLiteral("Sequence"));
        QVERIFY(undoRedoRestores(*m, before, snapshot(*m)));
    }

private:
    std::unique_ptr<Marker> m;
    CDbGrPolysObject* first = nullptr;
    CDbGrPolysObject* second = nullptr;
};

MARKER_TEST(tst_KnifePath)
#include "tst_KnifePath.moc"
