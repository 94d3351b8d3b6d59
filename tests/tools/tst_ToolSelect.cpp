#include "tools/ToolTestView.h"

#include "PlatformNoise.h"

#include "SelectRubberBand.h"
#include "ToolSelect.h"

#include "VelCore/InfoBox.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbLineObject.h"
#include "laystore/CDbTextObject.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/CMarkerSelection.h"

#include "TestMain.h"
#include <QCheckBox>
#include <QDialog>
#include <QGraphicsLineItem>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>
#include <functional>

using namespace VelSystem;
using namespace VelSystem::ToolTest;
using LaystoreTest::matches;
using LaystoreTest::snapshot;

namespace {

// Points of the test marker: inside the front leg (its box runs 0..27 by 0..100, centre
// (13.5, 50)), inside the upper pocket (35..53 by 5..29, over the lower one at 30..48 by
// 0..24), and empty fabric right of both pockets.
const GeoPoint2D kOnLeg(20.0, 50.0);
const GeoPoint2D kOnPocket(44.0, 20.0);
const GeoPoint2D kEmpty(58.0, 40.0);

struct SelectView : ToolTestView
{
    SelectView() : ToolTestView("select") {}

    ToolSelect& pointer() const { return toolAs<ToolSelect>(); }
    CDbGrPolysObject* leg() const { return qobject_cast<CDbGrPolysObject*>(objectAt(0)); }
    SelectRubberBand* band() const { return view.viewport()->findChild<SelectRubberBand*>(); }
    QGraphicsLineItem* directionLine() const
    {
        for (QGraphicsItem* item : scene.items()) {
            if (item->type() == QGraphicsLineItem::Type)
                return static_cast<QGraphicsLineItem*>(item);
        }
        return nullptr;
    }
    // What a drag between two points moves by, once both are whole pixels.
    GeoPoint2D offset(const GeoPoint2D& from, const GeoPoint2D& to) const
    {
        return at(pixel(to)) - at(pixel(from));
    }
    void withShift(const std::function<void()>& gesture)
    {
        key(Qt::Key_Shift, true);
        gesture();
        key(Qt::Key_Shift, false);
    }
    CDbLineObject* addLine(const GeoPoint2D& a, const GeoPoint2D& b, const QString& text)
    {
        auto* line = new CDbLineObject;
        line->setPoints(a, b);
        line->setText(text);
        marker.document->addPiece(line, marker.fabric, 0);
        return line;
    }
};

// The leg, slid up and right from the start, ends touching a pocket: no gap, no overlap.
void verifyLegSlidToAPocket(SelectView& view, const LaystoreTest::Snapshot& before)
{
    CDbGrPolysObject* leg = view.leg();
    QCOMPARE(view.undo().count(), 1);
    QCOMPARE(view.undo().text(0), QStringLiteral("Modification"));
    const GeoPoint2D slid = leg->boundingRect().leftBottom();
    QVERIFY(slid.x > 1.0 && slid.y > 0.0);
    QVERIFY(view.marker.document->overlappingGroups(leg).isEmpty());
    std::unique_ptr<CDbGrPolysObject> further(static_cast<CDbGrPolysObject*>(leg->clone()));
    GeoPoint2D step = slid * (0.05 / slid.module());
    further->translate(step);
    QVERIFY(further->overlaps(*qobject_cast<CDbGrPolysObject*>(view.objectAt(1))) ||
            further->overlaps(*qobject_cast<CDbGrPolysObject*>(view.objectAt(2))));
    QVERIFY(!view.directionLine());
    view.undo().undo();
    QVERIFY(matches(view.marker, before));
    view.undo().clear();
}

} // namespace

class tst_ToolSelect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HostTest::silencePlatformNoise(); }

    void clickReplacesOrClearsTheSelection_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }

    void clickReplacesOrClearsTheSelection()
    {
        QFETCH(Qt::MouseButton, button);
        SelectView view;
        QVERIFY(view.press(kOnLeg, button));
        // A tremor under the start-drag distance.
        QVERIFY(!view.move(view.at(view.pixel(kOnLeg) + QPoint(4, 5))));
        QVERIFY(!view.pointer().isBusy());
        QVERIFY(view.release(kOnLeg, button));
        QCOMPARE(view.selection(), QListEx<CDbAbstractObject*>{view.leg()});
        view.click(kOnPocket, button);
        QCOMPARE(view.selection(), QListEx<CDbAbstractObject*>{view.objectAt(2)});
        view.click(kEmpty, button);
        QVERIFY(view.selection().isEmpty());
    }

    void shiftTogglesAndNeverDrags()
    {
        SelectView view;
        const auto before = snapshot(view.marker);
        view.click(kOnLeg);
        view.withShift([&] { view.click(kOnPocket); });
        QCOMPARE(view.selection(), (QListEx<CDbAbstractObject*>{view.leg(), view.objectAt(2)}));
        view.withShift([&] { view.click(kOnLeg); });
        QCOMPARE(view.selection(), QListEx<CDbAbstractObject*>{view.objectAt(2)});

        view.withShift([&] {
            view.press(kOnPocket);
            QVERIFY(view.selection().isEmpty());
            view.move(kOnPocket + GeoPoint2D(30.0, 40.0));
            QVERIFY(!view.pointer().isBusy());
            QCOMPARE(view.dragPreviews().size(), 0);
            view.release(kOnPocket + GeoPoint2D(0.25, 0.0));
        });
        QVERIFY(view.selection().isEmpty());
        QCOMPARE(view.undo().count(), 0);
        QVERIFY(matches(view.marker, before));

        // With Shift a rubber band adds to the selection.
        view.click(kOnLeg);
        view.withShift([&] {
            view.press(kEmpty);
            view.move({29.0, 20.0});
            view.release({29.0, 20.0});
        });
        QCOMPARE(view.selection().size(), 3);
    }

    // A text on the marker is picked and moved like a piece.
    void dragMovesThePiecesAsOneUndoableMove_data()
    {
        QTest::addColumn<bool>("text");
        QTest::newRow("piece") << false;
        QTest::newRow("text") << true;
    }

    void dragMovesThePiecesAsOneUndoableMove()
    {
        QFETCH(bool, text);
        SelectView view;
        const GeoPoint2D start = text ? kEmpty : kOnLeg;
        CDbAbstractObject* moving = view.leg();
        if (text)
            moving = view.marker.addText({QStringLiteral("Lot 4"), QStringLiteral("Denim")}, kEmpty);
        const GeoPoint2D corner = moving->boundingRect().leftBottom();
        const auto before = snapshot(view.marker);
        const GeoPoint2D middle = start + GeoPoint2D(30.0, 10.0);
        const GeoPoint2D end = start + GeoPoint2D(60.0, 20.0);
        view.press(start);
        QVERIFY(!view.pointer().isBusy());
        QVERIFY(view.move(middle));
        QVERIFY(view.pointer().isBusy());
        QCOMPARE(GetInfoBox()->value(InfoBox::Dx), view.offset(start, middle).x);
        QCOMPARE(GetInfoBox()->value(InfoBox::Dy), view.offset(start, middle).y);
        view.move(end);
        QCOMPARE(view.dragPreviews().size(), 1);
        QCOMPARE(moving->boundingRect().leftBottom(), corner);

        view.expectDragRecorded();
        QVERIFY(view.release(end));
        QVERIFY(!view.pointer().isBusy());
        QCOMPARE(view.dragPreviews().size(), 0);
        QVERIFY(!GetInfoBox()->hasValue(InfoBox::Dx) && !GetInfoBox()->hasValue(InfoBox::Dy));
        QCOMPARE(view.undo().count(), 1);
        const QListEx<CDbAbstractObject*> selected = view.selection();
        QCOMPARE(selected.size(), 1);
        QVERIFY(selected.first()->boundingRect().leftBottom().equals(corner + view.offset(start, end), 1e-9));
        const auto moved = snapshot(view.marker);
        view.undo().undo();
        QVERIFY(matches(view.marker, before));
        view.undo().redo();
        QVERIFY(matches(view.marker, moved));
    }

    void altPressDragsTheWholeSelection()
    {
        SelectView view;
        view.click(kOnLeg);
        view.withShift([&] { view.click(kOnPocket); });
        CDbAbstractObject* pocket = view.objectAt(2);
        const GeoPoint2D legCorner = view.leg()->boundingRect().leftBottom();
        const GeoPoint2D pocketCorner = pocket->boundingRect().leftBottom();

        // Alt keeps the selection, so the press drags all of it.
        const GeoPoint2D end = kOnLeg + GeoPoint2D(80.0, 0.0);
        view.key(Qt::Key_Alt, true);
        view.press(kOnLeg);
        QCOMPARE(view.selection().size(), 2);
        view.move(end);
        QCOMPARE(view.dragPreviews().size(), 2);
        view.expectDragRecorded();
        view.release(end);
        view.key(Qt::Key_Alt, false);
        QCOMPARE(view.undo().count(), 1);
        const GeoPoint2D moved = view.offset(kOnLeg, end);
        QCOMPARE(view.leg()->boundingRect().leftBottom(), legCorner + moved);
        QCOMPARE(view.objectAt(2)->boundingRect().leftBottom(), pocketCorner + moved);
    }

    // A line cannot turn: the key ends its drag, and nothing is recorded.
    void keyAbandonsALinesDrag()
    {
        SelectView view;
        CDbLineObject* line = view.addLine({100.0, 40.0}, {140.0, 40.0}, QString());
        const auto before = snapshot(view.marker);
        view.press({120.0, 40.0});
        view.move({120.0, 70.0});
        QCOMPARE(view.dragPreviews().size(), 1);
        view.key(Qt::Key_5, true);
        QVERIFY(!view.pointer().isBusy());
        QCOMPARE(view.dragPreviews().size(), 0);
        view.release({120.0, 70.0});
        QCOMPARE(view.undo().count(), 0);
        QVERIFY(matches(view.marker, before));
        QCOMPARE(line->start(), GeoPoint2D(100.0, 40.0));
    }

    void enterDropsThePiecesAndSearchesOverlaps_data()
    {
        QTest::addColumn<bool>("pressEnter");
        QTest::addColumn<bool>("holdAtRelease");
        QTest::newRow("pressed during the drag") << true << false;
        QTest::newRow("held at the release") << false << true;
        QTest::newRow("no Enter") << false << false;
    }

    // The two pockets overlap from the start; only an overlap search marks them.
    void enterDropsThePiecesAndSearchesOverlaps()
    {
        QFETCH(bool, pressEnter);
        QFETCH(bool, holdAtRelease);
        SelectView view;
        const auto* pocket = qobject_cast<CDbGrPolysObject*>(view.objectAt(1));
        const GeoPoint2D end = kOnLeg + GeoPoint2D(60.0, 20.0);
        view.press(kOnLeg);
        view.move(end);
        view.expectDragRecorded();
        if (pressEnter) {
            view.key(Qt::Key_Enter, true);
            QVERIFY(!view.pointer().isBusy());
            QCOMPARE(view.undo().count(), 1);
        }
        KeyboardMonitor::instance().setKeyPressed(Qt::Key_Enter, holdAtRelease);
        // After Enter the pieces stay where they were dropped.
        view.move(end + GeoPoint2D(10.0, 0.0));
        view.release(end + GeoPoint2D(10.0, 0.0));
        QCOMPARE(view.undo().count(), 1);
        QCOMPARE(view.leg()->boundingRect().leftBottom(),
                 view.offset(kOnLeg, pressEnter ? end : end + GeoPoint2D(10.0, 0.0)));
        QCOMPARE(pocket->isOverlapping(), pressEnter || holdAtRelease);
    }

    void quickMoveSlidesThePieceUntilItTouches()
    {
        SelectView view;
        const auto before = snapshot(view.marker);
        // Near enough to the leg's corner to pick it, but outside its box: nothing.
        QVERIFY(!view.doubleClick({27.5, 30.0}));
        QCOMPARE(view.selection(), QListEx<CDbAbstractObject*>{view.leg()});
        QVERIFY(!view.directionLine());
        QVERIFY(matches(view.marker, before));
        // Up and right from the leg's centre.
        QVERIFY(view.doubleClick({20.0, 55.0}));
        verifyLegSlidToAPocket(view, before);

        // With 0 held a press draws the line from the selection's centre; the release slides.
        const GeoPoint2D target(30.0, 58.0);
        view.key(Qt::Key_0, true);
        view.press(kOnLeg);
        QCOMPARE(view.selection(), QListEx<CDbAbstractObject*>{view.leg()});
        QVERIFY(view.directionLine());
        QCOMPARE(view.directionLine()->line().p1(), QPointF(13.5, 50.0));
        QCOMPARE(view.directionLine()->zValue(), DocumentScene::kTopMostZValue);
        view.move(target);
        const GeoPoint2D shown = view.at(view.pixel(target));
        QCOMPARE(view.directionLine()->line().p2(), QPointF(shown.x, shown.y));
        QVERIFY(!view.pointer().isBusy());
        view.release(target);
        verifyLegSlidToAPocket(view, before);
    }

    // With several pieces selected (Alt keeps them at the press) only the one under the press
    // slides; a selection led by a line slides nothing.
    void quickMoveOfASelection_data()
    {
        QTest::addColumn<bool>("lineFirst");
        QTest::newRow("pieces") << false;
        QTest::newRow("a line first") << true;
    }

    void quickMoveOfASelection()
    {
        QFETCH(bool, lineFirst);
        SelectView view;
        const QListEx<CDbAbstractObject*> first =
            lineFirst ? QListEx<CDbAbstractObject*>{view.addLine({60.0, 80.0}, {90.0, 80.0}, QString())}
                      : QListEx<CDbAbstractObject*>{view.objectAt(3)};
        CMarkerSelection(view.marker.document.get(), first).apply();
        const auto before = snapshot(view.marker);
        view.key(Qt::Key_Alt, true);
        view.key(Qt::Key_0, true);
        view.press(kOnLeg);
        QCOMPARE(view.selection(), first + QListEx<CDbAbstractObject*>{view.leg()});
        view.release({30.0, 58.0});
        view.key(Qt::Key_0, false);
        view.key(Qt::Key_Alt, false);
        if (lineFirst) {
            QCOMPARE(view.undo().count(), 0);
            QVERIFY(matches(view.marker, before));
            return;
        }
        verifyLegSlidToAPocket(view, before);
        QCOMPARE(view.objectAt(3)->boundingRect(), before[3]->boundingRect());
    }

    // However thin the piece in its way, and however much room beyond it, a slide stops there.
    void quickMoveNeverJumpsAnObstacle()
    {
        SelectView view;
        LaystoreTest::Marker& marker = view.marker;
        // On the second layer: the leg, a bar across its way, and a pocket that puts the
        // marker's end far beyond the bar.
        marker.add(LaystoreTest::frontLeg(), {0.0, 0.0}, 1);
        marker.add({{0.0, 0.0}, {0.5, 0.0}, {0.5, 150.0}, {0.0, 150.0}}, {40.0, 0.0}, 1);
        marker.add(LaystoreTest::pocketBag(), {100.0, 120.0}, 1);
        QVERIFY(marker.document->drawing()->setCurrentFabricAndLayer(0, 1));
        marker.document->emitModified();
        QVERIFY(view.doubleClick({20.0, 50.0}));
        QCOMPARE(view.undo().count(), 1);
        const GeoRectangle slid = marker.document->objects(marker.fabric, 1).first()->boundingRect();
        QVERIFY2(slid.xmax > 39.0 && slid.xmax < 40.0 + 1e-6, qPrintable(QString::number(slid.xmax)));
    }

    void lockedMarkerRefusesMoves_data()
    {
        QTest::addColumn<int>("lock");
        QTest::addColumn<bool>("moves");
        QTest::newRow("placement") << int(CDbMarkerDrawing::LockPlacement) << false;
        QTest::newRow("matching") << int(CDbMarkerDrawing::LockMatching) << false;
        QTest::newRow("cutting") << int(CDbMarkerDrawing::LockCutting) << true;
    }

    void lockedMarkerRefusesMoves()
    {
        QFETCH(int, lock);
        QFETCH(bool, moves);
        SelectView view;
        view.marker.document->drawing()->setLockFlags(lock);
        const GeoPoint2D end = kOnLeg + GeoPoint2D(60.0, 20.0);
        view.doubleClick({20.0, 55.0});
        QVERIFY(!view.directionLine());
        QCOMPARE(view.undo().count(), moves ? 1 : 0);
        view.press(kOnLeg);
        view.move(end);
        QCOMPARE(view.pointer().isBusy(), moves);
        QCOMPARE(view.dragPreviews().size(), moves ? 1 : 0);
        if (moves)
            view.expectDragRecorded();
        view.release(end);
        QCOMPARE(view.undo().count(), moves ? 2 : 0);
    }

    void altClickEditsALinesText()
    {
        SelectView view;
        CDbLineObject* line = view.addLine({60.0, 60.0}, {100.0, 60.0}, QStringLiteral("Fold"));
        auto* text = new CDbTextObject;
        text->setLines({QStringLiteral("Lot 4")});
        text->setCenter({80.0, 100.0});
        view.marker.document->addPiece(text, view.marker.fabric, 0);
        QSignalSpy modified(view.marker.document.get(), &Document::modified);
        bool accept = true;
        ModalAnswerer answerer([&accept](QDialog* dialog) {
            dialog->findChild<QTextEdit*>()->setPlainText(QStringLiteral("Fold here"));
            accept ? dialog->accept() : dialog->reject();
        });

        const int index = view.marker.document->objects(view.marker.fabric, 0).indexOf(line);
        view.key(Qt::Key_Alt, true);
        accept = false;
        view.click({80.0, 60.0});
        QCOMPARE(line->getText(), QStringLiteral("Fold"));
        QCOMPARE(view.undo().count(), 0);
        accept = true;
        QVERIFY(view.press({80.0, 60.0}));
        const auto* edited = qobject_cast<CDbLineObject*>(view.objectAt(index));
        QVERIFY(edited);
        QCOMPARE(edited->getText(), QStringLiteral("Fold here"));
        QCOMPARE(modified.count(), 1);
        // The press ended with the dialog.
        QVERIFY(!view.move({80.0, 90.0}));
        view.release({80.0, 90.0});
        QCOMPARE(edited->start(), GeoPoint2D(60.0, 60.0));
        // The edit is undoable.
        QCOMPARE(view.undo().count(), 1);
        view.undo().undo();
        QCOMPARE(qobject_cast<CDbLineObject*>(view.objectAt(index))->getText(), QStringLiteral("Fold"));
        view.undo().redo();
        QCOMPARE(answerer.seen, (QStringList{QStringLiteral("VelSystem::TextDialog"),
                                             QStringLiteral("VelSystem::TextDialog")}));

        // Texts and pieces are only added to the selection.
        view.key(Qt::Key_Alt, false);
        view.click(kEmpty);
        view.key(Qt::Key_Alt, true);
        view.click({80.0, 100.0});
        QCOMPARE(view.selection(), QListEx<CDbAbstractObject*>{text});
        view.click(kOnLeg);
        QCOMPARE(view.selection(), (QListEx<CDbAbstractObject*>{text, view.leg()}));
        QCOMPARE(answerer.seen.size(), 2);
    }

    void linkedDocumentShowsPiecesAndLinks()
    {
        SelectView view;
        const auto before = snapshot(view.marker);
        CDbMarkerDrawing* drawing = view.marker.document->drawing();
        drawing->setLinkedDocument(true);
        // The view's pieces placed for the test instead of those built from the marker's.
        CDbDocumentLinkObject* linkDoc = drawing->getLinkDoc();
        linkDoc->getCurrentPolyListDocumentLink().clear();
        // Two pieces of the link view and two links: one passes through kOnLeg, one far from it.
        for (short piece : {0, 1}) {
            CDbVectorsObjectTable outline;
            for (const GeoPoint2D& p :
                 {GeoPoint2D(10.0 + 20.0 * piece, 50.0), GeoPoint2D(15.0 + 20.0 * piece, 90.0),
                  GeoPoint2D(5.0 + 20.0 * piece, 90.0)})
                outline.append(CDbMarkerPointObject(p));
            CDbPolygon polygon;
            polygon.setPieceIndex(piece);
            polygon.contours().addContour(outline);
            linkDoc->getCurrentPolyListDocumentLink().append(polygon);
        }
        CDbTwainLinkPiecesObject through, far;
        through.setEnds({0, 1, true}, {1, 1, true});
        far.setEnds({0, 2, true}, {1, 2, true});
        CDbTwainLinkPiecesObjectTable* links = linkDoc->getCurrentPiecesLinkListDocumentLink();
        links->add(far);
        links->add(through);
        {
            QStringList names;
            ModalAnswerer answerer([&names](QDialog* dialog) {
                if (auto* name = dialog->findChild<QLabel*>(QStringLiteral("labelPieceName")))
                    names << name->text();
                dialog->reject();
            });

            // Points are the link view's: on a link's line, then inside its first piece, which
            // stands for the marker's leg.
            const GeoPoint2D inFirstPiece(10.0, 80.0), inSecondPiece(30.0, 80.0);
            QVERIFY(view.doubleClick(kOnLeg));
            QCOMPARE(answerer.seen, QStringList{QStringLiteral("VelSystem::LinkPropertiesDialog")});
            QVERIFY(view.doubleClick(inFirstPiece));
            QCOMPARE(answerer.seen.last(), QStringLiteral("VelSystem::LinkPieceIdentificationDialog"));
            QCOMPARE(names, QStringList{QStringLiteral("Front leg")});

            // With 0 held a press identifies the piece and ends there.
            view.key(Qt::Key_0, true);
            view.press(inSecondPiece);
            QVERIFY(!view.directionLine());
            view.release(inSecondPiece);
            QCOMPARE(names, (QStringList{QStringLiteral("Front leg"), QStringLiteral("Pocket")}));
            QCOMPARE(view.undo().count(), 0);
            QVERIFY(matches(view.marker, before));
            view.key(Qt::Key_0, false);
        }

        // Properties accepted with a change: one undoable step that marks the document modified.
        view.marker.fabric->setPlaidRepeat(10.0, 10.0);
        ModalAnswerer editor([](QDialog* dialog) {
            if (auto* identicalX = dialog->findChild<QCheckBox*>(QStringLiteral("identicalX")))
                identicalX->setChecked(true);
            dialog->accept();
        });
        view.doubleClick(kOnLeg);
        QCOMPARE(links->link(2)->rules(), quint32(CDbTwainLinkPiecesObject::IdenticalX));
        QCOMPARE(view.undo().count(), 1);
        QVERIFY(view.marker.document->isModified());
        view.undo().undo();
        QCOMPARE(links->link(2)->rules(), quint32(0));
    }
};

MARKER_TEST(tst_ToolSelect)
#include "tst_ToolSelect.moc"
