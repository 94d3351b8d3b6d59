#include "laystore/LaystoreTestMarker.h"

#include "laystore/CDbTextObject.h"

#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

// What the library offers the moves of the plug-in: overlap marks kept by replacements,
// exact translations, sections carried in, shared areas of outlines, previews of any object.
class tst_MoveSupport : public QObject
{
    Q_OBJECT

private slots:
    void init() { m = std::make_unique<Marker>(); }
    void cleanup();

    void replacementKeepsOverlapMarks();
    void exactTranslationWhenAdjustingIsOff();
    void placedObjectsKeepTheirSectionWhenAsked();
    void sharedAreasOfOutlines_data();
    void sharedAreasOfOutlines();
    void anyObjectHasAPreview();

private:
    // A copy of `group` moved by `delta`, not placed.
    CDbGrPolysObject* movedCopy(const CDbGrPolysObject* group, GeoPoint2D delta) const;

    std::unique_ptr<Marker> m;
    std::vector<std::unique_ptr<CDbAbstractObject>> out; // objects the test took out
};

void tst_MoveSupport::cleanup()
{
    DocumentMak::msCheckOverlaps = true;
    CDbAbstractObject::mAdjustOffset = true;
    m.reset();
    out.clear();
}

CDbGrPolysObject* tst_MoveSupport::movedCopy(const CDbGrPolysObject* group, GeoPoint2D delta) const
{
    CDbGrPolysObject* copy = group->clone(nullptr, false);
    copy->translate(delta);
    return copy;
}

void tst_MoveSupport::replacementKeepsOverlapMarks()
{
    CDbGrPolysObject* leg = m->add(frontLeg(), {0, 0});
    CDbGrPolysObject* band = m->add(waistband(), {10, 50});
    CDbGrPolysObject* pocket = m->add(pocketBag(), {60, 0});
    QCOMPARE(m->document->findOverlaps(), 1);

    CDbGrPolysObject* away = movedCopy(band, {100, 0});
    m->document->replacePiece(band, away, m->fabric, 0);
    out.emplace_back(band);
    QVERIFY(!leg->isOverlapping() && !away->isOverlapping());
    QCOMPARE(m->document->overlapCount(), 0);

    CDbGrPolysObject* onPocket = movedCopy(away, {-70, -45});
    m->document->replacePiece(away, onPocket, m->fabric, 0);
    out.emplace_back(away);
    QVERIFY(pocket->isOverlapping() && onPocket->isOverlapping() && !leg->isOverlapping());
    QCOMPARE(m->document->overlapCount(), m->document->findOverlaps());

    // Without the check, the marks wait for the next search.
    DocumentMak::msCheckOverlaps = false;
    CDbGrPolysObject* clear = movedCopy(onPocket, {200, 0});
    m->document->replacePiece(onPocket, clear, m->fabric, 0);
    out.emplace_back(onPocket);
    QVERIFY(pocket->isOverlapping());
}

void tst_MoveSupport::exactTranslationWhenAdjustingIsOff()
{
    CDbGrPolysObject* pocket = m->add(pocketBag(), {10, 0});
    GeoPoint2D delta(-20, -5);
    CDbAbstractObject::mAdjustOffset = false;
    pocket->translate(delta);
    QCOMPARE(delta, GeoPoint2D(-20, -5));
    QCOMPARE(pocket->boundingRect().leftBottom(), GeoPoint2D(-10, -5));
    CDbAbstractObject::mAdjustOffset = true;
    pocket->translate(delta);
    QCOMPARE(delta, GeoPoint2D(10, 5));
}

void tst_MoveSupport::placedObjectsKeepTheirSectionWhenAsked()
{
    CDbGrPolysObject* laid = makePiece(pocketBag(), {0, 10});
    laid->setSection(CDbGrPolysObject::SectionStandby);
    m->document->setModifyPolysTable(false);
    m->document->addPiece(laid, m->fabric, 0);
    QCOMPARE(laid->section(), short(CDbGrPolysObject::SectionStandby));
    m->document->setModifyPolysTable(true);
    CDbGrPolysObject* again = makePiece(pocketBag(), {30, 10});
    again->setSection(CDbGrPolysObject::SectionStandby);
    m->document->addPiece(again, m->fabric, 0);
    QCOMPARE(again->section(), short(CDbGrPolysObject::SectionFabric));
}

void tst_MoveSupport::sharedAreasOfOutlines_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("parts");
    QTest::addColumn<double>("area");
    QTest::newRow("across") << 10.0 << 2.0 << 1 << 32.0 * 2.0;
    QTest::newRow("the same") << 0.0 << 0.0 << 1 << 42.0 * 4.0;
    QTest::newRow("edge to edge") << 0.0 << 4.0 << 0 << 0.0;
    QTest::newRow("apart") << 50.0 << 0.0 << 0 << 0.0;
}

void tst_MoveSupport::sharedAreasOfOutlines()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, parts);
    QFETCH(double, area);
    const std::unique_ptr<CDbGrPolysObject> a(makePiece(waistband(), {0, 0})),
        b(makePiece(waistband(), {x, y}));
    const CDbVectorsObjectTable& outline = a->polygon(0).outline();
    const QList<CDbVectorsObjectTable> shared =
        outline.listeVectorIntersection(b->polygon(0).outline(), a->boundingRect(), b->boundingRect());
    QCOMPARE(shared.size(), parts);
    if (parts)
        QCOMPARE(shared[0].toPolygon().area(), area);
}

void tst_MoveSupport::anyObjectHasAPreview()
{
    CDbTextObject text;
    text.setLines({QStringLiteral("Size 40")});
    const CDbAbstractObject& object = text;
    const std::unique_ptr<CDbAbstractObject> preview(object.clone(m->document->drawing(), true));
    QVERIFY(qobject_cast<CDbTextObject*>(preview.get()));
    QVERIFY(preview->isCloned() && preview->isDragged() && preview->zHint() > text.zHint());
    QCOMPARE(preview->drawing(), m->document->drawing());
}

QTEST_MAIN(tst_MoveSupport)
#include "tst_MoveSupport.moc"
