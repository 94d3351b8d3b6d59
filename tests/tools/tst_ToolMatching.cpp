#include "tools/ToolTestView.h"

#include "ToolBase.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/file/MarkerFile.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

Q_DECLARE_METATYPE(VelSystem::GeoPoint2D)

namespace {

// The test marker's link view: the front leg from x = 0, the pocket from x = 32, the
// waistband from x = 55, each with its lowest point at y = 0.
const GeoPoint2D kLegFirst(1, 0);
const GeoPoint2D kLegThird(27, 30);
const GeoPoint2D kPocketFirst(32, 0);
const GeoPoint2D kBetweenLinked(16, 0);

QImage imageOf(const QCursor& cursor)
{
    return cursor.pixmap().toImage();
}

struct LinkView : ToolTestView
{
    LinkView() : ToolTestView("link") { marker.document->drawing()->setLinkedDocument(true); }
    CDbDocumentLinkObject& linkDoc() const { return *marker.document->drawing()->getLinkDoc(); }
    int linkCount() const { return linkDoc().getCurrentPiecesLinkListDocumentLink()->size(); }
    // Alt held for the next clicks (and the cursor).
    void alt(bool held) { key(Qt::Key_Alt, held); }
};

} // namespace

// The match-point and link tools: clicks become "AddMatchPoint" and "LinkPiece" commands.
class tst_ToolMatching : public QObject
{
    Q_OBJECT

private slots:
    void twoClicksLinkTwoPieces()
    {
        LinkView v;
        const QByteArray before = MarkerFile::toJson(*v.marker.document);
        QCOMPARE(imageOf(v.cursor()), imageOf(ToolBase::linkCursor()));
        v.marker.document->drawing()->setFirstClick(true);
        v.click(kLegFirst);
        QCOMPARE(v.linkDoc().pendingEnd(), (CDbTwainLinkPiecesObject::End{0, 1, true, 0}));
        QCOMPARE(imageOf(v.cursor()), imageOf(ToolBase::linkedCursor()));
        // Another point of the same piece is refused; the next click starts over.
        v.click(kLegThird);
        QCOMPARE(v.undo().count(), 0);
        v.click(kLegFirst);
        v.click(kPocketFirst, Qt::RightButton);
        QCOMPARE(v.linkCount(), 1);
        QCOMPARE(v.undo().count(), 1);
        QCOMPARE(imageOf(v.cursor()), imageOf(ToolBase::linkCursor()));

        // A linked point beeps and is not taken as a new first end.
        v.click(kLegFirst);
        QVERIFY(!v.linkDoc().hasPendingEnd());
        QCOMPARE(v.undo().count(), 1);

        v.undo().undo();
        QCOMPARE(MarkerFile::toJson(*v.marker.document), before);
    }

    void altClickRemovesTheLink_data()
    {
        QTest::addColumn<GeoPoint2D>("at");
        QTest::newRow("on its point") << kPocketFirst;
        QTest::newRow("on its line") << kBetweenLinked;
    }
    void altClickRemovesTheLink()
    {
        QFETCH(GeoPoint2D, at);
        LinkView v;
        v.marker.document->drawing()->setFirstClick(true);
        v.click(kLegFirst);
        v.click(kPocketFirst);
        v.alt(true);
        QCOMPARE(imageOf(v.cursor()), imageOf(ToolBase::convertMinusCursor()));
        v.click({16, 40});
        QCOMPARE(v.linkCount(), 1);
        v.click(at);
        QCOMPARE(v.linkCount(), 0);
        QCOMPARE(v.undo().count(), 2);
        v.undo().undo();
        QCOMPARE(v.linkCount(), 1);
    }

    void matchPointFollowsTheClick_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }
    void matchPointFollowsTheClick()
    {
        QFETCH(Qt::MouseButton, button);
        ToolTestView v("matchPoint");
        // The laid front leg's first point, at (1, 0), is the piece's first point, in every copy.
        const auto isMatch = [&v] {
            return v.marker.fabric->piece(0)->getPieceSize(0)->outline()[0].hasFeature(
                PointFeature::MatchPoint);
        };
        QCOMPARE(imageOf(v.cursor()), imageOf(ToolBase::convertPlusCursor()));
        v.click({1.1, 0.1}, button);
        QVERIFY(isMatch());
        v.click({1.1, 0.1}, button);
        QCOMPARE(v.undo().count(), 1);
        v.key(Qt::Key_Alt, true);
        QCOMPARE(imageOf(v.cursor()), imageOf(ToolBase::convertMinusCursor()));
        v.click({1.1, 0.1}, button);
        QVERIFY(!isMatch());
        v.undo().undo();
        QVERIFY(isMatch());
    }
};

MARKER_TEST(tst_ToolMatching)
#include "tst_ToolMatching.moc"
