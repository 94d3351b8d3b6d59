#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <memory>

namespace VelSystem {

class CDbLineObject;
class CDbPunchHoleObject;
class CDbTextObject;
class FileKeys;
class JsonNode;

// Texts, lines and punch holes placed on a layer, in a marker file.
class AnnotationSerializer
{
    Q_DECLARE_TR_FUNCTIONS(MarkerFile)

public:
    static const FileKeys kTextKeys;
    static const FileKeys kLineKeys;
    static const FileKeys kPunchHoleKeys;

    static QJsonObject write(const CDbTextObject& text);
    static QJsonObject write(const CDbLineObject& line);
    static QJsonObject write(const CDbPunchHoleObject& hole);
    static std::unique_ptr<CDbTextObject> readText(const JsonNode& n, int version);
    static std::unique_ptr<CDbLineObject> readLine(const JsonNode& n, int version);
    static std::unique_ptr<CDbPunchHoleObject> readPunchHole(const JsonNode& n, int version);
};

} // namespace VelSystem
