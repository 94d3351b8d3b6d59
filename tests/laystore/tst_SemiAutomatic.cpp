#include "laystore/LaystoreTestMarker.h"

#include "laystore/ops/SemiAutomatic.h"

#include "TestMain.h"
#include <QRandomGenerator>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

Q_DECLARE_METATYPE(GeoPoint2D)
Q_DECLARE_METATYPE(GeoRectangle)
Q_DECLARE_METATYPE(std::vector<GeoPoint2D>)

// The quick move: a copy of a placed piece slides in a direction until it touches another
// piece, an edge of its area, or the marker's end.
namespace {

// The outline of a one-piece group moved by `delta`.
GeoPolygon2D movedBy(const CDbGrPolysObject& group, const GeoPoint2D& delta)
{
    GeoPolygon2D outline = group.polygon(0).cutOutline().toPolygon();
    outline.translate(delta);
    return outline;
}

// The moved group touches `obstacle` without sharing area, and a step further would.
bool touchesAndIsBlockedBy(const CDbGrPolysObject& moved, const CDbGrPolysObject& obstacle,
                           const GeoPoint2D& direction)
{
    std::unique_ptr<CDbGrPolysObject> further(moved.clone(nullptr, false));
    GeoPoint2D step = direction / direction.module() * 1e-3;
    further->translate(step);
    return !moved.overlaps(obstacle) && outlineGap(moved, obstacle) < 1e-6 && further->overlaps(obstacle);
}

} // namespace

class tst_SemiAutomatic : public QObject
{
    Q_OBJECT

private slots:
    void init() { m = std::make_unique<Marker>(); }
    void cleanup() { m.reset(); }

    void slideStopsTouchingAPiece_data()
    {
        QTest::addColumn<std::vector<GeoPoint2D>>("movingShape");
        QTest::addColumn<GeoPoint2D>("from");
        QTest::addColumn<std::vector<GeoPoint2D>>("obstacleShape");
        QTest::addColumn<GeoPoint2D>("at");
        QTest::addColumn<double>("turn");
        QTest::addColumn<GeoPoint2D>("direction");

        QTest::newRow("right into a leg")
            << waistband() << GeoPoint2D(0, 20) << frontLeg() << GeoPoint2D(80, 0) << 0.0 << GeoPoint2D(1, 0);
        QTest::newRow("leg into leg")
            << frontLeg() << GeoPoint2D(0, 10) << frontLeg() << GeoPoint2D(50, 0) << 0.0 << GeoPoint2D(1, 0);
        QTest::newRow("left into a pocket") << flyFacing() << GeoPoint2D(90, 5) << pocketBag()
                                            << GeoPoint2D(10, 0) << 0.0 << GeoPoint2D(-1, 0);
        QTest::newRow("down onto a turned leg") << pocketBag() << GeoPoint2D(40, 120) << frontLeg()
                                                << GeoPoint2D(30, 0) << 90.0 << GeoPoint2D(0, -1);
        QTest::newRow("diagonal into a turned leg") << pocketBag() << GeoPoint2D(0, 110) << frontLeg()
                                                    << GeoPoint2D(40, 10) << 30.0 << GeoPoint2D(1, -0.8);
        QTest::newRow("diagonal up into a turned pocket") << flyFacing() << GeoPoint2D(0, 0) << pocketBag()
                                                          << GeoPoint2D(50, 40) << 135.0 << GeoPoint2D(2, 1);
    }

    void slideStopsTouchingAPiece()
    {
        QFETCH(std::vector<GeoPoint2D>, movingShape);
        QFETCH(GeoPoint2D, from);
        QFETCH(std::vector<GeoPoint2D>, obstacleShape);
        QFETCH(GeoPoint2D, at);
        QFETCH(double, turn);
        QFETCH(GeoPoint2D, direction);

        CDbGrPolysObject* moving = m->add(movingShape, from);
        CDbGrPolysObject* obstacle = m->add(obstacleShape, at);
        obstacle->rotate(turn);
        // A far piece puts the marker's end out of the way.
        m->add(waistband(), {300, 0});

        short code = -1;
        const std::unique_ptr<CDbGrPolysObject> moved = slide(moving, direction, &code);
        QCOMPARE(code, short(0));
        QVERIFY(touchesAndIsBlockedBy(*moved, *obstacle, direction));
        // Along the direction asked for, and the original stays where it was.
        const GeoPoint2D travelled = moved->boundingRect().leftBottom() - moving->boundingRect().leftBottom();
        QVERIFY(travelled.module() > 1.0);
        QVERIFY(std::fabs(travelled.cross(direction)) < 1e-9 && travelled.dot(direction) > 0.0);
        QCOMPARE(moving->boundingRect().leftBottom(), from);
    }

    void slideStopsAtTheAreaEdges_data()
    {
        QTest::addColumn<GeoPoint2D>("from");
        QTest::addColumn<GeoPoint2D>("direction");
        QTest::addColumn<GeoRectangle>("expected");

        // The fly facing is 20 × 20; the layer is 150 wide, its standby area above it.
        QTest::newRow("left to x = 0")
            << GeoPoint2D(37, 40) << GeoPoint2D(-1, 0) << GeoRectangle(0, 40, 20, 60);
        QTest::newRow("down to the fabric edge")
            << GeoPoint2D(37, 40) << GeoPoint2D(0, -3) << GeoRectangle(37, 0, 57, 20);
        QTest::newRow("up to the fabric's width")
            << GeoPoint2D(37, 40) << GeoPoint2D(0, 1) << GeoRectangle(37, 130, 57, 150);
        QTest::newRow("diagonal to the left edge")
            << GeoPoint2D(40, 40) << GeoPoint2D(-2, 1) << GeoRectangle(0, 60, 20, 80);
        QTest::newRow("standby down to its bottom")
            << GeoPoint2D(37, 200) << GeoPoint2D(0, -1) << GeoRectangle(37, 150, 57, 170);
        QTest::newRow("standby up to its top")
            << GeoPoint2D(37, 200) << GeoPoint2D(0, 1) << GeoRectangle(37, 280, 57, 300);
    }

    void slideStopsAtTheAreaEdges()
    {
        QFETCH(GeoPoint2D, from);
        QFETCH(GeoPoint2D, direction);
        QFETCH(GeoRectangle, expected);

        m->add(waistband(), {200, 0});
        const std::unique_ptr<CDbGrPolysObject> moved = slide(m->add(flyFacing(), from), direction);
        const GeoRectangle r = moved->boundingRect();
        QVERIFY2(r.leftBottom().equals(expected.leftBottom(), 1e-9) &&
                     r.rightTop().equals(expected.rightTop(), 1e-9),
                 QTest::toString(r));
    }

    void slideTowardsTheEndStopsAtTheMarkerEnd()
    {
        CDbGrPolysObject* pocket = m->add(pocketBag(), {0, 0});
        // The marker ends with the waistband's right, at x = 100; the pocket has nothing in its way.
        m->add(waistband(), {58, 120});
        QCOMPARE(slide(pocket, {1, 0})->boundingRect().xmax, 100.0);
        // Diagonally it stops at the end too, even with room above.
        const GeoRectangle diagonal = slide(pocket, {1, 1})->boundingRect();
        QVERIFY(std::fabs(diagonal.xmax - 100.0) < 1e-9 && std::fabs(diagonal.ymin - 82.0) < 1e-9);

        // A piece reaching past the end does not move towards it.
        CDbGrPolysObject* beyond = m->add(pocketBag(), {90, 40});
        short code = -1;
        QCOMPARE(slide(beyond, {1, 0}, &code)->boundingRect(), beyond->boundingRect());
        QCOMPARE(code, short(0));
        // Waiting pieces do not make the marker longer.
        CDbGrPolysObject* waiting = m->add(waistband(), {400, 200});
        QCOMPARE(waiting->section(), short(CDbGrPolysObject::SectionStandby));
        QCOMPARE(slide(pocket, {1, 0})->boundingRect().xmax, 108.0);
    }

    void cornersThatOnlyMeetDoNotStopTheSlide()
    {
        // Two waistbands on the fabric's edge, end to end: the corners meet and the slide stops.
        CDbGrPolysObject* band = m->add(waistband(), {0, 0});
        CDbGrPolysObject* ahead = m->add(waistband(), {60, 0});
        const std::unique_ptr<CDbGrPolysObject> stopped = slide(band, {1, 0});
        QCOMPARE(stopped->boundingRect().xmax, 60.0);
        QVERIFY(touchesAndIsBlockedBy(*stopped, *ahead, {1, 0}));

        // Lying just above the moving band, the other one only grazes its top: no stop before the end.
        m->document->removePiece(ahead, m->fabric, 0);
        delete ahead;
        CDbGrPolysObject* above = m->add(waistband(), {60, 4});
        const std::unique_ptr<CDbGrPolysObject> passed = slide(band, {1, 0});
        QCOMPARE(passed->boundingRect().xmax, 102.0);
        QVERIFY(!passed->overlaps(*above));
    }

    void pieceLyingOnAnotherSlidesOutOfIt()
    {
        m->add(frontLeg(), {0, 0});
        CDbGrPolysObject* pocket = m->add(pocketBag(), {10, 30});
        CDbGrPolysObject* fly = m->add(flyFacing(), {60, 35});
        // The leg under the pocket is no obstacle; the fly facing on its right is.
        QCOMPARE(slide(pocket, {-1, 0})->boundingRect().xmin, 0.0);
        const std::unique_ptr<CDbGrPolysObject> right = slide(pocket, {1, 0});
        QVERIFY(touchesAndIsBlockedBy(*right, *fly, {1, 0}));
    }

    void pieceAgainstAnotherSlidesAwayButNotInto()
    {
        CDbGrPolysObject* band = m->add(waistband(), {20, 0});
        m->add(waistband(), {62, 0});
        short code = -1;
        QCOMPARE(slide(band, {1, 0}, &code)->boundingRect(), band->boundingRect());
        QCOMPARE(code, short(0));
        QCOMPARE(slide(band, {-1, 0})->boundingRect().xmin, 0.0);
        // Sliding up along the other's side is not blocked by it either.
        QCOMPARE(slide(band, {0, 1})->boundingRect().ymax, kLayerWidth);

        // Corners resting on the middle of a side: pressed against it, free to leave it.
        CDbGrPolysObject* resting = m->add(waistband(), {20, 60});
        m->add(flyFacing(), {62, 55});
        QCOMPARE(slide(resting, {1, 0})->boundingRect(), resting->boundingRect());
        QCOMPARE(slide(resting, {-1, 0})->boundingRect().xmin, 0.0);
    }

    void badArgumentsLeaveTheGroupUnchanged()
    {
        CDbGrPolysObject* placed = m->add(pocketBag(), {30, 30});
        m->add(waistband(), {200, 0});
        std::unique_ptr<CDbGrPolysObject> copy(placed->clone(nullptr, false));
        const GeoRectangle before = copy->boundingRect();
        const GeoPoint2D centre = before.center(), left = centre - GeoPoint2D(1, 0);
        CDbMarkerDrawing* d = m->document->drawing();
        CDbGrPolysObject* g = copy.get();
        Marker other;
        // drawing, mode, fabric, layer, group, target, expected code
        const std::vector<std::tuple<CDbMarkerDrawing*, short, CDbFabricObject*, short, CDbGrPolysObject*,
                                     GeoPoint2D, short>>
            calls = {{nullptr, 1, m->fabric, 0, g, left, 1},
                     {d, 1, nullptr, 0, g, left, 1},
                     {d, 1, m->fabric, 0, nullptr, left, 1},
                     {d, 1, m->fabric, 2, g, left, 1},
                     {d, 1, m->fabric, -1, g, left, 1},
                     {d, 0, m->fabric, 0, g, left, 1},
                     {d, 2, m->fabric, 0, g, left, 1},
                     {d, 1, other.fabric, 0, g, left, 1},
                     {other.document->drawing(), 1, m->fabric, 0, g, left, 1},
                     {d, 1, m->fabric, 0, g, centre, 2}};
        for (const auto& c : calls) {
            short code = -1;
            SemiAutomatic::placementAccordingDirection(std::get<0>(c), std::get<1>(c), std::get<2>(c),
                                                       std::get<3>(c), std::get<4>(c), centre, std::get<5>(c),
                                                       &code);
            QCOMPARE(code, std::get<6>(c));
            QCOMPARE(copy->boundingRect(), before);
        }
        // Without a code to write, a bad call still does nothing.
        SemiAutomatic::placementAccordingDirection(d, 7, m->fabric, 0, g, centre, left, nullptr);
        QCOMPARE(copy->boundingRect(), before);
    }

    void slidesNeverEndInAnOverlapAndGoAsFarAsTheyCan()
    {
        // Markers crowded with turned pieces, and slides in every direction: wherever a slide
        // ends, it shares no area with what was in its way, and a step further either would or
        // leaves the area or the marker.
        const std::vector<std::vector<GeoPoint2D>> shapes = {frontLeg(), pocketBag(), waistband(),
                                                             flyFacing()};
        QRandomGenerator random(qEnvironmentVariableIntValue("SLIDE_SEED") + 20240611);
        const int rounds =
            qEnvironmentVariableIsSet("SLIDE_ROUNDS") ? qEnvironmentVariableIntValue("SLIDE_ROUNDS") : 300;
        int blocked = 0;
        for (int round = 0; round < rounds; ++round) {
            m = std::make_unique<Marker>();
            std::vector<CDbGrPolysObject*> groups;
            for (int i = 0; i < 8; ++i) {
                CDbGrPolysObject* g =
                    m->add(shapes[random.bounded(4)], {random.bounded(160.0), random.bounded(100.0)});
                g->rotate(random.bounded(360.0));
                groups.push_back(g);
            }
            CDbGrPolysObject* moving = groups[random.bounded(8)];
            const GeoPoint2D direction = GeoPoint2D(1, 0).rotated(random.bounded(360.0));
            const std::unique_ptr<CDbGrPolysObject> moved = slide(moving, direction);
            // A step further meets something, if only for a moment: a corner can clip another's.
            const auto sharesAnyArea = [&](double step) {
                const GeoPolygon2D further = movedBy(*moved, direction * step);
                return std::any_of(groups.begin(), groups.end(), [&](const CDbGrPolysObject* other) {
                    return other != moving && !moving->overlaps(*other) &&
                           further.crosses(other->polygon(0).cutOutline().toPolygon());
                });
            };
            const QByteArray where = "round " + QByteArray::number(round);
            for (const CDbGrPolysObject* other : groups) {
                if (other != moving && !moving->overlaps(*other))
                    QVERIFY2(!moved->overlaps(*other), where.constData());
            }
            const bool stopped = sharesAnyArea(1e-6) || sharesAnyArea(1e-4) || sharesAnyArea(1e-2);
            const GeoRectangle r = movedBy(*moved, direction * 1e-2).boundingRect();
            const double bottom = moved->section() == CDbGrPolysObject::SectionFabric ? 0.0 : kLayerWidth;
            const bool atEdge = r.xmin < 0.0 || r.ymin < bottom || r.ymax > bottom + kLayerWidth ||
                                (direction.x > 0.0 && r.xmax > m->document->markerLength());
            QVERIFY2(stopped || atEdge, where.constData());
            blocked += stopped ? 1 : 0;
        }
        // The rounds are meant to be crowded: many slides end against a piece.
        QVERIFY(blocked > rounds / 3);
    }

private:
    // Slides an unplaced copy of `placed` from its centre towards centre + `direction`.
    std::unique_ptr<CDbGrPolysObject> slide(const CDbGrPolysObject* placed, const GeoPoint2D& direction,
                                            short* code = nullptr) const
    {
        std::unique_ptr<CDbGrPolysObject> copy(placed->clone(nullptr, false));
        const GeoPoint2D centre = copy->boundingRect().center();
        short result = -1;
        SemiAutomatic::placementAccordingDirection(m->document->drawing(), SemiAutomatic::kSlideMode,
                                                   m->fabric, 0, copy.get(), centre, centre + direction,
                                                   &result);
        if (code)
            *code = result;
        return copy;
    }

    std::unique_ptr<Marker> m;
};

MARKER_TEST(tst_SemiAutomatic)
#include "tst_SemiAutomatic.moc"
