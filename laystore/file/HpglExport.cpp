#include "laystore/file/HpglExport.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/KnifePath.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cmath>

namespace VelSystem {

namespace {

QByteArray units(double cm)
{
    return QByteArray::number(std::llround(cm * HpglExport::kUnitsPerCm));
}

QByteArray coordinates(const GeoPoint2D& p)
{
    return units(p.x) + ',' + units(p.y);
}

} // namespace

QByteArray HpglExport::toHpgl(const DocumentMak& document)
{
    QByteArray out =
        "CO\"Marker length " + QByteArray::number(document.markerLength(), 'f', 2) + " cm\";\nIN;\n";
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    short code = 1;
    document.drawing()->getCurrentFabricsAndLayer(fabric, layer, &code);
    const KnifePath path = code == 0 && fabric ? KnifePath::build(*fabric, layer) : KnifePath();
    int pen = 0;
    for (const KnifePath::Stroke& stroke : path.strokes()) {
        if (stroke.tool != pen) {
            pen = stroke.tool;
            out += "SP" + QByteArray::number(pen) + ";\n";
        }
        out += "PU" + coordinates(stroke.points.front()) + ";\nPD";
        for (size_t i = 1; i < stroke.points.size(); ++i)
            out += (i > 1 ? "," : "") + coordinates(stroke.points[i]);
        out += ";\n";
    }
    out += "PU;\nSP0;\n";
    return out;
}

bool HpglExport::save(const DocumentMak& document, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(toHpgl(document)) >= 0 && file.commit())
        return true;
    if (error)
        *error = tr("%1 was not exported: %2").arg(QFileInfo(path).fileName(), file.errorString());
    return false;
}

} // namespace VelSystem
