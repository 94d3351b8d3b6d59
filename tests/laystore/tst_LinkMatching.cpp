#include "laystore/LaystoreTestMarker.h"

#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/ops/CDbLayWaitingHelper.h"
#include "laystore/ops/LinkMatching.h"
#include "laystore/ops/NestEngine.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

Q_DECLARE_METATYPE(VelSystem::GeoPoint2D)

namespace {

using Link = CDbTwainLinkPiecesObject;

} // namespace

// Links kept on a 10 cm plaid: which laid pieces match, and the move that matches them.
class tst_LinkMatching : public QObject
{
    Q_OBJECT

private slots:
    void rulesOnThePlaid_data()
    {
        QTest::addColumn<quint32>("rules");
        QTest::addColumn<double>("offsetX");
        QTest::addColumn<double>("swatchX");
        QTest::addColumn<GeoPoint2D>("first");
        QTest::addColumn<GeoPoint2D>("second");
        QTest::addColumn<bool>("matched");
        // The move of the second piece that matches; NaN where none does.
        QTest::addColumn<GeoPoint2D>("move");
        const double none = Link::kNoSwatchLimit;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("identical off by 3") << quint32(Link::IdenticalX) << 0.0 << none << GeoPoint2D(0, 0)
                                            << GeoPoint2D(23, 0) << false << GeoPoint2D(-3, 0);
        QTest::newRow("identical, y free") << quint32(Link::IdenticalX) << 0.0 << none << GeoPoint2D(0, 0)
                                           << GeoPoint2D(30, 7) << true << GeoPoint2D(0, 0);
        QTest::newRow("identical both axes")
            << quint32(Link::IdenticalX | Link::IdenticalY) << 0.0 << none << GeoPoint2D(0, 20)
            << GeoPoint2D(30, 27) << false << GeoPoint2D(0, 3);
        QTest::newRow("identical with offset") << quint32(Link::IdenticalX) << 2.0 << none << GeoPoint2D(0, 0)
                                               << GeoPoint2D(32, 0) << true << GeoPoint2D(0, 0);
        QTest::newRow("symmetrical") << quint32(Link::SymmetricalX) << 0.0 << none << GeoPoint2D(3, 0)
                                     << GeoPoint2D(29, 0) << false << GeoPoint2D(-2, 0);
        QTest::newRow("halfway") << quint32(Link::HalfWayX) << 0.0 << none << GeoPoint2D(0, 0)
                                 << GeoPoint2D(25, 0) << true << GeoPoint2D(0, 0);
        QTest::newRow("centre") << quint32(Link::CenterX) << 0.0 << none << GeoPoint2D(0, 0)
                                << GeoPoint2D(26, 0) << false << GeoPoint2D(-1, 0);
        QTest::newRow("on a line") << quint32(Link::OnLineX) << 0.0 << none << GeoPoint2D(0, 0)
                                   << GeoPoint2D(24, 0) << false << GeoPoint2D(-4, 0);
        QTest::newRow("beyond the swatch") << quint32(Link::IdenticalX) << 0.0 << 20.0 << GeoPoint2D(0, 0)
                                           << GeoPoint2D(30, 0) << false << GeoPoint2D(nan, nan);
    }
    void rulesOnThePlaid()
    {
        QFETCH(quint32, rules);
        QFETCH(double, offsetX);
        QFETCH(double, swatchX);
        QFETCH(GeoPoint2D, first);
        QFETCH(GeoPoint2D, second);
        QFETCH(bool, matched);
        QFETCH(GeoPoint2D, move);
        Marker m;
        m.fabric->setPlaidRepeat(10.0, 10.0);
        CDbGrPolysObject* a = makePiece(waistband(), first, 0);
        CDbGrPolysObject* b = makePiece(waistband(), second, 1);
        m.document->addPiece(a, m.fabric, 0);
        m.document->addPiece(b, m.fabric, 0);
        Link link;
        link.setEnds({0, 1, true, 0}, {1, 1, true, 0});
        link.setRules(rules);
        link.setOffsets(offsetX, 0.0);
        link.setMaxSwatchDistances(swatchX, Link::kNoSwatchLimit);
        m.document->drawing()->getLinkDoc()->links(0)->add(link);
        // A link to a piece not laid is not checked.
        Link waiting;
        waiting.setEnds({0, 2, true, 0}, {5, 1, true, 0});
        waiting.setRules(Link::IdenticalX);
        m.document->drawing()->getLinkDoc()->links(0)->add(waiting);

        const LinkMatching matching(*m.document->drawing(), 0, 0);
        QCOMPARE(matching.unmatchedCount(), matched ? 0 : 1);
        GeoPoint2D found;
        QCOMPARE(matching.matchingMove(*b, &found), !std::isnan(move.x));
        if (std::isnan(move.x))
            return;
        QVERIFY2(found.distance(move) < 1e-9, qPrintable(QStringLiteral("%1 %2").arg(found.x).arg(found.y)));
        // Either piece may move to match, but only the second one's move puts it on a line or a centre.
        b->translate(found);
        QCOMPARE(matching.unmatchedCount(), 0);
        GeoPoint2D back = found * -1.5;
        b->translate(back);
        const bool firstCanMatch = rules != Link::CenterX && rules != Link::OnLineX;
        QCOMPARE(matching.matchingMove(*a, &found), firstCanMatch);
        a->translate(found);
        QCOMPARE(matching.unmatchedCount(), firstCanMatch || back.x == 0.0 ? 0 : 1);
    }

    // A piece tied by two links whose plaid phases disagree has no matched position: it
    // stays put and counts as unmatched. A laid piece taken away leaves its link unchecked.
    void conflictingLinksAndPiecesTakenAway()
    {
        Marker m;
        m.fabric->setPlaidRepeat(10.0, 10.0);
        CDbGrPolysObject* a = makePiece(waistband(), {0, 0}, 0);
        CDbGrPolysObject* b = makePiece(waistband(), {50, 20}, 1);
        CDbGrPolysObject* c = makePiece(waistband(), {103, 40}, 2);
        for (CDbGrPolysObject* piece : {a, b, c})
            m.document->addPiece(piece, m.fabric, 0);
        CDbTwainLinkPiecesObjectTable* links = m.document->drawing()->getLinkDoc()->links(0);
        for (short other : {0, 2}) {
            Link link;
            link.setEnds({other, 1, true, 0}, {1, 1, true, 0});
            link.setRules(Link::IdenticalX);
            links->add(link);
        }
        const LinkMatching matching(*m.document->drawing(), 0, 0);
        QCOMPARE(matching.unmatchedCount(), 1);
        GeoPoint2D move(1, 1);
        QVERIFY(!matching.matchingMove(*b, &move));
        QCOMPARE(move, GeoPoint2D(0, 0));

        m.document->removePiece(c, m.fabric, 0);
        delete c;
        const LinkMatching afterRemoval(*m.document->drawing(), 0, 0);
        QCOMPARE(afterRemoval.unmatchedCount(), 0);
        QVERIFY(afterRemoval.matchingMove(*b, &move));
        QCOMPARE(move, GeoPoint2D(0, 0));
        QCOMPARE(links->size(), 2);
    }

    // The matched place nearest to where a piece lies is taken only where it is free: a
    // neighbour in the way sends it a whole repeat further; with nothing free it stays.
    void aMatchedPlaceMustBeFree()
    {
        Marker m;
        m.fabric->setPlaidRepeat(10.0, 10.0);
        CDbGrPolysObject* b = makePiece(waistband(), {53, 20}, 1);
        for (CDbGrPolysObject* piece :
             {makePiece(waistband(), {0, 0}, 0), b, makePiece(waistband(), {9, 20}, 2)})
            m.document->addPiece(piece, m.fabric, 0);
        Link link;
        link.setEnds({0, 1, true, 0}, {1, 1, true, 0});
        link.setRules(Link::IdenticalX);
        m.document->drawing()->getLinkDoc()->links(0)->add(link);

        GeoPoint2D move;
        QVERIFY(
            LinkMatching(*m.document->drawing(), 0, 0).freeMatchingMove(*m.document, *b, b, {0, 0}, &move));
        QCOMPARE(move, GeoPoint2D(7, 0));

        m.document->addPiece(makePiece({{0, 0}, {200, 0}, {200, kLayerWidth}, {0, kLayerWidth}}, {30, 0}, 3),
                             m.fabric, 0);
        QVERIFY(
            !LinkMatching(*m.document->drawing(), 0, 0).freeMatchingMove(*m.document, *b, b, {0, 0}, &move));
        QCOMPARE(move, GeoPoint2D(0, 0));
    }

    // Two waiting pieces linked to each other and laid by one run of the engine: the second
    // laid lands matched to the first, clear of it.
    void waitingPiecesLaidTogetherMatch()
    {
        Marker m;
        m.fabric->setPlaidRepeat(10.0, 10.0);
        for (short piece : {0, 1})
            m.document->addPiece(makePiece(pocketBag(), {3.0 + 40 * piece, 163}, piece), m.fabric, 0);
        Link link;
        link.setEnds({0, 1, true, 0}, {1, 1, true, 0});
        link.setRules(Link::IdenticalX | Link::IdenticalY);
        m.document->drawing()->getLinkDoc()->links(0)->add(link);
        CDbLayWaitingHelper laying(m.document.get(), m.fabric, 0);
        NestEngine::Options options;
        options.seconds = 0.2;
        options.threads = 1;
        QCOMPARE(laying.apply(laying.engine().run(options)), 2);
        QCOMPARE(LinkMatching(*m.document->drawing(), 0, 0).unmatchedCount(), 0);
        QCOMPARE(m.document->findOverlaps(), 0);
    }
};

MARKER_TEST(tst_LinkMatching)
#include "tst_LinkMatching.moc"
