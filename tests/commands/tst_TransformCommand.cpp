#include "gui/GuiTestDoubles.h"
#include "laystore/LaystoreTestMarker.h"

#include "AssertionError.h"
#include "Commands/TransformCommand.h"
#include "VelCore/KeyboardMonitor.h"
#include "laystore/CDbMarkerShareGlobales.h"
#include "laystore/CDbTextObject.h"

#include "TestMain.h"
#include <QPointer>
#include <QUndoStack>
#include <QtTest>
#include <boost/exception/get_error_info.hpp>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

class tst_TransformCommand : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<Marker>();
        reports = std::make_unique<RecordingSink>();
        leg = m->add(frontLeg(), {0, 0});
        pocket = m->add(pocketBag(), {40, 0});
        band = m->add(waistband(), {40, 40});
    }

    void cleanup()
    {
        KeyboardMonitor::instance().releaseAll();
        CDbAbstractObject::mAdjustOffset = true;
        m.reset();
        QVERIFY2(reports->errors.isEmpty(), qPrintable(reports->errors.join('\n')));
        reports.reset();
    }

    void undoAndRedoReturnToEachState()
    {
        QUndoStack* stack = m->document->undoStack();
        const Snapshot start = snapshot(*m);
        stack->push(create({pocket, band}, {100, 20}));
        QCOMPARE(stack->undoText(), QStringLiteral("Move"));
        const Snapshot moved = snapshot(*m);
        QCOMPARE(m->document->objects(m->fabric, 0)[1]->boundingRect().leftBottom(), GeoPoint2D(140, 20));
        QVERIFY(!m->document->objects(m->fabric, 0)[1]->isDragged());
        stack->push(create({m->document->objects(m->fabric, 0)[1]}, {0, 30}));
        const Snapshot movedTwice = snapshot(*m);

        stack->undo();
        QVERIFY(matches(*m, moved));
        stack->undo();
        QVERIFY(matches(*m, start));
        QCOMPARE(m->document->objects(m->fabric, 0), QListEx<CDbAbstractObject*>({leg, pocket, band}));
        stack->redo();
        QVERIFY(matches(*m, moved));
        stack->redo();
        QVERIFY(matches(*m, movedTwice));
    }

    // A pair nobody searched for is marked only by a full search.
    void onlyARedoOfSeveralObjectsSearchesOverlaps()
    {
        CDbGrPolysObject* a = m->add(pocketBag(), {300, 0});
        CDbGrPolysObject* b = m->add(pocketBag(), {305, 0});
        QUndoStack* stack = m->document->undoStack();

        stack->push(create({band}, {0, 10}));
        QVERIFY(!a->isOverlapping());
        stack->undo();
        QVERIFY(!a->isOverlapping());
        stack->push(create({pocket, band}, {0, 10}));
        QVERIFY(a->isOverlapping() && b->isOverlapping());
        a->setOverlapping(false);
        stack->undo();
        QVERIFY(!a->isOverlapping());
    }

    void exchangesRunWithoutPerObjectChecks()
    {
        QList<bool> checks, modifies;
        connect(m->document.get(), &DocumentMak::objectAdded, this, [&] {
            checks << DocumentMak::msCheckOverlaps;
            modifies << m->document->getModifyPolysTable();
        });
        QUndoStack* stack = m->document->undoStack();
        stack->push(create({pocket}, {10, 0}));
        stack->undo();
        QCOMPARE(checks, QList<bool>({false, true}));
        QCOMPARE(modifies, QList<bool>({false, false}));
        QVERIFY(DocumentMak::msCheckOverlaps && m->document->getModifyPolysTable());
    }

    void offsetIsAdjustedUnlessTold()
    {
        GeoPoint2D offset(-60, -5);
        std::unique_ptr<TransformCommand> command(
            TransformCommand::create(m->document, m->fabric, 0, {pocket}, copiesOf({pocket}), offset));
        QCOMPARE(offset, GeoPoint2D(-40, 0));
        QCOMPARE(command->added()[0]->boundingRect().leftBottom(), GeoPoint2D(0, 0));
        QCOMPARE(pocket->boundingRect().leftBottom(), GeoPoint2D(40, 0));

        CDbAbstractObject::mAdjustOffset = false;
        offset = GeoPoint2D(-60, -5);
        command.reset(
            TransformCommand::create(m->document, m->fabric, 0, {pocket}, copiesOf({pocket}), offset));
        QCOMPARE(command->added()[0]->boundingRect().leftBottom(), GeoPoint2D(-20, -5));
    }

    void brokenCopyTakesItsSourceOut()
    {
        QListEx<CDbAbstractObject*> copies = copiesOf({pocket, band});
        static_cast<CDbGrPolysObject*>(copies[0])->polygon(0).contours().lastContour().points().resize(2);
        QPointer<CDbAbstractObject> source = pocket, copy = copies[0];
        GeoPoint2D offset(5, 0);
        std::unique_ptr<TransformCommand> command(
            TransformCommand::create(m->document, m->fabric, 0, {pocket, band}, copies, offset));
        QCOMPARE(command->removed(), QListEx<CDbAbstractObject*>({band}));
        QVERIFY(!m->document->contains(pocket) && source && !copy);

        offset = GeoPoint2D(5, 0);
        copies = copiesOf({leg});
        static_cast<CDbGrPolysObject*>(copies[0])->polygon(0).contours().lastContour().points().resize(2);
        QCOMPARE(TransformCommand::create(m->document, m->fabric, 0, {leg}, copies, offset), nullptr);
        QCOMPARE(m->document->objects(m->fabric, 0), QListEx<CDbAbstractObject*>({band}));
    }

    void impossibleCreations()
    {
        GeoPoint2D offset(5, 0);
        QListEx<CDbAbstractObject*> copies = copiesOf({pocket});
        QCOMPARE(TransformCommand::create({}, m->fabric, 0, {pocket}, copies, offset), nullptr);
        try {
            TransformCommand::create(m->document, m->fabric, 0, {pocket, band}, copies, offset);
            QFAIL("no exception");
        } catch (const AssertionError& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Invalid Operation"));
            QCOMPARE(QString(*boost::get_error_info<boost::throw_file>(e)),
                     QStringLiteral("src\\Commands\\TransformCommand"));
            QVERIFY(QString(*boost::get_error_info<boost::throw_function>(e)).contains("create"));
            QCOMPARE(*boost::get_error_info<boost::throw_line>(e), 99);
        }
        qDeleteAll(copies);
    }

    // The debug line names the fixed line and the function, not the lambda that writes it.
    void failedRedoAndUndoAreLoggedAndShown()
    {
        QUndoStack* stack = m->document->undoStack();
        TransformCommand* command = create({pocket}, {5, 0});
        // Out of the document, the pocket belongs to the command from now on.
        m->document->removePiece(pocket, m->fabric, 0);
        QTest::ignoreMessage(QtDebugMsg, "src\\Commands\\TransformCommand 223 virtual void "
                                         "VelSystem::TransformCommand::redo() Occur some unexpected error.");
        stack->push(command);
        QCOMPARE(reports->errors.size(), 1);
        QVERIFY(reports->errors[0].contains("not on layer"));

        stack->push(create({band}, {5, 0}));
        m->document->removePiece(m->document->objects(m->fabric, 0).last(), m->fabric, 0);
        QTest::ignoreMessage(QtDebugMsg, "src\\Commands\\TransformCommand 214 virtual void "
                                         "VelSystem::TransformCommand::undo() Occur some unexpected error.");
        stack->undo();
        QCOMPARE(reports->errors.size(), 2);
        reports->errors.clear();
        stack->clear();
    }

    void droppedCommandsDeleteOnlyObjectsOutOfTheDocument()
    {
        QUndoStack* stack = m->document->undoStack();
        QListEx<CDbAbstractObject*> copies = copiesOf({pocket});
        GeoPoint2D offset(5, 0);
        stack->push(TransformCommand::create(m->document, m->fabric, 0, {pocket}, copies, offset));
        QPointer<CDbAbstractObject> source = pocket, copy = copies[0];
        stack->clear();
        QVERIFY(!source && copy && m->document->contains(copy));

        copies = copiesOf({band});
        stack->push(TransformCommand::create(m->document, m->fabric, 0, {band}, copies, offset));
        stack->undo();
        QPointer<CDbAbstractObject> undoneSource = band, undoneCopy = copies[0];
        stack->clear();
        QVERIFY(undoneSource && !undoneCopy);
    }

    void keyTransforms_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("held");
        QTest::addColumn<double>("rotation");
        QTest::addColumn<bool>("mirroredX");
        QTest::addColumn<bool>("mirroredY");
        QTest::newRow("+") << int(Qt::Key_Plus) << 0 << 2.5 << false << false;
        QTest::newRow("- with 0") << int(Qt::Key_Minus) << int(Qt::Key_0) << 335.0 << false << false;
        QTest::newRow("5") << int(Qt::Key_5) << 0 << 180.0 << false << false;
        QTest::newRow("5 with 0") << int(Qt::Key_5) << int(Qt::Key_0) << 90.0 << false << false;
        QTest::newRow("5 with shift") << int(Qt::Key_5) << int(Qt::Key_Shift) << 180.0 << false << false;
        QTest::newRow("7") << int(Qt::Key_7) << 0 << 0.0 << false << true;
        QTest::newRow("9") << int(Qt::Key_9) << 0 << 0.0 << true << false;
        QTest::newRow("9 with 0") << int(Qt::Key_9) << int(Qt::Key_0) << 0.0 << true << true;
    }

    void keyTransforms()
    {
        QFETCH(int, key);
        QFETCH(int, held);
        QFETCH(double, rotation);
        QFETCH(bool, mirroredX);
        QFETCH(bool, mirroredY);
        const double step = CDbMarkerShareGlobales::instance()->getRotFineStep();
        CDbMarkerShareGlobales::instance()->setRotFineStep(2.5);
        if (held)
            KeyboardMonitor::instance().setKeyPressed(held, true);
        const GeoPoint2D centre = pocket->boundingRect().center();
        QSignalSpy changed(pocket, &CDbAbstractObject::changed);
        QVERIFY(TransformCommand::runKeyTransform(pocket, key, m->document));
        CDbMarkerShareGlobales::instance()->setRotFineStep(step);
        QCOMPARE(pocket->polygon(0).rotation(), rotation);
        QCOMPARE(pocket->polygon(0).isMirroredX(), mirroredX);
        QCOMPARE(pocket->polygon(0).isMirroredY(), mirroredY);
        QVERIFY(changed.count() >= 2);
        QVERIFY(m->document->undoStack()->count() == 0);
        // Half turns and mirrors keep the centre where it was.
        if (rotation == 0.0 || rotation == 180.0)
            QVERIFY(pocket->boundingRect().center().equals(centre, 1e-9));
    }

    void keyTransformOfOtherObjectsOrKeys()
    {
        const Snapshot before = snapshot(*m);
        QSignalSpy changed(pocket, &CDbAbstractObject::changed);
        QVERIFY(TransformCommand::runKeyTransform(pocket, Qt::Key_8, m->document));
        QCOMPARE(changed.count(), 1);
        QVERIFY(matches(*m, before));

        CDbTextObject text;
        text.setLines({QStringLiteral("Size 38")});
        QSignalSpy textChanged(&text, &CDbAbstractObject::changed);
        QVERIFY(!TransformCommand::runKeyTransform(&text, Qt::Key_5, m->document));
        QCOMPARE(textChanged.count(), 0);

        // A group of another marker: the command refuses it.
        Marker other;
        CDbGrPolysObject* stranger = other.add(pocketBag(), {0, 0});
        QVERIFY(!TransformCommand::runKeyTransform(stranger, Qt::Key_5, m->document));
        QCOMPARE(stranger->polygon(0).rotation(), 0.0);
    }

private:
    // Copies of `sources` as a drag leaves them: previews that did not move.
    QListEx<CDbAbstractObject*> copiesOf(const QListEx<CDbAbstractObject*>& sources) const
    {
        QListEx<CDbAbstractObject*> copies;
        for (const CDbAbstractObject* source : sources)
            copies.append(source->clone(m->document->drawing(), true));
        return copies;
    }

    TransformCommand* create(const QListEx<CDbAbstractObject*>& sources, GeoPoint2D offset)
    {
        return TransformCommand::create(m->document, m->fabric, 0, sources, copiesOf(sources), offset);
    }

    std::unique_ptr<Marker> m;
    std::unique_ptr<RecordingSink> reports;
    CDbGrPolysObject *leg = nullptr, *pocket = nullptr, *band = nullptr;
};

MARKER_TEST(tst_TransformCommand)
#include "tst_TransformCommand.moc"
