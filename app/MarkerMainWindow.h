#pragma once

#include "VelGui/MainWindow.h"

#include <QList>
#include <boost/shared_ptr.hpp>

class QAction;
class QMenu;
class QMdiSubWindow;
class QUndoGroup;

namespace VelSystem {

class DocumentMak;
class DocumentView;
class CutViewDock;
class InfoBoxDock;
class MarkerStatusBar;
class SizeChartDock;
class ToolController;
class ToolFactory;
class ToolPalette;

// The marker host's main window: marker documents in the workspace, the file, edit and view
// menus, the tool palette, the information box and the status bar. Without a tool factory
// the markers are shown but not edited.
class MarkerMainWindow : public MainWindow
{
    Q_OBJECT
public:
    // How long the Marker menu's "Lay Waiting Pieces" searches, in seconds.
    static constexpr double kLaySeconds = 60.0;

    explicit MarkerMainWindow(QWidget* parent = nullptr);
    // Releases every tool first, while the views and the plug-in are still there.
    ~MarkerMainWindow() override;

    // Takes the tools from `factory` (once): builds the palette and makes the pointer the
    // current tool of every view. The factory's module must stay loaded while this window lives.
    void setToolFactory(ToolFactory* factory);
    // Null while no factory was given.
    ToolController* toolController() const { return mTools; }
    ToolPalette* toolPalette() const { return mPalette; }

    // Opens a marker file in a new window. On failure reports the loader's message and
    // returns false; the windows already open are untouched.
    bool openFile(const QString& path);
    // Imports a nesting instance, multiplying its coordinates by `scale`.
    bool importInstance(const QString& path, double scale);
    // Saves the active document to `path`; on failure reports why and leaves the file as it was.
    bool saveActiveDocument(const QString& path);
    // Lays every piece waiting in the standby area of the active marker's current layer with
    // the nesting engine, searching for up to `seconds`, as one undoable command. With
    // `showProgress` a dialog shows the best layout so far and can stop the search early,
    // keeping that layout. Returns how many pieces were laid (reporting when none waits), -1
    // without a marker.
    int layWaitingPieces(double seconds, bool showProgress);
    // Orders the pieces of the active marker's current layer and chooses their start points
    // so that the cutter's air travel is short, as one undoable "Sequence" change. Returns how
    // many pieces changed, -1 without a marker.
    int optimiseCutOrder();
    // Writes the cutter's file (HPGL) of the active marker to `path`; on failure reports why.
    bool exportHpgl(const QString& path);

    // Writes the window as it is drawn now, with the non-modal dialogs it opened over it where
    // they stand, to an image file (PNG by its suffix).
    bool saveScreenshot(const QString& path, QString* error);

    boost::shared_ptr<DocumentMak> activeMarker() const;
    DocumentView* activeView() const;
    MarkerStatusBar* markerStatusBar() const { return mStatus; }
    InfoBoxDock* infoBoxDock() const { return mInfoDock; }
    CutViewDock* cutViewDock() const { return mCutDock; }
    SizeChartDock* sizeChartDock() const { return mChartDock; }
    QUndoGroup* undoGroup() const { return mUndoGroup; }

public slots:
    void open();
    void importNestingInstance();
    // False when the document was not saved (cancelled or failed).
    bool save();
    bool saveAs();
    // The Marker menu's "Lay Waiting Pieces", searching for kLaySeconds.
    void layWaitingPieces();
    // File > Export > "Cutter file (HPGL)".
    void exportCutterFile();
    // Shows the active marker's link view (the View menu's "Link View"), in a second window
    // opened at the first call, or closes it.
    void showLinkView(bool shown);
    void zoomToFit();
    void zoomIn();
    void zoomOut();
    void refresh() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void addMarkerWindow(const boost::shared_ptr<DocumentMak>& document);
    void onActiveDocumentChanged();
    void zoomBy(double factor);
    // Asks whether to save `document`'s changes; false when the user cancelled or the save failed.
    bool maybeSave(const boost::shared_ptr<DocumentMak>& document);
    static boost::shared_ptr<DocumentMak> markerOf(const QMdiSubWindow* subWindow);
    QList<QMdiSubWindow*> linkViewsOf(const boost::shared_ptr<DocumentMak>& document) const;
    static bool isLinkView(const QMdiSubWindow* subWindow);

    QUndoGroup* mUndoGroup;
    InfoBoxDock* mInfoDock;
    CutViewDock* mCutDock;
    SizeChartDock* mChartDock;
    MarkerStatusBar* mStatus;
    ToolController* mTools = nullptr;
    ToolPalette* mPalette = nullptr;
    QAction* mSaveAction = nullptr;
    QAction* mSaveAsAction = nullptr;
    QAction* mExportAction = nullptr;
    QAction* mOptimiseAction = nullptr;
    QAction* mFitAction = nullptr;
    QAction* mZoomInAction = nullptr;
    QAction* mZoomOutAction = nullptr;
    QAction* mLinkViewAction = nullptr;
    QMenu* mViewMenu = nullptr;
};

} // namespace VelSystem
