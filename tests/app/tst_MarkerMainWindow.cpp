#include "PlatformNoise.h"
#include "app/HostTestMarker.h"
#include "dialogs/DialogTestSupport.h"
#include "gui/GuiTestDoubles.h"

#include "CutViewDock.h"
#include "InfoBoxDock.h"
#include "MarkerMainWindow.h"
#include "MarkerStatusBar.h"

#include "VelCore/InfoBox.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "VelGui/VelApplication.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/DocumentMak.h"
#include "laystore/view/LinkView.h"

#include "TestMain.h"
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGraphicsItem>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

using namespace VelSystem;

namespace {

QAction* menuAction(const QMainWindow& window, const QString& startsWith)
{
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(startsWith))
                return action;
        }
    }
    return nullptr;
}

// Answers the next message box with `button`; `asked` gets its text.
void answerNextMessageBox(QMessageBox::StandardButton button, QString* asked)
{
    DialogTest::answerModal([button, asked](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        *asked = box->text();
        box->button(button)->click();
    });
}

} // namespace

class tst_MarkerMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        HostTest::silencePlatformNoise();
        QVERIFY(mDir.isValid());
    }

    void init()
    {
        mFile = HostTest::writeTestMarker(QDir(mDir.path()));
        QVERIFY(!mFile.isEmpty());
        mWindow = std::make_unique<MarkerMainWindow>();
    }

    void cleanup() { mWindow.reset(); }

    void openShowsTheMarkerAndItsStatus()
    {
        QVERIFY(mWindow->openFile(mFile));
        const boost::shared_ptr<DocumentMak> marker = mWindow->activeMarker();
        QCOMPARE(marker->fileName(), mFile);
        QCOMPARE(VelApplication::instance()->activeDocument(), boost::shared_ptr<Document>(marker));
        QCOMPARE(title(), QStringLiteral("trousers.mak[*]"));
        MarkerStatusBar* status = mWindow->markerStatusBar();
        QCOMPARE(status->lengthText(), QStringLiteral("Length: 53.00 cm"));
        QCOMPARE(status->overlapText(), QStringLiteral("Overlaps: 1"));
        QVERIFY(status->utilizationText().startsWith(QStringLiteral("Utilization: ")));
        QVERIFY(mWindow->activeView()->getScale() > 0.0);
        QVERIFY(menuAction(*mWindow, QStringLiteral("&Save"))->isEnabled());

        // Opening an open file again activates its window.
        const QString other = HostTest::writeTestMarker(QDir(mDir.path()), QStringLiteral("other.mak"));
        QVERIFY(mWindow->openFile(other));
        QCOMPARE(mWindow->activeMarker()->fileName(), other);
        QVERIFY(mWindow->openFile(mFile));
        QCOMPARE(mWindow->workspace()->subWindowList().size(), 2);
        QCOMPARE(mWindow->activeMarker(), marker);
    }

    void linkViewShowsEachPieceOnceWithItsLinks()
    {
        QVERIFY(mWindow->openFile(mFile));
        const boost::shared_ptr<DocumentMak> marker = mWindow->activeMarker();
        marker->drawing()->fabric(0)->setPlaidRepeat(10.0, 10.0);
        CDbTwainLinkPiecesObject link;
        link.setEnds({0, 1, true, 0}, {1, 1, true, 0});
        link.setRules(CDbTwainLinkPiecesObject::IdenticalX);
        marker->drawing()->getLinkDoc()->links(0)->add(link);
        marker->emitModified();
        // The laid leg's first point lies at x = 1, the first pocket's at x = 30: off the plaid.
        QCOMPARE(mWindow->markerStatusBar()->unmatchedText(), QStringLiteral("Unmatched links: 1"));

        menuAction(*mWindow, QStringLiteral("&Link View"))->trigger();
        QCOMPARE(mWindow->workspace()->subWindowList().size(), 2);
        auto* view = qobject_cast<LinkView*>(mWindow->activeView());
        QVERIFY(view);
        QCOMPARE(mWindow->activeMarker(), marker);
        int pieces = 0, lines = 0;
        for (const QGraphicsItem* item : view->scene()->items()) {
            pieces += item->type() == QGraphicsPolygonItem::Type;
            lines += item->type() == QGraphicsLineItem::Type;
        }
        QCOMPARE(pieces, 3);
        QCOMPARE(lines, 1);
        // The link view is a mode of its events only: the marker's own view stays ordinary.
        QVERIFY(!marker->drawing()->isLinkedDocument());
        QVERIFY(marker->drawing()->isFirstClick());
        // Asked again, the open link view comes to the front; it closes with its marker.
        mWindow->workspace()->activatePreviousSubWindow();
        menuAction(*mWindow, QStringLiteral("&Link View"))->trigger();
        QCOMPARE(mWindow->workspace()->subWindowList().size(), 2);
        QVERIFY(qobject_cast<LinkView*>(mWindow->activeView()));
        mWindow->workspace()->activatePreviousSubWindow();
        QVERIFY(!qobject_cast<LinkView*>(mWindow->activeView()));
        mWindow->workspace()->closeActiveSubWindow();
        QTRY_VERIFY(mWindow->workspace()->subWindowList().isEmpty());
    }

    void aFileThatFailsToLoadIsReportedAndNothingOpens()
    {
        RecordingSink sink;
        const QString broken = mDir.filePath(QStringLiteral("broken.mak"));
        QVERIFY(HostTest::writeFile(broken, "[1, 2"));
        QVERIFY(!mWindow->openFile(broken));
        QCOMPARE(sink.errors.size(), 1);
        QVERIFY2(sink.errors.first().contains(QStringLiteral("broken.mak")), qPrintable(sink.errors.first()));
        QVERIFY(mWindow->workspace()->subWindowList().isEmpty());
        QVERIFY(!menuAction(*mWindow, QStringLiteral("&Save"))->isEnabled());
        // The window goes on working.
        QVERIFY(mWindow->openFile(mFile));
    }

    void editsUpdateUndoRedoTheStatusAndOverlaps()
    {
        QVERIFY(mWindow->openFile(mFile));
        const boost::shared_ptr<DocumentMak> marker = mWindow->activeMarker();
        MarkerStatusBar* status = mWindow->markerStatusBar();
        // The cut view, once shown, follows every edit as the status bar does.
        mWindow->show();
        CutViewDock* cut = mWindow->cutViewDock();
        cut->show();
        QCOMPARE(cut->lengthsText(), status->cutPathText());
        const QString cutBefore = cut->lengthsText();
        // A piece laid across the leg: one more overlapping pair, and a longer marker.
        marker->pushAddCmdUndo({LaystoreTest::makePiece(LaystoreTest::waistband(), {20.0, 50.0})},
                               marker->drawing()->getCurrentFabric(), 0, QStringLiteral("Add Band"));
        QCOMPARE(status->overlapText(), QStringLiteral("Overlaps: 2"));
        QCOMPARE(status->lengthText(), QStringLiteral("Length: 62.00 cm"));
        QVERIFY(cut->lengthsText() != cutBefore);
        QCOMPARE(cut->lengthsText(), status->cutPathText());
        QAction* undo = menuAction(*mWindow, QStringLiteral("&Undo"));
        QCOMPARE(undo->text(), QStringLiteral("&Undo Add Band"));
        QVERIFY(undo->isEnabled());

        undo->trigger();
        QCOMPARE(status->overlapText(), QStringLiteral("Overlaps: 1"));
        QCOMPARE(status->lengthText(), QStringLiteral("Length: 53.00 cm"));
        QCOMPARE(cut->lengthsText(), cutBefore);
        QCOMPARE(menuAction(*mWindow, QStringLiteral("&Redo"))->text(), QStringLiteral("&Redo Add Band"));
        QVERIFY(!undo->isEnabled());
        // Stepped back to no piece, nothing is cut yet.
        cut->findChild<QSlider*>(QStringLiteral("cutViewSlider"))->setValue(0);
        QCOMPARE(cut->lengthsText(), MarkerStatusBar::cutPathText(0.0, 0.0));
    }

    // Cancel at once: the search ends with the layout it has, every waiting piece laid.
    void layingCancelledKeepsTheBestLayoutAsOneUndoableCommand()
    {
        QVERIFY(mWindow->openFile(mFile));
        const boost::shared_ptr<DocumentMak> marker = mWindow->activeMarker();
        CDbFabricObject* fabric = marker->drawing()->getCurrentFabric();
        const LaystoreTest::Snapshot before = snapshotOf(*marker);
        QString dialogTitle;
        QTimer::singleShot(0, [&dialogTitle] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialogTitle = dialog->windowTitle();
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
            }
        });
        QElapsedTimer clock;
        clock.start();
        menuAction(*mWindow, QStringLiteral("&Lay Waiting Pieces"))->trigger();

        // Well before the search's own end.
        QVERIFY(clock.elapsed() < 1000 * MarkerMainWindow::kLaySeconds / 2);
        QCOMPARE(dialogTitle, QStringLiteral("Lay Waiting Pieces"));
        QCOMPARE(marker->undoStack()->count(), 1);
        QCOMPARE(marker->undoStack()->undoText(), QStringLiteral("Lay Waiting Pieces"));
        for (const CDbGrPolysObject* group : marker->groups(fabric, 0))
            QCOMPARE(group->section(), short(CDbGrPolysObject::SectionFabric));
        // The pockets' own overlap, nothing more; the marker no longer.
        QCOMPARE(mWindow->markerStatusBar()->overlapText(), QStringLiteral("Overlaps: 1"));
        QCOMPARE(mWindow->markerStatusBar()->lengthText(), QStringLiteral("Length: 53.00 cm"));
        const LaystoreTest::Snapshot after = snapshotOf(*marker);
        marker->undoStack()->undo();
        QVERIFY(sameAs(*marker, before));
        marker->undoStack()->redo();
        QVERIFY(sameAs(*marker, after));

        RecordingSink sink;
        QCOMPARE(mWindow->layWaitingPieces(1.0, false), 0);
        QCOMPARE(sink.messages, QStringList{QStringLiteral("No piece is waiting in the standby area.")});
        QCOMPARE(marker->undoStack()->count(), 1);
    }

    void saveWritesTheMarkerOrReportsAndKeepsTheChanges()
    {
        RecordingSink sink;
        QVERIFY(mWindow->openFile(mFile));
        const boost::shared_ptr<DocumentMak> marker = mWindow->activeMarker();
        HostTest::addFly(*marker);
        QVERIFY(mWindow->workspace()->subWindowList().first()->isWindowModified());

        QVERIFY(!mWindow->saveActiveDocument(mDir.filePath(QStringLiteral("missing/folder/x.mak"))));
        QCOMPARE(sink.errors.size(), 1);
        QVERIFY2(sink.errors.first().contains(QStringLiteral("x.mak")), qPrintable(sink.errors.first()));
        QVERIFY(marker->isModified());
        QCOMPARE(marker->fileName(), mFile);

        const QString copy = mDir.filePath(QStringLiteral("copy.mak"));
        QVERIFY(mWindow->saveActiveDocument(copy));
        QVERIFY(!marker->isModified());
        QCOMPARE(marker->fileName(), copy);
        QCOMPARE(title(), QStringLiteral("copy.mak[*]"));
        QCOMPARE(HostTest::savedGroupCount(copy), 5);
    }

    void importScalesTheInstance()
    {
        const QString shirts = QStringLiteral(MARKER_DATASETS_DIR "/esicup/shirts.json");
        if (!QFile::exists(shirts))
            QSKIP(qPrintable(QStringLiteral("the nesting instances are not at %1").arg(shirts)));
        QVERIFY(mWindow->importInstance(shirts, 2.0));
        const boost::shared_ptr<DocumentMak> marker = mWindow->activeMarker();
        // The strip is 40 units wide.
        QCOMPARE(marker->drawing()->getCurrentFabric()->getFabricLayerWidth(0), 80.0);
        QVERIFY(marker->fileName().isEmpty());
        QCOMPARE(title(), QStringLiteral("shirts[*]"));

        RecordingSink sink;
        QVERIFY(!mWindow->importInstance(mDir.filePath(QStringLiteral("none.json")), 1.0));
        QCOMPARE(sink.errors.size(), 1);
        QCOMPARE(mWindow->workspace()->subWindowList().size(), 1);
    }

    void infoDockShowsInstructionsAndValues()
    {
        InfoBox* box = GetInfoBox();
        box->setInstructions(QStringLiteral("<p><b>Click</b> a piece</p>"));
        QVERIFY(mWindow->infoBoxDock()->instructionsHtml().contains(QStringLiteral("Click")));
        box->setValue(InfoBox::Dx, 2.5);
        box->setValue(InfoBox::Distance, 10.0);
        QCOMPARE(mWindow->infoBoxDock()->fieldText(InfoBox::Dx), QStringLiteral("2.50 cm"));
        QCOMPARE(mWindow->infoBoxDock()->fieldText(InfoBox::Dy), QString());
        box->clear(InfoBox::Dx | InfoBox::Dy | InfoBox::Distance);
        QCOMPARE(mWindow->infoBoxDock()->fieldText(InfoBox::Distance), QString());
        box->setInstructions(QString());
    }

    void closingWithChangesAsksFirst()
    {
        QVERIFY(mWindow->openFile(mFile));
        HostTest::addFly(*mWindow->activeMarker());
        QString asked;
        answerNextMessageBox(QMessageBox::Cancel, &asked);
        mWindow->workspace()->subWindowList().first()->close();
        QVERIFY2(asked.contains(QStringLiteral("trousers.mak")), qPrintable(asked));
        QCOMPARE(mWindow->workspace()->subWindowList().size(), 1);

        asked.clear();
        answerNextMessageBox(QMessageBox::Discard, &asked);
        mWindow->workspace()->subWindowList().first()->close();
        QVERIFY(!asked.isEmpty());
        QTRY_VERIFY(mWindow->workspace()->subWindowList().isEmpty());
        // Discarded: the file on disk is the one written before.
        QCOMPARE(HostTest::savedGroupCount(mFile), 4);
    }

private:
    static LaystoreTest::Snapshot snapshotOf(const DocumentMak& marker)
    {
        LaystoreTest::Snapshot copies;
        for (const CDbAbstractObject* object : marker.objects(marker.drawing()->getCurrentFabric(), 0))
            copies.emplace_back(object->clone());
        return copies;
    }
    static bool sameAs(const DocumentMak& marker, const LaystoreTest::Snapshot& expected)
    {
        const QListEx<CDbAbstractObject*> objects = marker.objects(marker.drawing()->getCurrentFabric(), 0);
        if (objects.size() != static_cast<int>(expected.size()))
            return false;
        for (int i = 0; i < objects.size(); ++i) {
            if (!objects[i]->sameContent(*expected[static_cast<size_t>(i)]))
                return false;
        }
        return true;
    }

    QString title() const { return mWindow->workspace()->subWindowList().first()->windowTitle(); }

    QTemporaryDir mDir;
    QString mFile;
    std::unique_ptr<MarkerMainWindow> mWindow;
};

MARKER_TEST(tst_MarkerMainWindow)
#include "tst_MarkerMainWindow.moc"
