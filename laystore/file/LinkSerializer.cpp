#include "laystore/file/LinkSerializer.h"

#include "VelCore/t_1_Based.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/file/FileKeys.h"
#include "laystore/file/FileValues.h"
#include "laystore/file/JsonNode.h"
#include "laystore/file/MarkerFile.h"

#include <QJsonObject>
#include <algorithm>

namespace VelSystem {

namespace {

using Link = CDbTwainLinkPiecesObject;

const FileValues::Names kRules = {{Link::IdenticalX, "identicalX"},     {Link::IdenticalY, "identicalY"},
                                  {Link::SymmetricalX, "symmetricalX"}, {Link::SymmetricalY, "symmetricalY"},
                                  {Link::HalfWayX, "halfWayX"},         {Link::HalfWayY, "halfWayY"},
                                  {Link::CenterX, "centerX"},           {Link::CenterY, "centerY"},
                                  {Link::OnLineX, "onLineX"},           {Link::OnLineY, "onLineY"}};

// The file counts an end's points from 0, as every other index in it.
QJsonObject endJson(const Link::End& end)
{
    return {{"fabric", end.fabricIndex},
            {"piece", end.pieceIndex},
            {"point", t_1_Based(end.pointIndex).zeroBased()},
            {"onContour", end.onContour}};
}

// The points an end may name on a piece: those of its outline in the view's size, or its notches.
int pointsToName(const CDbPieceObject& piece, bool onContour)
{
    const CDbPieceSizeObject* size = piece.getPieceSize(0);
    if (!size)
        return 0;
    const auto& points = size->outline().points();
    return onContour
               ? int(points.size())
               : int(std::count_if(points.begin(), points.end(), [](const auto& p) { return p.isNotch(); }));
}

Link::End readEnd(const JsonNode& n, const CDbMarkerDrawing& drawing, int version)
{
    LinkSerializer::kEndKeys.check(n, version);
    Link::End end;
    end.fabricIndex = FileValues::index(n["fabric"], drawing.fabricCount(), LinkSerializer::tr("fabrics"));
    const CDbFabricObject& fabric = *drawing.fabric(end.fabricIndex);
    end.pieceIndex = FileValues::index(n["piece"], fabric.pieceCount(), LinkSerializer::tr("pieces"));
    end.onContour = n["onContour"].boolean(true);
    const short point =
        FileValues::index(n["point"], pointsToName(*fabric.piece(end.pieceIndex), end.onContour),
                          end.onContour ? LinkSerializer::tr("points") : LinkSerializer::tr("notches"));
    end.pointIndex = t_1_Based::fromZeroBased(point).value();
    return end;
}

// No value: no limit.
double readSwatchDistance(const JsonNode& n)
{
    return n.isPresent() ? n.number(0.0, MarkerFile::kCoordinateLimit) : Link::kNoSwatchLimit;
}

} // namespace

const FileKeys LinkSerializer::kLinkKeys = {{"ends", 2},
                                            {"rules", 2},
                                            {"matchPoint", 2},
                                            {"offsetX", 2},
                                            {"offsetY", 2},
                                            {"maxSwatchDistanceX", 2},
                                            {"maxSwatchDistanceY", 2}};
const FileKeys LinkSerializer::kEndKeys = {{"fabric", 2}, {"piece", 2}, {"point", 2}, {"onContour", 2}};

QJsonArray LinkSerializer::write(const CDbMarkerDrawing& drawing)
{
    QJsonArray links;
    for (short f = 0; f < drawing.fabricCount(); ++f) {
        const CDbTwainLinkPiecesObjectTable& table = *drawing.getLinkDoc()->links(f);
        for (int n = 1; n <= table.size(); ++n) {
            const Link& link = *table.link(n);
            QJsonObject o{{"ends", QJsonArray{endJson(link.firstEnd()), endJson(link.secondEnd())}},
                          {"rules", FileValues::flagsJson(int(link.rules()), kRules)},
                          {"matchPoint", link.isMatchPoint()},
                          {"offsetX", link.offsetX()},
                          {"offsetY", link.offsetY()}};
            if (link.maxSwatchDistanceX() >= 0.0)
                o.insert("maxSwatchDistanceX", link.maxSwatchDistanceX());
            if (link.maxSwatchDistanceY() >= 0.0)
                o.insert("maxSwatchDistanceY", link.maxSwatchDistanceY());
            links.append(o);
        }
    }
    return links;
}

void LinkSerializer::read(const JsonNode& n, CDbMarkerDrawing& drawing, int version)
{
    for (int i = 0, count = n.size(); i < count; ++i) {
        const JsonNode ln = n.at(i);
        kLinkKeys.check(ln, version);
        const JsonNode ends = ln["ends"];
        ends.size(2, 2, tr("ends"));
        Link link;
        link.setEnds(readEnd(ends.at(0), drawing, version), readEnd(ends.at(1), drawing, version));
        // A link matches the plaid of one fabric.
        if (link.secondEnd().fabricIndex != link.firstEnd().fabricIndex)
            ends.at(1)["fabric"].fail(
                tr("expected the fabric of the first end, %1").arg(link.firstEnd().fabricIndex));
        if (ln["rules"].isPresent())
            link.setRules(quint32(FileValues::readFlags(ln["rules"], kRules)));
        link.setMatchPoint(ln["matchPoint"].boolean(false));
        link.setOffsets(FileValues::coordinate(ln["offsetX"], 0.0),
                        FileValues::coordinate(ln["offsetY"], 0.0));
        link.setMaxSwatchDistances(readSwatchDistance(ln["maxSwatchDistanceX"]),
                                   readSwatchDistance(ln["maxSwatchDistanceY"]));
        drawing.getLinkDoc()->links(link.firstEnd().fabricIndex)->add(link);
    }
}

} // namespace VelSystem
