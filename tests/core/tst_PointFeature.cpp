#include "VelConjoin/PointFeature.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;

class tst_PointFeature : public QObject
{
    Q_OBJECT
private slots:
    void matchLinkCapability_data()
    {
        QTest::addColumn<int>("features");
        QTest::addColumn<bool>("matchOnly");
        QTest::addColumn<bool>("expected");
        QTest::newRow("nothing, match only") << 0 << true << false;
        QTest::newRow("nothing") << 0 << false << false;
        QTest::newRow("match point, match only") << int(PointFeature::MatchPoint) << true << true;
        QTest::newRow("match point") << int(PointFeature::MatchPoint) << false << true;
        QTest::newRow("link end, match only") << int(PointFeature::LinkVector) << true << false;
        QTest::newRow("link end") << int(PointFeature::LinkVector) << false << true;
        QTest::newRow("both, match only")
            << (PointFeature::MatchPoint | PointFeature::LinkVector) << true << true;
        QTest::newRow("cutting features only")
            << (PointFeature::StartPoint | PointFeature::LiftPlunge) << false << false;
    }

    void matchLinkCapability()
    {
        QFETCH(int, features);
        QFETCH(bool, matchOnly);
        QFETCH(bool, expected);
        PointFeature point;
        point.setFeatures(features);
        QCOMPARE(point.stateMatchLinkVectorON(matchOnly), expected);
    }
};

MARKER_TEST(tst_PointFeature)
#include "tst_PointFeature.moc"
