#include "laystore/commands/CutPathCmd.h"

#include "VelCore/VelCoreApplication.h"
#include "laystore/CDbFabricLayerObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/KnifePointSearch.h"

namespace VelSystem {

CutPathCmd::CutPathCmd(const QString& text)
{
    setText(text);
}

CutPathCmd::~CutPathCmd() = default;

short CutPathCmd::setDocument(const boost::shared_ptr<Document>& document, const QList<QVariant>& parameters)
{
    const auto marker = boost::dynamic_pointer_cast<DocumentMak>(document);
    if (!marker || !marker->drawing())
        return BadParameters;
    const short code = prepare(*marker, parameters);
    if (code != 0) {
        mChanges.clear();
        mFirstClick.reset();
        mLayer = nullptr;
        return code;
    }
    mDocument = marker;
    return 0;
}

CDbGrPolysObject& CutPathCmd::changed(CDbGrPolysObject* group)
{
    for (auto& change : mChanges) {
        if (change.first == group)
            return *change.second;
    }
    mChanges.emplace_back(group, std::unique_ptr<CDbGrPolysObject>(group->clone(nullptr, false)));
    return *mChanges.back().second;
}

void CutPathCmd::setFirstClickAfter(bool firstClick)
{
    mFirstClick = firstClick;
}

void CutPathCmd::setCutOrderGroupAfter(CDbFabricLayerObject* layer, CDbGrPolysObject* group)
{
    mLayer = layer;
    mCutOrderGroup = group;
}

short CutPathCmd::clearOfPiece(const CDbFabricObject& fabric, short layer, const GeoPoint2D& point,
                               double tolerance, PointFeature::Flag feature,
                               const std::function<std::vector<CDbVectorsObjectTable*>(CDbPolygon&)>& runs,
                               const QString& noPiece, const QString& noneMarked)
{
    CDbGrPolysObject* group = KnifePointSearch::groupAt(fabric, layer, point, tolerance);
    if (!group)
        return refuse(noPiece);
    bool found = false;
    for (CDbPolygon& polygon : group->polygons()) {
        for (const CDbVectorsObjectTable* run : runs(polygon)) {
            for (const CDbMarkerPointObject& p : run->points())
                found = found || p.hasFeature(feature);
        }
    }
    if (!found)
        return refuse(noneMarked);
    for (CDbPolygon& polygon : changed(group).polygons()) {
        for (CDbVectorsObjectTable* run : runs(polygon)) {
            for (CDbMarkerPointObject& p : run->points())
                p.setFeature(feature, false);
        }
    }
    return 0;
}

short CutPathCmd::refuse(const QString& message)
{
    VelCoreApplication::instance()->showMessage(message);
    return Refused;
}

const CDbMarkerPointObject* CutPathCmd::pointParameter(const QVariant& parameter)
{
    return parameter.userType() == QMetaType::VoidStar
               ? static_cast<const CDbMarkerPointObject*>(parameter.value<void*>())
               : nullptr;
}

bool CutPathCmd::clickParameters(const QList<QVariant>& parameters, const CDbMarkerPointObject** point,
                                 bool* add, bool* shiftAlt)
{
    if (parameters.size() != 3 || parameters[1].userType() != QMetaType::Bool ||
        parameters[2].userType() != QMetaType::Bool)
        return false;
    *point = pointParameter(parameters[0]);
    *add = parameters[1].toBool();
    *shiftAlt = parameters[2].toBool();
    return *point != nullptr;
}

CDbGrPolysObject* CutPathCmd::groupParameter(const DocumentMak& document, const QVariant& parameter,
                                             CDbFabricObject** fabric, short* layer)
{
    if (parameter.userType() != QMetaType::VoidStar || !currentLayer(document, fabric, layer))
        return nullptr;
    const void* wanted = parameter.value<void*>();
    for (CDbGrPolysObject* group : document.groups(*fabric, *layer)) {
        if (group == wanted)
            return group;
    }
    return nullptr;
}

double CutPathCmd::clickTolerance(const DocumentMak& document)
{
    return document.drawing()->pixelToCmInX(5.0);
}

bool CutPathCmd::currentLayer(const DocumentMak& document, CDbFabricObject** fabric, short* layer)
{
    short code = 1;
    document.drawing()->getCurrentFabricsAndLayer(*fabric, *layer, &code);
    return code == 0 && *fabric;
}

void CutPathCmd::redo()
{
    exchange();
}

void CutPathCmd::undo()
{
    exchange();
}

void CutPathCmd::exchange()
{
    const boost::shared_ptr<DocumentMak> document = mDocument.lock();
    if (!document)
        return;
    for (auto& [group, copy] : mChanges)
        group->exchangeInfos(copy.get());
    if (mFirstClick) {
        const bool now = document->drawing()->isFirstClick();
        document->drawing()->setFirstClick(*mFirstClick);
        mFirstClick = now;
    }
    if (mLayer) {
        CDbGrPolysObject* now = mLayer->cutOrderGroup();
        mLayer->setCutOrderGroup(mCutOrderGroup);
        mCutOrderGroup = now;
    }
    document->emitModified();
}

} // namespace VelSystem
