#include "laystore/LaystoreTestMarker.h"

#include "laystore/CDbMarkerShareGlobales.h"
#include "laystore/CDbTextObject.h"
#include "laystore/CMarkerSelection.h"

#include "TestMain.h"
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <limits>
#include <stdexcept>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

using Call = std::function<void(Marker&, CDbGrPolysObject* placed, CDbGrPolysObject* loose)>;
Q_DECLARE_METATYPE(Call)

class tst_DocumentMak : public QObject
{
    Q_OBJECT

private slots:
    void init() { m = std::make_unique<Marker>(); }
    void cleanup() { m.reset(); }

    void addPlacesIndexesAndAnnounces()
    {
        QSignalSpy added(m->document.get(), &DocumentMak::objectAdded);
        QSignalSpy changed(m->document.get(), &DocumentMak::objectChanged);
        CDbGrPolysObject* leg = m->add(frontLeg(), {10, 20});

        QCOMPARE(added.count(), 1);
        QCOMPARE(added.first().first().value<CDbAbstractObject*>(), leg);
        QVERIFY(m->document->contains(leg));
        QCOMPARE(leg->drawing(), m->document->drawing());
        QCOMPARE(leg->fabricIndex(), short(0));
        QCOMPARE(leg->layerIndex(), short(0));
        QCOMPARE(m->document->objectsIn(GeoRectangle(30, 50, 31, 51), m->fabric, 0),
                 QListEx<CDbAbstractObject*>{leg});
        QVERIFY(m->document->objectsIn(GeoRectangle(30, 50, 31, 51), m->fabric, 1).isEmpty());

        // Changes of a placed object reach the document's listeners.
        leg->rotate(180.0);
        QCOMPARE(changed.count(), 1);
    }

    void sectionFollowsPosition_data()
    {
        QTest::addColumn<double>("bottom");
        QTest::addColumn<short>("section");
        // The pocket bag is 24 cm high: its centre lies 12 cm above its bottom.
        QTest::newRow("on the fabric") << 10.0 << short(CDbGrPolysObject::SectionFabric);
        QTest::newRow("centre on the fabric's far edge")
            << kLayerWidth - 12.0 << short(CDbGrPolysObject::SectionFabric);
        QTest::newRow("centre just beyond it")
            << kLayerWidth - 11.9 << short(CDbGrPolysObject::SectionStandby);
        QTest::newRow("in the standby area") << kLayerWidth + 20.0 << short(CDbGrPolysObject::SectionStandby);
    }

    void sectionFollowsPosition()
    {
        QFETCH(double, bottom);
        QFETCH(short, section);
        CDbGrPolysObject* pocket = m->add(pocketBag(), {30, bottom});
        QCOMPARE(pocket->section(), section);

        // Moving the piece to the other area changes its section.
        const bool laid = section == CDbGrPolysObject::SectionFabric;
        GeoPoint2D delta(0, laid ? kLayerWidth : -kLayerWidth);
        pocket->translate(delta);
        QCOMPARE(pocket->section(),
                 short(laid ? CDbGrPolysObject::SectionStandby : CDbGrPolysObject::SectionFabric));

        // Added without updating the tables, a piece keeps the section it was given.
        CDbGrPolysObject* kept = makePiece(pocketBag(), {30, bottom});
        kept->setSection(laid ? CDbGrPolysObject::SectionStandby : CDbGrPolysObject::SectionFabric);
        m->document->setModifyPolysTable(false);
        m->document->addPiece(kept, m->fabric, 0);
        m->document->setModifyPolysTable(true);
        QCOMPARE(kept->section(),
                 short(laid ? CDbGrPolysObject::SectionStandby : CDbGrPolysObject::SectionFabric));
    }

    void removeTakesObjectOutOfLayerAndSelection()
    {
        CDbGrPolysObject* leg = m->add(frontLeg(), {0, 0});
        CDbGrPolysObject* pocket = m->add(pocketBag(), {40, 0});
        CMarkerSelection(m->document.get(), {leg, pocket}).apply();
        m->fabric->layer(0)->setCurrentGroup(leg);
        QSignalSpy removed(m->document.get(), &DocumentMak::objectRemoved);

        m->document->removePiece(leg, m->fabric, 0);

        QCOMPARE(removed.count(), 1);
        QVERIFY(!m->document->contains(leg));
        QCOMPARE(m->document->objects(m->fabric, 0), QListEx<CDbAbstractObject*>{pocket});
        QCOMPARE(m->document->markerSelection()->objects(), QListEx<CDbAbstractObject*>{pocket});
        QVERIFY(!leg->isSelected());
        QCOMPARE(leg->drawing(), nullptr);
        QCOMPARE(leg->layerIndex(), short(-1));
        QCOMPARE(m->fabric->layer(0)->currentGroup(), nullptr);
        QVERIFY(m->document->objectsIn(GeoRectangle(0, 0, 30, 100), m->fabric, 0).isEmpty());

        // A removed object no longer reports to the document, and the caller owns it.
        QSignalSpy changed(m->document.get(), &DocumentMak::objectChanged);
        leg->rotate(90.0);
        QCOMPARE(changed.count(), 0);
        delete leg;
    }

    void replaceKeepsDrawingOrderAndSelection()
    {
        CDbGrPolysObject* leg = m->add(frontLeg(), {0, 0});
        CDbGrPolysObject* pocket = m->add(pocketBag(), {40, 0});
        CDbGrPolysObject* band = m->add(waistband(), {70, 0});
        CMarkerSelection(m->document.get(), {pocket}).apply();
        const Snapshot before = snapshot(*m);
        QSignalSpy removed(m->document.get(), &DocumentMak::objectRemoved);
        QSignalSpy added(m->document.get(), &DocumentMak::objectAdded);

        // Moved up into the standby area.
        CDbGrPolysObject* moved = makePiece(pocketBag(), {40, kLayerWidth + 10});
        m->document->replacePiece(pocket, moved, m->fabric, 0);

        QCOMPARE(m->document->objects(m->fabric, 0), (QListEx<CDbAbstractObject*>{leg, moved, band}));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(added.count(), 1);
        QVERIFY(moved->isSelected());
        QVERIFY(!pocket->isSelected());
        QCOMPARE(m->document->markerSelection()->objects(), QListEx<CDbAbstractObject*>{moved});
        QCOMPARE(moved->section(), short(CDbGrPolysObject::SectionStandby));
        QVERIFY(m->document->objectsIn(GeoRectangle(41, 1, 42, 2), m->fabric, 0).isEmpty());

        // Replacing back, as the plug-in's base command undoes, restores the layer exactly.
        const Snapshot after = snapshot(*m);
        m->document->replacePiece(moved, pocket, m->fabric, 0);
        QVERIFY(matches(*m, before));
        m->document->replacePiece(pocket, moved, m->fabric, 0);
        QVERIFY(matches(*m, after));
        delete pocket;
    }

    void indexFollowsMovedObjects()
    {
        CDbGrPolysObject* band = m->add(waistband(), {10, 10});
        CDbTextObject* label = m->addText({QStringLiteral("Size 38")}, {200, 50});

        GeoPoint2D delta(300, 0);
        band->translate(delta);
        label->setCenter({5, 80});

        QVERIFY(m->document->objectsIn(GeoRectangle(20, 11, 21, 12), m->fabric, 0).isEmpty());
        QCOMPARE(m->document->objectsIn(GeoRectangle(320, 11, 321, 12), m->fabric, 0),
                 QListEx<CDbAbstractObject*>{band});
        QCOMPARE(m->document->objectsIn(GeoRectangle(5, 80, 5, 80), m->fabric, 0),
                 QListEx<CDbAbstractObject*>{label});
        QVERIFY(m->document->objectsIn(GeoRectangle(200, 50, 200, 50), m->fabric, 0).isEmpty());
    }

    void impossibleCallsThrowAndChangeNothing_data()
    {
        QTest::addColumn<Call>("call");
        QTest::newRow("add null") << Call(
            [](Marker& k, auto, auto) { k.document->addPiece(nullptr, k.fabric, 0); });
        QTest::newRow("add twice") << Call(
            [](Marker& k, auto placed, auto) { k.document->addPiece(placed, k.fabric, 1); });
        QTest::newRow("add to a missing layer")
            << Call([](Marker& k, auto, auto loose) { k.document->addPiece(loose, k.fabric, 2); });
        QTest::newRow("add without a fabric")
            << Call([](Marker& k, auto, auto loose) { k.document->addPiece(loose, nullptr, 0); });
        QTest::newRow("add to another marker's fabric") << Call([](Marker& k, auto, auto loose) {
            Marker other;
            k.document->addPiece(loose, other.fabric, 0);
        });
        QTest::newRow("add to a foreign fabric") << Call([](Marker& k, auto, auto loose) {
            CDbFabricObject foreign;
            foreign.addLayer(kLayerWidth);
            k.document->addPiece(loose, &foreign, 0);
        });
        QTest::newRow("add broken geometry") << Call([](Marker& k, auto, auto loose) {
            loose->polygon(0).contours().lastContour()[2].x = std::numeric_limits<double>::quiet_NaN();
            k.document->addPiece(loose, k.fabric, 0);
        });
        QTest::newRow("insert beyond the end")
            << Call([](Marker& k, auto, auto loose) { k.document->insertPiece(loose, k.fabric, 0, 3); });
        QTest::newRow("remove from the wrong layer")
            << Call([](Marker& k, auto placed, auto) { k.document->removePiece(placed, k.fabric, 1); });
        QTest::newRow("remove an object not placed")
            << Call([](Marker& k, auto, auto loose) { k.document->removePiece(loose, k.fabric, 0); });
        QTest::newRow("replace an object not placed") << Call([](Marker& k, auto, auto loose) {
            std::unique_ptr<CDbGrPolysObject> copy(loose->clone(nullptr, false));
            k.document->replacePiece(loose, copy.get(), k.fabric, 0);
        });
        QTest::newRow("replace by a placed object") << Call([](Marker& k, auto placed, auto) {
            k.document->replacePiece(k.document->objects(k.fabric, 0).first(), placed, k.fabric, 0);
        });
        QTest::newRow("replace by null") << Call(
            [](Marker& k, auto placed, auto) { k.document->replacePiece(placed, nullptr, k.fabric, 0); });
        QTest::newRow("overlaps of a loose group")
            << Call([](Marker& k, auto, auto loose) { k.document->overlappingGroups(loose); });
    }

    void impossibleCallsThrowAndChangeNothing()
    {
        QFETCH(Call, call);
        m->add(frontLeg(), {0, 0});
        CDbGrPolysObject* placed = m->add(pocketBag(), {40, 0});
        CMarkerSelection(m->document.get(), {placed}).apply();
        std::unique_ptr<CDbGrPolysObject> loose(makePiece(waistband(), {80, 0}));
        const Snapshot before = snapshot(*m);
        QSignalSpy added(m->document.get(), &DocumentMak::objectAdded);
        QSignalSpy removed(m->document.get(), &DocumentMak::objectRemoved);

        QVERIFY_EXCEPTION_THROWN(call(*m, placed, loose.get()), std::invalid_argument);

        QVERIFY(matches(*m, before));
        QVERIFY(m->document->objects(m->fabric, 1).isEmpty());
        QCOMPARE(m->document->markerSelection()->objects(), QListEx<CDbAbstractObject*>{placed});
        QVERIFY(!m->document->contains(loose.get()));
        QCOMPARE(added.count() + removed.count(), 0);
    }

    void translateKeepsPlacedPieceInItsAreas()
    {
        CDbGrPolysObject* band = m->add(waistband(), {5, 20});

        GeoPoint2D left(-12, 3);
        band->translate(left);
        QCOMPARE(left, GeoPoint2D(-5, 3));
        QCOMPARE(band->boundingRect().leftBottom(), GeoPoint2D(0, 23));

        GeoPoint2D down(0, -50);
        band->translate(down);
        QCOMPARE(down, GeoPoint2D(0, -23));
        QCOMPARE(band->boundingRect().ymin, 0.0);

        GeoPoint2D up(7, 1000);
        band->translate(up);
        QCOMPARE(up, GeoPoint2D(7, 2 * kLayerWidth - 4));
        QCOMPARE(band->boundingRect().ymax, 2 * kLayerWidth);
        QCOMPARE(band->section(), short(CDbGrPolysObject::SectionStandby));

        // A translation that is cancelled out entirely changes nothing and announces nothing.
        QSignalSpy changed(band, &CDbAbstractObject::changed);
        GeoPoint2D further(0, 5);
        band->translate(further);
        QCOMPARE(further, GeoPoint2D(0, 0));
        QCOMPARE(changed.count(), 0);

        // Negative x is allowed when the marker's settings allow it.
        CDbMarkerShareGlobales::instance()->setNoNegative(false);
        GeoPoint2D back(-20, 0);
        band->translate(back);
        CDbMarkerShareGlobales::instance()->setNoNegative(true);
        QCOMPARE(back, GeoPoint2D(-20, 0));
        // So is anything when adjusting is off.
        CDbAbstractObject::mAdjustOffset = false;
        GeoPoint2D below(0, -500);
        band->translate(below);
        CDbAbstractObject::mAdjustOffset = true;
        QCOMPARE(below, GeoPoint2D(0, -500));

        // Off the marker a piece moves freely.
        std::unique_ptr<CDbGrPolysObject> loose(makePiece(waistband(), {5, 20}));
        GeoPoint2D delta(-50, 400);
        loose->translate(delta);
        QCOMPARE(delta, GeoPoint2D(-50, 400));
        QCOMPARE(loose->boundingRect().leftBottom(), GeoPoint2D(-45, 420));
    }

    void extentCoversAreasAndObjects()
    {
        // Empty layers still show both areas over a usable length.
        const GeoRectangle empty = m->document->extent();
        QCOMPARE(empty.leftBottom(), GeoPoint2D(0, 0));
        QCOMPARE(empty.ymax, 2 * kLayerWidth);
        QVERIFY(empty.xmax > 0);

        m->add(frontLeg(), {500, 10}, 1);
        m->fabric->addLayer(200.0);
        const GeoRectangle r = m->document->extent();
        QCOMPARE(r, GeoRectangle(0, 0, 527, 400));
    }

    void lengthAndUtilizationCountLaidPieces()
    {
        QCOMPARE(m->document->markerLength(), 0.0);
        QCOMPARE(m->document->utilization(), 0.0);
        m->add(waistband(), {0, 0});
        m->add(waistband(), {58, 10});
        m->add(waistband(), {300, kLayerWidth + 10}); // waiting: neither length nor use
        m->add(waistband(), {400, 0}, 1);             // another layer

        QCOMPARE(m->document->markerLength(), 100.0);
        QCOMPARE(m->document->utilization(), 2 * 42.0 * 4.0 / (100.0 * kLayerWidth));
    }

    void currentFabricAndLayer()
    {
        CDbMarkerDrawing* drawing = m->document->drawing();
        CDbFabricObject* fabric = nullptr;
        short layer = -1;
        short code = -1;
        QVERIFY(drawing->setCurrentFabricAndLayer(0, 1, &code));
        drawing->getCurrentFabricsAndLayer(fabric, layer, &code);
        QCOMPARE(fabric, m->fabric);
        QCOMPARE(layer, short(1));
        QCOMPARE(code, short(0));
        short f = -1, l = -1;
        QVERIFY(drawing->isSetToSingleLayer(&f, &l));
        QCOMPARE(l, short(1));

        // A missing layer is refused and the current one kept.
        QVERIFY(!drawing->setCurrentFabricAndLayer(0, 5, &code));
        QCOMPARE(code, short(1));
        QCOMPARE(drawing->currentLayer(), short(1));

        DocumentMak bare;
        bare.drawing()->getCurrentFabricsAndLayer(fabric, layer, &code);
        QCOMPARE(code, short(1));
        QCOMPARE(fabric, nullptr);
        QVERIFY(!bare.drawing()->isSetToSingleLayer(nullptr, nullptr));
    }

private:
    std::unique_ptr<Marker> m;
};

MARKER_TEST(tst_DocumentMak)
#include "tst_DocumentMak.moc"
