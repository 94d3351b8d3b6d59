#include "laystore/LaystoreTestMarker.h"

#include <QSet>
#include <QSignalSpy>
#include <QtTest>
#include <random>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

Q_DECLARE_METATYPE(GeoPoint2D)

class tst_Overlaps : public QObject
{
    Q_OBJECT

private slots:
    void init() { m = std::make_unique<Marker>(); }
    void cleanup() { m.reset(); }

    void pairsOfTwoPieces_data();
    void pairsOfTwoPieces();
    void slivers_data();
    void slivers();
    void marksChangeOnlyWhenTheyFlip();
    void indexedSearchAgreesWithAllPairs();

private:
    std::unique_ptr<Marker> m;
};

void tst_Overlaps::pairsOfTwoPieces_data()
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

void tst_Overlaps::pairsOfTwoPieces()
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

void tst_Overlaps::slivers_data()
{
    QTest::addColumn<double>("depth");
    QTest::addColumn<int>("pairs");
    // Two waistbands (42 cm long) on top of each other, the upper sunk by `depth` into the lower.
    QTest::newRow("a thin but real overlap") << 1e-3 << 1;
    QTest::newRow("a rounding sliver") << 1e-12 << 0;
    QTest::newRow("deep") << 2.0 << 1;
}

void tst_Overlaps::slivers()
{
    QFETCH(double, depth);
    QFETCH(int, pairs);
    m->add(waistband(), {10, 10});
    m->add(waistband(), {10, 14 - depth});
    QCOMPARE(m->document->findOverlaps(), pairs);
}

void tst_Overlaps::marksChangeOnlyWhenTheyFlip()
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

// Scattered pieces, turned, mirrored and moved about: the search must find every pair that the
// host's polygon test finds on all pairs.
void tst_Overlaps::indexedSearchAgreesWithAllPairs()
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
                a->polygon(0).outline().toPolygon().overlaps(b->polygon(0).outline().toPolygon())) {
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

QTEST_GUILESS_MAIN(tst_Overlaps)
#include "tst_Overlaps.moc"
