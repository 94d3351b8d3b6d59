#pragma once

#include <QCoreApplication>
#include <QJsonArray>

namespace VelSystem {

class CDbMarkerDrawing;
class FileKeys;
class JsonNode;

// The links between pieces in a marker file, with every rule the link dialogs edit. Read
// after the fabrics, whose pieces the ends name.
class LinkSerializer
{
    Q_DECLARE_TR_FUNCTIONS(MarkerFile)

public:
    static const FileKeys kLinkKeys;
    static const FileKeys kEndKeys;

    // Every fabric's links, fabric by fabric.
    static QJsonArray write(const CDbMarkerDrawing& drawing);
    // Adds the links of `n` (an array) to `drawing`'s link document.
    static void read(const JsonNode& n, CDbMarkerDrawing& drawing, int version);
};

} // namespace VelSystem
