#include "PlatformNoise.h"

#include "InfoBoxDock.h"
#include "MarkerMainWindow.h"

#include "VelGui/DocumentWindow.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

#include "TestMain.h"
#include <QGroupBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace VelSystem;

namespace {

const char* const kSample = MARKER_SOURCE_DIR "/samples/trousers-sample.mak";

// The sample's piece group of `name` in size `size`, on its current layer.
CDbGrPolysObject* sampleGroup(const DocumentMak& marker, const QString& name, const QString& size)
{
    CDbFabricObject* fabric = marker.drawing()->getCurrentFabric();
    for (CDbGrPolysObject* group : marker.groups(fabric, 0)) {
        const CDbPolygon& polygon = group->polygon(0);
        const CDbPieceObject* piece = fabric->piece(polygon.pieceIndex());
        if (piece->name() == name && piece->getPieceSize(polygon.sizeIndex())->name() == size)
            return group;
    }
    return nullptr;
}

} // namespace

// The piece information panel, filled through the slot the dragging tools find by name on the
// active document window.
class tst_InfoBoxDock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HostTest::silencePlatformNoise(); }

    void init()
    {
        mWindow = std::make_unique<MarkerMainWindow>();
        QVERIFY(mWindow->openFile(QString::fromUtf8(kSample)));
        mMarker = mWindow->activeMarker();
        QVERIFY(!panelShown());
    }

    void cleanup()
    {
        mMarker.reset();
        mWindow.reset();
    }

    void aTurnedAndMirroredDragCopyShowsItsPiece()
    {
        const CDbGrPolysObject* facing =
            sampleGroup(*mMarker, QStringLiteral("Pocket facing"), QStringLiteral("S"));
        QVERIFY(facing);
        // The copy a drag turns is not placed on any layer.
        std::unique_ptr<CDbGrPolysObject> copy(facing->clone(mMarker->drawing(), true));
        copy->rotate(180.0);
        copy->mirrorHorizontally();
        report(copy.get());
        QVERIFY(panelShown());
        QCOMPARE(field("fieldPieceName"), QStringLiteral("Pocket facing"));
        QCOMPARE(field("fieldPieceSize"), QStringLiteral("S"));
        // A mirror after a turn reverses the turn.
        QCOMPARE(field("fieldPieceAngle"), QStringLiteral("180.00°"));
        QCOMPARE(field("fieldPieceMirror"), QStringLiteral("left to right"));

        copy->mirrorVertically();
        copy->rotate(90.0);
        report(copy.get());
        QCOMPARE(field("fieldPieceAngle"), QStringLiteral("270.00°"));
        QCOMPARE(field("fieldPieceMirror"), QStringLiteral("left to right and top to bottom"));
    }

    void aBlockOfSeveralPiecesNamesEachOnce()
    {
        const CDbGrPolysObject* front = sampleGroup(*mMarker, QStringLiteral("Front"), QStringLiteral("M"));
        const CDbGrPolysObject* back = sampleGroup(*mMarker, QStringLiteral("Back"), QStringLiteral("M"));
        const CDbGrPolysObject* otherFront =
            sampleGroup(*mMarker, QStringLiteral("Front"), QStringLiteral("S"));
        QVERIFY(front && back && otherFront);
        std::unique_ptr<CDbGrPolysObject> block(front->clone(mMarker->drawing(), true));
        block->addPolygon(back->polygon(0));
        block->addPolygon(otherFront->polygon(0));
        CDbPolygon blocking = front->polygon(0);
        blocking.setBlocking(true);
        blocking.setPieceIndex(back->polygon(0).pieceIndex());
        blocking.setSizeIndex(2);
        block->addPolygon(blocking);
        report(block.get());
        QCOMPARE(field("fieldPieceName"), QStringLiteral("Front, Back"));
        QCOMPARE(field("fieldPieceSize"), QStringLiteral("M, S"));
    }

    void anythingButAPieceEmptiesThePanel()
    {
        CDbFabricObject* fabric = mMarker->drawing()->getCurrentFabric();
        CDbGrPolysObject* band = sampleGroup(*mMarker, QStringLiteral("Waistband"), QStringLiteral("L"));
        QVERIFY(band);
        report(band);
        QCOMPARE(field("fieldPieceName"), QStringLiteral("Waistband"));
        QCOMPARE(field("fieldPieceMirror"), QStringLiteral("not mirrored"));

        const QListEx<CDbAbstractObject*> objects = mMarker->objects(fabric, 0);
        const auto text = std::find_if(objects.begin(), objects.end(), [](const CDbAbstractObject* object) {
            return object->kind() == CDbAbstractObject::KindText;
        });
        QVERIFY(text != objects.end());
        report(*text);
        QVERIFY(!panelShown());
        QCOMPARE(field("fieldPieceName"), QString());
        QCOMPARE(field("fieldPieceAngle"), QString());

        report(band);
        std::unique_ptr<CDbGrPolysObject> blockOnly(band->clone(mMarker->drawing(), true));
        blockOnly->polygon(0).setBlocking(true);
        report(blockOnly.get());
        QVERIFY(!panelShown());
        report(nullptr);
        QVERIFY(!panelShown());
    }

    void anotherActiveMarkerEmptiesThePanel()
    {
        report(sampleGroup(*mMarker, QStringLiteral("Fly"), QStringLiteral("M")));
        QCOMPARE(field("fieldPieceName"), QStringLiteral("Fly"));
        QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("other.mak"));
        QVERIFY(QFile::copy(QString::fromUtf8(kSample), other));
        QVERIFY(mWindow->openFile(other));
        QVERIFY(mWindow->activeMarker() != mMarker);
        QVERIFY(!panelShown());
        QCOMPARE(field("fieldPieceName"), QString());
    }

private:
    // Calls the active document window's slot by its name, as the dragging tools do.
    void report(CDbAbstractObject* object)
    {
        DocumentWindow* window = mWindow->activeMdiChild();
        QVERIFY(window->metaObject()->indexOfSlot("updatePieceInfoUi(VelSystem::CDbAbstractObject*)") >= 0);
        QVERIFY(QMetaObject::invokeMethod(window, "updatePieceInfoUi",
                                          Q_ARG(VelSystem::CDbAbstractObject*, object)));
    }

    QString field(const char* name) const
    {
        const auto* edit = mWindow->infoBoxDock()->findChild<QLineEdit*>(QLatin1String(name));
        return edit ? edit->text() : QStringLiteral("(no field %1)").arg(QLatin1String(name));
    }

    bool panelShown() const
    {
        const auto* panel = mWindow->infoBoxDock()->findChild<QGroupBox*>(QStringLiteral("pieceInfo"));
        return panel && panel->isVisibleTo(mWindow->infoBoxDock());
    }

    std::unique_ptr<MarkerMainWindow> mWindow;
    boost::shared_ptr<DocumentMak> mMarker;
};

MARKER_TEST(tst_InfoBoxDock)
#include "tst_InfoBoxDock.moc"
