#include "laystore/LaystoreTestMarker.h"

#include "laystore/CDbLineObject.h"
#include "laystore/CDbTextObject.h"

#include "TestMain.h"
#include <QSignalSpy>
#include <QtTest>
#include <limits>
#include <stdexcept>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

Q_DECLARE_METATYPE(GeoRectangle)

// The model objects on their own: outlines, polygons, groups, texts and fabrics.
class tst_MarkerModel : public QObject
{
    Q_OBJECT

private slots:
    void clickInVectorTakesTheNearestOfTheKind()
    {
        // Waistband 42 x 4 at the origin; point 2 (1-based) is the notch at (21, 0).
        std::unique_ptr<CDbGrPolysObject> band(makePiece(waistband(), {0, 0}));
        const CDbVectorsObjectTable& outline = band->polygon(0).pieceOutline();
        short index = -1;

        QVERIFY(outline.isClickInVector(true, {21.2, 0.1}, 0.5, CDbVectorsObjectTable::eForAnyPoint, &index));
        QCOMPARE(index, short(2));
        QVERIFY(outline.isClickInVector(true, {41.7, 3.8}, 0.5, CDbVectorsObjectTable::eForNotch, &index) ==
                false);
        QCOMPARE(index, short(0));
        QVERIFY(outline.isClickInVector(true, {0.3, 0.3}, 0.5, CDbVectorsObjectTable::eForSegment, &index));
        QCOMPARE(index, short(1));
        QVERIFY(!outline.isClickInVector(true, {21.2, 0.1}, 0.5, CDbVectorsObjectTable::eForSegment, &index));

        // On edges: the closing edge from the last point back to the first is edge 5.
        QVERIFY(outline.isClickInVector(false, {-0.2, 2}, 0.5, CDbVectorsObjectTable::eForAnyPoint, &index));
        QCOMPARE(index, short(5));
        QVERIFY(outline.isClickInVector(false, {30, 0.3}, 0.5, CDbVectorsObjectTable::eForAnyPoint, &index));
        QCOMPARE(index, short(2));
        QVERIFY(!outline.isClickInVector(false, {30, 2}, 0.5, CDbVectorsObjectTable::eForAnyPoint, &index));
    }

    void turnsAndMirrorsTrackOrientation()
    {
        std::unique_ptr<CDbGrPolysObject> leg(makePiece(frontLeg(), {0, 0}));
        CDbPolygon p = leg->polygon(0);
        const CDbPolygon original = p;

        p.rotate(90, {0, 0});
        QCOMPARE(p.rotation(), 90.0);
        QCOMPARE(p.grainStart(), original.grainStart().rotated(90));
        QCOMPARE(static_cast<GeoPoint2D>(p.pieceOutline()[0]), original.pieceOutline()[0].rotated(90));
        p.rotate(300, {0, 0});
        QCOMPARE(p.rotation(), 30.0);

        // A mirror reverses the turn: mirrored, then turned back by the same angle, is the
        // original mirrored.
        p = original;
        p.rotate(30, {0, 0});
        p.mirrorX(5);
        QCOMPARE(p.rotation(), 330.0);
        QVERIFY(p.isMirroredX() && !p.isMirroredY());
        p.mirrorX(5);
        QVERIFY(!p.isMirroredX());
        QCOMPARE(p.rotation(), 30.0);
        p.rotate(-30, {0, 0});
        for (int i = 0; i < original.pieceOutline().size(); ++i)
            QVERIFY(p.pieceOutline()[i].equals(original.pieceOutline()[i], 1e-9));

        p = original;
        p.mirrorY(10);
        QVERIFY(p.isMirroredY());
        QCOMPARE(p.grainStart().y, 20 - original.grainStart().y);
    }

    void groupTransformsAboutItsCentre()
    {
        std::unique_ptr<CDbGrPolysObject> band(makePiece(waistband(), {10, 10}));
        QSignalSpy changed(band.get(), &CDbAbstractObject::changed);
        band->rotate(90);
        QCOMPARE(band->boundingRect(), GeoRectangle(29, -9, 33, 33));
        band->mirrorHorizontally();
        band->mirrorVertically();
        QCOMPARE(band->boundingRect(), GeoRectangle(29, -9, 33, 33));
        QCOMPARE(band->polygon(0).rotation(), 90.0);
        QVERIFY(band->polygon(0).isMirroredX() && band->polygon(0).isMirroredY());
        QCOMPARE(changed.count(), 3);
    }

    void cloneIsDeepAndPreviewIsMarked()
    {
        Marker m;
        CDbGrPolysObject* pocket = m.add(pocketBag(), {10, 10});
        std::unique_ptr<CDbAbstractObject> copy(pocket->clone());
        QVERIFY(copy->sameContent(*pocket));
        QCOMPARE(copy->drawing(), nullptr);
        GeoPoint2D delta(5, 0);
        copy->translate(delta);
        QVERIFY(!copy->sameContent(*pocket));
        QCOMPARE(pocket->boundingRect().xmin, 10.0);

        std::unique_ptr<CDbGrPolysObject> preview(pocket->clone(m.document->drawing(), true));
        QVERIFY(preview->isCloned() && preview->isDragged());
        QVERIFY(preview->zHint() > pocket->zHint());
        QCOMPARE(preview->drawing(), m.document->drawing());
        QVERIFY(!preview->isPlaced());
        QVERIFY(!preview->sameContent(*pocket));
        std::unique_ptr<CDbGrPolysObject> plain(pocket->clone(m.document->drawing(), false));
        QVERIFY(plain->sameContent(*pocket));

        // Not content: a text is never the same as a group. Any object has a preview.
        CDbTextObject text;
        QVERIFY(!text.sameContent(*pocket));
        QVERIFY(!pocket->sameContent(text));
        const std::unique_ptr<CDbAbstractObject> textPreview(
            static_cast<const CDbAbstractObject&>(text).clone(m.document->drawing(), true));
        QVERIFY(qobject_cast<CDbTextObject*>(textPreview.get()) && textPreview->isDragged() &&
                textPreview->zHint() > text.zHint());
    }

    void onlyBrokenGeometryIsInvalid()
    {
        std::unique_ptr<CDbGrPolysObject> farAway(makePiece(pocketBag(), {-500, 9000}));
        QVERIFY(farAway->isValid());
        QVERIFY(!CDbGrPolysObject().isValid());

        std::unique_ptr<CDbGrPolysObject> nan(makePiece(pocketBag(), {0, 0}));
        nan->polygon(0).contours().lastContour()[3].y = std::numeric_limits<double>::infinity();
        QVERIFY(!nan->isValid());

        std::unique_ptr<CDbGrPolysObject> flat(makePiece(pocketBag(), {0, 0}));
        CDbVectorsObjectTable twoPoints;
        twoPoints.append(CDbMarkerPointObject(0, 0));
        twoPoints.append(CDbMarkerPointObject(1, 0));
        flat->polygon(0).contours().addContour(twoPoints);
        QVERIFY(!flat->isValid());

        CDbLineObject line;
        line.setPoints({0, 0}, {std::numeric_limits<double>::quiet_NaN(), 1});
        QVERIFY(!line.isValid());
        // A text is placed only with characters to show, at a size and place it can be drawn.
        CDbTextObject text;
        QVERIFY(text.isValid());
        short code = 0;
        text.setMinAndMax(&code);
        QCOMPARE(code, short(1));
        text.setLines({QString(), QStringLiteral("Lot 4")});
        QCOMPARE(text.getDimensionsCharacters(), QSize(5, 2));
        text.setMinAndMax(&code);
        QCOMPARE(code, short(0));
        text.setLetterSize(0);
        QVERIFY(!text.isValid());
        text.setMinAndMax(&code);
        QCOMPARE(code, short(1));
        text.setLetterSize(-6);
        QVERIFY(!text.isValid());
        text.setLetterSize(10);
        text.setCenter({std::numeric_limits<double>::quiet_NaN(), 1});
        text.setMinAndMax(&code);
        QCOMPARE(code, short(1));
    }

    void exchangeInfosSwapsPlacement()
    {
        std::unique_ptr<CDbGrPolysObject> a(makePiece(pocketBag(), {0, 0}));
        std::unique_ptr<CDbGrPolysObject> b(makePiece(pocketBag(), {50, 200}));
        a->setSection(CDbGrPolysObject::SectionFabric);
        b->rotate(180);
        const std::unique_ptr<CDbAbstractObject> aBefore(a->clone()), bBefore(b->clone());

        a->exchangeInfos(b.get());
        QVERIFY(a->sameContent(*bBefore));
        QVERIFY(b->sameContent(*aBefore));
        QCOMPARE(b->section(), short(CDbGrPolysObject::SectionFabric));

        CDbTextObject text;
        QVERIFY_EXCEPTION_THROWN(a->exchangeInfos(&text), std::invalid_argument);
        QVERIFY(a->sameContent(*bBefore));
    }

    void textExtentFollowsLetterSizeAndAngle_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<double>("angle");
        QTest::addColumn<GeoRectangle>("extent");
        // "MARKER" and "12" at letter size 20 mm: 6 characters of 1.2 cm, two lines of 2.8 cm,
        // centred on (50, 20) whatever the alignment.
        const GeoRectangle level(46.4, 17.2, 53.6, 22.8);
        QTest::newRow("centred") << int(Qt::AlignHCenter) << 0.0 << level;
        QTest::newRow("left") << int(Qt::AlignLeft) << 0.0 << level;
        QTest::newRow("right") << int(Qt::AlignRight) << 0.0 << level;
        QTest::newRow("left, turned upright")
            << int(Qt::AlignLeft) << 90.0 << GeoRectangle(47.2, 16.4, 52.8, 23.6);
        QTest::newRow("reversed") << int(Qt::AlignRight) << 180.0 << level;
    }

    void textExtentFollowsLetterSizeAndAngle()
    {
        QFETCH(int, alignment);
        QFETCH(double, angle);
        QFETCH(GeoRectangle, extent);
        const auto textAt = [&](const GeoPoint2D& centre) {
            auto text = std::make_unique<CDbTextObject>();
            text->setLines({QStringLiteral("MARKER"), QStringLiteral("12")});
            text->setLetterSize(20);
            text->setCenter(centre);
            text->setAlignment(alignment);
            text->setAngle(angle);
            return text;
        };
        const std::unique_ptr<CDbTextObject> text = textAt({50, 20});
        const GeoRectangle r = text->boundingRect();
        QVERIFY2(r.leftBottom().equals(extent.leftBottom(), 1e-9) &&
                     r.rightTop().equals(extent.rightTop(), 1e-9),
                 QTest::toString(r));

        GeoPoint2D delta(10, -5);
        text->translate(delta);
        QVERIFY(text->boundingRect().leftBottom().equals(extent.leftBottom() + delta, 1e-9));
        // Moved by any amount, exactly the extent of a text written there, as one read back
        // from a saved file has.
        GeoPoint2D awkward(20.4968944099379, -60.55900621118013);
        text->translate(awkward);
        QCOMPARE(text->boundingRect(), textAt(text->center())->boundingRect());
    }

    void textAlignmentIsReadFromItsHorizontalFlags()
    {
        CDbTextObject text;
        QCOMPARE(text.alignment(), int(Qt::AlignHCenter));
        const std::pair<int, Qt::Alignment> cases[] = {
            {Qt::AlignLeft, Qt::AlignLeft},
            {Qt::AlignRight | Qt::AlignVCenter, Qt::AlignRight},
            {Qt::AlignHCenter | Qt::AlignVCenter, Qt::AlignHCenter},
            // Left wins over right; no horizontal flag centres.
            {Qt::AlignLeft | Qt::AlignRight, Qt::AlignLeft},
            {0, Qt::AlignHCenter},
            {Qt::AlignJustify, Qt::AlignHCenter}};
        for (const auto& c : cases) {
            text.setAlignment(c.first);
            QCOMPARE(text.alignment(), c.first);
            QCOMPARE(text.horizontalAlignment(), c.second);
        }
    }

    void piecesAreFoundByIndexWithACode()
    {
        CDbFabricObject fabric;
        CDbPieceObject front;
        front.info().setName(QStringLiteral("Front"));
        CDbPieceObject back;
        back.info().setName(QStringLiteral("Back"));
        fabric.addPiece(front);
        fabric.addPiece(back);

        short code = -1;
        QCOMPARE(fabric.findPieceAccordingIndex(1, &code)->name(), QStringLiteral("Back"));
        QCOMPARE(code, short(0));
        for (short outside : {short(-1), short(2), short(300)}) {
            code = -1;
            QVERIFY(!fabric.findPieceAccordingIndex(outside, &code));
            QCOMPARE(code, short(1));
        }
        QCOMPARE(fabric.findPieceAccordingIndex(0, nullptr)->name(), QStringLiteral("Front"));
    }

    void onlyPlacementAndMatchingLocksForbidMoves()
    {
        CDbMarkerDrawing drawing;
        QVERIFY(!drawing.isMoveLocked());
        drawing.setLockFlags(CDbMarkerDrawing::LockCutting);
        QVERIFY(!drawing.isMoveLocked());
        drawing.setLockFlags(CDbMarkerDrawing::LockPlacement);
        QVERIFY(drawing.isMoveLocked());
        drawing.setLockFlags(CDbMarkerDrawing::LockMatching | CDbMarkerDrawing::LockCutting);
        QVERIFY(drawing.isMoveLocked());
    }
};

MARKER_TEST(tst_MarkerModel)
#include "tst_MarkerModel.moc"
