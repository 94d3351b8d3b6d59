#pragma once

#include "ToolBase.h"

namespace VelSystem {

class CDbCutDownObject;
class CDbFabricObject;
class CDbGrPolysObject;
class DocumentMak;

// Cuts two pieces down together: a click on a first piece and one on a second make them a
// pair at the position the user sets; a click on a pair takes it apart, an Alt-click changes
// its position. The waiting first piece is kept in the marker (its drawing's first-click flag
// and the group's cut-down mark), so that it survives the tool.
class ToolCutDown : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolCutDown(const QString& icon);
    ~ToolCutDown() override;

    QString name() const override;
    // Abandons a waiting first piece.
    void stop() override;
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
    // Asks for a new position of the pair held by `group`; true when it changed.
    bool changePosition(DocumentMak& document, CDbFabricObject* fabric, short layer, CDbGrPolysObject* group);

    // A press is being handled (a modal dialog's event loop may deliver another).
    bool mBusy = false;
};

} // namespace VelSystem
