#pragma once

#include "laystore/CDbTwainLinkPiecesObject.h"

#include <QList>
#include <memory>
#include <vector>

namespace VelSystem {

class CDbPolygon;
class GeoPoint2D;

// The links between pieces of one fabric, numbered from 1. The table owns them; a link keeps
// its address while others are added or removed.
class CDbTwainLinkPiecesObjectTable
{
public:
    // The links between pieces of fabric `fabric` (0-based): only ends naming it resolve.
    explicit CDbTwainLinkPiecesObjectTable(short fabric = 0);
    ~CDbTwainLinkPiecesObjectTable();

    short fabric() const { return mFabric; }

    int size() const { return static_cast<int>(mLinks.size()); }
    // Link `n` (1-based), null out of range.
    CDbTwainLinkPiecesObject* link(int n) const;
    // Appends a copy of `link` and returns the stored one.
    CDbTwainLinkPiecesObject* add(const CDbTwainLinkPiecesObject& link);
    // Inserts a copy of `link` as link `n` (1-based, up to size() + 1); null out of range.
    CDbTwainLinkPiecesObject* insert(int n, const CDbTwainLinkPiecesObject& link);
    // Removes link `n` (1-based); false out of range.
    bool remove(int n);
    // The number (1-based) of the first link with an end at `end`, 0 when none has.
    int linkAt(const CDbTwainLinkPiecesObject::End& end) const;

    // The points the two ends of link `linkIndex` (1-based) name in `polygons` (an end's
    // polygon is the one whose pieceIndex() is the end's piece index), and, when asked for,
    // those polygons. Returns 0, or 1 (nothing written) when there is no such link or an end
    // names no polygon or no point.
    short getTwainLinkPiecesVectors(const QList<CDbPolygon>& polygons, int linkIndex, GeoPoint2D* first,
                                    GeoPoint2D* second, const CDbPolygon** firstPolygon = nullptr,
                                    const CDbPolygon** secondPolygon = nullptr) const;

private:
    short mFabric;
    std::vector<std::unique_ptr<CDbTwainLinkPiecesObject>> mLinks;
};

} // namespace VelSystem
