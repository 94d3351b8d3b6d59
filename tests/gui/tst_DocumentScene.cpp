#include "gui/GuiTestDoubles.h"

#include "VelGui/DocumentScene.h"

#include "TestMain.h"
#include <QSignalSpy>
#include <QtTest>

using namespace VelSystem;

class tst_DocumentScene : public QObject
{
    Q_OBJECT

private slots:
    void selectionComesFromTheDocument()
    {
        const auto document = boost::make_shared<RecordingDocument>();
        DocumentScene scene(document);
        QCOMPARE(scene.document(), boost::shared_ptr<Document>(document));
        QVERIFY(!scene.hasSelection());
        document->setSelectionCount(3);
        QCOMPARE(scene.selection()->count(), 3);
        QVERIFY(scene.hasSelection());
    }

    void deselectAllForwardsItsFlags()
    {
        const auto document = boost::make_shared<RecordingDocument>();
        document->setSelectionCount(2);
        DocumentScene scene(document);
        QVERIFY(scene.deselectAll(true, false));
        QVERIFY(!scene.deselectAll(false, true));
        QCOMPARE(document->deselectCalls, QStringList({"1 0", "0 1"}));
        QVERIFY(!scene.hasSelection());
    }

    void emitSelectionChangedReachesTheDocument()
    {
        const auto document = boost::make_shared<RecordingDocument>();
        DocumentScene scene(document);
        QSignalSpy documentSpy(document.get(), &Document::selectionChanged);
        QSignalSpy sceneSpy(&scene, &DocumentScene::selectionChangedByTool);
        scene.emitSelectionChanged();
        QCOMPARE(documentSpy.count(), 1);
        QCOMPARE(sceneSpy.count(), 1);
    }
};

MARKER_TEST(tst_DocumentScene)
#include "tst_DocumentScene.moc"
