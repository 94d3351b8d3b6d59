#include "laystore/LaystoreTestMarker.h"

#include "VelConjoin/ViewFilter.h"
#include "laystore/CDbLineObject.h"
#include "laystore/CDbTextObject.h"
#include "laystore/CMarkerSelection.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

// Picks as a view asks for them: a point or a rubber band in document coordinates, with the
// five-pixel tolerance converted at the view's scale.
class tst_Pick : public QObject
{
    Q_OBJECT

private slots:
    void init() { m = std::make_unique<Marker>(); }
    void cleanup() { m.reset(); }

    void toleranceFollowsViewScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("10 px/cm") << 10.0;
        QTest::newRow("40 px/cm") << 40.0;
    }

    void toleranceFollowsViewScale()
    {
        QFETCH(double, scale);
        m->document->setViewScale(scale);
        // The waistband's right edge runs along x = 62, its top along y = 14.
        CDbGrPolysObject* band = m->add(waistband(), {20, 10});
        const double px = 1.0 / scale;

        QCOMPARE(pickAt({40, 12}), QListEx<CDbAbstractObject*>{band});
        QCOMPARE(pickAt({62 + 3 * px, 12}), QListEx<CDbAbstractObject*>{band});
        QVERIFY(pickAt({62 + 8 * px, 12}).isEmpty());
        QCOMPARE(pickAt({30, 14 + 3 * px}), QListEx<CDbAbstractObject*>{band});
        QVERIFY(pickAt({30, 14 + 8 * px}).isEmpty());
        // Near the corner, diagonally: 3 px away on each axis is 4.2 px away.
        QCOMPARE(pickAt({62 + 3 * px, 14 + 3 * px}), QListEx<CDbAbstractObject*>{band});
        QVERIFY(pickAt({62 + 4 * px, 14 + 4 * px}).isEmpty());
    }

    void pointPickTakesOnlyTheTopmost()
    {
        CDbGrPolysObject* leg = m->add(frontLeg(), {0, 0});
        CDbGrPolysObject* pocket = m->add(pocketBag(), {5, 20});
        m->add(waistband(), {100, 0});
        QCOMPARE(pickAt({10, 30}), QListEx<CDbAbstractObject*>{pocket});

        // The order of the layer decides, not the order the index returns them in.
        CDbAbstractObject* legAgain = leg->clone();
        m->document->removePiece(leg, m->fabric, 0);
        m->document->addPiece(legAgain, m->fabric, 0);
        delete leg;
        QCOMPARE(pickAt({10, 30}), QListEx<CDbAbstractObject*>{legAgain});

        // Picking changes no selection.
        QVERIFY(m->document->markerSelection()->isEmpty());
        QVERIFY(!legAgain->isSelected());
    }

    void pickFollowsFilterAndCurrentLayer()
    {
        CDbGrPolysObject* leg = m->add(frontLeg(), {0, 0});
        CDbTextObject* label = m->addText({QStringLiteral("38")}, {10, 50});
        CDbGrPolysObject* below = m->add(pocketBag(), {0, 40}, 1);

        QCOMPARE(pickAt({10, 50}), QListEx<CDbAbstractObject*>{label});
        ViewFilter noTexts;
        noTexts.setVisible(CDbAbstractObject::KindText, false);
        QCOMPARE(pickAt({10, 50}, &noTexts), QListEx<CDbAbstractObject*>{leg});

        m->document->drawing()->setCurrentFabricAndLayer(0, 1);
        QCOMPARE(pickAt({10, 50}), QListEx<CDbAbstractObject*>{below});
    }

    void piecesTextsAndLinesAreHitByTheirShape()
    {
        m->document->setViewScale(10);
        CDbTextObject* label = m->addText({QStringLiteral("MARKER 12"), QStringLiteral("denim")}, {50, 50});
        label->setLetterSize(20);
        label->setAngle(45.0);
        auto* line = new CDbLineObject();
        line->setPoints({100, 10}, {140, 50});
        m->document->addPiece(line, m->fabric, 0);
        // The fly facing's step leaves a corner of its bounding box uncovered.
        CDbGrPolysObject* fly = m->add(flyFacing(), {0, 0});
        QVERIFY(pickAt({15, 15}).isEmpty());
        QCOMPARE(pickAt({3, 15}), QListEx<CDbAbstractObject*>{fly});
        QCOMPARE(pickAt({15, 6.3}), QListEx<CDbAbstractObject*>{fly});

        QCOMPARE(pickAt({50, 50}), QListEx<CDbAbstractObject*>{label});
        // A corner of the turned text's bounding box lies well off the text.
        const GeoRectangle r = label->boundingRect();
        QVERIFY(pickAt({r.xmin + 0.6, r.ymin + 0.6}).isEmpty());
        QCOMPARE(pickAt({120.3, 30}), QListEx<CDbAbstractObject*>{line});
        QVERIFY(pickAt({121, 29}).isEmpty());
    }

    void rubberBandTakesInsideAndCrossing()
    {
        CDbGrPolysObject* inside = m->add(pocketBag(), {10, 10});
        CDbGrPolysObject* crossing = m->add(waistband(), {30, 20});
        m->add(frontLeg(), {200, 0});
        // Turned so that its empty corner faces the band, which reaches into that corner only.
        m->add(flyFacing(), {40, 40})->rotate(180.0);
        auto* line = new CDbLineObject();
        line->setPoints({0, 5}, {100, 5});
        m->document->addPiece(line, m->fabric, 0);

        const QPolygonF band(QVector<QPointF>{{5, 8}, {53, 8}, {53, 50}, {5, 50}});
        const auto picked = boost::static_pointer_cast<CMarkerSelection>(m->document->pick(band, nullptr));
        QCOMPARE(picked->objects(), (QListEx<CDbAbstractObject*>{inside, crossing}));
        QCOMPARE(picked->kind(), int(CMarkerSelection::KindPieces));

        const QPolygonF flat(QVector<QPointF>{{0, 0}, {100, 100}});
        QVERIFY(m->document->pick(flat, nullptr)->isEmpty());
    }

private:
    QListEx<CDbAbstractObject*> pickAt(const GeoPoint2D& p, const ViewFilter* filter = nullptr) const
    {
        const double tolerance = m->document->drawing()->pixelToCmInX(5);
        const auto s = boost::static_pointer_cast<CMarkerSelection>(m->document->pick(p, tolerance, filter));
        return s->objects();
    }

    std::unique_ptr<Marker> m;
};

MARKER_TEST(tst_Pick)
#include "tst_Pick.moc"
