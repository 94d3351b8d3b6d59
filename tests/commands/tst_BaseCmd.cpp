#include "gui/GuiTestDoubles.h"
#include "laystore/LaystoreTestMarker.h"

#include "Commands/BaseCmd.h"
#include "laystore/CMarkerSelection.h"

#include "TestMain.h"
#include <QtTest>
#include <functional>
#include <stdexcept>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

namespace {

// BaseCmd with its lists filled by the test; the test owns the objects.
class ListCmd : public BaseCmd
{
public:
    ListCmd(const QListEx<CDbAbstractObject*>& removed, const QListEx<CDbAbstractObject*>& added)
    {
        mRemovedObjects = removed;
        mAddedObjects = added;
    }
    QPair<QListEx<CDbAbstractObject*>, QListEx<CDbAbstractObject*>> pendingObjects() override
    {
        if (pending)
            pending();
        return BaseCmd::pendingObjects();
    }
    std::function<void()> pending;
};

} // namespace

class tst_BaseCmd : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<Marker>();
        reports = std::make_unique<RecordingSink>();
        placed = {m->add(frontLeg(), {0, 0}), m->add(pocketBag(), {30, 0}), m->add(waistband(), {60, 0})};
    }

    void cleanup()
    {
        // The document's layers own what is placed; the rest is the test's.
        for (auto& object : owned) {
            if (m->document->contains(object.get()))
                m->document->removePiece(object.get(), m->fabric, 0);
        }
        owned.clear();
        m.reset();
        reports.reset();
    }

    void setDocumentTakesTheCurrentLayer()
    {
        ListCmd command({}, {});
        QVERIFY(m->document->drawing()->setCurrentFabricAndLayer(0, 1));
        QCOMPARE(command.setDocument(m->document, {}), short(0));
        QCOMPARE(command.getFabric(), m->fabric);
        QCOMPARE(command.getLayer(), short(1));
        QCOMPARE(command.markerDocument(), m->document);

        // A marker without fabrics has no current layer.
        ListCmd none({}, {});
        QVERIFY(none.setDocument(boost::make_shared<DocumentMak>(), {}) != 0);
    }

    void threeRemovedAndFiveAddedExchangePairwise()
    {
        const Snapshot before = snapshot(*m);
        const QListEx<CDbAbstractObject*> added = looseRow(5, 200);
        for (CDbAbstractObject* object : placed)
            owned.emplace_back(static_cast<CDbGrPolysObject*>(object)); // out of the layer after redo
        ListCmd command(placed, added);
        command.setDocument(m->document, {});
        QSignalSpy modified(m->document.get(), &Document::modified);

        command.redo();
        QCOMPARE(m->document->objects(m->fabric, 0), added);
        const Snapshot after = snapshot(*m);
        command.undo();
        QVERIFY(matches(*m, before));
        QCOMPARE(m->document->objects(m->fabric, 0), placed);
        command.redo();
        QVERIFY(matches(*m, after));
        QCOMPARE(modified.count(), 3);
        QVERIFY(reports->errors.isEmpty());
        command.undo();
    }

    void onlyAddedOrOnlyRemoved()
    {
        const Snapshot before = snapshot(*m);
        ListCmd add({}, looseRow(2, 200));
        add.setDocument(m->document, {});
        add.redo();
        QCOMPARE(m->document->objects(m->fabric, 0).size(), 5);
        CMarkerSelection(m->document.get(), {placed[0]}).setSelected(true);
        add.undo();
        QVERIFY(matches(*m, before));
        QVERIFY(m->document->markerSelection()->isEmpty());

        for (CDbAbstractObject* object : placed.mid(1))
            owned.emplace_back(static_cast<CDbGrPolysObject*>(object));
        ListCmd remove(placed.mid(1), {});
        remove.setDocument(m->document, {});
        remove.redo();
        QCOMPARE(m->document->objects(m->fabric, 0), QListEx<CDbAbstractObject*>({placed[0]}));
        remove.undo();
        QCOMPARE(m->document->objects(m->fabric, 0).size(), 3);
    }

    void closedDocumentIsLeftAlone()
    {
        ListCmd command({}, {loose(200)});
        command.setDocument(m->document, {});
        const boost::weak_ptr<DocumentMak> watch = m->document;
        m.reset();
        QVERIFY(watch.expired());
        command.redo();
        command.undo();
        QVERIFY(reports->errors.isEmpty());
        m = std::make_unique<Marker>(); // for cleanup
    }

    void failuresAreShownNotThrown()
    {
        // The first exchange works, the second names an object the document does not hold.
        const QListEx<CDbAbstractObject*> added = looseRow(2, 200);
        owned.emplace_back(static_cast<CDbGrPolysObject*>(placed[0]));
        ListCmd command({placed[0], loose(400)}, added);
        command.setDocument(m->document, {});
        command.redo();
        QCOMPARE(reports->errors.size(), 1);
        QVERIFY2(reports->errors[0].contains("replacePiece"), qPrintable(reports->errors[0]));
        // Nothing is rolled back.
        QVERIFY(m->document->contains(added[0]) && !m->document->contains(placed[0]));

        ListCmd strange({}, {});
        strange.pending = [] { throw 42; };
        strange.setDocument(m->document, {});
        strange.redo();
        QCOMPARE(reports->errors.last(), QStringLiteral("Unexpected Error"));
    }

private:
    CDbGrPolysObject* loose(double x) { return owned.emplace_back(makePiece(pocketBag(), {x, 0})).get(); }
    QListEx<CDbAbstractObject*> looseRow(int count, double x)
    {
        QListEx<CDbAbstractObject*> row;
        for (int i = 0; i < count; ++i)
            row.append(loose(x + 20 * i));
        return row;
    }

    std::unique_ptr<Marker> m;
    std::unique_ptr<RecordingSink> reports;
    QListEx<CDbAbstractObject*> placed;
    // Whatever the test made and a command may have left out of the document.
    std::vector<std::unique_ptr<CDbGrPolysObject>> owned;
};

MARKER_TEST(tst_BaseCmd)
#include "tst_BaseCmd.moc"
