#include "app/HostTestMarker.h"

#include "VelGui/DocumentView.h"
#include "laystore/CDbTextObject.h"
#include "laystore/view/LayerAreaItem.h"
#include "laystore/view/MarkerScene.h"
#include "laystore/view/MarkerTextItem.h"
#include "laystore/view/PieceGroupItem.h"
#include "laystore/view/SceneDrawing.h"

#include "TestMain.h"
#include <QtTest>
#include <memory>

using namespace VelSystem;
using LaystoreTest::Marker;

namespace {

QRectF rectOf(const CDbAbstractObject* object)
{
    const GeoRectangle r = object->boundingRect();
    return QRectF(QPointF(r.xmin, r.ymin), QPointF(r.xmax, r.ymax));
}

// The colour the view draws at a document point.
QColor colourAt(DocumentView& view, const QImage& image, double x, double y)
{
    return image.pixelColor(view.mapFromScene(QPointF(x, y)));
}

bool hasColourNear(const QImage& image, const QRect& area, const QColor& wanted)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - wanted.red()) + qAbs(c.green() - wanted.green()) +
                    qAbs(c.blue() - wanted.blue()) <
                40)
                return true;
        }
    }
    return false;
}

} // namespace

class tst_MarkerScene : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        mMarker = std::make_unique<Marker>();
        HostTest::fillTestMarker(*mMarker);
        mScene = std::make_unique<MarkerScene>(mMarker->document);
    }

    void cleanup()
    {
        mScene.reset();
        mMarker.reset();
    }

    void oneItemPerPlacedObjectFollowingItsChanges()
    {
        const QListEx<CDbAbstractObject*> objects = mMarker->document->objects(mMarker->fabric, 0);
        QCOMPARE(objects.size(), 4);
        QCOMPARE(mScene->objectItemCount(), 4);
        for (const CDbAbstractObject* object : objects) {
            auto* item = dynamic_cast<PieceGroupItem*>(mScene->itemFor(object));
            QVERIFY(item);
            QCOMPARE(item->scene(), mScene.get());
            QVERIFY(item->boundingRect().contains(rectOf(object)));
        }

        CDbGrPolysObject* added = mMarker->add(LaystoreTest::flyFacing(), {80.0, 0.0}, 1);
        QCOMPARE(mScene->objectItemCount(), 5);
        QVERIFY(mScene->itemFor(added));

        mMarker->document->removePiece(added, mMarker->fabric, 1);
        std::unique_ptr<CDbAbstractObject> owned(added);
        QCOMPARE(mScene->objectItemCount(), 4);
        QVERIFY(!mScene->itemFor(added));

        CDbGrPolysObject* current = mMarker->document->groups(mMarker->fabric, 0).first();
        auto* replacement = static_cast<CDbGrPolysObject*>(current->clone());
        mMarker->document->replacePiece(current, replacement, mMarker->fabric, 0);
        std::unique_ptr<CDbAbstractObject> replaced(current);
        QVERIFY(!mScene->itemFor(current));
        QVERIFY(mScene->itemFor(replacement));
        QCOMPARE(mScene->objectItemCount(), 4);

        // Only the changed object's item is touched.
        const QListEx<CDbGrPolysObject*> groups = mMarker->document->groups(mMarker->fabric, 0);
        const QRectF otherBefore = mScene->itemFor(groups[1])->boundingRect();
        GeoPoint2D delta(60.0, 0.0);
        groups[0]->translate(delta);
        QVERIFY(mScene->itemFor(groups[0])->boundingRect().contains(rectOf(groups[0])));
        QVERIFY(mScene->itemFor(groups[0])->boundingRect().left() > 50.0);
        QCOMPARE(mScene->itemFor(groups[1])->boundingRect(), otherBefore);
    }

    void previewsAndTextsDrawAbovePieces()
    {
        CDbGrPolysObject* source = mMarker->document->groups(mMarker->fabric, 0).first();
        CDbGrPolysObject* preview = source->clone(mMarker->document->drawing(), true);
        mMarker->document->addPiece(preview, mMarker->fabric, 0);
        auto* text = new CDbTextObject();
        text->setLines({QStringLiteral("Size 40")});
        text->setLetterSize(20);
        text->setCenter(GeoPoint2D(100.0, 50.0));
        mMarker->document->addPiece(text, mMarker->fabric, 0);

        const double pieceZ = mScene->itemFor(source)->zValue();
        QVERIFY(mScene->itemFor(preview)->zValue() > pieceZ);
        QVERIFY(mScene->itemFor(text)->zValue() > pieceZ);
        // The text is drawn at its letter size about its centre.
        const QRectF glyphs = static_cast<MarkerTextItem*>(mScene->itemFor(text))->glyphs().boundingRect();
        QVERIFY(glyphs.contains(QPointF(100.0, 50.0)));
        QVERIFY(glyphs.height() > 1.5 && glyphs.height() < 3.0);
    }

    void textLinesAlignInsideABlockCentredOnItsCentre_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("shortLineAtLeft");
        QTest::addColumn<bool>("shortLineAtRight");
        QTest::newRow("left") << int(Qt::AlignLeft) << true << false;
        QTest::newRow("center") << int(Qt::AlignHCenter) << false << false;
        QTest::newRow("right") << int(Qt::AlignRight | Qt::AlignVCenter) << false << true;
    }

    void textLinesAlignInsideABlockCentredOnItsCentre()
    {
        QFETCH(int, alignment);
        QFETCH(bool, shortLineAtLeft);
        QFETCH(bool, shortLineAtRight);
        auto* text = new CDbTextObject();
        text->setLines({QStringLiteral("MMMMMMMM"), QStringLiteral("II")});
        text->setLetterSize(20);
        text->setAlignment(alignment);
        text->setCenter(GeoPoint2D(100.0, 50.0));
        mMarker->document->addPiece(text, mMarker->fabric, 0);

        const QPainterPath& glyphs = static_cast<MarkerTextItem*>(mScene->itemFor(text))->glyphs();
        const QRectF block = glyphs.boundingRect();
        // The block is centred where the text is picked.
        QVERIFY2(qAbs(block.center().x() - 100.0) < 0.3, qPrintable(QString::number(block.center().x())));
        QVERIFY(text->boundingRect().contains(GeoPoint2D(block.center().x(), block.center().y())));
        // The short second line lies below the centre (y grows upward), 2.8 cm lines.
        const double quarter = block.width() / 4.0;
        QCOMPARE(glyphs.intersects(QRectF(block.left(), 47.5, quarter, 2.0)), shortLineAtLeft);
        QCOMPARE(glyphs.intersects(QRectF(block.right() - quarter, 47.5, quarter, 2.0)), shortLineAtRight);
        QVERIFY(glyphs.intersects(QRectF(block.left(), 50.5, quarter, 2.0)));
    }

    void layerAreasShowBothAreasOfEveryLayerAndTheMarkerEnd()
    {
        const QList<LayerAreaItem*>& areas = mScene->layerAreas();
        QCOMPARE(areas.size(), 2);
        for (const LayerAreaItem* area : areas) {
            QCOMPARE(area->fabricRect().top(), 0.0);
            QCOMPARE(area->fabricRect().bottom(), LaystoreTest::kLayerWidth);
            QCOMPARE(area->standbyRect().bottom(), 2.0 * LaystoreTest::kLayerWidth);
            QVERIFY(area->fabricRect().right() > HostTest::kMarkerLength);
            QCOMPARE(area->standbyLabel(), QStringLiteral("Standby area"));
            QVERIFY(area->zValue() <
                    mScene->itemFor(mMarker->document->groups(mMarker->fabric, 0).first())->zValue());
        }
        QCOMPARE(areas[0]->fabricLabel(), QStringLiteral("Fabric Denim, layer 1, width 150.00 cm"));
        QCOMPARE(areas[1]->fabricLabel(), QStringLiteral("Fabric Denim, layer 2, width 150.00 cm"));
        // Labels stay readable: above every piece.
        for (QGraphicsItem* label : areas[0]->labels())
            QCOMPARE(label->scene(), mScene.get());

        QCOMPARE(areas[0]->markerEnd(), HostTest::kMarkerLength);
        QCOMPARE(areas[0]->markerEndLabel(), QStringLiteral("Length 53.00 cm"));
        // Only the layer being edited shows its end.
        QCOMPARE(areas[1]->markerEndLabel(), QString());

        // The second pocket; the last group waits in the standby area.
        CDbGrPolysObject* pocket = mMarker->document->groups(mMarker->fabric, 0).at(2);
        GeoPoint2D delta(200.0, 0.0);
        pocket->translate(delta);
        mMarker->document->emitModified();
        QCOMPARE(areas[0]->markerEnd(), rectOf(pocket).right());
        QVERIFY(areas[0]->fabricRect().right() > rectOf(pocket).right());
    }

    void overlapSelectionAndFabricAreDrawnDistinctly()
    {
        QCOMPARE(mMarker->document->findOverlaps(), 1);
        const QListEx<CDbGrPolysObject*> groups = mMarker->document->groups(mMarker->fabric, 0);
        CDbGrPolysObject* leg = groups[0];
        leg->setSelected(true);

        DocumentView view(mScene.get());
        view.resize(800, 600);
        view.fitToRect(GeoRectangle(-5.0, -5.0, 60.0, 110.0));
        const QImage image = view.grab().toImage();

        const QColor legFill = colourAt(view, image, 12.0, 50.0);
        const QColor overlapFill = colourAt(view, image, 40.0, 10.0);
        const QColor emptyFabric = colourAt(view, image, 45.0, 80.0);
        QVERIFY2(legFill.blue() > legFill.red(), qPrintable(legFill.name()));
        QVERIFY2(overlapFill.red() > overlapFill.blue() + 40, qPrintable(overlapFill.name()));
        QVERIFY2(emptyFabric.lightness() > 230, qPrintable(emptyFabric.name()));

        // The selected leg's outline carries the highlight; the unselected pockets' do not.
        const QRect legEdge(view.mapFromScene(QPointF(-1.0, 30.0)) - QPoint(4, 4), QSize(9, 9));
        QVERIFY(hasColourNear(image, legEdge, kSelectionColour));
        const QRect pocketEdge(view.mapFromScene(QPointF(30.0, 3.0)) - QPoint(4, 4), QSize(9, 9));
        QVERIFY(!hasColourNear(image, pocketEdge, kSelectionColour));

        // A plaid shows faintly on the empty fabric, along its lines only.
        mMarker->fabric->setPlaidRepeat(10.0, 10.0);
        mMarker->fabric->setPlaidOffset(5.0, 5.0);
        mMarker->document->emitModified();
        const QImage plaid = view.grab().toImage();
        const auto darkestNear = [&](double x, double y) {
            int darkest = 255;
            const QPoint at = view.mapFromScene(QPointF(x, y));
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx)
                    darkest = qMin(darkest, plaid.pixelColor(at + QPoint(dx, dy)).lightness());
            }
            return darkest;
        };
        QVERIFY(darkestNear(45.0, 80.0) < emptyFabric.lightness() - 15);
        QVERIFY(darkestNear(45.0, 80.0) > 150);
        QVERIFY(darkestNear(47.5, 77.5) >= emptyFabric.lightness() - 2);
    }

    void otherLayersAreFadedAndUnlabelled()
    {
        CDbGrPolysObject* other = mMarker->add(LaystoreTest::flyFacing(), {10.0, 10.0}, 1);
        CDbGrPolysObject* leg = mMarker->document->groups(mMarker->fabric, 0).first();
        QCOMPARE(mScene->itemFor(leg)->opacity(), 1.0);
        QVERIFY(mScene->itemFor(other)->opacity() < 0.5);
        const QList<LayerAreaItem*>& areas = mScene->layerAreas();
        QVERIFY(areas[0]->isCurrent());
        QVERIFY(!areas[1]->isCurrent());
        QVERIFY(areas[0]->zValue() > areas[1]->zValue());
        QVERIFY(!areas[1]->labels().first()->isVisible());

        QVERIFY(mMarker->document->drawing()->setCurrentFabricAndLayer(0, 1));
        mMarker->document->emitModified();
        QCOMPARE(mScene->itemFor(other)->opacity(), 1.0);
        QVERIFY(mScene->itemFor(leg)->opacity() < 0.5);
        QVERIFY(areas[1]->isCurrent());
        QVERIFY(areas[1]->labels().first()->isVisible());
        QVERIFY(!areas[0]->labels().first()->isVisible());
        QCOMPARE(areas[1]->markerEndLabel(), QStringLiteral("Length 30.00 cm"));
    }

    void filterHidesAKindAndTheDocumentOutlivesTheScene()
    {
        mScene->filter().setVisible(CDbAbstractObject::KindGroup, false);
        mScene->applyFilter();
        CDbGrPolysObject* leg = mMarker->document->groups(mMarker->fabric, 0).first();
        QVERIFY(!mScene->itemFor(leg)->isVisible());
        CDbGrPolysObject* added = mMarker->add(LaystoreTest::flyFacing(), {90.0, 0.0});
        QVERIFY(!mScene->itemFor(added)->isVisible());

        mScene->filter().setVisible(CDbAbstractObject::KindGroup, true);
        mScene->applyFilter();
        QVERIFY(mScene->itemFor(leg)->isVisible());

        // The document keeps working without the scene it once had.
        mScene.reset();
        GeoPoint2D delta(5.0, 0.0);
        added->translate(delta);
        mMarker->document->emitModified();
        QVERIFY(mMarker->document->contains(mMarker->add(LaystoreTest::flyFacing(), {120.0, 0.0})));
    }

    void marginsGrowWhenZoomingOut()
    {
        CDbGrPolysObject* leg = mMarker->document->groups(mMarker->fabric, 0).first();
        mScene->viewScaleChanged(100.0);
        const double closeMargin = mScene->penMargin();
        QVERIFY(closeMargin >= 4.0 / 100.0);
        QVERIFY(closeMargin <= 16.0 / 100.0);
        // At 0.5 pixel per centimetre a 4-pixel highlight reaches 8 cm beyond the outline.
        mScene->viewScaleChanged(0.5);
        QVERIFY(mScene->penMargin() >= 8.0);
        QVERIFY(mScene->itemFor(leg)->boundingRect().contains(rectOf(leg).adjusted(-8.0, -8.0, 8.0, 8.0)));
    }

private:
    std::unique_ptr<Marker> mMarker;
    std::unique_ptr<MarkerScene> mScene;
};

MARKER_TEST(tst_MarkerScene)
#include "tst_MarkerScene.moc"
