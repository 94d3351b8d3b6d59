#include "laystore/LaystoreTestMarker.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/commands/EditLinkCmd.h"
#include "laystore/commands/LinkPieceCmd.h"
#include "laystore/file/MarkerFile.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

Q_DECLARE_METATYPE(CDbTwainLinkPiecesObject::End)

namespace {

using End = CDbTwainLinkPiecesObject::End;

// A piece of two sizes with the outline makePiece lays (a notch second).
CDbPieceObject pieceOf(const std::vector<GeoPoint2D>& shape)
{
    const std::unique_ptr<CDbGrPolysObject> laid(makePiece(shape, {0, 0}));
    CDbPieceSizeObject size;
    size.setOutline(laid->polygon(0).pieceOutline());
    CDbPieceObject piece;
    piece.addSize(size);
    piece.addSize(size);
    return piece;
}

// Two pieces in the fabric (a pocket bag and a waistband), the waistband also laid on the
// marker; the document shows the link view.
struct LinkedMarker : Marker
{
    LinkedMarker()
    {
        fabric->addPiece(pieceOf(pocketBag()));
        fabric->addPiece(pieceOf(waistband()));
        CDbGrPolysObject* band = makePiece(waistband(), {40, 40}, 1);
        document->addPiece(band, fabric, 0);
        document->drawing()->setLinkedDocument(true);
        document->setViewScale(1.0);
    }

    short run(const QString& name, const QList<QVariant>& parameters)
    {
        std::unique_ptr<AbstractCmd> command = CmdsManager::instance()->createCommand(name);
        const short code = command->setDocument(document, parameters);
        if (code == 0)
            document->undoStack()->push(command.release());
        return code;
    }
    short matchPoint(const GeoPoint2D& at, bool add)
    {
        CDbMarkerPointObject click(at);
        return run(QStringLiteral("AddMatchPoint"), {QVariant::fromValue(static_cast<void*>(&click)), add});
    }
    short link(short piece, short point)
    {
        return run(QStringLiteral("LinkPiece"), {int(piece), int(point), true, true});
    }
    CDbTwainLinkPiecesObjectTable& links() const
    {
        return *document->drawing()->getLinkDoc()->getCurrentPiecesLinkListDocumentLink();
    }
    QByteArray file() const { return MarkerFile::toJson(*document); }
};

} // namespace

// Match points and links made by name, as the tools ask for them, each one undoable step.
class tst_MatchingCommands : public QObject
{
    Q_OBJECT

private slots:
    void matchPointReachesEveryCopyOfThePiece()
    {
        LinkedMarker m;
        const QByteArray before = m.file();
        // The waistband's third point in the link view: the pocket (18 wide) then 5 cm.
        QCOMPARE(m.matchPoint({64.5, 0.5}, true), short(0));
        const End end{1, 3, true, 0};
        const CDbPieceObject& band = *m.fabric->piece(1);
        for (short s = 0; s < 2; ++s)
            QVERIFY(band.getPieceSize(s)->outline().endPoint(3, true)->hasFeature(PointFeature::MatchPoint));
        CDbGrPolysObject* placed = m.fabric->getPlaceGroupList(t_1_Based(1)).first();
        QVERIFY(placed->polygon(0)
                    .pieceOutline()
                    .endPoint(end.pointIndex, true)
                    ->hasFeature(PointFeature::MatchPoint));
        QVERIFY(m.document->drawing()
                    ->getLinkDoc()
                    ->getCurrentPolyListDocumentLink()[1]
                    .pieceOutline()
                    .endPoint(3, true)
                    ->stateMatchLinkVectorON(true));
        const QByteArray after = m.file();
        QVERIFY(after != before);

        // Asking again for what is already so, or clicking beside every point, records nothing.
        QCOMPARE(m.matchPoint({65, 0}, true), short(3));
        QCOMPARE(m.matchPoint({10, 30}, false), short(2));
        // The marker view hits the laid copy (its third point at (82, 40)).
        m.document->drawing()->setLinkedDocument(false);
        QCOMPARE(m.matchPoint({82, 41}, false), short(0));
        QCOMPARE(m.file(), before);
        m.document->undoStack()->undo();
        QCOMPARE(m.file(), after);
        m.document->undoStack()->undo();
        QCOMPARE(m.file(), before);
    }

    void linkRefusals_data()
    {
        QTest::addColumn<End>("first");
        QTest::addColumn<short>("piece");
        QTest::addColumn<short>("point");
        QTest::addColumn<short>("refusal");
        QTest::newRow("no first end") << End{} << short(1) << short(1) << short(LinkPieceCmd::NoFirstEnd);
        QTest::newRow("to itself") << End{0, 2, true, 0} << short(0) << short(2)
                                   << short(LinkPieceCmd::SamePiece);
        QTest::newRow("same piece") << End{0, 2, true, 0} << short(0) << short(4)
                                    << short(LinkPieceCmd::SamePiece);
        QTest::newRow("missing point")
            << End{0, 2, true, 0} << short(1) << short(9) << short(LinkPieceCmd::NoSuchPoint);
        QTest::newRow("missing piece")
            << End{0, 2, true, 0} << short(7) << short(1) << short(LinkPieceCmd::NoSuchPoint);
        QTest::newRow("notch that is not")
            << End{0, 2, false, 0} << short(1) << short(1) << short(LinkPieceCmd::NoSuchPoint);
        QTest::newRow("already linked")
            << End{0, 1, true, 0} << short(1) << short(4) << short(LinkPieceCmd::AlreadyLinked);
    }
    void linkRefusals()
    {
        QFETCH(End, first);
        QFETCH(short, piece);
        QFETCH(short, point);
        QFETCH(short, refusal);
        LinkedMarker m;
        CDbTwainLinkPiecesObject existing;
        existing.setEnds({0, 1, true, 0}, {1, 1, true, 0});
        m.links().add(existing);
        if (first.pieceIndex >= 0)
            m.document->drawing()->getLinkDoc()->setPendingEnd(first.pieceIndex, first.pointIndex,
                                                               first.onContour);
        const QByteArray before = m.file();
        QCOMPARE(m.link(piece, point), refusal);
        QCOMPARE(m.file(), before);
        QCOMPARE(m.document->undoStack()->count(), 0);
        QCOMPARE(m.run(QStringLiteral("LinkPiece"), {2, 0, false, false}), short(LinkPieceCmd::NoSuchLink));
    }

    void linkAddAndRemoveUndo()
    {
        LinkedMarker m;
        CDbMarkerDrawing& drawing = *m.document->drawing();
        const QByteArray before = m.file();
        drawing.getLinkDoc()->setPendingEnd(0, 5, true);
        QCOMPARE(m.link(1, 4), short(0));
        const QByteArray first = m.file();
        drawing.getLinkDoc()->setPendingEnd(0, 2, true);
        QCOMPARE(m.link(1, 2), short(0));
        QCOMPARE(m.links().size(), 2);
        QVERIFY(!drawing.getLinkDoc()->hasPendingEnd());
        QVERIFY(drawing.isFirstClick());
        QVERIFY(m.fabric->piece(1)->getPieceSize(1)->outline().endPoint(2, true)->hasFeature(
            PointFeature::LinkVector));
        const QByteArray linked = m.file();

        // Removing the first link keeps the second one's number order on undo.
        QCOMPARE(m.run(QStringLiteral("LinkPiece"), {1, 0, false, false}), short(0));
        QCOMPARE(m.links().size(), 1);
        QCOMPARE(m.links().link(1)->firstEnd(), (End{0, 2, true, 0}));
        m.document->undoStack()->undo();
        QCOMPARE(m.file(), linked);
        m.document->undoStack()->undo();
        QCOMPARE(m.file(), first);
        m.document->undoStack()->undo();
        QCOMPARE(m.file(), before);
        m.document->undoStack()->redo();
        m.document->undoStack()->redo();
        QCOMPARE(m.file(), linked);
    }

    void linkPropertiesEditIsOneStep()
    {
        LinkedMarker m;
        CDbTwainLinkPiecesObject link;
        link.setEnds({0, 1, true, 0}, {1, 1, true, 0});
        m.links().add(link);
        m.document->setClean();
        CDbTwainLinkPiecesObject edited = link;
        edited.setRules(CDbTwainLinkPiecesObject::IdenticalX);
        edited.setOffsets(1.5, 0.0);
        edited.setEnds({0, 3, true, 0}, {1, 3, true, 0});
        EditLinkCmd unchanged(m.document.get(), 0, 1, link);
        QVERIFY(!unchanged.changes());
        auto* command = new EditLinkCmd(m.document.get(), 0, 1, edited);
        QVERIFY(command->changes());
        m.document->undoStack()->push(command);
        QVERIFY(m.document->isModified());
        QCOMPARE(m.links().link(1)->offsetX(), 1.5);
        QCOMPARE(m.links().link(1)->firstEnd(), link.firstEnd());
        m.document->undoStack()->undo();
        QCOMPARE(*m.links().link(1), link);
        QVERIFY(!m.document->isModified());
    }
};

MARKER_TEST(tst_MatchingCommands)
#include "tst_MatchingCommands.moc"
