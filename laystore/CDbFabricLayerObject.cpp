#include "laystore/CDbFabricLayerObject.h"

#include "laystore/CDbGrPolysObject.h"

#include <QtAlgorithms>

namespace VelSystem {

CDbFabricLayerObject::~CDbFabricLayerObject()
{
    qDeleteAll(mObjects);
}

QListEx<CDbGrPolysObject*> CDbFabricLayerObject::groups() const
{
    QListEx<CDbGrPolysObject*> result;
    for (CDbAbstractObject* object : mObjects) {
        if (object->kind() == CDbAbstractObject::KindGroup)
            result.append(static_cast<CDbGrPolysObject*>(object));
    }
    return result;
}

void CDbFabricLayerObject::append(CDbAbstractObject* object)
{
    mObjects.append(object);
}

void CDbFabricLayerObject::insert(int position, CDbAbstractObject* object)
{
    mObjects.insert(position, object);
}

bool CDbFabricLayerObject::take(CDbAbstractObject* object)
{
    if (!mObjects.removeOne(object))
        return false;
    for (CDbGrPolysObject** role : {&mCurrentGroup, &mCutOrderGroup}) {
        if (*role == object)
            *role = nullptr;
    }
    return true;
}

bool CDbFabricLayerObject::exchange(CDbAbstractObject* current, CDbAbstractObject* replacement)
{
    const int i = mObjects.indexOf(current);
    if (i < 0)
        return false;
    mObjects[i] = replacement;
    CDbGrPolysObject* group = replacement->kind() == CDbAbstractObject::KindGroup
                                  ? static_cast<CDbGrPolysObject*>(replacement)
                                  : nullptr;
    for (CDbGrPolysObject** role : {&mCurrentGroup, &mCutOrderGroup}) {
        if (*role == current)
            *role = group;
    }
    return true;
}

CDbFabricLayerObject& CDbFabricLayerObjectsTable::addLayer(double width)
{
    mLayers.push_back(std::make_unique<CDbFabricLayerObject>(width));
    return *mLayers.back();
}

} // namespace VelSystem
