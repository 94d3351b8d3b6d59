#pragma once

#include "VelGeo/GeoPoint2D.h"
#include "laystore/CDbTwainLinkPiecesObject.h"

#include <QHash>
#include <QVector>
#include <vector>

namespace VelSystem {

class CDbFabricObject;
class CDbGrPolysObject;
class CDbMarkerDrawing;
class DocumentMak;

// Whether laid pieces keep their links on the plaid: a link is matched when its second point
// lies where its rules put it on the fabric's repeat relative to its first point (per axis:
// the same phase plus the link's offset, the mirrored phase, half a repeat further, the centre
// of a repeat, or on a plaid line), and the two points lie no further apart than the link's
// swatch limits. An axis without a repeat or without a rule matches anywhere. Only links whose
// two pieces are laid on the layer are checked (each piece's first laid copy).
class LinkMatching
{
public:
    using Link = CDbTwainLinkPiecesObject;

    // `alsoLaid`: pieces about to be laid on the layer with the one being placed (not yet in
    // the document), linked to like laid ones and kept clear of; they must outlive this.
    LinkMatching(const CDbMarkerDrawing& drawing, short fabric, short layer,
                 const std::vector<const CDbGrPolysObject*>& alsoLaid = {});

    // The links of the fabric checked and found unmatched.
    int unmatchedCount() const;
    // The same for the fabric and layer being edited.
    static int unmatchedOnCurrentLayer(const CDbMarkerDrawing& drawing);
    // Whether `link` is matched where its pieces lie; a link whose pieces are not both laid
    // counts as matched (there is nothing to match yet).
    bool isMatched(const Link& link) const;

    // The smallest move of `group` that matches every link between one of its pieces and a
    // piece laid in another group; a zero move when there is none such. False (and a zero
    // move) when no move matches them all.
    bool matchingMove(const CDbGrPolysObject& group, GeoPoint2D* move) const;
    // The same for `moving` (a copy being dropped, not laid) standing in for the laid group
    // `replaced` (null: for none), shifted by `shift`: the move after the shift.
    bool matchingMove(const CDbGrPolysObject& moving, const CDbGrPolysObject* replaced,
                      const GeoPoint2D& shift, GeoPoint2D* move) const;

    // Where a piece is laid matched without harm: the matching move of `moving` (shifted by
    // `shift`, standing in for the laid group `replaced`, which may be null or `moving`
    // itself) nearest to staying put among those that keep it on the fabric's width and off
    // every other piece group of the layer and of the pieces about to be laid with it: the
    // smallest matching move, or it shifted by whole repeats, up to two each way.
    // A zero move when `moving` has no link to match. False (and a zero move) when its links
    // cannot all hold, or hold nowhere free: the piece then stays where it is, unmatched.
    bool freeMatchingMove(const DocumentMak& document, const CDbGrPolysObject& moving,
                          const CDbGrPolysObject* replaced, const GeoPoint2D& shift, GeoPoint2D* move) const;

private:
    // A group standing in for a laid one, shifted.
    struct Stand
    {
        const CDbGrPolysObject* moving = nullptr;
        const CDbGrPolysObject* replaced = nullptr;
        GeoPoint2D shift;
    };
    // Where the end's piece is laid: its point and group; false when it is not laid.
    bool laidEnd(const Link::End& end, GeoPoint2D* point, const CDbGrPolysObject** group,
                 const Stand& stand) const;
    // How far the second point must move along one axis for the link to match there.
    double correction(const Link& link, bool alongX, double first, double second) const;
    // Whether `link` has a rule along the axis and the fabric a repeat there.
    bool rulesAxis(const Link& link, bool alongX) const;
    bool withinSwatch(const Link& link, const GeoPoint2D& first, const GeoPoint2D& second) const;

    const CDbMarkerDrawing& mDrawing;
    const CDbFabricObject* mFabric;
    short mFabricIndex;
    short mLayer;
    // The groups laid on the layer holding each piece, in drawing order, by piece index:
    // looked up once, not for every link end.
    QHash<short, QVector<const CDbGrPolysObject*>> mLaid;
    std::vector<const CDbGrPolysObject*> mAlsoLaid;
};

} // namespace VelSystem
