#pragma once

#include "laystore/CDbPieceObject.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace VelSystem {

class FileKeys;
class JsonNode;

// A fabric's pattern pieces in a marker file: identification, quantities, rotations and sizes.
class PieceSerializer
{
    Q_DECLARE_TR_FUNCTIONS(MarkerFile)

public:
    static const FileKeys kPieceKeys;
    static const FileKeys kInfoKeys;
    static const FileKeys kSizeKeys;

    static QJsonObject write(const CDbPieceObject& piece);
    static CDbPieceObject read(const JsonNode& n, int version);
};

} // namespace VelSystem
