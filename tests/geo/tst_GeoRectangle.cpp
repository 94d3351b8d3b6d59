#include "GeoTestPrint.h"
#include "VelGeo/GeoRectangle.h"

#include "TestMain.h"
#include <QtTest>

using VelSystem::GeoPoint2D;
using VelSystem::GeoRectangle;

class tst_GeoRectangle : public QObject
{
    Q_OBJECT
private slots:
    // An invalid rectangle holds nothing, meets nothing and adds nothing; including a point
    // makes it valid.
    void invalidUntilSomethingIsIncluded()
    {
        GeoRectangle r;
        QVERIFY(!r.contains(GeoPoint2D(0, 0)));
        QVERIFY(!r.intersect(GeoRectangle(-1e9, -1e9, 1e9, 1e9)));
        QCOMPARE(r, GeoRectangle(5, 5, 1, 1)); // any two invalid rectangles are equal
        QVERIFY(r != GeoRectangle(0, 0, 0, 0));
        r.include(GeoPoint2D(3, -1));
        QCOMPARE(r, GeoRectangle(3, -1, 3, -1));
        r.include(GeoPoint2D(-2, 4));
        QCOMPARE(r, GeoRectangle(-2, -1, 3, 4));
        QCOMPARE(r.center(), GeoPoint2D(0.5, 1.5));
        r.include(GeoRectangle());
        QCOMPARE(r, GeoRectangle(-2, -1, 3, 4));
        r.include(GeoRectangle(10, 0, 11, 1));
        QCOMPARE(r, GeoRectangle(-2, -1, 11, 4));
        // Corners given in any order are normalised.
        QCOMPARE(GeoRectangle(GeoPoint2D(4, -1), GeoPoint2D(-2, 3)), GeoRectangle(-2, -1, 4, 3));
    }

    void containsIncludesBorders()
    {
        const GeoRectangle r(0, 0, 10, 5);
        QVERIFY(r.contains(GeoPoint2D(0, 0)));
        QVERIFY(r.contains(GeoPoint2D(10, 2)));
        QVERIFY(!r.contains(GeoPoint2D(10.001, 2)));
        QVERIFY(!r.contains(GeoPoint2D(3, -0.001)));
        QVERIFY(r.contains(GeoRectangle(0, 0, 10, 5)));
        QVERIFY(r.contains(GeoRectangle(1, 1, 2, 2)));
        QVERIFY(!r.contains(GeoRectangle(1, 1, 12, 2)));
        QVERIFY(!r.contains(GeoRectangle()));
    }

    void intersect()
    {
        const GeoRectangle r(0, 0, 10, 5);
        QVERIFY(r.intersect(GeoRectangle(5, 2, 20, 20)));
        QCOMPARE(r.intersected(GeoRectangle(5, 2, 20, 20)), GeoRectangle(5, 2, 10, 5));
        // Sharing only an edge or a corner still counts.
        QVERIFY(r.intersect(GeoRectangle(10, 1, 12, 2)));
        QCOMPARE(r.intersected(GeoRectangle(10, 5, 12, 7)), GeoRectangle(10, 5, 10, 5));
        QVERIFY(!r.intersect(GeoRectangle(10.5, 0, 12, 5)));
        QVERIFY(!r.intersected(GeoRectangle(0, 6, 10, 7)).isValid());
        QVERIFY(!r.intersect(GeoRectangle()));
    }

    void expandAndTranslate()
    {
        GeoRectangle r(0, 0, 10, 5);
        r.expand(1, 2);
        QCOMPARE(r, GeoRectangle(-1, -2, 11, 7));
        r.translate(GeoPoint2D(1, 2));
        QCOMPARE(r, GeoRectangle(0, 0, 12, 9));
        r.translate(-5, 0.5);
        QCOMPARE(r, GeoRectangle(-5, 0.5, 7, 9.5));

        GeoRectangle invalid;
        invalid.expand(100, 100);
        invalid.translate(1, 1);
        QVERIFY(!invalid.isValid());
    }
};

MARKER_TEST(tst_GeoRectangle)
#include "tst_GeoRectangle.moc"
