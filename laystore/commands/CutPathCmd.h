#pragma once

#include "VelConjoin/PointFeature.h"
#include "VelCore/AbstractCmd.h"
#include "VelGeo/GeoPoint2D.h"

#include <boost/weak_ptr.hpp>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace VelSystem {

class CDbFabricLayerObject;
class CDbFabricObject;
class CDbGrPolysObject;
class CDbMarkerPointObject;
class CDbPolygon;
class CDbVectorsObjectTable;
class DocumentMak;

// Base of the commands that change the cutter's marks on piece groups (cut order, start
// points, lift-and-plunge and symmetrical-cut points). setDocument checks the parameters and
// prepares a changed copy of each group it touches, changing nothing; redo and undo exchange
// each group's state with its copy's, so the layer keeps the same objects. The drawing's
// first-click flag and the layer's cut-order group, when a command sets them, go with the change.
class CutPathCmd : public AbstractCmd
{
    Q_OBJECT
public:
    enum Code
    {
        // Not a marker document, or the parameters are not what the command takes.
        BadParameters = 1,
        // The change makes no sense there; the user was told why.
        Refused = 2
    };

    ~CutPathCmd() override;

    short setDocument(const boost::shared_ptr<Document>& document, const QList<QVariant>& parameters) final;
    void redo() override;
    void undo() override;

protected:
    explicit CutPathCmd(const QString& text);
    // Checks `parameters` and prepares the change with changed(), setFirstClickAfter() and
    // setCutOrderGroupAfter(); returns 0 or a code.
    virtual short prepare(DocumentMak& document, const QList<QVariant>& parameters) = 0;

    // The copy of `group` that the change is made on (taken at the first call).
    CDbGrPolysObject& changed(CDbGrPolysObject* group);
    void setFirstClickAfter(bool firstClick);
    void setCutOrderGroupAfter(CDbFabricLayerObject* layer, CDbGrPolysObject* group);
    // The Shift-and-Alt click: clears `feature` from every point of the runs `runs` gives of
    // each polygon of the group clicked at `point`; refuses with `noPiece` when no group is
    // there and with `noneMarked` when none of its points carries the feature.
    short clearOfPiece(const CDbFabricObject& fabric, short layer, const GeoPoint2D& point, double tolerance,
                       PointFeature::Flag feature,
                       const std::function<std::vector<CDbVectorsObjectTable*>(CDbPolygon&)>& runs,
                       const QString& noPiece, const QString& noneMarked);
    // Tells the user why the change is refused; answers Refused.
    static short refuse(const QString& message);

    // The clicked point of a (point, ...) parameter list, null when it is not one.
    static const CDbMarkerPointObject* pointParameter(const QVariant& parameter);
    // A click's parameters (point as void*, add as bool, Shift-and-Alt as bool): false when
    // `parameters` are not that.
    static bool clickParameters(const QList<QVariant>& parameters, const CDbMarkerPointObject** point,
                                bool* add, bool* shiftAlt);
    // The group of a void* parameter when it is placed on the current layer (writes the layer),
    // else null: the pointer is compared, never followed, until it is known.
    static CDbGrPolysObject* groupParameter(const DocumentMak& document, const QVariant& parameter,
                                            CDbFabricObject** fabric, short* layer);
    // Five pixels of the view handling the click, in centimetres.
    static double clickTolerance(const DocumentMak& document);
    // The fabric and layer being edited; false when there are none.
    static bool currentLayer(const DocumentMak& document, CDbFabricObject** fabric, short* layer);

private:
    void exchange();

    boost::weak_ptr<DocumentMak> mDocument;
    std::vector<std::pair<CDbGrPolysObject*, std::unique_ptr<CDbGrPolysObject>>> mChanges;
    // The values the drawing and the layer do not have now, exchanged at each redo and undo.
    std::optional<bool> mFirstClick;
    CDbFabricLayerObject* mLayer = nullptr;
    CDbGrPolysObject* mCutOrderGroup = nullptr;
};

} // namespace VelSystem
