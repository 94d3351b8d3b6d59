#include "MarkerMainWindow.h"

#include "CutViewDock.h"
#include "InfoBoxDock.h"
#include "LayWaitingDialog.h"
#include "MarkerStatusBar.h"
#include "SizeChartDock.h"
#include "ToolController.h"
#include "ToolPalette.h"

#include "VelCore/VelCoreApplication.h"
#include "VelGui/DocumentView.h"
#include "VelGui/DocumentWindow.h"
#include "VelGui/VelApplication.h"
#include "laystore/CDbAbstractObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/EsicupImport.h"
#include "laystore/file/HpglExport.h"
#include "laystore/file/MarkerFile.h"
#include "laystore/ops/CDbLayWaitingHelper.h"
#include "laystore/ops/CutOrderOptimiser.h"
#include "laystore/ops/NestRun.h"
#include "laystore/view/LinkScene.h"
#include "laystore/view/LinkView.h"
#include "laystore/view/MarkerScene.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QUndoGroup>
#include <QUndoStack>

namespace VelSystem {

namespace {

// One notch of the zoom actions, the same as one notch of the wheel.
constexpr double kZoomStep = 1.25;

QString markerFileFilter()
{
    return MarkerMainWindow::tr("Marker files (*.mak *.json);;All files (*)");
}

} // namespace

MarkerMainWindow::MarkerMainWindow(QWidget* parent)
    : MainWindow(parent), mUndoGroup(new QUndoGroup(this)), mInfoDock(new InfoBoxDock(this)),
      mCutDock(new CutViewDock(this)), mChartDock(new SizeChartDock(this)), mStatus(new MarkerStatusBar(this))
{
    setObjectName(QStringLiteral("markerMainWindow"));
    setWindowTitle(tr("Marker Host"));
    workspace()->setViewMode(QMdiArea::TabbedView);
    workspace()->setDocumentMode(true);
    workspace()->setTabsClosable(true);
    setStatusBar(mStatus);
    addDockWidget(Qt::RightDockWidgetArea, mInfoDock);
    addDockWidget(Qt::BottomDockWidgetArea, mCutDock);
    mCutDock->hide();
    // The chart is a table with a column per size: it needs the window's width, not the
    // information dock's.
    addDockWidget(Qt::BottomDockWidgetArea, mChartDock);
    mChartDock->hide();
    createActions();
    connect(VelApplication::instance(), &VelApplication::activeDocumentChanged, this,
            &MarkerMainWindow::onActiveDocumentChanged);
    onActiveDocumentChanged();
    resize(1280, 800);
}

MarkerMainWindow::~MarkerMainWindow()
{
    // The base class clears the active document as it goes, when this part of the window is
    // gone: it must not hear of that.
    disconnect(VelApplication::instance(), nullptr, this, nullptr);
    if (mTools)
        mTools->release();
}

void MarkerMainWindow::setToolFactory(ToolFactory* factory)
{
    if (mTools || !factory)
        return;
    mTools = new ToolController(factory, this);
    mChartDock->setToolController(mTools);
    mPalette = new ToolPalette(mTools, this);
    addToolBar(Qt::TopToolBarArea, mPalette);
    mViewMenu->addAction(mPalette->toggleViewAction());
    const QList<QMdiSubWindow*> windows = workspace()->subWindowList();
    for (const QMdiSubWindow* subWindow : windows) {
        if (const auto* window = qobject_cast<const DocumentWindow*>(subWindow->widget()))
            mTools->addView(window->view());
    }
}

void MarkerMainWindow::createActions()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open..."), this, &MarkerMainWindow::open);
    open->setShortcut(QKeySequence::Open);
    file->addAction(tr("&Import Nesting Instance..."), this, &MarkerMainWindow::importNestingInstance);
    mSaveAction = file->addAction(tr("&Save"), this, &MarkerMainWindow::save);
    mSaveAction->setShortcut(QKeySequence::Save);
    mSaveAsAction = file->addAction(tr("Save &As..."), this, &MarkerMainWindow::saveAs);
    mSaveAsAction->setShortcut(QKeySequence::SaveAs);
    QMenu* exportMenu = file->addMenu(tr("&Export"));
    mExportAction =
        exportMenu->addAction(tr("Cutter file (HPGL)"), this, &MarkerMainWindow::exportCutterFile);
    file->addSeparator();
    file->addAction(tr("&Text List..."), this, &MainWindow::textList);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    // Named after the active stack's next command ("Undo Move", "Redo Cut Down").
    QAction* undo = mUndoGroup->createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = mUndoGroup->createRedoAction(this, tr("&Redo"));
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);

    QMenu* marker = menuBar()->addMenu(tr("&Marker"));
    marker->addAction(tr("&Lay Waiting Pieces"), this, qOverload<>(&MarkerMainWindow::layWaitingPieces));
    mOptimiseAction = marker->addAction(tr("Optimise Cut Order"), this, [this] { optimiseCutOrder(); });

    QMenu* view = menuBar()->addMenu(tr("&View"));
    mViewMenu = view;
    mFitAction = view->addAction(tr("Zoom to &Fit"), this, &MarkerMainWindow::zoomToFit);
    mFitAction->setShortcut(Qt::CTRL + Qt::Key_0);
    mZoomInAction = view->addAction(tr("Zoom &In"), this, &MarkerMainWindow::zoomIn);
    mZoomInAction->setShortcut(QKeySequence::ZoomIn);
    mZoomOutAction = view->addAction(tr("Zoom &Out"), this, &MarkerMainWindow::zoomOut);
    mZoomOutAction->setShortcut(QKeySequence::ZoomOut);
    mLinkViewAction = view->addAction(tr("&Link View"), this, [this] { showLinkView(true); });
    view->addSeparator();
    view->addAction(mInfoDock->toggleViewAction());
    view->addAction(mCutDock->toggleViewAction());
    view->addAction(mChartDock->toggleViewAction());
}

void MarkerMainWindow::showLinkView(bool shown)
{
    const boost::shared_ptr<DocumentMak> document = activeMarker();
    if (!document)
        return;
    const QList<QMdiSubWindow*> open = linkViewsOf(document);
    if (!shown) {
        for (QMdiSubWindow* subWindow : open)
            subWindow->close();
        // The marker's own view comes back, not whichever window the workspace picks.
        const QList<QMdiSubWindow*> windows = workspace()->subWindowList();
        for (QMdiSubWindow* subWindow : windows) {
            if (!isLinkView(subWindow) && markerOf(subWindow) == document)
                workspace()->setActiveSubWindow(subWindow);
        }
        return;
    }
    if (!open.isEmpty()) {
        workspace()->setActiveSubWindow(open.first());
        return;
    }
    auto* scene = new LinkScene(document);
    auto* view = new LinkView(scene);
    auto* window = new DocumentWindow(view);
    scene->setParent(window);
    window->setWindowTitle(tr("Link View"));
    if (mTools)
        mTools->addView(view);
    // The first click on a point starts a link.
    document->drawing()->setFirstClick(true);
    addDocumentWindow(window);
    view->fitToPieces();
}

QList<QMdiSubWindow*> MarkerMainWindow::linkViewsOf(const boost::shared_ptr<DocumentMak>& document) const
{
    QList<QMdiSubWindow*> views;
    const QList<QMdiSubWindow*> windows = workspace()->subWindowList();
    for (QMdiSubWindow* subWindow : windows) {
        if (isLinkView(subWindow) && markerOf(subWindow) == document)
            views << subWindow;
    }
    return views;
}

bool MarkerMainWindow::isLinkView(const QMdiSubWindow* subWindow)
{
    const auto* window = qobject_cast<const DocumentWindow*>(subWindow->widget());
    return window && qobject_cast<const LinkView*>(window->view());
}

bool MarkerMainWindow::openFile(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QList<QMdiSubWindow*> windows = workspace()->subWindowList();
    for (QMdiSubWindow* subWindow : windows) {
        const boost::shared_ptr<DocumentMak> open = markerOf(subWindow);
        if (open && !canonical.isEmpty() && QFileInfo(open->fileName()).canonicalFilePath() == canonical) {
            workspace()->setActiveSubWindow(subWindow);
            return true;
        }
    }
    QString error;
    const boost::shared_ptr<DocumentMak> document = MarkerFile::load(path, &error);
    if (!document) {
        VelCoreApplication::instance()->showError(error, tr("Open Marker"));
        return false;
    }
    addMarkerWindow(document);
    return true;
}

bool MarkerMainWindow::importInstance(const QString& path, double scale)
{
    QString error;
    const boost::shared_ptr<DocumentMak> document = EsicupImport::load(path, scale, &error);
    if (!document) {
        VelCoreApplication::instance()->showError(error, tr("Import Nesting Instance"));
        return false;
    }
    addMarkerWindow(document);
    return true;
}

bool MarkerMainWindow::saveActiveDocument(const QString& path)
{
    const boost::shared_ptr<DocumentMak> document = activeMarker();
    if (!document || path.isEmpty())
        return false;
    QString error;
    if (!MarkerFile::save(*document, path, &error)) {
        VelCoreApplication::instance()->showError(error, tr("Save Marker"));
        return false;
    }
    document->setFileName(path);
    document->setClean();
    return true;
}

void MarkerMainWindow::layWaitingPieces()
{
    layWaitingPieces(kLaySeconds, true);
}

int MarkerMainWindow::layWaitingPieces(double seconds, bool showProgress)
{
    const boost::shared_ptr<DocumentMak> document = activeMarker();
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    short code = 0;
    if (document)
        document->drawing()->getCurrentFabricsAndLayer(fabric, layer, &code);
    if (!fabric)
        return -1;
    CDbLayWaitingHelper laying(document.get(), fabric, layer);
    if (laying.waitingCount() == 0) {
        VelCoreApplication::instance()->showMessage(tr("No piece is waiting in the standby area."));
        return 0;
    }
    NestEngine::Options options;
    options.seconds = seconds;
    NestRun run(laying.engine(), options);
    if (showProgress)
        LayWaitingDialog(&run, seconds, this).exec();
    // The user's input waits too: the marker must not change under the search.
    return laying.apply(run.wait(QEventLoop::ExcludeUserInputEvents));
}

int MarkerMainWindow::optimiseCutOrder()
{
    const boost::shared_ptr<DocumentMak> document = activeMarker();
    if (!document)
        return -1;
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    short code = 1;
    document->drawing()->getCurrentFabricsAndLayer(fabric, layer, &code);
    if (code != 0 || !fabric)
        return -1;
    return CutOrderOptimiser::apply(*document, fabric, layer);
}

bool MarkerMainWindow::exportHpgl(const QString& path)
{
    const boost::shared_ptr<DocumentMak> document = activeMarker();
    QString error;
    if (document && HpglExport::save(*document, path, &error))
        return true;
    VelCoreApplication::instance()->showMessage(document ? error : tr("No marker is open."));
    return false;
}

void MarkerMainWindow::exportCutterFile()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Cutter File"), QString(), tr("Cutter files (HPGL) (*.plt *.hpgl);;All files (*)"));
    if (!path.isEmpty())
        exportHpgl(path);
}

bool MarkerMainWindow::saveScreenshot(const QString& path, QString* error)
{
    QPixmap shot = grab();
    {
        // A measurement's distance dialog is part of what a screenshot should show.
        QPainter painter(&shot);
        const QPoint origin = mapToGlobal(QPoint());
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<QDialog*>(window) && window->isVisible() && window->parentWidget() &&
                window->parentWidget()->window() == this)
                painter.drawPixmap(window->geometry().topLeft() - origin, window->grab());
        }
    }
    if (shot.save(path))
        return true;
    *error = tr("Could not write the screenshot %1.").arg(QDir::toNativeSeparators(path));
    return false;
}

boost::shared_ptr<DocumentMak> MarkerMainWindow::activeMarker() const
{
    const DocumentWindow* window = activeMdiChild();
    return window ? boost::dynamic_pointer_cast<DocumentMak>(window->document())
                  : boost::shared_ptr<DocumentMak>();
}

DocumentView* MarkerMainWindow::activeView() const
{
    const DocumentWindow* window = activeMdiChild();
    return window ? window->view() : nullptr;
}

void MarkerMainWindow::open()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Marker"), QString(), markerFileFilter());
    if (!path.isEmpty())
        openFile(path);
}

void MarkerMainWindow::importNestingInstance()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import Nesting Instance"), QString(),
                                                      tr("Nesting instances (*.json);;All files (*)"));
    if (path.isEmpty())
        return;
    // The instances do not state their unit; some read as centimetres, others need scaling.
    bool ok = false;
    const double scale = QInputDialog::getDouble(this, tr("Import Nesting Instance"),
                                                 tr("Scale factor (centimetres per unit of the instance):"),
                                                 1.0, 1e-6, 1e6, 4, &ok);
    if (ok)
        importInstance(path, scale);
}

bool MarkerMainWindow::save()
{
    const boost::shared_ptr<DocumentMak> document = activeMarker();
    if (!document)
        return false;
    return document->fileName().isEmpty() ? saveAs() : saveActiveDocument(document->fileName());
}

bool MarkerMainWindow::saveAs()
{
    const boost::shared_ptr<DocumentMak> document = activeMarker();
    if (!document)
        return false;
    QString path =
        QFileDialog::getSaveFileName(this, tr("Save Marker As"), document->fileName(), markerFileFilter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".mak");
    return saveActiveDocument(path);
}

void MarkerMainWindow::zoomToFit()
{
    if (DocumentView* view = activeView())
        view->fitToDocument();
}

void MarkerMainWindow::zoomIn()
{
    zoomBy(kZoomStep);
}

void MarkerMainWindow::zoomOut()
{
    zoomBy(1.0 / kZoomStep);
}

void MarkerMainWindow::zoomBy(double factor)
{
    if (DocumentView* view = activeView())
        view->scale(factor, view->viewport()->rect().center());
}

void MarkerMainWindow::refresh()
{
    MainWindow::refresh();
    mStatus->refresh();
}

void MarkerMainWindow::closeEvent(QCloseEvent* event)
{
    const QList<QMdiSubWindow*> windows = workspace()->subWindowList();
    for (QMdiSubWindow* subWindow : windows) {
        // A link view is a second look at a marker asked about through its own window.
        if (isLinkView(subWindow))
            continue;
        workspace()->setActiveSubWindow(subWindow);
        if (!maybeSave(markerOf(subWindow))) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

bool MarkerMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close) {
        if (auto* subWindow = qobject_cast<QMdiSubWindow*>(watched)) {
            workspace()->setActiveSubWindow(subWindow);
            const boost::shared_ptr<DocumentMak> document = markerOf(subWindow);
            if (!maybeSave(document)) {
                event->ignore();
                return true;
            }
            // The link views go with the marker's window.
            for (QMdiSubWindow* linkView : linkViewsOf(document))
                linkView->close();
        }
    }
    return MainWindow::eventFilter(watched, event);
}

void MarkerMainWindow::addMarkerWindow(const boost::shared_ptr<DocumentMak>& document)
{
    auto* scene = new MarkerScene(document);
    auto* view = new DocumentView(scene);
    auto* window = new DocumentWindow(view);
    scene->setParent(window);
    mUndoGroup->addStack(document->undoStack());
    connect(view, &DocumentView::mousePositionChanged, mStatus, &MarkerStatusBar::showMousePosition);
    connect(window, &DocumentWindow::pieceInfoChanged, mInfoDock, &InfoBoxDock::showPiece);
    if (mTools)
        mTools->addView(view);
    // Overlaps are searched again after every edit, so that the marks and the count stay true.
    DocumentMak* raw = document.get();
    connect(raw, &Document::modified, this, [this, raw] {
        raw->findOverlaps();
        if (activeMarker().get() == raw)
            mStatus->refresh();
    });
    document->findOverlaps();
    // An imported marker has no file yet: its own name tells the windows apart.
    if (document->fileName().isEmpty() && !document->drawing()->name().isEmpty())
        window->setWindowTitle(document->drawing()->name() + QStringLiteral("[*]"));
    addDocumentWindow(window);
    window->parentWidget()->installEventFilter(this);
    view->fitToDocument();
    onActiveDocumentChanged();
}

void MarkerMainWindow::onActiveDocumentChanged()
{
    const boost::shared_ptr<DocumentMak> document = activeMarker();
    mUndoGroup->setActiveStack(document ? document->undoStack() : nullptr);
    mStatus->setDocument(document);
    mCutDock->setDocument(document);
    mChartDock->setDocument(document);
    // The piece shown belonged to the marker that was active.
    mInfoDock->clearPiece();
    for (QAction* action : {mSaveAction, mSaveAsAction, mExportAction, mOptimiseAction, mFitAction,
                            mZoomInAction, mZoomOutAction, mLinkViewAction})
        action->setEnabled(document != nullptr);
}

bool MarkerMainWindow::maybeSave(const boost::shared_ptr<DocumentMak>& document)
{
    if (!document || !document->isModified())
        return true;
    const QString name =
        document->fileName().isEmpty() ? tr("The new marker") : QFileInfo(document->fileName()).fileName();
    const QMessageBox::StandardButton answer = QMessageBox::warning(
        this, tr("Unsaved Changes"), tr("%1 has unsaved changes. Save them?").arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Discard)
        return true;
    return answer == QMessageBox::Save && save();
}

boost::shared_ptr<DocumentMak> MarkerMainWindow::markerOf(const QMdiSubWindow* subWindow)
{
    const auto* window = qobject_cast<const DocumentWindow*>(subWindow->widget());
    return window ? boost::dynamic_pointer_cast<DocumentMak>(window->document())
                  : boost::shared_ptr<DocumentMak>();
}

} // namespace VelSystem
