#include "laystore/LaystoreTestMarker.h"

#include "VelCore/AbstractCmd.h"
#include "laystore/CDbTextObject.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/file/MarkerFile.h"

#include "TestMain.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>
#include <stdexcept>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

class tst_AddReplaceCommands : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<Marker>();
        placed = {m->add(frontLeg(), {0, 0}), m->add(pocketBag(), {30, 0}), m->add(waistband(), {50, 30}),
                  m->add(flyFacing(), {100, 0})};
    }

    void cleanup() { m.reset(); }

    void addUndoRedoReturnToEachState()
    {
        const Snapshot before = snapshot(*m);
        auto* label = new CDbTextObject();
        label->setLines({QStringLiteral("Lot 12")});
        const QListEx<CDbAbstractObject*> added{makePiece(pocketBag(), {140, 10}), label};
        QSignalSpy modified(m->document.get(), &Document::modified);

        AbstractCmd* command = m->document->pushAddCmdUndo(added, m->fabric, 0, QStringLiteral("Fill hole"));

        QVERIFY(command);
        QCOMPARE(m->document->undoStack()->text(0), QStringLiteral("Fill hole"));
        QCOMPARE(m->document->objects(m->fabric, 0).mid(4), added);
        QVERIFY(modified.count() >= 1);
        QVERIFY(undoRedoRestores(*m, before, snapshot(*m)));
    }

    void replaceUndoRedoReturnToEachState_data()
    {
        QTest::addColumn<QList<int>>("current");
        QTest::addColumn<int>("replacements");
        QTest::newRow("pairwise") << QList<int>{1, 3} << 2;
        QTest::newRow("more replacements are added") << QList<int>{2} << 3;
        QTest::newRow("more current objects are removed from the middle") << QList<int>{3, 0, 1} << 1;
        QTest::newRow("no replacement removes") << QList<int>{1, 2} << 0;
        QTest::newRow("no current object adds") << QList<int>{} << 2;
    }

    void replaceUndoRedoReturnToEachState()
    {
        QFETCH(QList<int>, current);
        QFETCH(int, replacements);
        QListEx<CDbAbstractObject*> sources;
        for (int i : current)
            sources.append(placed[i]);
        QListEx<CDbAbstractObject*> copies = movedCopies(sources.mid(0, replacements), 200);
        while (copies.size() < replacements)
            copies.append(makePiece(waistband(), {300.0 + 50 * copies.size(), 70}));
        CMarkerSelection(m->document.get(), sources).apply();
        const Snapshot before = snapshot(*m);

        QVERIFY(m->document->pushReplaceCmdUndo(sources, copies, m->fabric, 0, QStringLiteral("Move"),
                                                DocumentMak::ApplyOnPush));

        // Each copy takes its source's place; extra copies come last, extra sources go.
        QListEx<CDbAbstractObject*> expected = placed;
        for (int i = 0; i < sources.size(); ++i) {
            if (i < copies.size())
                expected[expected.indexOf(sources[i])] = copies[i];
            else
                expected.removeOne(sources[i]);
        }
        expected += copies.mid(sources.size());
        QCOMPARE(m->document->objects(m->fabric, 0), expected);
        QVERIFY(undoRedoRestores(*m, before, snapshot(*m)));
        m->document->undoStack()->undo();
        QCOMPARE(m->document->objects(m->fabric, 0), placed);
    }

    void previewCopiesEnterTheDocumentAsOrdinaryObjects()
    {
        const QListEx<CDbAbstractObject*> copies = movedCopies({placed[1]}, 10);
        m->document->pushReplaceCmdUndo({placed[1]}, copies, m->fabric, 0, QString(),
                                        DocumentMak::ApplyOnPush);
        m->document->pushAddCmdUndo(movedCopies({placed[2]}, 100), m->fabric, 0, QString());

        // The saved marker holds all five pieces: none was left out as a drag preview, and none
        // draws above the others.
        const QJsonObject saved = QJsonDocument::fromJson(MarkerFile::toJson(*m->document)).object();
        QCOMPARE(saved["fabrics"][0]["layers"][0]["objects"].toArray().size(), 5);
        for (const CDbAbstractObject* object : m->document->objects(m->fabric, 0))
            QCOMPARE(object->zHint(), 0.0);
    }

    // The ways tools record a change they make themselves: the objects on the layer stay the
    // same objects through undo and redo, and the push itself changes nothing.
    void changesRecordedAfterKeepTheObjects_data()
    {
        QTest::addColumn<QString>("call");
        QTest::newRow("copy taken before, then the object") << "replace(copy, object)";
        QTest::newRow("object, then the copy taken before") << "replace(object, copy)";
        QTest::newRow("object and copy, changed after the push") << "replace(object, copy) then change";
        QTest::newRow("a text's lines") << "replace(text, copy)";
        QTest::newRow("objects placed by the caller") << "add(placed)";
    }

    void changesRecordedAfterKeepTheObjects()
    {
        QFETCH(QString, call);
        CDbTextObject* label = m->addText({QStringLiteral("Lot 12")}, {120, 50});
        const Snapshot before = snapshot(*m);
        auto* pocket = static_cast<CDbGrPolysObject*>(placed[1]);
        CDbAbstractObject* copy = call.contains("text") ? label->clone(m->document->drawing(), true)
                                                        : pocket->clone(m->document->drawing(), true);
        GeoPoint2D delta(0, 40);
        const auto change = [&] {
            if (call.contains("text"))
                label->setLines({QStringLiteral("Lot 12"), QStringLiteral("Denim")});
            else
                pocket->translate(delta);
        };
        QListEx<CDbAbstractObject*> live{call.contains("text") ? static_cast<CDbAbstractObject*>(label)
                                                               : pocket};
        AbstractCmd* command = nullptr;
        if (call == "add(placed)") {
            delete copy;
            live = {makePiece(waistband(), {140, 0}), makePiece(pocketBag(), {190, 0})};
            m->document->addPiece(live[0], m->fabric, 0);
            m->document->insertPiece(live[1], m->fabric, 0, 1);
            command = m->document->pushAddCmdUndo(live, m->fabric, 0, QStringLiteral("Add"));
        } else if (call == "replace(copy, object)") {
            change();
            command =
                m->document->pushReplaceCmdUndo({copy}, live, m->fabric, 0, QStringLiteral("Modification"));
        } else {
            if (!call.endsWith("then change"))
                change();
            command =
                m->document->pushReplaceCmdUndo(live, {copy}, m->fabric, 0, QStringLiteral("Modification"));
            if (call.endsWith("then change"))
                change();
        }
        QVERIFY(command);
        const QListEx<CDbAbstractObject*> layerAfter = m->document->objects(m->fabric, 0);
        const Snapshot after = snapshot(*m);
        QVERIFY(!matches(*m, before));
        QVERIFY(undoRedoRestores(*m, before, after));
        QCOMPARE(m->document->objects(m->fabric, 0), layerAfter);
        m->document->undoStack()->undo();
        for (CDbAbstractObject* object : live)
            QCOMPARE(m->document->contains(object), !call.startsWith("add"));
    }

    void commandsDeleteOnlyObjectsOutOfTheDocument()
    {
        QPointer<CDbAbstractObject> added = makePiece(pocketBag(), {150, 0});
        m->document->pushAddCmdUndo({added.data()}, m->fabric, 0, QString());
        QCOMPARE(m->document->undoStack()->text(0), QStringLiteral("Add objects"));
        m->document->undoStack()->undo();
        QVERIFY(added);

        // A new command drops the undone addition, and with it the object nobody else holds.
        QPointer<CDbAbstractObject> source = placed[0];
        const QListEx<CDbAbstractObject*> copies = movedCopies({placed[0]}, 10);
        QPointer<CDbAbstractObject> copy = copies[0];
        m->document->pushReplaceCmdUndo({placed[0]}, copies, m->fabric, 0, QString(),
                                        DocumentMak::ApplyOnPush);
        QVERIFY(!added);
        QVERIFY(source && copy);

        // Clearing the stack deletes the replaced source, which only the command held; the
        // copy stays with its layer.
        m->document->undoStack()->clear();
        QVERIFY(!source);
        QVERIFY(copy);
        QVERIFY(m->document->contains(copy));
    }

    void impossiblePushThrowsAndLeavesEverything()
    {
        const Snapshot before = snapshot(*m);
        QPointer<CDbAbstractObject> loose = makePiece(pocketBag(), {150, 0});

        // A placed object cannot be added again, nor an object listed twice, nor replaced by a
        // placed one, nor an object replaced that is not on the layer.
        QVERIFY_EXCEPTION_THROWN(
            m->document->pushAddCmdUndo({loose.data(), placed[1]}, m->fabric, 0, QString()),
            std::invalid_argument);
        QVERIFY_EXCEPTION_THROWN(
            m->document->pushAddCmdUndo({loose.data(), loose.data()}, m->fabric, 0, QString()),
            std::invalid_argument);
        QVERIFY_EXCEPTION_THROWN(
            m->document->pushReplaceCmdUndo({placed[0]}, {placed[1]}, m->fabric, 0, QString()),
            std::invalid_argument);
        QVERIFY_EXCEPTION_THROWN(
            m->document->pushReplaceCmdUndo({placed[0]}, {loose.data()}, m->fabric, 1, QString()),
            std::invalid_argument);
        QVERIFY_EXCEPTION_THROWN(m->document->pushAddCmdUndo({loose.data()}, m->fabric, 7, QString()),
                                 std::invalid_argument);
        // A change recorded after it was made needs one copy of the same kind per object.
        QVERIFY_EXCEPTION_THROWN(m->document->pushReplaceCmdUndo({placed[0]}, {}, m->fabric, 0, QString()),
                                 std::invalid_argument);
        CDbTextObject notAPiece;
        QVERIFY_EXCEPTION_THROWN(
            m->document->pushReplaceCmdUndo({placed[0]}, {&notAPiece}, m->fabric, 0, QString()),
            std::invalid_argument);

        // Empty lists push nothing.
        QCOMPARE(m->document->pushAddCmdUndo({}, m->fabric, 0, QStringLiteral("Add")), nullptr);
        QCOMPARE(m->document->pushReplaceCmdUndo({}, {}, m->fabric, 0, QStringLiteral("Move")), nullptr);
        QCOMPARE(m->document->undoStack()->count(), 0);
        QVERIFY(matches(*m, before));
        QVERIFY(loose); // still the caller's
        delete loose.data();
    }

private:
    // Pieces moved to new places, as a drag would record them.
    QListEx<CDbAbstractObject*> movedCopies(const QListEx<CDbAbstractObject*>& sources, double dx)
    {
        QListEx<CDbAbstractObject*> copies;
        for (const CDbAbstractObject* source : sources) {
            CDbAbstractObject* copy =
                static_cast<const CDbGrPolysObject*>(source)->clone(m->document->drawing(), true);
            GeoPoint2D delta(dx, kLayerWidth);
            copy->translate(delta);
            copies.append(copy);
        }
        return copies;
    }

    std::unique_ptr<Marker> m;
    QListEx<CDbAbstractObject*> placed;
};

MARKER_TEST(tst_AddReplaceCommands)
#include "tst_AddReplaceCommands.moc"
