#pragma once

#include "ToolBase.h"

#include "VelGeo/GeoPoint2D.h"

#include <QPoint>
#include <QPointer>
#include <memory>

class QGraphicsLineItem;
class QGraphicsScene;

namespace VelSystem {

class CDbFabricObject;
class CDbMarkerDrawing;
class CMarkerSelection;
class DocumentMak;
class DocumentScene;
class InteractiveTransformer;
class SelectRubberBand;

// The pointer: selects objects by clicking (Shift adds or removes) or with a rubber band
// over empty space, drags the selected pieces (turned and mirrored from the keyboard on the
// way) into one undoable move, slides a piece in a chosen direction until it meets something
// (the quick move: double click, or press with 0 held, then drag the direction line), edits a
// line's text on Alt+click and opens the link dialogs of a linked document.
class ToolSelect : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolSelect(const QString& icon);
    ~ToolSelect() override;

    QString name() const override;
    std::vector<int> shortcutKeys() const override;
    // Abandons the gesture in progress: no preview, rubber band or direction line is left,
    // and the document is as it was before the gesture.
    void stop() override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseMoveEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseDoubleClickEvent(DocumentView* view, QMouseEvent* event) override;
    // During a drag: Enter drops the pieces where they are, "+", "-", "5", "7" and "9" turn
    // or mirror them and any other key abandons the drag; Space is swallowed.
    bool keyStateChanged(bool pressed, int key) override;
    // From the first move of a drag to its end.
    bool isBusy() const override;

private:
    // The marker document of a scene with the fabric and layer being edited.
    struct EditedLayer;

    // The selection part of a press on a marker, once the gesture's state is set.
    void pickAtPress(DocumentView* view, const QMouseEvent* event, const EditedLayer& edited);
    void startRubberBand(DocumentView* view);
    // Closer to the press than the start-drag distance: a hand's tremor, not a drag.
    bool isTremor(const QPoint& pixel) const;
    // The rubber band's moving corner: the event's position in the band's own view, or the
    // last one seen there when the event comes from another view.
    QPoint bandCorner(const DocumentView* view, const QMouseEvent* event);
    void startDirectionLine(const GeoPoint2D& from, const GeoPoint2D& to);
    void translateDrag(const GeoPoint2D& current);
    // Slides the first selected piece group under the press point towards `target`, as one
    // undoable replacement; false when a selected object other than a piece group came first.
    bool slideSelectedGroup(const EditedLayer& edited, const GeoPoint2D& target);
    // Ends the running drag and pushes its command; false when the drag changed nothing.
    bool recordDrag();
    // Alt+click on a line: its text in the text dialog.
    void editLineText(const CMarkerSelection& picked) const;
    // Shows who each selected piece group of a linked document is, one dialog after another.
    void identifySelectedPieces(const CMarkerSelection& selection, CDbFabricObject* fabric) const;
    // Opens the properties of every link whose line passes within a few pixels of `point`.
    void editLinksAt(DocumentMak& document, CDbFabricObject* fabric, const GeoPoint2D& point) const;

    bool mPressed = false;
    bool mMoving = false;
    bool mDirectionMode = false;
    QPoint mPressPos;
    QPoint mLastBandPos;
    GeoPoint2D mLastScenePos;
    GeoPoint2D mPressScenePos;
    // The direction line belongs to its scene, which deletes it first if it goes away.
    QGraphicsLineItem* mDirectionLine = nullptr;
    QPointer<QGraphicsScene> mLineScene;
    QPointer<SelectRubberBand> mRubberBand;
    QPointer<DocumentScene> mScene;
    QPointer<DocumentView> mView;
    std::unique_ptr<InteractiveTransformer> mTransformer;
    // One keyboard transformation at a time, across every pointer tool: a transformation's
    // commands may deliver key events of their own.
    static bool msTransformingByKey;
};

} // namespace VelSystem
