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

    bool autoScrollAt(const QPoint& position)
    {
        QMouseEvent move(QEvent::MouseMove, position, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        return ToolBase::autoScroll(&view, &move);
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
    void cleanup();

    void toolWithDefaultsIgnoresEverything();
    void invertibleCursorsFollowTheSettingAtEachCall_data();
    void invertibleCursorsFollowTheSettingAtEachCall();
    void magneticCursorHasNoTwin();

    void autoScrollFollowsTheMouseOutOfTheView();
    void autoScrollBeyondEachEdge_data();
    void autoScrollBeyondEachEdge();
    void noAutoScrollInsideTheView();
    void noAutoScrollWithoutSelectedPieces();
    void noAutoScrollWithoutView();
};

void tst_ToolBase::cleanup()
{
    VelCursor::setInverted(false);
}

void tst_ToolBase::toolWithDefaultsIgnoresEverything()
{
    const auto tool = VelToolFactory::instance().createTool("spacing");
    QVERIFY(tool);
    QVERIFY(!tool->isEnabled());
    QVERIFY(tool->name().isEmpty());

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
    QVERIFY(doubleClick.isAccepted());
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

void tst_ToolBase::invertibleCursorsFollowTheSettingAtEachCall_data()
{
    QTest::addColumn<CursorAccessor>("accessor");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("inverted");
    const auto row = [](const char* name, CursorAccessor accessor, const char* base) {
        QTest::newRow(name) << accessor << QStringLiteral(":/images/%1.png").arg(QLatin1String(base))
                            << QStringLiteral(":/images/%1_inv.png").arg(QLatin1String(base));
    };
    row("block", &ToolBase::blockCursor, "cursor_block");
    row("convertPlus", &ToolBase::convertPlusCursor, "cursor_convert_plus");
    row("convertMinus", &ToolBase::convertMinusCursor, "cursor_convert_minus");
    row("editBlock", &ToolBase::editBlockCursor, "cursor_editblock");
    row("editBlocked", &ToolBase::editBlockedCursor, "cursor_editblocked");
    row("link", &ToolBase::linkCursor, "cursor_link");
    row("linked", &ToolBase::linkedCursor, "cursor_linked");
}

void tst_ToolBase::invertibleCursorsFollowTheSettingAtEachCall()
{
    QFETCH(CursorAccessor, accessor);
    QFETCH(QString, image);
    QFETCH(QString, inverted);
    const QImage normalArt = art(image);
    const QImage invertedArt = art(inverted);
    QVERIFY(!normalArt.isNull() && !invertedArt.isNull());
    QVERIFY(normalArt != invertedArt);

    VelCursor::setInverted(false);
    QCOMPARE(cursorImage(accessor()), normalArt);
    QCOMPARE(accessor().hotSpot(), QPoint(7, 7));
    VelCursor::setInverted(true);
    QCOMPARE(cursorImage(accessor()), invertedArt);
    QCOMPARE(accessor().hotSpot(), QPoint(7, 7));
    VelCursor::setInverted(false);
    QCOMPARE(cursorImage(accessor()), normalArt);
}

void tst_ToolBase::magneticCursorHasNoTwin()
{
    const QImage magnetic = art(QStringLiteral(":/images/cursor_magnertic.png"));
    QVERIFY(!magnetic.isNull());
    for (bool inverted : {false, true}) {
        VelCursor::setInverted(inverted);
        QCOMPARE(cursorImage(ToolBase::magneticCursor()), magnetic);
        QCOMPARE(ToolBase::magneticCursor().hotSpot(), QPoint(0, 0));
    }
}

void tst_ToolBase::autoScrollFollowsTheMouseOutOfTheView()
{
    Marker marker;
    marker.select({marker.piece});
    const QPoint before = marker.scrollValues();
    QVERIFY(marker.autoScrollAt(QPoint(-15, marker.view.height() + 4)));
    QCOMPARE(marker.scrollValues(), before + QPoint(-15, 4));
}

void tst_ToolBase::autoScrollBeyondEachEdge_data()
{
    QTest::addColumn<QPoint>("fromCorner"); // added to the view's (0, 0) or (w, h) corner
    QTest::addColumn<bool>("farCorner");
    QTest::addColumn<QPoint>("scroll");
    QTest::newRow("left") << QPoint(-7, 20) << false << QPoint(-7, 0);
    QTest::newRow("above") << QPoint(30, -9) << false << QPoint(0, -9);
    QTest::newRow("right") << QPoint(12, -20) << true << QPoint(12, 0);
    QTest::newRow("below right") << QPoint(3, 5) << true << QPoint(3, 5);
}

void tst_ToolBase::autoScrollBeyondEachEdge()
{
    QFETCH(QPoint, fromCorner);
    QFETCH(bool, farCorner);
    QFETCH(QPoint, scroll);
    Marker marker;
    // A selection holding a piece among other objects still scrolls.
    marker.select({marker.text, marker.piece});
    const QPoint corner = farCorner ? QPoint(marker.view.width(), marker.view.height()) : QPoint();
    const QPoint before = marker.scrollValues();
    QVERIFY(marker.autoScrollAt(corner + fromCorner));
    QCOMPARE(marker.scrollValues(), before + scroll);
}

void tst_ToolBase::noAutoScrollInsideTheView()
{
    Marker marker;
    marker.select({marker.piece});
    const QPoint before = marker.scrollValues();
    QVERIFY(!marker.autoScrollAt(QPoint(0, 0)));
    QVERIFY(!marker.autoScrollAt(QPoint(marker.view.width() - 1, marker.view.height() - 1)));
    QCOMPARE(marker.scrollValues(), before);
}

void tst_ToolBase::noAutoScrollWithoutSelectedPieces()
{
    Marker marker;
    const QPoint before = marker.scrollValues();
    const QPoint outside(-15, marker.view.height() + 4);
    QVERIFY(!marker.autoScrollAt(outside));
    marker.select({marker.text});
    QVERIFY(!marker.autoScrollAt(outside));
    QCOMPARE(marker.scrollValues(), before);
}

void tst_ToolBase::noAutoScrollWithoutView()
{
    QMouseEvent move(QEvent::MouseMove, QPointF(-15, -15), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(!ToolBase::autoScroll(nullptr, &move));
}

QTEST_MAIN(tst_ToolBase)
#include "tst_ToolBase.moc"
