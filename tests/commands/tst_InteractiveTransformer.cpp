#include "gui/GuiTestDoubles.h"
#include "laystore/LaystoreTestMarker.h"

#include "Commands/InteractiveTransformer.h"
#include "VelCore/AbstractCmd.h"
#include "VelCore/KeyboardMonitor.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "VelGui/DocumentWindow.h"
#include "VelGui/MainWindow.h"
#include "laystore/CMarkerSelection.h"

#include "TestMain.h"
#include <QPointF>
#include <QRegularExpression>
#include <QUndoStack>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

namespace {

// A document window of a host that shows piece information.
class PieceInfoWindow : public DocumentWindow
{
    Q_OBJECT
public:
    using DocumentWindow::DocumentWindow;
    QList<CDbAbstractObject*> shown;

public slots:
    void updatePieceInfoUi(VelSystem::CDbAbstractObject* object) { shown.append(object); }
};

} // namespace

Q_DECLARE_METATYPE(VelSystem::GeoPoint2D)

class tst_InteractiveTransformer : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<Marker>();
        scene = std::make_unique<DocumentScene>(m->document);
        reports = std::make_unique<RecordingSink>();
        band = m->add(waistband(), {0, 0});
        pocket = m->add(pocketBag(), {60, 0});
        leg = m->add(frontLeg(), {0, 30});
    }

    void cleanup()
    {
        KeyboardMonitor::instance().releaseAll();
        scene.reset();
        m.reset();
        QVERIFY2(reports->errors.isEmpty(), qPrintable(reports->errors.join('\n')));
        reports.reset();
    }

    void dragShowsPreviewsAndEndsInOneUndoableMove()
    {
        const Snapshot start = snapshot(*m);
        auto transformer = drag({pocket, band});
        QVERIFY(transformer->isActive());
        const QListEx<CDbAbstractObject*> shown = previews();
        CDbAbstractObject* preview = pocket->preview();
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown.contains(preview));
        QVERIFY(preview->zHint() > pocket->zHint());
        QCOMPARE(preview->boundingRect(), pocket->boundingRect());
        transformer->translate({50, 20});
        QCOMPARE(preview->boundingRect().leftBottom(), GeoPoint2D(110, 20));
        QCOMPARE(pocket->boundingRect().leftBottom(), GeoPoint2D(60, 0));
        transformer->translate({50, 20});
        endWithMove(*transformer, {100, 40});
        QUndoStack* stack = m->document->undoStack();
        QCOMPARE(stack->count(), 1);
        const QListEx<CDbAbstractObject*> objects = m->document->objects(m->fabric, 0);
        QCOMPARE(objects[0]->boundingRect().leftBottom(), GeoPoint2D(100, 40));
        QCOMPARE(objects[1]->boundingRect().leftBottom(), GeoPoint2D(160, 40));
        const Snapshot moved = snapshot(*m);
        stack->undo();
        QVERIFY(matches(*m, start));
        stack->redo();
        QVERIFY(matches(*m, moved));
    }

    void previewsKeepTogetherAtTheFabricEdge()
    {
        auto transformer = drag({leg, pocket});
        transformer->translate({5, -10}); // the pocket lies on the fabric's edge already
        QCOMPARE(previews()[0]->boundingRect().leftBottom(), GeoPoint2D(5, 30));
        QCOMPARE(previews()[1]->boundingRect().leftBottom(), GeoPoint2D(65, 0));
        endWithMove(*transformer, {5, 0});
        QCOMPARE(m->document->objects(m->fabric, 0)[2]->boundingRect().leftBottom(), GeoPoint2D(5, 30));
    }

    void dragsThatChangeNothingRecordNothing()
    {
        const Snapshot start = snapshot(*m);
        auto transformer = drag({pocket});
        transformer->translate({10, 0});
        transformer->translate({-10, 0});
        QCOMPARE(transformer->end(), nullptr);
        QVERIFY(matches(*m, start));
        QCOMPARE(pocket->preview(), nullptr);

        // Abandoned, even after a turn.
        transformer = drag({pocket, band});
        transformer->translate({5, 5});
        QVERIFY(transformer->transformByKey(Qt::Key_5));
        transformer.reset();
        QVERIFY(matches(*m, start));
        QCOMPARE(pocket->preview(), nullptr);

        transformer = drag({});
        QVERIFY(!transformer->isActive());
        transformer->translate({5, 5});
        QVERIFY(!transformer->transformByKey(Qt::Key_5));
        QCOMPARE(transformer->end(), nullptr);
        QVERIFY(matches(*m, start));
        QCOMPARE(m->document->undoStack()->count(), 0);

        // An ended drag takes nothing more.
        transformer = drag({pocket});
        transformer->translate({5, 5});
        endWithMove(*transformer, {5, 5});
        transformer->translate({5, 5});
        QVERIFY(!transformer->transformByKey(Qt::Key_5));
        QCOMPARE(transformer->end(), nullptr);
    }

    // Objects by their index in the layer: 0 the waistband, 1 the pocket.
    void onlyASinglePieceSnapsToAFreePlace_data()
    {
        QTest::addColumn<QList<int>>("dragged");
        QTest::addColumn<GeoPoint2D>("dropped");
        QTest::addColumn<GeoPoint2D>("recorded");
        QTest::newRow("pocket 2 cm into the waistband's end lands flush")
            << QList<int>{1} << GeoPoint2D(-20, 0) << GeoPoint2D(-18, 0);
        QTest::newRow("pocket deep in the leg has no free place nearby")
            << QList<int>{1} << GeoPoint2D(-58, 60) << GeoPoint2D(-58, 60);
        QTest::newRow("waistband 2 cm into the leg's foot snaps below it")
            << QList<int>{0} << GeoPoint2D(0, 28) << GeoPoint2D(0, 26);
        QTest::newRow("two pieces never snap") << QList<int>{0, 1} << GeoPoint2D(0, 28) << GeoPoint2D(0, 28);
    }

    void onlyASinglePieceSnapsToAFreePlace()
    {
        QFETCH(QList<int>, dragged);
        QFETCH(GeoPoint2D, dropped);
        QFETCH(GeoPoint2D, recorded);
        QListEx<CDbAbstractObject*> objects;
        for (int index : dragged)
            objects << m->document->objects(m->fabric, 0)[index];
        const GeoPoint2D corner = objects[0]->boundingRect().leftBottom();
        auto transformer = drag(objects);
        transformer->translate(dropped);
        endWithMove(*transformer, recorded);
        QCOMPARE(transformer->availablePositions().isEmpty(), recorded == dropped);
        QCOMPARE(m->document->objects(m->fabric, 0)[dragged[0]]->boundingRect().leftBottom(),
                 corner + recorded);
    }

    // A quarter turn changes the piece's box: the snap places the turned piece, not its source.
    void turnedPieceSnapsExactly()
    {
        auto transformer = drag({pocket});
        KeyboardMonitor::instance().setKeyPressed(Qt::Key_0, true);
        QVERIFY(transformer->transformByKey(Qt::Key_5));
        const GeoPoint2D turnedCorner = previews()[0]->boundingRect().leftBottom();
        transformer->translate(GeoPoint2D(39, 0) - turnedCorner);
        endWithMove(*transformer, GeoPoint2D(42, 0) - turnedCorner);
        QCOMPARE(m->document->objects(m->fabric, 0)[1]->boundingRect().leftBottom(), GeoPoint2D(42, 0));
    }

    void keyDuringDragTurnsPreviewAndCopy()
    {
        auto transformer = drag({pocket});
        QSignalSpy pieceInfo(transformer.get(), &InteractiveTransformer::pieceInfoChanged);
        QVERIFY(transformer->transformByKey(Qt::Key_5));
        QCOMPARE(static_cast<CDbGrPolysObject*>(previews()[0])->polygon(0).rotation(), 180.0);
        QCOMPARE(pieceInfo.count(), 1);
        const auto* copy = qobject_cast<CDbGrPolysObject*>(pieceInfo[0][0].value<CDbAbstractObject*>());
        QVERIFY(copy && copy != previews()[0] && copy != pocket);
        QCOMPARE(copy->polygon(0).rotation(), 180.0);
        transformer->translate({0, 50});
        endWithMove(*transformer, {0, 50});
        const auto* moved = static_cast<CDbGrPolysObject*>(m->document->objects(m->fabric, 0)[1]);
        QCOMPARE(moved->polygon(0).rotation(), 180.0);
        QCOMPARE(moved->boundingRect().leftBottom(), GeoPoint2D(60, 50));

        // Turned but not moved is a change too.
        transformer = drag({band});
        QVERIFY(transformer->transformByKey(Qt::Key_7));
        endWithMove(*transformer, {0, 0});
        QVERIFY(
            static_cast<CDbGrPolysObject*>(m->document->objects(m->fabric, 0)[0])->polygon(0).isMirroredY());
    }

    void pieceInformationFollowsKeyTransforms()
    {
        MainWindow mainWindow;
        auto* window = new PieceInfoWindow(new DocumentView(scene.get()));
        mainWindow.addDocumentWindow(window);
        auto transformer = drag({pocket, band});
        QVERIFY(transformer->transformByKey(Qt::Key_9));
        QCOMPARE(window->shown.size(), 2);
        QVERIFY(static_cast<CDbGrPolysObject*>(window->shown[1])->polygon(0).isMirroredX());
    }

private:
    // Selects `objects` and starts a drag of them.
    std::unique_ptr<InteractiveTransformer> drag(const QListEx<CDbAbstractObject*>& objects)
    {
        m->document->deselectAll(false, false);
        CMarkerSelection(m->document.get(), objects).setSelected(true);
        return std::make_unique<InteractiveTransformer>(scene.get());
    }

    // Ends the drag of `transformer`, expecting a move by `offset` to be recorded, and pushes it.
    void endWithMove(InteractiveTransformer& transformer, const GeoPoint2D& offset)
    {
        QString point;
        QDebug(&point) << QPointF(offset.x, offset.y);
        QTest::ignoreMessage(
            QtDebugMsg,
            QRegularExpression(
                "^src\\\\Commands\\\\InteractiveTransformer 430 .*::InteractiveTransformer::end\\(\\) "
                "InteractiveTransformer::end\\(\\): " +
                QRegularExpression::escape(point.trimmed()) + "$"));
        AbstractCmd* command = transformer.end();
        QVERIFY(command);
        m->document->undoStack()->push(command);
        QVERIFY(!transformer.isActive());
        QVERIFY(previews().isEmpty());
    }

    QListEx<CDbAbstractObject*> previews() const
    {
        QListEx<CDbAbstractObject*> found;
        for (CDbAbstractObject* object : m->document->objects(m->fabric, 0)) {
            if (object->isDragged())
                found.append(object);
        }
        return found;
    }

    std::unique_ptr<Marker> m;
    std::unique_ptr<DocumentScene> scene;
    std::unique_ptr<RecordingSink> reports;
    CDbGrPolysObject *band = nullptr, *pocket = nullptr, *leg = nullptr;
};

MARKER_TEST(tst_InteractiveTransformer)
#include "tst_InteractiveTransformer.moc"
