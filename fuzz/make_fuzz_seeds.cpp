// Writes the fuzz targets' seed corpora from the bundled sample marker and the scripted
// sessions, in the current format of each reader:
//   cmake --build build-sanitize --target make_fuzz_seeds && build-sanitize/bin/make_fuzz_seeds
// Seeds stay small (a fuzzer mutates whole inputs): parts of the sample, not all of it. The
// public nesting instances are not copied; scripts/fuzz reads them where they are.

#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbFabricLayerObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbPieceObject.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/MarkerFile.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <climits>
#include <cstdio>
#include <functional>
#include <utility>

using namespace VelSystem;

namespace {

const QString kSource = QStringLiteral(MARKER_SOURCE_DIR);

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "make_fuzz_seeds: %s\n", qPrintable(message));
    std::exit(1);
}

boost::shared_ptr<DocumentMak> loadSample()
{
    QString error;
    const auto sample = MarkerFile::load(kSource + QStringLiteral("/samples/trousers-sample.mak"), &error);
    if (!sample)
        fail(error);
    return sample;
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

// A marker with the sample's texts and lines and those of its piece groups `keep` accepts,
// each group with a piece of its own in the one size it shows: a seed no larger than it needs.
QByteArray sampleWith(const std::function<bool(const CDbGrPolysObject&)>& keep)
{
    const auto sample = loadSample();
    const CDbFabricObject& from = *sample->drawing()->getCurrentFabric();
    auto marker = boost::shared_ptr<DocumentMak>(new DocumentMak);
    marker->drawing()->setName(sample->drawing()->name());
    CDbFabricObject& fabric = marker->drawing()->addFabric();
    fabric.setName(from.name());
    fabric.addLayer(from.getFabricLayerWidth(0));
    for (const CDbAbstractObject* object : from.layer(0)->objects()) {
        const auto* group = qobject_cast<const CDbGrPolysObject*>(object);
        if (group && !keep(*group))
            continue;
        std::unique_ptr<CDbAbstractObject> copy(object->clone());
        if (auto* copiedGroup = qobject_cast<CDbGrPolysObject*>(copy.get())) {
            for (CDbPolygon& polygon : copiedGroup->polygons()) {
                const CDbPieceObject& piece = *from.piece(polygon.pieceIndex());
                CDbPieceObject own;
                own.info() = piece.info();
                own.setVELPieceQuantity(piece.getVELPieceQuantity());
                own.setVELPieceSingle(piece.getVELPieceSingle());
                own.setAllowedRotations(piece.allowedRotations());
                own.addSize(*piece.getPieceSize(polygon.sizeIndex()));
                polygon.setPieceIndex(fabric.addPiece(own));
                polygon.setSizeIndex(0);
            }
        }
        marker->addPiece(copy.release(), &fabric, 0);
    }
    // A plaid and a link for the keys of version 2, where there are two pieces to link.
    if (fabric.pieceCount() >= 2) {
        fabric.setPlaidRepeat(8.0, 6.0);
        fabric.setPlaidOffset(1.5, 0.0);
        CDbTwainLinkPiecesObject link;
        link.setEnds({0, 1, true}, {1, 1, true});
        link.setRules(CDbTwainLinkPiecesObject::IdenticalX | CDbTwainLinkPiecesObject::IdenticalY);
        link.setMaxSwatchDistances(2.0, CDbTwainLinkPiecesObject::kNoSwatchLimit);
        marker->drawing()->getLinkDoc()->links(0)->add(link);
    }
    // Compact: the reader takes any layout, and a fuzzer mutates every byte it is given.
    return QJsonDocument::fromJson(MarkerFile::toJson(*marker)).toJson(QJsonDocument::Compact);
}

// A nesting instance of the sample's pieces in their first `sizes` sizes, a copy of each.
QByteArray instanceOfSample(short pieces, short sizes)
{
    const auto sample = loadSample();
    const CDbFabricObject& fabric = *sample->drawing()->getCurrentFabric();
    QJsonArray items;
    for (short p = 0; p < std::min(pieces, fabric.pieceCount()); ++p) {
        const CDbPieceObject& piece = *fabric.piece(p);
        for (short s = 0; s < std::min(sizes, piece.getNumberOfSizes()); ++s) {
            QJsonArray outline;
            for (const CDbMarkerPointObject& point : piece.getPieceSize(s)->outline().points())
                outline.append(QJsonArray{point.x, point.y});
            outline.append(outline.first());
            QJsonArray rotations;
            for (double rotation : piece.allowedRotations())
                rotations.append(rotation);
            items.append(QJsonObject{{"id", items.size()},
                                     {"demand", piece.getVELPieceQuantity()},
                                     {"allowed_orientations", rotations},
                                     {"shape", QJsonObject{{"type", "simple_polygon"}, {"data", outline}}}});
        }
    }
    return QJsonDocument(QJsonObject{{"name", "trousers sample"},
                                     {"strip_height", fabric.getFabricLayerWidth(0)},
                                     {"items", items}})
        .toJson(QJsonDocument::Compact);
}

} // namespace

int main(int argc, char* argv[])
{
    // Texts are measured with fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir corpus(kSource + QStringLiteral("/fuzz/corpus"));
    for (const char* target : {"fuzz_MarkerFile", "fuzz_EsicupImport", "fuzz_ScriptParser"}) {
        QDir(corpus.filePath(QLatin1String(target))).removeRecursively();
        if (!corpus.mkpath(QLatin1String(target)))
            fail(QStringLiteral("cannot make %1").arg(corpus.filePath(QLatin1String(target))));
    }

    const QString markers = corpus.filePath(QStringLiteral("fuzz_MarkerFile/"));
    write(markers + QStringLiteral("no-piece.mak"),
          sampleWith([](const CDbGrPolysObject&) { return false; }));
    bool first = true;
    write(markers + QStringLiteral("one-piece.mak"),
          sampleWith([&first](const CDbGrPolysObject&) { return std::exchange(first, false); }));
    // A group of every piece, laid and waiting.
    QSet<int> seen;
    write(markers + QStringLiteral("every-piece.mak"), sampleWith([&seen](const CDbGrPolysObject& group) {
              const int key = group.polygon(0).pieceIndex() * 2 + group.section();
              const bool fresh = !seen.contains(key);
              seen.insert(key);
              return fresh;
          }));

    const QString instances = corpus.filePath(QStringLiteral("fuzz_EsicupImport/"));
    write(instances + QStringLiteral("one-piece.json"), instanceOfSample(1, 1));
    write(instances + QStringLiteral("every-piece.json"), instanceOfSample(SHRT_MAX, 1));
    write(instances + QStringLiteral("every-size.json"), instanceOfSample(2, SHRT_MAX));

    const QDir sessions(kSource + QStringLiteral("/tests/sessions"));
    for (const QString& name : sessions.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QFile session(sessions.filePath(name));
        if (!session.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot read %1").arg(session.fileName()));
        write(corpus.filePath(QStringLiteral("fuzz_ScriptParser/") + name), session.readAll());
    }
    return 0;
}
