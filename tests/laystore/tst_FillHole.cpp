#include "gui/GuiTestDoubles.h"
#include "laystore/LaystoreTestMarker.h"

#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/ops/CDbFillHoleHelper.h"
#include "laystore/ops/LinkMatching.h"

#include "TestMain.h"

#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

namespace {

// Taller than the fabric is wide, whichever way it may lie.
std::vector<GeoPoint2D> tallPiece()
{
    return {{0, 0}, {10, 0}, {10, 160}, {0, 160}};
}

} // namespace

Q_DECLARE_METATYPE(VelSystem::GeoRectangle)

class tst_FillHole : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<Marker>();
        m->add(waistband(), {0, 0});
        m->add(frontLeg(), {0, 30});
        waiting = {m->add(pocketBag(), {0, 160}), m->add(pocketBag(), {20, 160}),
                   m->add(waistband(), {40, 160}), m->add(flyFacing(), {90, 160}),
                   m->add(tallPiece(), {120, 151})};
    }
    void cleanup() { m.reset(); }

    void laysWhatFitsInsideTheFabricWithoutOverlaps_data()
    {
        QTest::addColumn<GeoRectangle>("hole");
        QTest::newRow("around laid pieces") << GeoRectangle(0, 0, 60, 150);
        QTest::newRow("partly outside the fabric") << GeoRectangle(30, -40, 90, 400);
    }
    void laysWhatFitsInsideTheFabricWithoutOverlaps()
    {
        QFETCH(GeoRectangle, hole);
        const Snapshot standby = waitingCopies();
        short code = -1, count = 0;
        CDbGrPolysObject* largest = nullptr;
        CDbFillHoleHelper::fillHoleSemiAutomatization(m->document->drawing(), CDbFillHoleHelper::kFromStandby,
                                                      0, hole, &code, &largest, &count);
        QCOMPARE(code, short(0));
        const QListEx<CDbAbstractObject*> selected = m->document->markerSelection()->objects();
        QCOMPARE(selected.size(), int(count));
        QVERIFY(count >= 3);
        const GeoRectangle inside = hole.intersected(GeoRectangle(0, 0, 1e6, kLayerWidth));
        for (CDbAbstractObject* object : selected) {
            auto* group = qobject_cast<CDbGrPolysObject*>(object);
            QVERIFY(group && !waiting.contains(group));
            QCOMPARE(group->section(), short(CDbGrPolysObject::SectionFabric));
            QVERIFY2(inside.contains(group->boundingRect()), printed(group->boundingRect()).constData());
            QVERIFY(group->area() <= largest->area());
            QVERIFY(group->boundingRect().height() < kLayerWidth);
        }
        QCOMPARE(m->document->findOverlaps(), 0);
        // The waiting pieces wait on, untouched.
        const Snapshot after = waitingCopies();
        for (size_t i = 0; i < standby.size(); ++i)
            QVERIFY(after[i]->sameContent(*standby[i]));
    }

    // A waiting piece linked to a laid one on a plaid lands where the link matches.
    void aLinkedPieceIsLaidMatched()
    {
        Marker plaid;
        plaid.fabric->setPlaidRepeat(10.0, 10.0);
        plaid.document->addPiece(makePiece(waistband(), {0, 0}, 0), plaid.fabric, 0);
        plaid.document->addPiece(makePiece(pocketBag(), {3, 163}, 1), plaid.fabric, 0);
        CDbTwainLinkPiecesObject link;
        link.setEnds({0, 1, true, 0}, {1, 1, true, 0});
        link.setRules(CDbTwainLinkPiecesObject::IdenticalX | CDbTwainLinkPiecesObject::IdenticalY);
        plaid.document->drawing()->getLinkDoc()->links(0)->add(link);
        short code = -1, count = 0;
        CDbGrPolysObject* largest = nullptr;
        CDbFillHoleHelper::fillHoleSemiAutomatization(plaid.document->drawing(),
                                                      CDbFillHoleHelper::kFromStandby, 0,
                                                      GeoRectangle(0, 0, 100, 150), &code, &largest, &count);
        QCOMPARE(count, short(1));
        QCOMPARE(LinkMatching(*plaid.document->drawing(), 0, 0).unmatchedCount(), 0);
        QCOMPARE(plaid.document->findOverlaps(), 0);
    }

    void refusesWhenNothingCanBeLaid_data()
    {
        QTest::addColumn<GeoRectangle>("hole");
        QTest::addColumn<bool>("nothingWaits");
        QTest::addColumn<short>("code");
        QTest::addColumn<QString>("message");
        const QString noFit = QStringLiteral("No waiting piece fits in this place.");
        QTest::newRow("a point") << GeoRectangle(100, 50, 100, 50) << false << short(3) << noFit;
        QTest::newRow("smaller than any piece")
            << GeoRectangle(100, 50, 110, 60) << false << short(3) << noFit;
        QTest::newRow("taken by laid pieces") << GeoRectangle(0, 30, 24, 130) << false << short(3) << noFit;
        QTest::newRow("above the fabric") << GeoRectangle(100, 155, 200, 300) << false << short(3) << noFit;
        QTest::newRow("nothing waits") << GeoRectangle(100, 0, 200, 150) << true << short(2)
                                       << QStringLiteral("No piece is waiting in the standby area.");
    }
    void refusesWhenNothingCanBeLaid()
    {
        QFETCH(GeoRectangle, hole);
        QFETCH(bool, nothingWaits);
        QFETCH(short, code);
        QFETCH(QString, message);
        if (nothingWaits) {
            for (CDbGrPolysObject* group : waiting) {
                m->document->removePiece(group, m->fabric, 0);
                delete group;
            }
        }
        const Snapshot before = snapshot(*m);
        RecordingSink sink;
        short result = -1, count = -1;
        CDbGrPolysObject* largest = waiting.front();
        CDbFillHoleHelper::fillHoleSemiAutomatization(m->document->drawing(), CDbFillHoleHelper::kFromStandby,
                                                      0, hole, &result, &largest, &count);
        QCOMPARE(result, code);
        QCOMPARE(count, short(0));
        QVERIFY(!largest);
        QCOMPARE(sink.messages, QStringList{message});
        QVERIFY(matches(*m, before));
    }

    void refusesBadArguments()
    {
        const Snapshot before = snapshot(*m);
        RecordingSink sink;
        short code = -1, count = -1;
        CDbGrPolysObject* group = nullptr;
        const GeoRectangle hole(100, 0, 200, 150);
        CDbFillHoleHelper::fillHoleSemiAutomatization(nullptr, 1, 0, hole, &code, &group, &count);
        QCOMPARE(code, short(1));
        CDbFillHoleHelper::fillHoleSemiAutomatization(m->document->drawing(), 2, 0, hole, &code, &group,
                                                      &count);
        QCOMPARE(code, short(1));
        CDbFillHoleHelper::fillHoleSemiAutomatization(m->document->drawing(), 1, 5, hole, &code, &group,
                                                      &count);
        QCOMPARE(code, short(1));
        QVERIFY(sink.messages.isEmpty());
        QVERIFY(matches(*m, before));
    }

private:
    Snapshot waitingCopies() const
    {
        Snapshot copies;
        for (const CDbGrPolysObject* group : waiting)
            copies.emplace_back(group->clone());
        return copies;
    }

    std::unique_ptr<Marker> m;
    QListEx<CDbGrPolysObject*> waiting;
};

MARKER_TEST(tst_FillHole)
#include "tst_FillHole.moc"
