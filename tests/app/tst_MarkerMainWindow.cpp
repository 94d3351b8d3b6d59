#include "PlatformNoise.h"
#include "app/HostTestMarker.h"
#include "gui/GuiTestDoubles.h"

#include "InfoBoxDock.h"
#include "MarkerMainWindow.h"
#include "MarkerStatusBar.h"

#include "VelCore/InfoBox.h"
#include "VelGui/DocumentView.h"
#include "VelGui/VelApplication.h"
#include "laystore/DocumentMak.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoGroup>
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
    QTimer::singleShot(0, [button, asked] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *asked = box->text();
            box->button(button)->click();
        }
    });
}

} // namespace

class tst_MarkerMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void openShowsTheMarkerAndItsStatus();
    void openingAnOpenFileAgainActivatesIt();
    void aFileThatFailsToLoadIsReportedAndNothingOpens();
    void undoAndRedoAreNamedAfterTheStack();
    void editsUpdateTheStatusAndOverlaps();
    void saveWritesTheMarkerAndClearsTheChanges();
    void aFailedSaveIsReportedAndKeepsTheChanges();
    void importScalesTheInstance();
    void zoomActionsScaleTheActiveView();
    void infoDockShowsInstructionsAndValues();
    void closingWithChangesAsksFirst();

private:
    QTemporaryDir mDir;
    QString mFile;
};

void tst_MarkerMainWindow::initTestCase()
{
    HostTest::silencePlatformNoise();
    QVERIFY(mDir.isValid());
}

void tst_MarkerMainWindow::init()
{
    mFile = HostTest::writeTestMarker(QDir(mDir.path()));
    QVERIFY(!mFile.isEmpty());
}

void tst_MarkerMainWindow::openShowsTheMarkerAndItsStatus()
{
    MarkerMainWindow window;
    QVERIFY(window.openFile(mFile));
    QCOMPARE(window.workspace()->subWindowList().size(), 1);
    const boost::shared_ptr<DocumentMak> marker = window.activeMarker();
    QVERIFY(marker);
    QCOMPARE(marker->fileName(), mFile);
    QCOMPARE(VelApplication::instance()->activeDocument(), boost::shared_ptr<Document>(marker));
    QCOMPARE(window.workspace()->subWindowList().first()->windowTitle(), QStringLiteral("trousers.mak[*]"));
    QCOMPARE(window.markerStatusBar()->lengthText(), QStringLiteral("Length: 53.00 cm"));
    QCOMPARE(window.markerStatusBar()->overlapText(), QStringLiteral("Overlaps: 1"));
    QVERIFY(window.markerStatusBar()->utilizationText().startsWith(QStringLiteral("Utilization: ")));
    QVERIFY(window.activeView()->getScale() > 0.0);
    QVERIFY(menuAction(window, QStringLiteral("&Save"))->isEnabled());
}

void tst_MarkerMainWindow::openingAnOpenFileAgainActivatesIt()
{
    MarkerMainWindow window;
    QVERIFY(window.openFile(mFile));
    const QString other = HostTest::writeTestMarker(QDir(mDir.path()), QStringLiteral("other.mak"));
    QVERIFY(window.openFile(other));
    QCOMPARE(window.activeMarker()->fileName(), other);
    QVERIFY(window.openFile(mFile));
    QCOMPARE(window.workspace()->subWindowList().size(), 2);
    QCOMPARE(window.activeMarker()->fileName(), mFile);
}

void tst_MarkerMainWindow::aFileThatFailsToLoadIsReportedAndNothingOpens()
{
    RecordingSink sink;
    MarkerMainWindow window;
    const QString broken = mDir.filePath(QStringLiteral("broken.mak"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[1, 2");
    file.close();
    QVERIFY(!window.openFile(broken));
    QCOMPARE(sink.errors.size(), 1);
    QVERIFY2(sink.errors.first().contains(QStringLiteral("broken.mak")), qPrintable(sink.errors.first()));
    QVERIFY(window.workspace()->subWindowList().isEmpty());
    QVERIFY(!menuAction(window, QStringLiteral("&Save"))->isEnabled());
    // The window goes on working.
    QVERIFY(window.openFile(mFile));
}

void tst_MarkerMainWindow::undoAndRedoAreNamedAfterTheStack()
{
    MarkerMainWindow window;
    QVERIFY(window.openFile(mFile));
    const boost::shared_ptr<DocumentMak> marker = window.activeMarker();
    CDbFabricObject* fabric = marker->drawing()->getCurrentFabric();
    marker->pushAddCmdUndo({LaystoreTest::makePiece(LaystoreTest::flyFacing(), {60.0, 0.0})}, fabric, 0,
                           QStringLiteral("Add Fly"));
    QAction* undo = menuAction(window, QStringLiteral("&Undo"));
    QVERIFY(undo);
    QCOMPARE(undo->text(), QStringLiteral("&Undo Add Fly"));
    QVERIFY(undo->isEnabled());
    undo->trigger();
    QAction* redo = menuAction(window, QStringLiteral("&Redo"));
    QCOMPARE(redo->text(), QStringLiteral("&Redo Add Fly"));
    QVERIFY(!undo->isEnabled());
}

void tst_MarkerMainWindow::editsUpdateTheStatusAndOverlaps()
{
    MarkerMainWindow window;
    QVERIFY(window.openFile(mFile));
    const boost::shared_ptr<DocumentMak> marker = window.activeMarker();
    CDbFabricObject* fabric = marker->drawing()->getCurrentFabric();
    // A piece laid across the leg: one more overlapping pair, and a longer marker.
    marker->pushAddCmdUndo({LaystoreTest::makePiece(LaystoreTest::waistband(), {20.0, 50.0})}, fabric, 0,
                           QStringLiteral("Add Band"));
    QCOMPARE(window.markerStatusBar()->overlapText(), QStringLiteral("Overlaps: 2"));
    QCOMPARE(window.markerStatusBar()->lengthText(), QStringLiteral("Length: 62.00 cm"));
    marker->undoStack()->undo();
    QCOMPARE(window.markerStatusBar()->overlapText(), QStringLiteral("Overlaps: 1"));
    QCOMPARE(window.markerStatusBar()->lengthText(), QStringLiteral("Length: 53.00 cm"));
}

void tst_MarkerMainWindow::saveWritesTheMarkerAndClearsTheChanges()
{
    MarkerMainWindow window;
    QVERIFY(window.openFile(mFile));
    const boost::shared_ptr<DocumentMak> marker = window.activeMarker();
    marker->pushAddCmdUndo({LaystoreTest::makePiece(LaystoreTest::flyFacing(), {70.0, 0.0})},
                           marker->drawing()->getCurrentFabric(), 0, QStringLiteral("Add Fly"));
    QVERIFY(marker->isModified());
    QVERIFY(window.workspace()->subWindowList().first()->isWindowModified());

    const QString copy = mDir.filePath(QStringLiteral("copy.mak"));
    QVERIFY(window.saveActiveDocument(copy));
    QVERIFY(!marker->isModified());
    QCOMPARE(marker->fileName(), copy);
    QCOMPARE(window.workspace()->subWindowList().first()->windowTitle(), QStringLiteral("copy.mak[*]"));
    QString error;
    const boost::shared_ptr<DocumentMak> reloaded = MarkerFile::load(copy, &error);
    QVERIFY2(reloaded, qPrintable(error));
    QCOMPARE(reloaded->groups(reloaded->drawing()->getCurrentFabric(), 0).size(), 5);
}

void tst_MarkerMainWindow::aFailedSaveIsReportedAndKeepsTheChanges()
{
    RecordingSink sink;
    MarkerMainWindow window;
    QVERIFY(window.openFile(mFile));
    const boost::shared_ptr<DocumentMak> marker = window.activeMarker();
    marker->pushAddCmdUndo({LaystoreTest::makePiece(LaystoreTest::flyFacing(), {70.0, 0.0})},
                           marker->drawing()->getCurrentFabric(), 0, QStringLiteral("Add Fly"));
    const QString nowhere = mDir.filePath(QStringLiteral("missing/folder/x.mak"));
    QVERIFY(!window.saveActiveDocument(nowhere));
    QCOMPARE(sink.errors.size(), 1);
    QVERIFY2(sink.errors.first().contains(QStringLiteral("x.mak")), qPrintable(sink.errors.first()));
    QVERIFY(marker->isModified());
    QCOMPARE(marker->fileName(), mFile);
}

void tst_MarkerMainWindow::importScalesTheInstance()
{
    const QString shirts = QStringLiteral(MARKER_DATASETS_DIR "/esicup/shirts.json");
    if (!QFile::exists(shirts))
        QSKIP(qPrintable(QStringLiteral("the nesting instances are not at %1").arg(shirts)));
    MarkerMainWindow window;
    QVERIFY(window.importInstance(shirts, 2.0));
    const boost::shared_ptr<DocumentMak> marker = window.activeMarker();
    QVERIFY(marker);
    // The strip is 40 units wide.
    QCOMPARE(marker->drawing()->getCurrentFabric()->getFabricLayerWidth(0), 80.0);
    QVERIFY(marker->fileName().isEmpty());
    QCOMPARE(window.workspace()->subWindowList().first()->windowTitle(), QStringLiteral("shirts[*]"));

    RecordingSink sink;
    QVERIFY(!window.importInstance(mDir.filePath(QStringLiteral("none.json")), 1.0));
    QCOMPARE(sink.errors.size(), 1);
    QCOMPARE(window.workspace()->subWindowList().size(), 1);
}

void tst_MarkerMainWindow::zoomActionsScaleTheActiveView()
{
    MarkerMainWindow window;
    QVERIFY(window.openFile(mFile));
    DocumentView* view = window.activeView();
    const double fitted = view->getScale();
    window.zoomIn();
    QVERIFY(qAbs(view->getScale() - fitted * 1.25) < 1e-9);
    window.zoomOut();
    window.zoomOut();
    QVERIFY(qAbs(view->getScale() - fitted / 1.25) < 1e-9);
    window.zoomToFit();
    QVERIFY(qAbs(view->getScale() - fitted) < 1e-9);
}

void tst_MarkerMainWindow::infoDockShowsInstructionsAndValues()
{
    MarkerMainWindow window;
    InfoBox* box = GetInfoBox();
    box->setInstructions(QStringLiteral("<p><b>Click</b> a piece</p>"));
    QVERIFY(window.infoBoxDock()->instructionsHtml().contains(QStringLiteral("Click")));
    box->setValue(InfoBox::Dx, 2.5);
    box->setValue(InfoBox::Distance, 10.0);
    QCOMPARE(window.infoBoxDock()->fieldText(InfoBox::Dx), QStringLiteral("2.50 cm"));
    QCOMPARE(window.infoBoxDock()->fieldText(InfoBox::Dy), QString());
    box->clear(InfoBox::Dx | InfoBox::Dy | InfoBox::Distance);
    QCOMPARE(window.infoBoxDock()->fieldText(InfoBox::Distance), QString());
    box->setInstructions(QString());
}

void tst_MarkerMainWindow::closingWithChangesAsksFirst()
{
    MarkerMainWindow window;
    QVERIFY(window.openFile(mFile));
    const boost::shared_ptr<DocumentMak> marker = window.activeMarker();
    marker->pushAddCmdUndo({LaystoreTest::makePiece(LaystoreTest::flyFacing(), {70.0, 0.0})},
                           marker->drawing()->getCurrentFabric(), 0, QStringLiteral("Add Fly"));
    QString asked;
    answerNextMessageBox(QMessageBox::Cancel, &asked);
    window.workspace()->subWindowList().first()->close();
    QVERIFY2(asked.contains(QStringLiteral("trousers.mak")), qPrintable(asked));
    QCOMPARE(window.workspace()->subWindowList().size(), 1);

    asked.clear();
    answerNextMessageBox(QMessageBox::Discard, &asked);
    window.workspace()->subWindowList().first()->close();
    QVERIFY(!asked.isEmpty());
    QTRY_VERIFY(window.workspace()->subWindowList().isEmpty());
    // Discarded: the file on disk is the one written before.
    QString error;
    const boost::shared_ptr<DocumentMak> reloaded = MarkerFile::load(mFile, &error);
    QCOMPARE(reloaded->groups(reloaded->drawing()->getCurrentFabric(), 0).size(), 4);
}

QTEST_MAIN(tst_MarkerMainWindow)
#include "tst_MarkerMainWindow.moc"
