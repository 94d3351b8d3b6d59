#include "laystore/file/PieceSerializer.h"

#include "laystore/file/FileKeys.h"
#include "laystore/file/FileValues.h"
#include "laystore/file/JsonNode.h"
#include "laystore/file/OutlineSerializer.h"

#include <QJsonArray>

namespace VelSystem {

namespace {

// The identification texts of a piece, by key.
struct InfoField
{
    const char* key;
    QString (PieceInfo::*get)() const;
    void (PieceInfo::*set)(const QString&);
};
const InfoField kInfoFields[] = {{"patternNo", &PieceInfo::patternNo, &PieceInfo::setPatternNo},
                                 {"name", &PieceInfo::name, &PieceInfo::setName},
                                 {"description", &PieceInfo::description, &PieceInfo::setDescription},
                                 {"pieceCode", &PieceInfo::pieceCode, &PieceInfo::setPieceCode},
                                 {"referenceCode", &PieceInfo::referenceCode, &PieceInfo::setReferenceCode},
                                 {"markerId", &PieceInfo::markerId, &PieceInfo::setMarkerId},
                                 {"fabricId", &PieceInfo::fabricId, &PieceInfo::setFabricId}};

PieceInfo readInfo(const JsonNode& n, int version)
{
    PieceInfo info;
    if (!n.isPresent())
        return info;
    PieceSerializer::kInfoKeys.check(n, version);
    for (const InfoField& field : kInfoFields)
        (info.*field.set)(n[field.key].string(QString()));
    return info;
}

CDbPieceSizeObject readSize(const JsonNode& n, int version)
{
    PieceSerializer::kSizeKeys.check(n, version);
    CDbPieceSizeObject size;
    size.setName(n["name"].string(QString()));
    size.setOutline(OutlineSerializer::readOutline(n["outline"], version));
    const auto grain = OutlineSerializer::readGrainLine(n["grainLine"], version);
    size.setGrainLine(grain.first, grain.second);
    for (const CDbInternalSegment& segment :
         OutlineSerializer::readInternalSegments(n["internalSegments"], version))
        size.addInternalSegment(segment);
    return size;
}

} // namespace

const FileKeys PieceSerializer::kPieceKeys = {
    {"info", 1}, {"quantity", 1}, {"single", 1}, {"rotations", 1}, {"sizes", 1}};
// Every identification text came with the first version.
const FileKeys PieceSerializer::kInfoKeys = [] {
    std::vector<FileKeys::Key> keys;
    for (const InfoField& field : kInfoFields)
        keys.push_back({field.key, 1});
    return FileKeys(keys);
}();
const FileKeys PieceSerializer::kSizeKeys = {
    {"name", 1}, {"outline", 1}, {"grainLine", 1}, {"internalSegments", 2}};

QJsonObject PieceSerializer::write(const CDbPieceObject& piece)
{
    QJsonObject info;
    for (const InfoField& field : kInfoFields)
        info.insert(field.key, (piece.info().*field.get)());
    QJsonArray rotations;
    for (double r : piece.allowedRotations())
        rotations.append(r);
    QJsonArray sizes;
    for (short s = 0; s < piece.getNumberOfSizes(); ++s) {
        const CDbPieceSizeObject* size = piece.getPieceSize(s);
        QJsonObject o{{"name", size->name()},
                      {"outline", OutlineSerializer::outlineJson(size->outline())},
                      {"grainLine", OutlineSerializer::grainLineJson(size->grainStart(), size->grainEnd())}};
        const QJsonArray segments = OutlineSerializer::internalSegmentsJson(size->internalSegments());
        if (!segments.isEmpty())
            o.insert("internalSegments", segments);
        sizes.append(o);
    }
    return {{"info", info},
            {"quantity", piece.getVELPieceQuantity()},
            {"single", piece.getVELPieceSingle()},
            {"rotations", rotations},
            {"sizes", sizes}};
}

CDbPieceObject PieceSerializer::read(const JsonNode& n, int version)
{
    kPieceKeys.check(n, version);
    CDbPieceObject piece;
    piece.info() = readInfo(n["info"], version);
    piece.setVELPieceQuantity(static_cast<short>(n["quantity"].integer(1, FileValues::kMaxIndexCount, 1)));
    piece.setVELPieceSingle(n["single"].boolean(true));
    if (n["rotations"].isPresent()) {
        const JsonNode r = n["rotations"];
        std::vector<double> rotations;
        for (int i = 0, count = r.size(); i < count; ++i)
            rotations.push_back(r.at(i).angle());
        piece.setAllowedRotations(rotations);
    }
    const JsonNode sizes = n["sizes"];
    for (int s = 0, count = sizes.size(1, FileValues::kMaxIndexCount, tr("sizes")); s < count; ++s)
        piece.addSize(readSize(sizes.at(s), version));
    return piece;
}

} // namespace VelSystem
