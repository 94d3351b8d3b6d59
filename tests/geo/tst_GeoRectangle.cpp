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
    void defaultIsInvalid()
    {
        const GeoRectangle r;
        QVERIFY(!r.isValid());
        QCOMPARE(r.width(), 0.0);
        QCOMPARE(r.height(), 0.0);
        QCOMPARE(r.center(), GeoPoint2D());
        QVERIFY(!r.contains(GeoPoint2D(0, 0)));
        QVERIFY(!r.intersect(GeoRectangle(-1e9, -1e9, 1e9, 1e9)));
        QVERIFY(!GeoRectangle(-1e9, -1e9, 1e9, 1e9).contains(r));
        QCOMPARE(r, GeoRectangle(5, 5, 1, 1)); // any two invalid rectangles are equal
        QVERIFY(r != GeoRectangle(0, 0, 0, 0));

        GeoRectangle valid(0, 0, 2, 2);
        valid.invalidate();
        QVERIFY(!valid.isValid());
    }

    void includeMakesValid()
    {
        GeoRectangle r;
        r.include(GeoPoint2D(3, -1));
        QVERIFY(r.isValid());
        QCOMPARE(r, GeoRectangle(3, -1, 3, -1));
        r.include(GeoPoint2D(-2, 4));
        QCOMPARE(r, GeoRectangle(-2, -1, 3, 4));
        QCOMPARE(r.width(), 5.0);
        QCOMPARE(r.height(), 5.0);
        QCOMPARE(r.center(), GeoPoint2D(0.5, 1.5));

        r.include(GeoRectangle()); // an invalid rectangle adds nothing
        QCOMPARE(r, GeoRectangle(-2, -1, 3, 4));
        r.include(GeoRectangle(10, 0, 11, 1));
        QCOMPARE(r, GeoRectangle(-2, -1, 11, 4));

        GeoRectangle fromInvalid;
        fromInvalid.include(GeoRectangle(1, 2, 3, 4));
        QCOMPARE(fromInvalid, GeoRectangle(1, 2, 3, 4));

        // Corners given in any order are normalised.
        const GeoRectangle corners(GeoPoint2D(4, -1), GeoPoint2D(-2, 3));
        QCOMPARE(corners.leftBottom(), GeoPoint2D(-2, -1));
        QCOMPARE(corners.rightTop(), GeoPoint2D(4, 3));
        GeoRectangle set;
        set.setRect(-2, -1, 4, 3);
        QCOMPARE(set, corners);
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
