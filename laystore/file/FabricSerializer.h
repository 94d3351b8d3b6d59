#pragma once

#include <QCoreApplication>
#include <QJsonObject>

namespace VelSystem {

class CDbFabricObject;
class DocumentMak;
class FileKeys;
class JsonNode;

// A fabric in a marker file: its own data, its pieces and its layers with what lies on them.
class FabricSerializer
{
    Q_DECLARE_TR_FUNCTIONS(MarkerFile)

public:
    static const FileKeys kFabricKeys;
    static const FileKeys kLayerKeys;
    static const FileKeys kPlaidKeys;
    static const FileKeys kSizeColumnKeys;
    static const FileKeys kChartCutDownKeys;

    static QJsonObject write(const CDbFabricObject& fabric);
    // Adds the fabric to `document`'s drawing and places its objects through the document.
    static void read(const JsonNode& n, DocumentMak& document, int version);
};

} // namespace VelSystem
