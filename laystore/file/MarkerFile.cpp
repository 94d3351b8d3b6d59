#include "laystore/file/MarkerFile.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/FabricSerializer.h"
#include "laystore/file/FileKeys.h"
#include "laystore/file/FileValues.h"
#include "laystore/file/JsonNode.h"
#include "laystore/file/LinkSerializer.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QUndoStack>
#include <limits>

namespace VelSystem {

namespace {

const FileValues::Names kLocks = {{CDbMarkerDrawing::LockPlacement, "placement"},
                                  {CDbMarkerDrawing::LockCutting, "cutting"},
                                  {CDbMarkerDrawing::LockMatching, "matching"}};

const FileKeys kDocumentKeys = {{"format", 1},  {"version", 1}, {"units", 1},   {"name", 1},
                                {"current", 1}, {"locks", 1},   {"fabrics", 1}, {"links", 2}};
const FileKeys kCurrentKeys = {{"fabric", 1}, {"layer", 1}};

// True when a blocking of the marker was changed by hand: the marker goes on keeping its
// blockings as drawn (CDbMarkerDrawing::manualDocumentFuseState), which the file does not hold.
bool blockingsShapedByHand(const DocumentMak& document)
{
    const CDbMarkerDrawing& drawing = *document.drawing();
    for (short f = 0; f < drawing.fabricCount(); ++f) {
        CDbFabricObject* fabric = drawing.fabric(f);
        for (short layer = 0; fabric->layer(layer); ++layer) {
            for (const CDbGrPolysObject* group : document.groups(fabric, layer)) {
                const CDbBlockingObject* blocking = group->editableBlocking();
                if (group->manualEditMark() || (blocking && blocking->manualEditMark()))
                    return true;
            }
        }
    }
    return false;
}

void readDocument(const JsonNode& root, DocumentMak& document)
{
    // Format and version first: a later version's new keys are no reason to blame a key.
    if (root["format"].string() != QLatin1String("marker"))
        root["format"].fail(MarkerFile::tr("expected \"marker\""));
    const JsonNode version = root["version"];
    if (version.integer(1, std::numeric_limits<int>::max()) > MarkerFile::kFormatVersion)
        version.fail(MarkerFile::tr("version %1 is not supported; this program reads version %2")
                         .arg(version.value().toInt())
                         .arg(MarkerFile::kFormatVersion));
    const int fileVersion = version.value().toInt();
    kDocumentKeys.check(root, fileVersion);
    if (root["units"].isPresent() && root["units"].string() != QLatin1String("cm"))
        root["units"].fail(MarkerFile::tr("expected \"cm\""));

    CDbMarkerDrawing& drawing = *document.drawing();
    drawing.setName(root["name"].string(QString()));
    if (root["locks"].isPresent())
        drawing.setLockFlags(FileValues::readFlags(root["locks"], kLocks));
    const JsonNode fabrics = root["fabrics"];
    for (int f = 0, count = fabrics.size(0, FileValues::kMaxIndexCount, MarkerFile::tr("fabrics")); f < count;
         ++f)
        FabricSerializer::read(fabrics.at(f), document, fileVersion);
    if (root["links"].isPresent())
        LinkSerializer::read(root["links"], drawing, fileVersion);

    const JsonNode current = root["current"];
    if (current.isPresent()) {
        kCurrentKeys.check(current, fileVersion);
        const short f =
            FileValues::index(current["fabric"], drawing.fabricCount(), MarkerFile::tr("fabrics"));
        const short l = FileValues::index(current["layer"], drawing.fabric(f)->layers()->size(),
                                          MarkerFile::tr("layers"));
        drawing.setCurrentFabricAndLayer(f, l);
    }
    if (blockingsShapedByHand(document))
        drawing.setManualDocumentFuseState(1);
}

} // namespace

boost::shared_ptr<DocumentMak> MarkerFile::load(const QString& path, QString* error)
{
    QByteArray bytes;
    if (!JsonNode::readFile(path, &bytes, error))
        return {};
    boost::shared_ptr<DocumentMak> document = fromJson(bytes, QFileInfo(path).fileName(), error);
    if (document)
        document->setFileName(path);
    return document;
}

boost::shared_ptr<DocumentMak> MarkerFile::fromJson(const QByteArray& bytes, const QString& name,
                                                    QString* error)
{
    auto document = boost::shared_ptr<DocumentMak>(new DocumentMak);
    if (!JsonNode::read(bytes, name, error, [&](const JsonNode& root) { readDocument(root, *document); }))
        return {};
    document->undoStack()->clear();
    document->setClean();
    return document;
}

bool MarkerFile::save(const DocumentMak& document, const QString& path, QString* error)
{
    const QString name = QFileInfo(path).fileName();
    const QByteArray bytes = toJson(document);
    // Never write a file that would not load again.
    QString problem;
    if (!fromJson(bytes, name, &problem)) {
        *error = tr("%1 was not saved: the marker cannot be written as it is (%2)").arg(name, problem);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = tr("%1 was not saved: %2").arg(name, file.errorString());
        return false;
    }
    return true;
}

QByteArray MarkerFile::toJson(const DocumentMak& document)
{
    const CDbMarkerDrawing& drawing = *document.drawing();
    QJsonArray fabrics;
    for (short f = 0; f < drawing.fabricCount(); ++f)
        fabrics.append(FabricSerializer::write(*drawing.fabric(f)));
    QJsonObject root{{"format", "marker"},
                     {"version", kFormatVersion},
                     {"units", "cm"},
                     {"name", drawing.name()},
                     {"locks", FileValues::flagsJson(drawing.lockFlags(), kLocks)},
                     {"fabrics", fabrics},
                     {"links", LinkSerializer::write(drawing)}};
    if (drawing.fabricCount() > 0)
        root.insert("current",
                    QJsonObject{{"fabric", drawing.currentFabricIndex()}, {"layer", drawing.currentLayer()}});
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace VelSystem
