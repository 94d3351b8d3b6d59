#include "tools/ToolTestView.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/ops/CDbBlockHelper.h"

#include "TestMain.h"
#include <QSignalSpy>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

Q_DECLARE_METATYPE(VelSystem::GeoPoint2D)

namespace {

// A waistband laid in the open, away from the test marker's pieces and the fabric's edges.
const GeoPoint2D kBandCorner(60.0, 40.0);
const GeoPoint2D kOnBand(70.0, 42.0);

CDbGrPolysObject* groupAt(const ToolTestView& v, const GeoPoint2D& point)
{
    for (CDbGrPolysObject* group : v.marker.document->groups(v.marker.fabric, 0)) {
        if (group->hitTest(point, 0.0))
            return group;
    }
    return nullptr;
}

} // namespace

class tst_ToolBlock : public QObject
{
    Q_OBJECT

private slots:
    void pressBlocksOrSaysWhyNot_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<GeoPoint2D>("at");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("commands");
        QTest::addColumn<QString>("message");
        // The tool's own announcement, and the pushed command's.
        QTest::addColumn<int>("modifications");
        QTest::newRow("middle button") << Qt::MiddleButton << kOnBand << 1 << 0 << QString() << 0;
        QTest::newRow("empty spot") << Qt::LeftButton << GeoPoint2D(120.0, 100.0) << 0 << 0 << QString() << 0;
        QTest::newRow("free piece") << Qt::LeftButton << kOnBand << 1 << 1 << QString() << 2;
        QTest::newRow("right button, free piece") << Qt::RightButton << kOnBand << 1 << 1 << QString() << 2;
        QTest::newRow("at the fabric's edge") << Qt::LeftButton << GeoPoint2D(10.0, 50.0) << 1 << 0
                                              << QStringLiteral("The operation was unsuccessful.") << 1;
    }
    void pressBlocksOrSaysWhyNot()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(GeoPoint2D, at);
        QFETCH(int, selected);
        QFETCH(int, commands);
        QFETCH(QString, message);
        QFETCH(int, modifications);
        ToolTestView v("block");
        CDbGrPolysObject* band = v.marker.add(LaystoreTest::waistband(), kBandCorner);
        band->setSelected(true);
        v.marker.document->setSelection({band});
        QSignalSpy modified(v.marker.document.get(), &Document::modified);

        v.press(at, button);
        v.release(at, button);
        QCOMPARE(v.selection().size(), selected);
        QCOMPARE(v.undo().count(), commands);
        QCOMPARE(v.sink.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(modified.count(), modifications);
        QVERIFY(v.sink.errors.isEmpty());
        QVERIFY(!v.tool->isBusy());
        if (commands) {
            auto* blocked = qobject_cast<CDbGrPolysObject*>(v.selection().first());
            QVERIFY(blocked->isBlockingPolygonExist());
            QCOMPARE(v.undo().text(0), QStringLiteral("Blocking"));
        }
    }

    void blockedPieceIsNotBlockedAgain()
    {
        ToolTestView v("block");
        v.marker.add(LaystoreTest::waistband(), kBandCorner);
        v.click(kOnBand);
        v.click(kOnBand);
        QCOMPARE(v.undo().count(), 1);
        QCOMPARE(v.sink.messages, QStringList{QStringLiteral("Selection is already blocked. ")});
        QCOMPARE(v.selection().size(), 1);
        QCOMPARE(v.cursor().pixmap().cacheKey(), ToolBase::blockCursor().pixmap().cacheKey());
    }

    // A piece is blocked or cut down with another, never both, whichever came first.
    void pairedPieceIsNotBlockedNorBlockedPiecePaired_data()
    {
        QTest::addColumn<bool>("blockFirst");
        QTest::addColumn<QString>("message");
        QTest::newRow("a pair is not blocked") << false << QStringLiteral("The operation was unsuccessful.");
        QTest::newRow("a blocked piece is not paired")
            << true << QStringLiteral("Selection is already blocked. ");
    }
    void pairedPieceIsNotBlockedNorBlockedPiecePaired()
    {
        QFETCH(bool, blockFirst);
        QFETCH(QString, message);
        ToolTestView v("block");
        v.marker.add(LaystoreTest::waistband(), kBandCorner);
        CDbGrPolysObject* pocket =
            v.marker.add(LaystoreTest::pocketBag(), {kBandCorner.x, kBandCorner.y + 10.0});
        if (blockFirst)
            v.click(kOnBand);
        CDbGrPolysObject* band = groupAt(v, kOnBand);
        std::unique_ptr<AbstractCmd> cutDown =
            CmdsManager::instance()->createCommand(QStringLiteral("CutDown"));
        const short code =
            cutDown->setDocument(v.marker.document, {1, QVariant::fromValue<void*>(band),
                                                     QVariant::fromValue<void*>(pocket), 1, 0.0, 1, 0.0});
        QCOMPARE(code == 0, !blockFirst);
        if (code == 0)
            v.undo().push(cutDown.release());
        v.marker.fabric->putFirstGroupOfLayer(0, groupAt(v, kOnBand));
        short layerCode = 1;
        QCOMPARE(v.marker.fabric->isSelectionCutDownValid(0, nullptr, &layerCode), !blockFirst);

        v.click(kOnBand);
        QCOMPARE(v.sink.messages, QStringList{message});
        QCOMPARE(v.undo().count(), 1);
        QCOMPARE(groupAt(v, kOnBand)->isBlocked(), blockFirst);
    }
};

MARKER_TEST(tst_ToolBlock)
#include "tst_ToolBlock.moc"
