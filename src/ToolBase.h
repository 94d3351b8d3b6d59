#pragma once

#include "VelGui/AbstractTool.h"

#include <QCursor>
#include <QList>
#include <QString>
#include <QVariant>
#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

namespace VelSystem {

class Document;
class CDbFabricObject;
class CDbMarkerDrawing;
class DocumentMak;

// The common base of the plug-in's tools: a default for every operation of the host's tool
// interface (showInstructions and the dialog slots come from the host unchanged), so that a
// tool overrides only what it handles, plus the plug-in's own cursors and the view
// scrolling shared by the dragging tools.
class ToolBase : public AbstractTool
{
    Q_OBJECT
public:
    explicit ToolBase(const QString& icon);
    ~ToolBase() override;

    std::string id() const override;
    QString icon() const override;
    QString name() const override;
    std::vector<int> shortcutKeys() const override;
    void start() override;
    void openUrl(QUrl url) override;
    void stop() override;
    bool chartClicked(short sizeNumber, short pieceIndex, QMouseEvent* event) override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseMoveEvent(DocumentView* view, QMouseEvent* event) override;
    // Leaves the event unaccepted, so the view may handle the double click itself.
    void mouseDoubleClickEvent(DocumentView* view, QMouseEvent* event) override;
    // Leaves the cursor the host prepared.
    void cursor(QCursor& cursor) const override;
    bool keyStateChanged(bool pressed, int key) override;
    bool wheelEvent(DocumentView* view, QWheelEvent* event) override;
    bool isBusy() const override;
    bool isEnabled() const override;
    std::vector<int> alternateShortcutKeys() const override;
    QWidget* optionsWidget() const override;
    void suspend() override;
    void resume() override;
    // The pages the factory registered for this tool's identifier.
    QStringList instructions() const override;

    // Set once, by the factory's creator, to the identifier the tool was created under.
    void setId(const std::string& id);

    // The plug-in's cursors. Those with an inverted twin follow VelCursor::getInverted() at
    // every call, so a change of the setting shows at the next cursor query.
    static const QCursor& blockCursor();
    static const QCursor& convertPlusCursor();
    // Also the common remove cursor, shown while Alt is held.
    static const QCursor& convertMinusCursor();
    static const QCursor& editBlockCursor();
    static const QCursor& editBlockedCursor();
    static const QCursor& linkCursor();
    static const QCursor& linkedCursor();
    static const QCursor& magneticCursor();

    // Scrolls `view` by how far the mouse left it while placed pieces are selected (a drag
    // past the edge); true when the mouse was outside the view.
    static bool autoScroll(DocumentView* view, QMouseEvent* event);
    // Asks the host for the command `name` and pushes it on `document`'s undo stack when its
    // setDocument accepts `parameters`; answers that code (-1 when no such command exists).
    static short pushCommand(Document& document, const QString& name, const QList<QVariant>& parameters);

protected:
    // What a left or right press on a marker view works on.
    struct MarkerPress
    {
        boost::shared_ptr<DocumentMak> document;
        CDbMarkerDrawing* drawing = nullptr;
        // The fabric and layer being edited.
        CDbFabricObject* fabric = nullptr;
        short layer = 0;
    };
    // False, with nothing to do, for another button, a view without a marker, or a marker
    // without a fabric and layer being edited.
    static bool markerPress(DocumentView* view, QMouseEvent* event, MarkerPress* press);
    // The click of the tools that leave the hit test to their command: a left or right press
    // hands `name` the position (a CDbMarkerPointObject* as void*), add (Alt not held) and
    // Shift-and-Alt (both held).
    static void pushClickCommand(DocumentView* view, QMouseEvent* event, const QString& name);
    // The remove cursor while Alt is held now, else `adding`: the cursor of the tools whose
    // Alt-click removes what a click adds.
    static void addOrRemoveCursor(QCursor& cursor, const QCursor& adding);

private:
    std::string mId;
    QString mIcon;
};

} // namespace VelSystem
