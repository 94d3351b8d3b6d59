// Editing sessions replayed on the bundled sample marker, as markerhost --script replays
// them: the scripts beside this file drive the built plug-in's tools through real view
// events and check what a user sees on the way; this test then reads the marker they saved
// and compares it with the sample.

#include "PlatformNoise.h"
#include "dialogs/DialogTestSupport.h"
#include "gui/GuiTestDoubles.h"

#include "InfoBoxDock.h"
#include "MarkerDifference.h"
#include "MarkerMainWindow.h"
#include "PluginModule.h"
#include "ScriptParser.h"
#include "ScriptRunner.h"

#include "VelCore/KeyboardMonitor.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbPieceObject.h"
#include "laystore/CDbPieceSizeObject.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/LaystoreTestMarker.h"
#include "laystore/file/MarkerFile.h"

#include "TestMain.h"
#include <QDialog>
#include <QDialogButtonBox>
#include <QGraphicsItemGroup>
#include <QGraphicsScene>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUndoStack>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>

using namespace VelSystem;

namespace {

const char* const kSample = MARKER_SOURCE_DIR "/samples/trousers-sample.mak";
const char* const kSessions = MARKER_SOURCE_DIR "/tests/sessions/";

// Pixels of the host's view are about half a centimetre here: a drop lands within a pixel of
// where the script's points put it.
constexpr double kPixelSlack = 1.0;
// Pieces closer than this touch.
constexpr double kTouching = 0.05;

// Where the first step of `kind` (the last one with `last`) of a session points.
GeoPoint2D stepPoint(const QVector<ScriptStep>& steps, ScriptStep::Kind kind, bool last = false)
{
    const ScriptStep* found = nullptr;
    for (const ScriptStep& step : steps) {
        if (step.kind == kind && (last || !found))
            found = &step;
    }
    if (!found)
        qFatal("the session has no step of kind %d", int(kind));
    return {found->point.x(), found->point.y()};
}

// Where the session's clicks point, in order.
QVector<GeoPoint2D> clickPoints(const QVector<ScriptStep>& steps)
{
    QVector<GeoPoint2D> points;
    for (const ScriptStep& step : steps) {
        if (step.kind == ScriptStep::Click)
            points << GeoPoint2D(step.point.x(), step.point.y());
    }
    return points;
}

const CDbGrPolysObject* asGroup(const CDbAbstractObject* object)
{
    return qobject_cast<const CDbGrPolysObject*>(object);
}

} // namespace

class tst_EditingSessions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        HostTest::silencePlatformNoise();
        QString error;
        QVERIFY2(mModule.load(PluginModule::defaultPath(), &error), qPrintable(error));
        QVERIFY(mDir.isValid());
        // The text dialog reads the stored phrases: never the user's own settings.
        QCoreApplication::setOrganizationName(QStringLiteral("VelSystemTests"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_EditingSessions"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mDir.path());
        mSample = MarkerFile::load(QString::fromUtf8(kSample), &error);
        QVERIFY2(mSample, qPrintable(error));
    }

    void cleanupTestCase() { mModule.unload(); }

    void init()
    {
        KeyboardMonitor::instance().releaseAll();
        mSink = std::make_unique<RecordingSink>();
        mCopy = mDir.filePath(QStringLiteral("%1.mak").arg(QLatin1String(QTest::currentTestFunction())));
        QFile::remove(mCopy);
        QVERIFY(QFile::copy(QString::fromUtf8(kSample), mCopy));
        QVERIFY(QFile::setPermissions(mCopy, QFile::ReadOwner | QFile::WriteOwner));
        mWindow = std::make_unique<MarkerMainWindow>();
        mWindow->setToolFactory(mModule.factory());
        QVERIFY(mWindow->openFile(mCopy));
        mWindow->show();
    }

    void cleanup()
    {
        mWindow.reset();
        mSink.reset();
        mDifference.reset();
        mSaved.reset();
        KeyboardMonitor::instance().releaseAll();
    }

    void aDraggedPieceTurnedOnTheWaySnapsToAFreePlace()
    {
        QVector<ScriptStep> steps;
        const CDbGrPolysObject* before = nullptr;
        const CDbGrPolysObject* after = nullptr;
        if (!runMovingSession(QStringLiteral("drag-turn-snap.txt"), &steps, &before, &after))
            return;
        const GeoPoint2D press = stepPoint(steps, ScriptStep::Press);
        const GeoPoint2D release = stepPoint(steps, ScriptStep::Release, true);
        // The piece pressed on is the one that moved, and it moved whole: everything else is
        // where it was.
        QVERIFY(before->hitTest(press, 0.0));
        QCOMPARE(after->polygon(0).rotation(), std::fmod(before->polygon(0).rotation() + 180.0, 360.0));
        QCOMPARE(after->section(), short(CDbGrPolysObject::SectionFabric));

        // Where the drop put it: on another laid piece. A half turn keeps the bounding rectangle.
        const GeoRectangle from = before->boundingRect();
        const GeoPoint2D drag = release - press;
        std::unique_ptr<CDbGrPolysObject> dropped(static_cast<CDbGrPolysObject*>(after->clone()));
        GeoPoint2D toDrop = from.leftBottom() + drag - dropped->boundingRect().leftBottom();
        dropped->translate(toDrop);
        const QListEx<CDbGrPolysObject*> laid = mSample->groups(mSample->drawing()->getCurrentFabric(), 0);
        QVERIFY2(std::any_of(laid.begin(), laid.end(),
                             [&](const CDbGrPolysObject* group) {
                                 return group != before &&
                                        group->section() == CDbGrPolysObject::SectionFabric &&
                                        group->overlaps(*dropped);
                             }),
                 "the session does not drop the piece onto another one");
        // It snapped: to a place near the drop where it overlaps nothing.
        const GeoRectangle to = after->boundingRect();
        const double snapDistance = std::max(from.width(), from.height()) / 2.0;
        QVERIFY2(to.leftBottom().distance(dropped->boundingRect().leftBottom()) < snapDistance + kPixelSlack,
                 qPrintable(QStringLiteral("dropped at %1, %2, now at %3, %4")
                                .arg(dropped->boundingRect().xmin)
                                .arg(dropped->boundingRect().ymin)
                                .arg(to.xmin)
                                .arg(to.ymin)));
        QVERIFY(mSaved->overlappingGroups(after).isEmpty());
        QCOMPARE(mSaved->findOverlaps(), 0);

        // The turn during the drag showed in the piece information panel.
        QCOMPARE(field("fieldPieceName"), QStringLiteral("Pocket facing"));
        QCOMPARE(field("fieldPieceSize"), QStringLiteral("M"));
        QCOMPARE(field("fieldPieceAngle"), QStringLiteral("180.00°"));
    }

    void aWaitingPieceIsLaidAndSlidToItsNeighbour()
    {
        QVector<ScriptStep> steps;
        const CDbGrPolysObject* before = nullptr;
        const CDbGrPolysObject* after = nullptr;
        if (!runMovingSession(QStringLiteral("lay-waiting-piece.txt"), &steps, &before, &after))
            return;
        QVERIFY(before->hitTest(stepPoint(steps, ScriptStep::Press), 0.0));
        QCOMPARE(before->section(), short(CDbGrPolysObject::SectionStandby));

        // Laid: on the fabric area, the way it was.
        CDbFabricObject* fabric = mSaved->drawing()->getCurrentFabric();
        const double width = fabric->getFabricLayerWidth(0);
        const GeoRectangle box = after->boundingRect();
        QCOMPARE(after->section(), short(CDbGrPolysObject::SectionFabric));
        QVERIFY(box.ymin >= 0.0 && box.ymax <= width);
        QCOMPARE(after->polygon(0).rotation(), before->polygon(0).rotation());

        // Slid until it touched its neighbour, without overlapping it.
        const CDbGrPolysObject* nearest = nullptr;
        double distance = std::numeric_limits<double>::infinity();
        for (const CDbGrPolysObject* group : mSaved->groups(fabric, 0)) {
            if (group == after || group->section() != CDbGrPolysObject::SectionFabric)
                continue;
            const double d = LaystoreTest::outlineGap(*after, *group);
            if (d < distance) {
                distance = d;
                nearest = group;
            }
        }
        QVERIFY(nearest);
        QVERIFY2(distance < kTouching,
                 qPrintable(QStringLiteral("%1 cm from the nearest piece").arg(distance)));
        // The neighbour lies the way the quick move's line pointed.
        const GeoPoint2D slide =
            stepPoint(steps, ScriptStep::Release, true) - stepPoint(steps, ScriptStep::DoublePress);
        const GeoPoint2D toNeighbour = nearest->boundingRect().center() - box.center();
        QVERIFY(slide.x * toNeighbour.x + slide.y * toNeighbour.y > 0.0);
        QVERIFY(mSaved->overlappingGroups(after).isEmpty());
        QCOMPARE(mSaved->findOverlaps(), 0);
    }

    void theGapBetweenTwoPiecesIsMeasuredAndCopied()
    {
        QVector<ScriptStep> steps;
        runSession(QStringLiteral("measure-gap.txt"), &steps, false);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(MarkerDifference(*mSample, *mSaved).isEmpty());
        // Each measurement left its mark and its own dialog, still open.
        DocumentView* view = mWindow->activeView();
        int marks = 0;
        for (const QGraphicsItem* item : view->scene()->items())
            marks += item->type() == QGraphicsItemGroup::Type;
        QCOMPARE(marks, 2);
        QList<QPointer<QDialog>> dialogs;
        for (QDialog* dialog : view->findChildren<QDialog*>()) {
            QVERIFY(dialog->isVisible() && !dialog->isModal());
            dialogs << dialog;
        }
        QCOMPARE(dialogs.size(), 2);
        // Closing the window takes them with it.
        QVERIFY(mWindow->close());
        mWindow.reset();
        for (const QPointer<QDialog>& dialog : dialogs)
            QVERIFY(dialog.isNull());
    }

    void aTwoLineTextIsWrittenReversedAndMoved()
    {
        QVector<ScriptStep> steps;
        runSession(QStringLiteral("write-move-text.txt"), &steps);
        if (QTest::currentTestFailed())
            return;
        expectChanges(0, 1);
        if (QTest::currentTestFailed())
            return;
        const auto* text = qobject_cast<const CDbTextObject*>(mDifference->added().first());
        QVERIFY(text);
        QCOMPARE(text->getLines(), (QStringList{QStringLiteral("Lot 12"), QStringLiteral("Denim 14 oz")}));
        QCOMPARE(text->letterSize(), short(36));
        QCOMPARE(text->angle(), 270.0);
        // Written where clicked and carried as far as the drag's last move.
        const GeoPoint2D written = stepPoint(steps, ScriptStep::Click);
        const GeoPoint2D carried =
            stepPoint(steps, ScriptStep::Move, true) - stepPoint(steps, ScriptStep::Press) + written;
        QVERIFY2(
            text->center().distance(carried) < kPixelSlack,
            qPrintable(QStringLiteral("the text is at %1, %2").arg(text->center().x).arg(text->center().y)));
    }

    // The copies laid lie inside the dragged rectangle (give or take a pixel) cut to the
    // fabric, are copies of waiting pieces, and leave everything else as it was.
    void waitingPiecesFillTheEmptyBandAtTheTop()
    {
        QVector<ScriptStep> steps;
        runSession(QStringLiteral("fill-hole.txt"), &steps, false);
        if (QTest::currentTestFailed())
            return;
        const MarkerDifference difference(*mSample, *mSaved);
        const QString what =
            difference.describe(QStringLiteral("the sample"), QStringLiteral("the saved marker"));
        QVERIFY2(difference.removed().isEmpty() && difference.added().size() >= 3, qPrintable(what));
        const GeoPoint2D from = stepPoint(steps, ScriptStep::Press);
        const GeoPoint2D to = stepPoint(steps, ScriptStep::Release);
        CDbFabricObject* fabric = mSaved->drawing()->getCurrentFabric();
        GeoRectangle hole(from.x, from.y, to.x, fabric->getFabricLayerWidth(0));
        hole.expand(kPixelSlack, 0.0);
        hole.ymin -= kPixelSlack;
        const QListEx<CDbGrPolysObject*> waiting = mSample->groups(mSample->drawing()->getCurrentFabric(), 0);
        for (const CDbAbstractObject* object : difference.added()) {
            const CDbGrPolysObject* laid = asGroup(object);
            QVERIFY(laid && hole.contains(laid->boundingRect()));
            QCOMPARE(laid->section(), short(CDbGrPolysObject::SectionFabric));
            QVERIFY(std::any_of(waiting.begin(), waiting.end(), [laid](const CDbGrPolysObject* group) {
                return group->section() == CDbGrPolysObject::SectionStandby &&
                       group->polygon(0).pieceIndex() == laid->polygon(0).pieceIndex() &&
                       group->polygon(0).sizeIndex() == laid->polygon(0).sizeIndex();
            }));
        }
        QCOMPARE(mSaved->findOverlaps(), 0);
    }

    // The two moved pieces end as one group inside one fused block, saved and read back whole;
    // nothing else changed.
    void twoBlocksThatMeetAreSavedAsOneFusion()
    {
        QVector<ScriptStep> steps;
        runSession(QStringLiteral("block-and-edit.txt"), &steps, false);
        if (QTest::currentTestFailed())
            return;
        expectChanges(2, 1);
        if (QTest::currentTestFailed())
            return;
        const CDbGrPolysObject* fused = asGroup(mDifference->added().first());
        QVERIFY(fused && fused->blockingFusion() && fused->polygonCount() == 3);
        QVERIFY(fused->isValidateManualBlocking(mSaved->drawing(), mSaved->drawing()->getCurrentFabric()));
        QCOMPARE(mSaved->findOverlaps(), 0);
    }

    // The saved marker holds the pair at its changed position: the bag at the front's right-top
    // corner, cut with it along their union, the rest as in the sample.
    void aPairIsMadeMovedAndTakenApart()
    {
        QVector<ScriptStep> steps;
        runSession(QStringLiteral("cut-down-pair.txt"), &steps, false);
        if (QTest::currentTestFailed())
            return;
        expectChanges(2, 1);
        if (QTest::currentTestFailed())
            return;
        const CDbGrPolysObject* pair = asGroup(mDifference->added().first());
        QVERIFY(pair && pair->polygonCount() == 2 && pair->polygon(0).cutDownPosition());
        const GeoRectangle front = pair->polygon(0).pieceOutline().boundingRect();
        const GeoRectangle bag = pair->polygon(1).pieceOutline().boundingRect();
        QVERIFY(qAbs(bag.xmax - (front.xmax - 2.0)) < 1e-9 && qAbs(bag.ymax - (front.ymax - 1.0)) < 1e-9);
        QCOMPARE(pair->polygon(0).contours().origin(pair->polygon(0).contours().count() - 1),
                 CDbContourObject::CutDownUnion);
    }

    // The saved marker holds the six pairs made in the chart, two a size, with the bags at the
    // facings' left-bottom corners; the chart holds their position, the pairs none of their own.
    void piecesArePairedInTheSizeChart()
    {
        QVector<ScriptStep> steps;
        runSession(QStringLiteral("cut-down-chart.txt"), &steps, false,
                   {QStringLiteral("Selection is already cut down in the chart.")});
        if (QTest::currentTestFailed())
            return;
        expectChanges(12, 6);
        if (QTest::currentTestFailed())
            return;
        const std::vector<CDbSizePlan::PiecePair>& pairs =
            mSaved->drawing()->fabric(0)->sizePlan().piecePairs();
        QCOMPARE(pairs.size(), size_t(1));
        QVERIFY(pairs[0].first == 3 && pairs[0].second == 4 &&
                pairs[0].position == CDbCutDownObject(0, 0.0, 2, 0.0));
        for (const CDbAbstractObject* object : mDifference->added()) {
            const CDbGrPolysObject* pair = asGroup(object);
            QVERIFY(pair && pair->polygonCount() == 2 && !pair->polygon(0).cutDownPosition());
            const GeoRectangle facing = pair->polygon(0).pieceOutline().boundingRect();
            const GeoRectangle bag = pair->polygon(1).pieceOutline().boundingRect();
            QCOMPARE(pair->polygon(1).sizeIndex(), pair->polygon(0).sizeIndex());
            QVERIFY(qAbs(bag.xmin - facing.xmin) < 1e-9 && qAbs(bag.ymin - facing.ymin) < 1e-9);
        }
    }

    // A refused click in the chart changes nothing and leaves the first row as it was.
    void refusedChartClicksChangeNothing_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<short>("waiting");
        QTest::newRow("same piece twice")
            << "chart-click piece 4\nchart-click piece 4"
            << QStringList{QStringLiteral("Cannot Cut Down over same piece.")} << short(4);
        // The backs, laid over the fronts, would reach beyond the marker's start.
        QTest::newRow("pair leaving the fabric")
            << "chart-click piece 1\nchart-click piece 2" << QStringList() << short(1);
        QTest::newRow("with Control") << "chart-click piece 4 ctrl" << QStringList() << short(0);
        QTest::newRow("column without a partner")
            << "chart-click size 2\nchart-click size 2" << QStringList() << short(0);
    }
    void refusedChartClicksChangeNothing()
    {
        QFETCH(QString, clicks);
        QFETCH(QStringList, messages);
        QFETCH(short, waiting);
        QVERIFY(runScript(
            QStringLiteral("tool cutdown\n%1\nexpect undo-count 0\nexpect same-as-file").arg(clicks)));
        QCOMPARE(mSink->messages, messages);
        QCOMPARE(mWindow->activeMarker()->drawing()->chartFirstPiece(), waiting);
    }

    // On the marker, a pair made in the chart shows its position, which only the chart changes.
    void anAltClickOnAChartPairShowsItsPositionReadOnly()
    {
        QVERIFY(runScript(QStringLiteral("tool cutdown\nchart-click piece 4\ndialog accept editOffsetY=2\n"
                                         "chart-click piece 5")));
        const boost::shared_ptr<DocumentMak> marker = mWindow->activeMarker();
        const QString before = QString::fromUtf8(MarkerFile::toJson(*marker));
        QString offsetY;
        bool okEnabled = true;
        DialogTest::answerModal([&](QWidget* modal) {
            offsetY = DialogTest::child<QLineEdit>(modal, "editOffsetY")->text();
            auto* buttons = DialogTest::child<QDialogButtonBox>(modal, "buttonBox");
            okEnabled = buttons->button(QDialogButtonBox::Ok)->isEnabled();
            buttons->button(QDialogButtonBox::Cancel)->click();
        });
        DocumentView* view = mWindow->activeView();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::AltModifier,
                          view->viewportTransform().map(QPointF(79, 115)).toPoint());
        QCOMPARE(offsetY, QStringLiteral("2.00 cm"));
        QVERIFY(!okEnabled);
        QCOMPARE(QString::fromUtf8(MarkerFile::toJson(*marker)), before);
        QCOMPARE(marker->undoStack()->count(), 1);
    }

    // Two garments of a size in one column: pairing the column with itself lays each piece's
    // copies together and, as taking them apart, empties the history; the marker stays changed.
    // Aligning the pair anew is the one change of a column pair that undo takes back.
    void aSizeColumnPairIsMadeAndTakenApartWithoutHistory()
    {
        const boost::shared_ptr<DocumentMak> marker = mWindow->activeMarker();
        CDbFabricObject* fabric = marker->drawing()->fabric(0);
        std::vector<CDbDisplaySizeObject> columns = fabric->sizePlan().columns(*fabric);
        columns[1].quantity = 2;
        fabric->sizePlan().setColumns(columns);
        const int groups = marker->groups(fabric, 0).size();
        marker->undoStack()->push(new QUndoCommand(QStringLiteral("before")));
        marker->setClean();
        QVERIFY(runScript(
            QStringLiteral("tool cutdown\nchart-click size 2\ndialog accept radioVerticalLeft=true\n"
                           "chart-click size 2\nexpect undo-count 0")));
        // Fronts, backs, pocket facings and bags of size M: two copies each, now one pair.
        QCOMPARE(marker->groups(fabric, 0).size(), groups - 4);
        QVERIFY(fabric->sizePlan().storedColumns()[1].displaySizeIsInCutDown());
        QVERIFY(marker->isModified());
        const QString paired = QString::fromUtf8(MarkerFile::toJson(*marker));
        QVERIFY(runScript(QStringLiteral("dialog accept radioVerticalRight=true\nchart-click size 2 alt\n"
                                         "expect undo-count 1\nundo")));
        QCOMPARE(QString::fromUtf8(MarkerFile::toJson(*marker)), paired);
        marker->undoStack()->redo();
        QCOMPARE(fabric->sizePlan().storedColumns()[1].position.verticalAxis, short(CDbCutDownObject::Right));
        QVERIFY(QString::fromUtf8(MarkerFile::toJson(*marker)) != paired);
        QVERIFY(runScript(QStringLiteral("chart-click size 2\nexpect undo-count 0")));
        QCOMPARE(marker->groups(fabric, 0).size(), groups);
        QVERIFY(!fabric->sizePlan().hasSizePair());
        QVERIFY(marker->isModified());
        QVERIFY(mSink->messages.isEmpty());
    }

    // Each cut piece became two parts with a seam on each side of the cut, their areas adding
    // up to more than the piece's.
    void twoPiecesAreCutInTwo()
    {
        QVector<ScriptStep> steps;
        runSession(QStringLiteral("angle-cut.txt"), &steps, false);
        if (QTest::currentTestFailed())
            return;
        expectChanges(2, 4);
        if (QTest::currentTestFailed())
            return;
        for (const CDbAbstractObject* removed : mDifference->removed()) {
            const CDbGrPolysObject* piece = asGroup(removed);
            double parts = 0.0;
            for (const CDbAbstractObject* added : mDifference->added()) {
                const CDbGrPolysObject* part = asGroup(added);
                if (part->polygon(0).contours().contour(0) == piece->polygon(0).pieceOutline()) {
                    QVERIFY(part->polygon(0).angleCutPart() > 0);
                    parts += part->area();
                }
            }
            QVERIFY(parts > piece->area());
        }
    }

    // Every cutter's tool used on the sample, the order optimised and the cutter's file
    // written: the saved marker has every laid piece ranked, its punch hole, and the file.
    void theCuttersPathIsPreparedAndWritten()
    {
        QVector<ScriptStep> steps;
        QFile::remove(QStringLiteral("cut-path.plt"));
        runSession(QStringLiteral("cut-path.txt"), &steps, false,
                   {QStringLiteral("The knife cannot start on a notch."),
                    QStringLiteral("A punch hole cannot go inside a piece or on its outline."),
                    QStringLiteral("This piece already has this place in the cut order.")});
        if (QTest::currentTestFailed())
            return;
        CDbFabricObject* fabric = mSaved->drawing()->getCurrentFabric();
        const QListEx<CDbGrPolysObject*> laid = fabric->groupsInCutOrder(0);
        QVERIFY(std::all_of(laid.begin(), laid.end(),
                            [](const CDbGrPolysObject* g) { return g->polygon(0).getPolygonCutRank() > 0; }));
        const MarkerDifference difference(*mSample, *mSaved);
        QCOMPARE(difference.added().size() - difference.removed().size(), 1);
        QFile exported(QStringLiteral("cut-path.plt"));
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QVERIFY(exported.readAll().contains("SP2;"));
        exported.remove();
    }

    // The view ends one zoom step out from the band fitted round the waistband, its content
    // moved 30 cm to the left by the hand grip; the marker is the sample's.
    void theViewIsZoomedAndPannedAlone()
    {
        QVector<ScriptStep> steps;
        runSession(QStringLiteral("zoom-and-pan.txt"), &steps, false);
        if (QTest::currentTestFailed())
            return;
        const GeoPoint2D bandFrom = stepPoint(steps, ScriptStep::Press);
        const GeoPoint2D bandTo = stepPoint(steps, ScriptStep::Release);
        const GeoPoint2D grabbed = stepPoint(steps, ScriptStep::Press, true);
        const GeoPoint2D pannedTo = stepPoint(steps, ScriptStep::Move, true);
        DocumentView* view = mWindow->activeView();
        const QRect pixels = view->viewport()->rect();
        const GeoPoint2D corner = view->scenePoint(pixels.topLeft());
        const GeoPoint2D opposite = view->scenePoint(pixels.bottomRight());
        const double cmPerPixel = std::fabs(opposite.x - corner.x) / pixels.width();
        // The band is wide and flat: its width filled the view, one step out shows 1/0.8 of it.
        const double expectedWidth = std::fabs(bandTo.x - bandFrom.x) / 0.8;
        QVERIFY2(std::fabs(std::fabs(opposite.x - corner.x) - expectedWidth) < expectedWidth * 0.05,
                 qPrintable(QStringLiteral("%1 cm shown").arg(std::fabs(opposite.x - corner.x))));
        // The step out kept the band's centre in the middle; the drag moved it by its length.
        // The fit, the step and the drag each round to a whole pixel.
        const GeoPoint2D middle = (corner + opposite) / 2.0;
        const GeoPoint2D expected = grabbed + (grabbed - pannedTo);
        QVERIFY2(middle.distance(expected) < 3.0 * cmPerPixel,
                 qPrintable(QStringLiteral("the view's middle is %1, %2").arg(middle.x).arg(middle.y)));
        QVERIFY(MarkerDifference(*mSample, *mSaved).isEmpty());
    }

    // The piece pressed on in the standby area lies on the fabric, centred where it was
    // dropped, overlapping nothing.
    void aWaitingPieceIsCarriedByTheMagneticCursor()
    {
        QVector<ScriptStep> steps;
        const CDbGrPolysObject* before = nullptr;
        const CDbGrPolysObject* after = nullptr;
        if (!runMovingSession(QStringLiteral("magnetic-move.txt"), &steps, &before, &after))
            return;
        QVERIFY(before->hitTest(stepPoint(steps, ScriptStep::Press), 0.0));
        QCOMPARE(before->section(), short(CDbGrPolysObject::SectionStandby));
        QCOMPARE(after->section(), short(CDbGrPolysObject::SectionFabric));
        const GeoPoint2D centre = after->boundingRect().center();
        QVERIFY2(centre.distance(stepPoint(steps, ScriptStep::Release)) < kPixelSlack,
                 qPrintable(QStringLiteral("centred at %1, %2").arg(centre.x).arg(centre.y)));
        QCOMPARE(mSaved->findOverlaps(), 0);
    }

    // The two pieces clicked after the first are cut right after it, in the order clicked.
    void piecesClickedInTurnAreCutInTurn()
    {
        QVector<ScriptStep> steps;
        runSession(QStringLiteral("cut-sequence.txt"), &steps, false);
        if (QTest::currentTestFailed())
            return;
        QList<short> ranks;
        for (const GeoPoint2D& click : clickPoints(steps)) {
            const CDbGrPolysObject* group = savedGroupAt(click);
            QVERIFY(group);
            ranks << group->polygon(0).getPolygonCutRank();
        }
        QCOMPARE(ranks.size(), 3);
        QVERIFY(ranks[0] > 0);
        QCOMPARE(ranks[1], short(ranks[0] + 1));
        QCOMPARE(ranks[2], short(ranks[0] + 2));
    }

    // The front's waist corner a match point in every size, and one link, from the front's
    // notch to the back's, made again after its removal.
    void aMatchPointIsSetAndTwoNotchesAreLinked()
    {
        QVector<ScriptStep> steps;
        runSession(QStringLiteral("link-points.txt"), &steps, false);
        if (QTest::currentTestFailed())
            return;
        const CDbPieceObject* front = mSaved->drawing()->getCurrentFabric()->piece(0);
        for (short size = 0; size < front->getNumberOfSizes(); ++size)
            QVERIFY(front->getPieceSize(size)->outline()[3].hasFeature(PointFeature::MatchPoint));
        QVERIFY(!mSample->drawing()->getCurrentFabric()->piece(0)->getPieceSize(0)->outline()[3].hasFeature(
            PointFeature::MatchPoint));
        CDbDocumentLinkObject* links = mSaved->drawing()->getLinkDoc();
        const CDbTwainLinkPiecesObjectTable* table = links->getCurrentPiecesLinkListDocumentLink();
        QCOMPARE(table->size(), 1);
        GeoPoint2D first, second;
        QCOMPARE(
            table->getTwainLinkPiecesVectors(links->getCurrentPolyListDocumentLink(), 1, &first, &second),
            short(0));
        QVERIFY(first.distance(clickPoints(steps)[1]) < 1e-9);
        QVERIFY(second.distance(stepPoint(steps, ScriptStep::Click, true)) < 1e-9);
    }

    // The plaid shirt's fronts linked at the centre front: the right front dropped on free
    // fabric, then slid by the quick move, lands with its notch on the left front's phase of
    // the plaid, on both axes.
    void aLinkedFrontIsDroppedOntoItsMatch()
    {
        QVERIFY(mWindow->openFile(QStringLiteral(MARKER_SOURCE_DIR "/samples/plaid-shirt-sample.mak")));
        QVERIFY(mWindow->saveActiveDocument(mCopy));
        QVector<ScriptStep> steps;
        runSession(QStringLiteral("plaid-match.txt"), &steps);
        if (QTest::currentTestFailed())
            return;
        const CDbTwainLinkPiecesObjectTable* links = mSaved->drawing()->getLinkDoc()->links(0);
        QCOMPARE(links->size(), 1);
        QCOMPARE(links->link(1)->rules(),
                 quint32(CDbTwainLinkPiecesObject::IdenticalX | CDbTwainLinkPiecesObject::IdenticalY));
        // The fronts as the session left them, their notches the first and last points after
        // the hem's corner (the right front is the left one mirrored).
        const CDbGrPolysObject* left = savedGroupAt(clickPoints(steps)[0] + GeoPoint2D(0.0, 5.0));
        // The right front: dropped 102 cm on from where it was pressed, then two repeats lower
        // after its quick move.
        const CDbGrPolysObject* right =
            savedGroupAt(stepPoint(steps, ScriptStep::Press) + GeoPoint2D(102.0, -2.88 - 16.0));
        QVERIFY(left && right);
        QCOMPARE(right->polygon(0).pieceIndex(), short(1));
        const auto notch = [](const CDbGrPolysObject* group, int index) {
            return GeoPoint2D(group->polygon(0).pieceOutline().points()[index]);
        };
        const GeoPoint2D apart = notch(right, 11) - notch(left, 1);
        QVERIFY2(std::abs(std::remainder(apart.x, 8.0)) < 1e-6 &&
                     std::abs(std::remainder(apart.y, 8.0)) < 1e-6,
                 qPrintable(QStringLiteral("%1 %2").arg(apart.x).arg(apart.y)));
    }

    // Every piece of the trousers instance laid on the fabric, none overlapping.
    void anImportedInstanceIsLaidWhole()
    {
        const QString instance = QStringLiteral(MARKER_DATASETS_DIR "/esicup/trousers.json");
        if (!QFileInfo::exists(instance))
            QSKIP("the nesting instances are not available");
        // Saved over the copy of the sample, which the session then saves to and the test reads.
        QVERIFY(mWindow->importInstance(instance, 1.0));
        QVERIFY(mWindow->saveActiveDocument(mCopy));
        QVector<ScriptStep> steps;
        runSession(QStringLiteral("lay-instance.txt"), &steps, false);
        if (QTest::currentTestFailed())
            return;
        const QListEx<CDbGrPolysObject*> groups = mSaved->groups(mSaved->drawing()->getCurrentFabric(), 0);
        QCOMPARE(groups.size(), 64);
        for (const CDbGrPolysObject* group : groups)
            QCOMPARE(group->section(), short(CDbGrPolysObject::SectionFabric));
        QCOMPARE(mSaved->findOverlaps(), 0);
    }

private:
    // Runs the session `name` on the copy of the sample, reading its steps into `steps`, and
    // reads the copy as the session left it into mSaved. `drags`: the session drops a drag,
    // which writes the transformer's diagnostic line.
    // `messages`: the refusals the session expects to be told.
    void runSession(const QString& name, QVector<ScriptStep>* steps, bool drags = true,
                    const QStringList& messages = {})
    {
        const QString path = QString::fromUtf8(kSessions) + name;
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(path));
        const QString script = QString::fromUtf8(file.readAll());
        int line = 0;
        QString error;
        QVERIFY2(ScriptParser::parse(script, steps, &line, &error), qPrintable(error));
        if (drags)
            QTest::ignoreMessage(QtDebugMsg,
                                 QRegularExpression(QStringLiteral("InteractiveTransformer::end\\(\\):")));
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        ScriptRunner runner(mWindow.get(), &outStream, &errStream);
        QVERIFY2(runner.run(path, script) == ScriptRunner::Succeeded, qPrintable(err));
        QVERIFY2(mSink->errors.isEmpty() && mSink->messages == messages,
                 qPrintable((mSink->errors + mSink->messages).join(QLatin1Char('\n'))));
        mSaved = MarkerFile::load(mCopy, &error);
        QVERIFY2(mSaved, qPrintable(error));
    }

    // Runs script lines on the window; false, with the failure logged, when one fails.
    bool runScript(const QString& script)
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        ScriptRunner runner(mWindow.get(), &outStream, &errStream);
        const bool ran = runner.run(QStringLiteral("inline"), script) == ScriptRunner::Succeeded;
        if (!ran)
            qWarning("%s", qPrintable(err));
        return ran;
    }

    // Runs the session `name`, which drags one piece group, and finds that group before and
    // after; false when either fails.
    bool runMovingSession(const QString& name, QVector<ScriptStep>* steps, const CDbGrPolysObject** before,
                          const CDbGrPolysObject** after)
    {
        runSession(name, steps);
        if (!QTest::currentTestFailed())
            findMovedGroup(before, after);
        return !QTest::currentTestFailed();
    }

    // The one piece group the session moved: as the sample has it and as the saved copy has it.
    void findMovedGroup(const CDbGrPolysObject** before, const CDbGrPolysObject** after)
    {
        expectChanges(1, 1);
        if (QTest::currentTestFailed())
            return;
        *before = asGroup(mDifference->removed().first());
        *after = asGroup(mDifference->added().first());
        QVERIFY(*before && *after);
        QCOMPARE((*after)->polygonCount(), (*before)->polygonCount());
        QCOMPARE((*after)->polygon(0).pieceIndex(), (*before)->polygon(0).pieceIndex());
        QCOMPARE((*after)->polygon(0).sizeIndex(), (*before)->polygon(0).sizeIndex());
    }

    // The saved copy against the sample: `removed` of the sample's objects gone, `added` new.
    void expectChanges(int removed, int added)
    {
        mDifference = std::make_unique<MarkerDifference>(*mSample, *mSaved);
        QVERIFY2(mDifference->removed().size() == removed && mDifference->added().size() == added,
                 qPrintable(mDifference->describe(QStringLiteral("the sample"),
                                                  QStringLiteral("the saved marker"))));
    }

    // The placed group of the saved copy's first layer under `point`.
    const CDbGrPolysObject* savedGroupAt(const GeoPoint2D& point) const
    {
        for (const CDbGrPolysObject* group : mSaved->groups(mSaved->drawing()->getCurrentFabric(), 0)) {
            if (group->hitTest(point, 0.0))
                return group;
        }
        return nullptr;
    }

    QString field(const char* name) const
    {
        const auto* edit = mWindow->infoBoxDock()->findChild<QLineEdit*>(QLatin1String(name));
        return edit ? edit->text() : QString();
    }

    PluginModule mModule;
    QTemporaryDir mDir;
    QString mCopy;
    boost::shared_ptr<DocumentMak> mSample;
    boost::shared_ptr<DocumentMak> mSaved;
    std::unique_ptr<MarkerDifference> mDifference;
    std::unique_ptr<MarkerMainWindow> mWindow;
    std::unique_ptr<RecordingSink> mSink;
};

MARKER_TEST(tst_EditingSessions)
#include "tst_EditingSessions.moc"
