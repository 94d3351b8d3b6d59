#include "ToolBase.h"
#include "VelToolFactory.h"

#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "VelGui/VelCursor.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTextObject.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"

#include "TestMain.h"
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>
#include <boost/make_shared.hpp>

using namespace VelSystem;

using CursorAccessor = const QCursor& (*)();
Q_DECLARE_METATYPE(CursorAccessor)

namespace {

QImage cursorImage(const QCursor& cursor)
{
    return cursor.pixmap().toImage();
}

// A marker with one piece and one text laid on its single layer, shown in a view whose
// scroll bars can move both ways.
struct Marker
{
    Marker()
    {
        CDbFabricObject& fabric = document->drawing()->addFabric();
        fabric.addLayer(150.0);

        piece = new CDbGrPolysObject;
        CDbPolygon polygon;
        polygon.contours().addContour(
            CDbVectorsObjectTable({CDbMarkerPointObject(10, 10), CDbMarkerPointObject(60, 10),
                                   CDbMarkerPointObject(60, 80), CDbMarkerPointObject(10, 80)}));
        piece->addPolygon(polygon);
        document->addPiece(piece, &fabric, 0);

        text = new CDbTextObject;
        text->setLines({QStringLiteral("Size M")});
        text->setCenter(GeoPoint2D(100, 50));
        document->addPiece(text, &fabric, 0);

        view.resize(400, 300);
        view.show();
        scene.setSceneRect(-500, -500, 1500, 1500);
        centreScrollBars();
    }

    void select(const QListEx<CDbAbstractObject*>& objects)
    {
        CMarkerSelection(document.get(), objects).apply();
    }

    void centreScrollBars()
    {
        for (QScrollBar* bar : {view.horizontalScrollBar(), view.verticalScrollBar()})
            bar->setValue((bar->minimum() + bar->maximum()) / 2);
    }

    QPoint scrollValues() const
    {
        return {view.horizontalScrollBar()->value(), view.verticalScrollBar()->value()};
    }

    boost::shared_ptr<DocumentMak> document = boost::make_shared<DocumentMak>();
    DocumentScene scene{document};
    DocumentView view{&scene};
    CDbGrPolysObject* piece = nullptr;
    CDbTextObject* text = nullptr;
};

} // namespace

class tst_ToolBase : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { VelCursor::setInverted(false); }

    // Every cursor is drawn; those with an inverted twin follow the setting at each call.
    void cursorsFollowTheInvertedSetting_data()
    {
        QTest::addColumn<CursorAccessor>("accessor");
        QTest::addColumn<bool>("hasTwin");
        QTest::newRow("block") << &ToolBase::blockCursor << true;
        QTest::newRow("convertPlus") << &ToolBase::convertPlusCursor << true;
        QTest::newRow("convertMinus") << &ToolBase::convertMinusCursor << true;
        QTest::newRow("editBlock") << &ToolBase::editBlockCursor << true;
        QTest::newRow("editBlocked") << &ToolBase::editBlockedCursor << true;
        QTest::newRow("link") << &ToolBase::linkCursor << true;
        QTest::newRow("linked") << &ToolBase::linkedCursor << true;
        QTest::newRow("magnetic") << &ToolBase::magneticCursor << false;
    }

    void cursorsFollowTheInvertedSetting()
    {
        QFETCH(CursorAccessor, accessor);
        QFETCH(bool, hasTwin);
        const QImage normal = cursorImage(accessor());
        QVERIFY(!normal.isNull());
        for (bool inverted : {true, false}) {
            VelCursor::setInverted(inverted);
            QCOMPARE(cursorImage(accessor()) != normal, inverted && hasTwin);
        }
    }

    void autoScrollBeyondEachEdgeWhilePiecesAreSelected_data()
    {
        QTest::addColumn<QPoint>("fromCorner"); // added to the view's (0, 0) or (w, h) corner
        QTest::addColumn<bool>("farCorner");
        QTest::addColumn<int>("selected");  // 0: nothing, 1: the text, 2: the text and the piece
        QTest::addColumn<QPoint>("scroll"); // null: no scrolling at all
        QTest::newRow("left") << QPoint(-7, 20) << false << 2 << QPoint(-7, 0);
        QTest::newRow("above") << QPoint(30, -9) << false << 2 << QPoint(0, -9);
        QTest::newRow("right") << QPoint(12, -20) << true << 2 << QPoint(12, 0);
        QTest::newRow("below right") << QPoint(3, 5) << true << 2 << QPoint(3, 5);
        QTest::newRow("inside, first pixel") << QPoint(0, 0) << false << 2 << QPoint();
        QTest::newRow("inside, last pixel") << QPoint(-1, -1) << true << 2 << QPoint();
        QTest::newRow("nothing selected") << QPoint(-15, 4) << true << 0 << QPoint();
        QTest::newRow("only a text selected") << QPoint(-15, 4) << true << 1 << QPoint();
    }

    void autoScrollBeyondEachEdgeWhilePiecesAreSelected()
    {
        QFETCH(QPoint, fromCorner);
        QFETCH(bool, farCorner);
        QFETCH(int, selected);
        QFETCH(QPoint, scroll);
        Marker marker;
        marker.select(QListEx<CDbAbstractObject*>({marker.text, marker.piece}).mid(0, selected));
        const QPoint corner = farCorner ? QPoint(marker.view.width(), marker.view.height()) : QPoint();
        const QPoint before = marker.scrollValues();
        QMouseEvent move(QEvent::MouseMove, corner + fromCorner, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCOMPARE(ToolBase::autoScroll(&marker.view, &move), !scroll.isNull());
        QCOMPARE(marker.scrollValues(), before + scroll);
        QVERIFY(!ToolBase::autoScroll(nullptr, &move));
    }
};

MARKER_TEST(tst_ToolBase)
#include "tst_ToolBase.moc"
