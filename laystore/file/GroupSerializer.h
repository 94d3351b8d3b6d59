#pragma once

#include "laystore/CDbGrPolysObject.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <memory>

namespace VelSystem {

class CDbFabricObject;
class FileKeys;
class JsonNode;

// Placed groups and their polygons in a marker file.
class GroupSerializer
{
    Q_DECLARE_TR_FUNCTIONS(MarkerFile)

public:
    static const FileKeys kGroupKeys;
    static const FileKeys kPolygonKeys;
    static const FileKeys kCutDownPositionKeys;

    static QJsonObject write(const CDbGrPolysObject& group);
    // A cut-down position, as polygons and the size plan store it.
    static QJsonObject positionJson(const CDbCutDownObject& position);
    static CDbCutDownObject readPosition(const JsonNode& n, int version);
    // The polygons name pieces of `fabric`.
    static std::unique_ptr<CDbGrPolysObject> read(const JsonNode& n, const CDbFabricObject& fabric,
                                                  int version);
};

} // namespace VelSystem
