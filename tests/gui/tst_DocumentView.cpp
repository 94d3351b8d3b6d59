#include "gui/GuiTestDoubles.h"

#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"

#include "TestMain.h"
#include <QApplication>
#include <QSignalSpy>
#include <QtTest>
#include <boost/exception/info.hpp>
#include <memory>
#include <stdexcept>

using namespace VelSystem;

namespace {

// An error of the kind the tools throw: a message plus the throw site.
struct SiteError : virtual boost::exception, std::runtime_error
{
    using std::runtime_error::runtime_error;
};

void sendMouse(QWidget* viewport, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, viewport->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

void sendWheel(QWidget* viewport, const QPoint& pos, int delta)
{
    QWheelEvent event(pos, viewport->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

void sendKey(QWidget* widget, QEvent::Type type, int key, bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(widget, &event);
}

QString keyCall(char sign, int key)
{
    return QStringLiteral("key%1%2").arg(sign).arg(key);
}

bool near(const QPointF& a, const QPointF& b, double tolerance = 1e-9)
{
    return (a - b).manhattanLength() <= tolerance;
}

} // namespace

class tst_DocumentView : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        mDocument = boost::make_shared<RecordingDocument>();
        mScene = std::make_unique<DocumentScene>(mDocument);
        mView = std::make_unique<DocumentView>(mScene.get());
        mView->resize(400, 300);
        mView->show();
        QVERIFY(QTest::qWaitForWindowExposed(mView.get()));
        mTool = boost::make_shared<RecordingTool>();
    }

    void cleanup()
    {
        mView.reset();
        mScene.reset();
    }

    void showsYUpwardAndClampsTheScale()
    {
        QSignalSpy spy(mView.get(), &DocumentView::scaleChanged);
        mView->setScale(25.0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toDouble(), 25.0);
        const QPoint bottom = mView->mapFromScene(QPointF(0.0, 0.0));
        QCOMPARE(bottom.y() - mView->mapFromScene(QPointF(0.0, 4.0)).y(), 100);
        QCOMPARE(mView->mapFromScene(QPointF(4.0, 0.0)).x() - bottom.x(), 100);

        mView->setScale(0.0);
        mView->setScale(-3.0);
        QCOMPARE(mView->getScale(), 25.0);
        mView->setScale(1.0e12);
        QVERIFY(mView->getScale() < 1.0e12);
        QVERIFY(mView->getScale() > 25.0);
    }

    void scaleKeepsThePointUnderTheCentre()
    {
        mView->setScale(10.0);
        const QPoint centre(50, 240);
        const QPointF before = mView->mapToScene(centre);
        mView->scale(2.0, centre);
        QCOMPARE(mView->getScale(), 20.0);
        // Scroll positions are whole pixels: half a pixel of rounding on each axis.
        QVERIFY(near(mView->mapToScene(centre), before, 1.0 / mView->getScale()));
        mView->scale(0.5, QPoint(390, 10));
        QCOMPARE(mView->getScale(), 10.0);
    }

    void fitShowsTheWholeRectangle()
    {
        const GeoRectangle rect(100.0, 20.0, 300.0, 60.0);
        mView->fitToRect(rect);
        const QRect viewport = mView->viewport()->rect();
        const QPoint leftBottom = mView->mapFromScene(QPointF(rect.xmin, rect.ymin));
        const QPoint rightTop = mView->mapFromScene(QPointF(rect.xmax, rect.ymax));
        QVERIFY(viewport.contains(leftBottom));
        QVERIFY(viewport.contains(rightTop));
        // The wide rectangle fills the width, less a few pixels of margin, and is centred.
        QVERIFY(rightTop.x() - leftBottom.x() >= viewport.width() - 20);
        QVERIFY(qAbs((leftBottom.y() + rightTop.y()) / 2 - viewport.center().y()) <= 2);
        QVERIFY(qAbs((leftBottom.x() + rightTop.x()) / 2 - viewport.center().x()) <= 2);

        // The document's tall extent fills the height.
        mDocument->setExtent(GeoRectangle(0.0, 0.0, 40.0, 80.0));
        mView->fitToDocument();
        QVERIFY(qAbs(mView->getScale() - (viewport.height() - 16) / 80.0) < 1e-9);
        QVERIFY(viewport.contains(mView->mapFromScene(QPointF(40.0, 80.0))));
    }

    void resizeRefitsUntilTheUserZooms()
    {
        mView->fitToRect(GeoRectangle(0.0, 0.0, 100.0, 10.0));
        const double fitted = mView->getScale();
        mView->resize(800, 300);
        QTRY_VERIFY(mView->getScale() > 1.5 * fitted);

        mView->setScale(3.0);
        mView->resize(400, 300);
        QTRY_COMPARE(mView->viewport()->width() < 500, true);
        QCOMPARE(mView->getScale(), 3.0);
    }

    void picksConvertPixelsToTheDocument()
    {
        mView->setScale(20.0);
        const QPoint pixel(123, 77);
        QCOMPARE(mView->pick(pixel)->count(), 1);
        QCOMPARE(mDocument->pickedTolerance, 5.0 / 20.0); // five pixels
        QVERIFY(near(QPointF(mDocument->pickedPoint.x, mDocument->pickedPoint.y), mView->mapToScene(pixel)));
        QCOMPARE(mDocument->pickedFilter, &mScene->filter());
        QCOMPARE(mDocument->pickedAtScale, 20.0);

        mView->setScale(10.0);
        QCOMPARE(mView->pick(QPolygonF({QPointF(10, 10), QPointF(110, 10), QPointF(110, 60)}))->count(), 2);
        const QPointF first = mView->mapToScene(QPoint(10, 10));
        // 100 pixels to the right is 10 cm; 50 pixels down is 5 cm lower.
        QCOMPARE(mDocument->pickedPolygon.size(), 3);
        QVERIFY(near(mDocument->pickedPolygon.at(0), first));
        QVERIFY(near(mDocument->pickedPolygon.at(1), first + QPointF(10.0, 0.0)));
        QVERIFY(near(mDocument->pickedPolygon.at(2), first + QPointF(10.0, -5.0)));
    }

    void eventsReachTheToolInInterfaceOrder()
    {
        mView->setTool(mTool);
        mView->setScale(16.0);
        mDocument->setViewScale(1.0);
        QWidget* viewport = mView->viewport();
        const QPoint at(40, 50);
        sendMouse(viewport, QEvent::MouseButtonPress, at, Qt::LeftButton);
        QCOMPARE(mDocument->viewScale(), 16.0);
        sendMouse(viewport, QEvent::MouseMove, at + QPoint(5, 0), Qt::LeftButton);
        sendMouse(viewport, QEvent::MouseButtonRelease, at + QPoint(5, 0), Qt::NoButton);
        // Qt's own order for a double click.
        sendMouse(viewport, QEvent::MouseButtonPress, at, Qt::LeftButton);
        sendMouse(viewport, QEvent::MouseButtonRelease, at, Qt::NoButton);
        sendMouse(viewport, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
        sendMouse(viewport, QEvent::MouseButtonRelease, at, Qt::NoButton);
        // Auto-repeated key events are not routed.
        sendKey(mView.get(), QEvent::KeyPress, Qt::Key_Alt);
        sendKey(mView.get(), QEvent::KeyPress, Qt::Key_Alt, true);
        sendKey(mView.get(), QEvent::KeyRelease, Qt::Key_Alt, true);
        sendKey(mView.get(), QEvent::KeyRelease, Qt::Key_Alt);

        QCOMPARE(mTool->calls,
                 QStringList({"press", "move", "release", "press", "release", "double", "release",
                              keyCall('+', Qt::Key_Alt), keyCall('-', Qt::Key_Alt)}));
        QCOMPARE(mTool->positions.first(), QPointF(at));
    }

    void wheelZoomsAboutTheMouseUnlessTheToolTakesIt()
    {
        mView->setTool(mTool);
        mView->setScale(10.0);
        const QPoint mouse(300, 80);
        const QPointF before = mView->mapToScene(mouse);
        sendWheel(mView->viewport(), mouse, 120);
        QCOMPARE(mTool->calls, QStringList({"wheel"}));
        QVERIFY(qAbs(mView->getScale() - 12.5) < 1e-9);
        QVERIFY(near(mView->mapToScene(mouse), before, 1.0 / mView->getScale()));
        sendWheel(mView->viewport(), mouse, -240);
        QVERIFY(qAbs(mView->getScale() - 12.5 / 1.5625) < 1e-9);

        mView->setScale(10.0);
        mTool->handlesWheel = true;
        sendWheel(mView->viewport(), mouse, 120);
        QCOMPARE(mView->getScale(), 10.0);
        // Without a tool the view zooms by itself.
        mView->setTool({});
        sendWheel(mView->viewport(), mouse, 120);
        QVERIFY(qAbs(mView->getScale() - 12.5) < 1e-9);
    }

    void cursorFollowsTheTool()
    {
        mTool->cursorShape = Qt::PointingHandCursor;
        mView->setTool(mTool);
        QCOMPARE(mView->viewport()->cursor().shape(), Qt::PointingHandCursor);
        mTool->cursorShape = Qt::IBeamCursor;
        sendMouse(mView->viewport(), QEvent::MouseMove, QPoint(5, 5), Qt::NoButton);
        QCOMPARE(mView->viewport()->cursor().shape(), Qt::IBeamCursor);
        mTool->cursorShape = Qt::ClosedHandCursor;
        emit mTool->cursorChanged();
        QCOMPARE(mView->viewport()->cursor().shape(), Qt::ClosedHandCursor);

        // A tool no longer current does not steer the cursor.
        mView->setTool(boost::make_shared<RecordingTool>());
        mTool->cursorShape = Qt::WaitCursor;
        emit mTool->cursorChanged();
        QCOMPARE(mView->viewport()->cursor().shape(), Qt::CrossCursor);
    }

    void toolExceptionsAreReportedAndTheToolStopped_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("logged");
        QTest::newRow("runtime_error") << 0 << "The piece has no outline." << QStringLiteral("no outline");
        QTest::newRow("boost::exception") << 1 << "Error during blocking." << QStringLiteral("ToolBlock.cpp");
        QTest::newRow("int") << 2 << "Unexpected Error" << QStringLiteral("Unexpected Error");
    }

    void toolExceptionsAreReportedAndTheToolStopped()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(QString, logged);
        RecordingSink sink;
        RecordingLog log;
        mView->setTool(mTool);
        mTool->failure = [kind, text] {
            if (kind == 0)
                throw std::runtime_error(text.toStdString());
            if (kind == 1)
                throw SiteError(text.toStdString())
                    << boost::throw_function("ToolBlock::mousePressEvent")
                    << boost::throw_file("src/ToolBlock.cpp") << boost::throw_line(42);
            throw 7;
        };

        sendMouse(mView->viewport(), QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton);
        QCOMPARE(sink.errors, QStringList({text}));
        QCOMPARE(mTool->calls, QStringList({"press", "stop"}));
        QCOMPARE(log.lines.size(), 1);
        QVERIFY2(log.lines.first().contains(logged), qPrintable(log.lines.first()));

        // The view keeps working: the next events reach the tool again.
        mTool->failure = nullptr;
        sendMouse(mView->viewport(), QEvent::MouseButtonRelease, QPoint(20, 20), Qt::NoButton);
        sendKey(mView.get(), QEvent::KeyPress, Qt::Key_Shift);
        QCOMPARE(mTool->calls.mid(2), QStringList({"release", keyCall('+', Qt::Key_Shift)}));
        QCOMPARE(sink.errors.size(), 1);
    }

    void mouseMovesReachTheRulers()
    {
        mView->setScale(10.0);
        QSignalSpy spy(mView.get(), &DocumentView::mousePositionChanged);
        const QPoint at(200, 100);
        sendMouse(mView->viewport(), QEvent::MouseMove, at, Qt::NoButton);
        QCOMPARE(spy.count(), 1);
        QVERIFY(near(QPointF(spy.at(0).at(0).toDouble(), spy.at(0).at(1).toDouble()), mView->mapToScene(at)));
    }

private:
    boost::shared_ptr<RecordingDocument> mDocument;
    std::unique_ptr<DocumentScene> mScene;
    std::unique_ptr<DocumentView> mView;
    boost::shared_ptr<RecordingTool> mTool;
};

MARKER_TEST(tst_DocumentView)
#include "tst_DocumentView.moc"
