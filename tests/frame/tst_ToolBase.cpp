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

// Through a pixmap, as the cursors are built, so that both sides share its pixel format.
QImage art(const QString& path)
{
    return QPixmap(path).toImage();
}

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
        text->setCentre(GeoPoint2D(100, 50));
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

    void toolWithDefaultsIgnoresEverything()
    {
        const auto tool = VelToolFactory::instance().createTool("spacing");
        QVERIFY(tool);
        Marker marker;
        marker.select({marker.piece});
        const QPoint scrollBefore = marker.scrollValues();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 50), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        tool->start();
        tool->mousePressEvent(&marker.view, &press);
        tool->mouseMoveEvent(&marker.view, &press);
        tool->mouseReleaseEvent(&marker.view, &press);
        QVERIFY(press.isAccepted());
        QVERIFY(!tool->isBusy());
        QVERIFY(!tool->chartClicked(1, 0, &press));

        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(50, 50), Qt::LeftButton, Qt::LeftButton,
                                Qt::NoModifier);
        tool->mouseDoubleClickEvent(&marker.view, &doubleClick);
        QVERIFY(!doubleClick.isAccepted());

        QVERIFY(!tool->keyStateChanged(true, Qt::Key_Alt));
        QVERIFY(!tool->keyStateChanged(false, Qt::Key_Alt));
        QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QVERIFY(!tool->wheelEvent(&marker.view, &wheel));

        QCursor cursor(Qt::CrossCursor);
        tool->cursor(cursor);
        QCOMPARE(cursor.shape(), Qt::CrossCursor);
        QVERIFY(!tool->optionsWidget());
        tool->stop();
        QVERIFY(!tool->isBusy());
        QCOMPARE(marker.scrollValues(), scrollBefore);
        QCOMPARE(marker.document->markerSelection()->count(), 1);
    }

    void invertibleCursorsFollowTheSettingAtEachCall_data()
    {
        QTest::addColumn<CursorAccessor>("accessor");
        QTest::addColumn<QString>("base");
        QTest::newRow("block") << &ToolBase::blockCursor << "cursor_block";
        QTest::newRow("convertPlus") << &ToolBase::convertPlusCursor << "cursor_convert_plus";
        QTest::newRow("convertMinus") << &ToolBase::convertMinusCursor << "cursor_convert_minus";
        QTest::newRow("editBlock") << &ToolBase::editBlockCursor << "cursor_editblock";
        QTest::newRow("editBlocked") << &ToolBase::editBlockedCursor << "cursor_editblocked";
        QTest::newRow("link") << &ToolBase::linkCursor << "cursor_link";
        QTest::newRow("linked") << &ToolBase::linkedCursor << "cursor_linked";
    }

    void invertibleCursorsFollowTheSettingAtEachCall()
    {
        QFETCH(CursorAccessor, accessor);
        QFETCH(QString, base);
        const QImage normalArt = art(QStringLiteral(":/images/%1.png").arg(base));
        const QImage invertedArt = art(QStringLiteral(":/images/%1_inv.png").arg(base));
        QVERIFY(!normalArt.isNull() && !invertedArt.isNull());
        QVERIFY(normalArt != invertedArt);
        for (bool inverted : {false, true, false}) {
            VelCursor::setInverted(inverted);
            QCOMPARE(cursorImage(accessor()), inverted ? invertedArt : normalArt);
            QCOMPARE(accessor().hotSpot(), QPoint(7, 7));
        }
    }

    void magneticCursorHasNoTwin()
    {
        const QImage magnetic = art(QStringLiteral(":/images/cursor_magnertic.png"));
        QVERIFY(!magnetic.isNull());
        for (bool inverted : {false, true}) {
            VelCursor::setInverted(inverted);
            QCOMPARE(cursorImage(ToolBase::magneticCursor()), magnetic);
            QCOMPARE(ToolBase::magneticCursor().hotSpot(), QPoint(0, 0));
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
