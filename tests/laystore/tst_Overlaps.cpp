#include "laystore/LaystoreTestMarker.h"

#include "TestMain.h"
#include <QSet>
#include <QSignalSpy>
#include <QtTest>
#include <random>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

Q_DECLARE_METATYPE(GeoPoint2D)
Q_DECLARE_METATYPE(std::vector<GeoPoint2D>)

class tst_Overlaps : public QObject
{
    Q_OBJECT

private slots:
    void init() { m = std::make_unique<Marker>(); }
    void cleanup()
    {
        DocumentMak::msCheckOverlaps = true;
        m.reset();
    }

    void pairsOfTwoPieces_data()
    {
        QTest::addColumn<GeoPoint2D>("second");
        QTest::addColumn<int>("pairs");
        // Against a pocket bag laid at (20, 20), 18 x 24 cm; the second piece is a waistband
        // (42 x 4) or a fly facing placed as given.
        QTest::newRow("apart") << GeoPoint2D(60, 20) << 0;
        QTest::newRow("touching along an edge") << GeoPoint2D(38, 20) << 0;
        QTest::newRow("touching at a corner") << GeoPoint2D(38, 44) << 0;
        QTest::newRow("overlapping") << GeoPoint2D(30, 30) << 1;
        QTest::newRow("boxes meet but outlines do not") << GeoPoint2D(37, 42) << 0;
        QTest::newRow("on another layer") << GeoPoint2D(30, 30) << 0;
        QTest::newRow("both wait on the standby area") << GeoPoint2D(20, kLayerWidth + 20) << 0;
        QTest::newRow("nested") << GeoPoint2D(22, 22) << 1;
    }

    void pairsOfTwoPieces()
    {
        QFETCH(GeoPoint2D, second);
        QFETCH(int, pairs);
        const QString row = QTest::currentDataTag();
        CDbGrPolysObject* pocket = m->add(pocketBag(), {20, 20});
        CDbGrPolysObject* other;
        if (row == "nested") {
            other = m->add({{0, 0}, {6, 0}, {6, 6}, {0, 6}}, second);
        } else if (row == "boxes meet but outlines do not") {
            // The pocket's top point is at (28, 44), well left of the box corner at (38, 44).
            other = m->add(flyFacing(), second);
        } else {
            other = m->add(waistband(), second, row == "on another layer" ? 1 : 0);
        }
        if (row == "both wait on the standby area")
            m->add(pocketBag(), second);

        QCOMPARE(m->document->findOverlaps(), pairs);
        QCOMPARE(m->document->overlapCount(), pairs);
        QCOMPARE(pocket->isOverlapping(), pairs > 0);
        QCOMPARE(other->isOverlapping(), pairs > 0);
        QCOMPARE(m->document->overlappingGroups(pocket).size(), pairs);
    }

    void slivers_data()
    {
        QTest::addColumn<double>("depth");
        QTest::addColumn<int>("pairs");
        // Two waistbands (42 cm long) on top of each other, the upper sunk by `depth` into the lower.
        QTest::newRow("a thin but real overlap") << 1e-3 << 1;
        QTest::newRow("a rounding sliver") << 1e-12 << 0;
        QTest::newRow("deep") << 2.0 << 1;
    }

    void slivers()
    {
        QFETCH(double, depth);
        QFETCH(int, pairs);
        m->add(waistband(), {10, 10});
        m->add(waistband(), {10, 14 - depth});
        QCOMPARE(m->document->findOverlaps(), pairs);
    }

    void outlinesTouchingWhereTheOverlayErrs_data()
    {
        QTest::addColumn<std::vector<GeoPoint2D>>("first");
        QTest::addColumn<std::vector<GeoPoint2D>>("second");
        // Turned pieces left touching by a slide. A turned waistband's corner on a turned pocket's
        // edge: Boost's overlay answers the whole waistband as shared.
        QTest::newRow("corner on an edge")
            << std::vector<GeoPoint2D>{{50.934365617569441, 20.563109170391382},
                                       {38.504925072871309, 3.636532205576136},
                                       {26.075484528173178, -13.290044759239112},
                                       {29.299594426233227, -15.657557243943518},
                                       {54.15847551562949, 18.195596685686976}}
            << std::vector<GeoPoint2D>{
                   {40.37079678097021, 11.944696228246324},  {46.56949715514061, 17.001979458525184},
                   {52.768197529311017, 22.059262688804033}, {50.524910200144475, 27.972608777001554},
                   {40.124989453613878, 37.55601362423004},  {31.397647464304043, 35.598080581036392},
                   {27.727588705273071, 27.441447163672329}};
        // A turned fly facing's corner on a turned leg's edge, the edges beside it nearly parallel:
        // the overlay makes up a sliver a little above the rounding limit.
        QTest::newRow("nearly parallel edges")
            << std::vector<GeoPoint2D>{{43.680634808347563, 8.9755746069888627},
                                       {45.559715392493658, 18.797440832828286},
                                       {47.438795976639739, 28.619307058667715},
                                       {41.545676241136086, 29.746755409155369},
                                       {38.914963423331564, 15.996142692980172},
                                       {25.164350707156366, 18.626855510784694},
                                       {24.036902356668715, 12.733735775281039}}
            << std::vector<GeoPoint2D>{
                   {24.242057810138363, 33.105726854927781}, {36.02372589251776, 30.827065582021561},
                   {47.80539397489715, 28.548404309115341},  {55.465658504225942, 57.622797636246126},
                   {58.216894665896653, 87.646633160421175}, {66.826601392269694, 121.63005485521003},
                   {55.012569833402949, 129.00763293518321}, {42.851124872205844, 129.32268286102618},
                   {37.598975521732704, 91.634290388007059}, {28.956905318872302, 62.749785500285121}};
    }

    void outlinesTouchingWhereTheOverlayErrs()
    {
        QFETCH(std::vector<GeoPoint2D>, first);
        QFETCH(std::vector<GeoPoint2D>, second);
        const GeoPolygon2D a(first);
        const GeoPolygon2D b(second);
        QVERIFY(!a.overlaps(b));
        QVERIFY(!a.crosses(b));
        // Pushed into each other by a hair, they do overlap.
        GeoPolygon2D pushed = b;
        pushed.translate((a.centroid() - b.centroid()) * 1e-3);
        QVERIFY(a.crosses(pushed));
        pushed.translate((a.centroid() - b.centroid()) * 1e-2);
        QVERIFY(a.overlaps(pushed));
    }

    void marksChangeOnlyWhenTheyFlip()
    {
        CDbGrPolysObject* leg = m->add(frontLeg(), {0, 0});
        CDbGrPolysObject* band = m->add(waistband(), {10, 50});
        CDbGrPolysObject* pocket = m->add(pocketBag(), {60, 0});
        QSignalSpy changed(m->document.get(), &DocumentMak::objectChanged);

        QCOMPARE(m->document->findOverlaps(), 1);
        QCOMPARE(changed.count(), 2);
        QVERIFY(leg->isOverlapping() && band->isOverlapping() && !pocket->isOverlapping());

        changed.clear();
        QCOMPARE(m->document->findOverlaps(), 1);
        QCOMPARE(changed.count(), 0);

        GeoPoint2D away(100, 0);
        band->translate(away);
        changed.clear();
        QCOMPARE(m->document->findOverlaps(), 0);
        QCOMPARE(changed.count(), 2);
        QVERIFY(!leg->isOverlapping() && !band->isOverlapping());
    }

    void replacementKeepsOverlapMarks()
    {
        CDbGrPolysObject* leg = m->add(frontLeg(), {0, 0});
        CDbGrPolysObject* band = m->add(waistband(), {10, 50});
        CDbGrPolysObject* pocket = m->add(pocketBag(), {60, 0});
        QCOMPARE(m->document->findOverlaps(), 1);
        std::vector<std::unique_ptr<CDbGrPolysObject>> replaced;
        const auto move = [&](CDbGrPolysObject* group, GeoPoint2D delta) {
            CDbGrPolysObject* copy = group->clone(nullptr, false);
            copy->translate(delta);
            m->document->replacePiece(group, copy, m->fabric, 0);
            replaced.emplace_back(group);
            return copy;
        };
        CDbGrPolysObject* away = move(band, {100, 0});
        QVERIFY(!leg->isOverlapping() && !away->isOverlapping());
        QCOMPARE(m->document->overlapCount(), 0);
        CDbGrPolysObject* onPocket = move(away, {-70, -45});
        QVERIFY(pocket->isOverlapping() && onPocket->isOverlapping() && !leg->isOverlapping());
        QCOMPARE(m->document->overlapCount(), m->document->findOverlaps());
        // Without the check, the marks wait for the next search.
        DocumentMak::msCheckOverlaps = false;
        move(onPocket, {200, 0});
        QVERIFY(pocket->isOverlapping());
    }

    void sharedAreasOfOutlines_data()
    {
        QTest::addColumn<GeoPoint2D>("at");
        QTest::addColumn<double>("area");
        // A second waistband against one at the origin; no shared area means no part.
        QTest::newRow("across") << GeoPoint2D(10, 2) << 32.0 * 2.0;
        QTest::newRow("the same") << GeoPoint2D(0, 0) << 42.0 * 4.0;
        QTest::newRow("edge to edge") << GeoPoint2D(0, 4) << 0.0;
        QTest::newRow("apart") << GeoPoint2D(50, 0) << 0.0;
    }

    void sharedAreasOfOutlines()
    {
        QFETCH(GeoPoint2D, at);
        QFETCH(double, area);
        const std::unique_ptr<CDbGrPolysObject> a(makePiece(waistband(), {0, 0})),
            b(makePiece(waistband(), at));
        const QList<CDbVectorsObjectTable> shared = a->polygon(0).cutOutline().listeVectorIntersection(
            b->polygon(0).cutOutline(), a->boundingRect(), b->boundingRect());
        QCOMPARE(shared.size(), area > 0 ? 1 : 0);
        if (area > 0)
            QCOMPARE(shared[0].toPolygon().area(), area);
    }

    // Scattered pieces, turned, mirrored and moved about: the search must find every pair that the
    // host's polygon test finds on all pairs.
    void indexedSearchAgreesWithAllPairs()
    {
        std::mt19937 random(20240611);
        std::uniform_real_distribution<double> x(0, 400), y(0, 2 * kLayerWidth - 30);
        std::uniform_int_distribution<int> turn(0, 3), mirror(0, 1);
        const std::vector<std::vector<GeoPoint2D>> shapes{frontLeg(), pocketBag(), waistband(), flyFacing()};
        for (int i = 0; i < 120; ++i) {
            CDbGrPolysObject* piece =
                m->add(shapes[static_cast<size_t>(i) % shapes.size()], {x(random), y(random)});
            piece->rotate(90.0 * turn(random));
            if (mirror(random))
                piece->mirrorHorizontally();
        }

        int expected = 0;
        QSet<const CDbGrPolysObject*> marked;
        const QListEx<CDbGrPolysObject*> groups = m->document->groups(m->fabric, 0);
        for (int i = 0; i < groups.size(); ++i) {
            for (int j = i + 1; j < groups.size(); ++j) {
                const CDbGrPolysObject* a = groups[i];
                const CDbGrPolysObject* b = groups[j];
                if (a->section() == CDbGrPolysObject::SectionFabric &&
                    b->section() == CDbGrPolysObject::SectionFabric &&
                    a->polygon(0).cutOutline().toPolygon().overlaps(b->polygon(0).cutOutline().toPolygon())) {
                    ++expected;
                    marked << a << b;
                }
            }
        }
        QVERIFY(expected > 10);

        QCOMPARE(m->document->findOverlaps(), expected);
        for (const CDbGrPolysObject* group : groups)
            QCOMPARE(group->isOverlapping(), marked.contains(group));
    }

private:
    std::unique_ptr<Marker> m;
};

MARKER_TEST(tst_Overlaps)
#include "tst_Overlaps.moc"
