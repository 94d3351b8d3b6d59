#pragma once

#include "ToolBase.h"

namespace VelSystem {

class CDbCutDownObject;
class CDbFabricObject;
class CDbGrPolysObject;
class DocumentMak;
class t_1_Based;

// Cuts two pieces down together: a click on a first piece and one on a second make them a
// pair at the position the user sets; a click on a pair takes it apart, an Alt-click changes
// its position. In the size chart, two piece rows or two size columns clicked one after the
// other are cut down together in every size, or piece by piece. The waiting first piece is kept in the marker
// (its drawing's first-click flag and the group's cut-down mark), so that it survives the tool.
class ToolCutDown : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolCutDown(const QString& icon);
    ~ToolCutDown() override;

    QString name() const override;
    // Abandons a waiting first piece.
    void stop() override;
    // A click on a piece row (`pieceIndex` from 1) or, when `sizeNumber` is not 0, on a size
    // column (from 1) of the size chart; false when the click was refused.
    bool chartClicked(short sizeNumber, short pieceIndex, QMouseEvent* event) override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    // ufo while no first piece waits, target while one does.
    void cursor(QCursor& cursor) const override;
    bool isBusy() const override;

    // Lays the pair's second piece again at the new position, as one undoable change. A
    // position whose union would leave the fabric leaves the pair as it was and answers 0;
    // another refusal answers the library's code.
    static short modifyCutDownPosition(DocumentMak& document, CDbFabricObject* fabric, short layer,
                                       CDbGrPolysObject* group, const CDbCutDownObject& position);

private:
    // The gesture of a press on a piece; true when a change was recorded (the clicked group
    // may have left the layer), false when the clicked group is to be selected again.
    bool pressOnGroup(DocumentMak& document, CDbFabricObject* fabric, short layer, CDbGrPolysObject* group,
                      CDbGrPolysObject* first, bool alt);
    // A press on a pair made in the chart: true when it was one (the press is then done).
    static bool pressOnChartPair(const CDbFabricObject* fabric, const CDbGrPolysObject& group, bool alt);
    // The chart's two gestures: pieces (0-based `piece`) and size columns.
    static void chartPieceCutDown(DocumentMak& document, CDbFabricObject* fabric, short layer, short piece,
                                  bool alt);
    static void chartSizeCutDown(DocumentMak& document, CDbFabricObject* fabric, t_1_Based size, bool alt);
    // Asks for a new position of the pair held by `group`; true when it changed.
    bool changePosition(DocumentMak& document, CDbFabricObject* fabric, short layer, CDbGrPolysObject* group);

    // A press is being handled (a modal dialog's event loop may deliver another).
    bool mBusy = false;
};

} // namespace VelSystem
