#include "geo/GeoTestPrint.h"
#include "laystore/file/ShelfLayout.h"

#include "TestMain.h"
#include <QtTest>
#include <random>

using namespace VelSystem;

class tst_ShelfLayout : public QObject
{
    Q_OBJECT
private slots:
    void boxesStayInTheBandApart()
    {
        std::mt19937 random(3);
        std::uniform_real_distribution<double> side(0.5, 30.0);
        std::vector<GeoPoint2D> sizes;
        for (int i = 0; i < 200; ++i)
            sizes.emplace_back(side(random), side(random));
        std::vector<GeoPoint2D> corners;
        QVERIFY(ShelfLayout::arrange(sizes, 100.0, 60.0, 0.5, &corners));
        QCOMPARE(corners.size(), sizes.size());
        for (size_t i = 0; i < sizes.size(); ++i) {
            const GeoRectangle a(corners[i], corners[i] + sizes[i]);
            QVERIFY(a.xmin >= 0.0 && a.ymin >= 100.0 && a.ymax <= 160.0);
            for (size_t j = 0; j < i; ++j) {
                const GeoRectangle b(corners[j], corners[j] + sizes[j]);
                QVERIFY2(a.xmin >= b.xmax + 0.5 || b.xmin >= a.xmax + 0.5 || a.ymin >= b.ymax + 0.5 ||
                             b.ymin >= a.ymax + 0.5,
                         qPrintable(QStringLiteral("boxes %1 and %2 closer than the gap").arg(j).arg(i)));
            }
        }
    }

    void bandFillsUpwardsBeforeRowsGrow()
    {
        // Four 10 × 10 boxes in a band 25 high: two rows of two, not one row of four.
        const std::vector<GeoPoint2D> sizes(4, GeoPoint2D(10, 10));
        std::vector<GeoPoint2D> corners;
        QVERIFY(ShelfLayout::arrange(sizes, 0.0, 25.0, 1.0, &corners));
        double right = 0.0, top = 0.0;
        for (size_t i = 0; i < sizes.size(); ++i) {
            right = std::max(right, corners[i].x + 10.0);
            top = std::max(top, corners[i].y + 10.0);
        }
        QCOMPARE(right, 21.0);
        QCOMPARE(top, 21.0);
        // A band that holds one row only gets them all in it.
        QVERIFY(ShelfLayout::arrange(sizes, 0.0, 15.0, 1.0, &corners));
        QCOMPARE(corners.back(), GeoPoint2D(33, 0));
    }

    void boxHigherThanTheBandIsRefused()
    {
        std::vector<GeoPoint2D> corners{GeoPoint2D(7, 7)};
        QVERIFY(!ShelfLayout::arrange({GeoPoint2D(5, 5), GeoPoint2D(5, 12)}, 0.0, 10.0, 0.0, &corners));
        QCOMPARE(corners, std::vector<GeoPoint2D>{GeoPoint2D(7, 7)});
        QVERIFY(ShelfLayout::arrange({}, 0.0, 10.0, 0.0, &corners));
        QVERIFY(corners.empty());
    }
};

MARKER_TEST(tst_ShelfLayout)
#include "tst_ShelfLayout.moc"
