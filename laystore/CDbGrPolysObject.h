#pragma once

#include "laystore/CDbAbstractObject.h"
#include "laystore/CDbPolygon.h"

#include <vector>

namespace VelSystem {

class CDbFabricObject;
class CDbMarkerDrawing;

// A placed group: one piece, or several pieces blocked or cut down together, moved as one.
class CDbGrPolysObject : public CDbAbstractObject
{
    Q_OBJECT
public:
    // Where a group lies on its layer.
    enum Section
    {
        SectionFabric = 1,
        SectionStandby = 2
    };

    CDbGrPolysObject();
    ~CDbGrPolysObject() override;

    int kind() const override { return KindGroup; }
    GeoRectangle boundingRect() const override;
    CDbAbstractObject* clone() const override;
    CDbGrPolysObject* clone(CDbMarkerDrawing* drawing, bool asPreview) const override;
    bool isValid() const override;
    // While placed, keeps x >= 0 (when negative x is forbidden) and y within the fabric and
    // standby areas, 0..2W. Emits `changed` when it moved.
    void translate(GeoPoint2D& delta) override;
    // The whole state is exchanged: the polygons with everything they carry, the section and
    // the group's own data.
    void exchangeInfos(CDbAbstractObject* other) override;
    bool sameContent(const CDbAbstractObject& other) const override;
    // Inside or within `tolerance` of one of the polygons' cut outlines.
    bool hitTest(const GeoPoint2D& point, double tolerance) const override;
    bool meets(const GeoPolygon2D& area) const override;

    // True when a cut outline of this group and one of `other` share area; outlines that only
    // touch do not overlap, an outline inside another does.
    bool overlaps(const CDbGrPolysObject& other) const;
    // The outlines the knife cuts, and the pieces' own outlines, one per polygon with a contour.
    std::vector<GeoPolygon2D> cutOutlines() const;
    std::vector<GeoPolygon2D> pieceOutlines() const;
    // The area of the pieces' own outlines (blocking polygons aside), in cm²; a cut-down pair
    // counts the union of its two pieces once.
    double area() const;

    short section() const { return mState.section; }
    // Emits `changed` when the section changes.
    void setSection(short section);

    int polygonCount() const { return static_cast<int>(mState.polygons.size()); }
    // A caller changing a polygon in place ends with emitChanged(), so that the document's
    // index and the views follow.
    CDbPolygon& polygon(int i) { return mState.polygons[static_cast<size_t>(i)]; }
    const CDbPolygon& polygon(int i) const { return mState.polygons[static_cast<size_t>(i)]; }
    std::vector<CDbPolygon>& polygons() { return mState.polygons; }
    const std::vector<CDbPolygon>& polygons() const { return mState.polygons; }
    void addPolygon(const CDbPolygon& polygon);
    bool hasMultiPolygon() const { return mState.polygons.size() > 1; }

    // Turns by `degrees` counter-clockwise, or mirrors, about the group's centre.
    void rotate(double degrees);
    void mirrorHorizontally(); // left and right exchange
    void mirrorVertically();   // top and bottom exchange

    // Set on a group made from outside data (a marker file, an import): its polygons may
    // name pieces or sizes its fabric no longer has, so it must be checked before use.
    bool needsIdCheck() const { return mState.needsIdCheck; }
    void setNeedsIdCheck(bool needsCheck) { mState.needsIdCheck = needsCheck; }
    // Drops the polygons naming a piece or size that `fabric` (a fabric of `drawing`) does not
    // have, clears the check flag and writes 0 to `code`. When no piece polygon would remain,
    // or an argument is null or foreign, the group is left unchanged and `code` gets 1: the
    // caller must not use it. A blocking polygon that names no piece is kept.
    void removeInvalidGrPolysID(CDbMarkerDrawing* drawing, CDbFabricObject* fabric, short* code);

    // True when a polygon of the group is cut down with another (the group is a pair), or
    // when the group holds a blocking.
    bool isCutDown() const;
    bool isBlocked() const;
    // Chosen as the first piece of a cut-down pair on the marker, waiting for the second. A
    // copy carries the mark; it is not content.
    bool cutDownMark() const { return mState.cutDownMark; }
    void setCutDownMark(bool mark) { mState.cutDownMark = mark; }
    // The polygon whose cut outline the knife follows first, and on which the group's start
    // point lies: the fusion of a group whose blockings fused, else the first (a piece
    // blocked alone has its blocking as its cut outline).
    int knifePolygonIndex() const;
    // The group's place in its layer's cut order, from 1; 0 while it is not laid on a
    // layer's fabric area (it is not cut).
    short getPolygonCutRank() const;
    // Gives every polygon the rank key `rank` (see CDbFabricObject::groupsInCutOrder).
    void setCutRankKey(short rank);
    // How many groups the knife cuts on this group's layer.
    short accountNumberOfPolygonsCuttingOfTheLayer() const;
    // Converts (or restores) every notch the cutter meets: those of the pieces' own outlines
    // and of blocking polygons. True when a notch changed; emits `changed`.
    bool setConvertNotch(bool convert);
    // True when any of those outlines has a notch.
    bool hasNotches() const;

    // Blocking. A piece blocked alone carries its blocking as its polygon's last contour;
    // blockings that met are fused into one polygon of the group standing for no piece, the
    // group's fusion. See CDbBlockingObject and CDbBlockHelper.
    //
    // The fusion polygon, null when the group's blocking is not a fusion.
    CDbPolygon* blockingFusion();
    const CDbPolygon* blockingFusion() const;
    // Index of the fusion polygon (-1 for none); the polygon must be a blocking polygon.
    int blockingFusionIndex() const { return mState.fusionIndex; }
    void setBlockingFusionIndex(int index);
    // The fusion's outline; throws std::logic_error without a fusion.
    CDbVectorsObjectTable& getFirstContourBlockingFusion();
    // True when the group has exactly one polygon and it carries a blocking.
    bool isBlockingPolygonExist() const;
    // The last contour of that polygon; throws std::logic_error without one.
    CDbVectorsObjectTable& getPolygonLatestContour();
    // The outline a user edits: the fusion's, or the single polygon's blocking; null for a
    // group whose blocking is not editable (none, several polygons without a fusion, kind
    // Fixed, a fusion to be rebuilt).
    CDbVectorsObjectTable* editableBlockingContour();
    const CDbVectorsObjectTable* editableBlockingContour() const;
    // The blocking value of the edited outline's polygon (the fusion or the single polygon).
    CDbBlockingObject* editableBlocking();
    const CDbBlockingObject* editableBlocking() const;
    // The blocking contour may be edited by hand (set when the library built it).
    bool contourEditFlag() const { return mState.contourEditFlag; }
    void setContourEditFlag(bool flag) { mState.contourEditFlag = flag; }
    // A fusion's outline was changed by hand (a single blocking keeps the mark in its polygon).
    bool manualEditMark() const { return mState.manualEditMark; }
    void setManualEditMark(bool mark) { mState.manualEditMark = mark; }
    // How the group takes part in a blocking, written to `type` (None when it does not);
    // `code` gets 0, or 1 when `fabric` is null or not the group's fabric.
    void isBlockingSimulationSlave(CDbFabricObject* fabric, short* code,
                                   CDbBlockingObject::BlockingType* type) const;
    // True when every blocking of the group is a simple outline enclosing its pieces and, for a
    // laid group, stays within the fabric's width on `fabric`; false for a foreign fabric.
    bool isValidateManualBlocking(CDbMarkerDrawing* drawing, CDbFabricObject* fabric) const;

    // Marked by the last overlap search.
    bool isOverlapping() const { return mOverlapping; }
    void setOverlapping(bool overlapping);

private:
    // Everything a copy carries, an exchange swaps and a comparison takes, as one value, so
    // that a field added here survives every drag and undo.
    struct State
    {
        std::vector<CDbPolygon> polygons;
        short section = SectionStandby;
        // The check belongs to the polygons it is about. A pending check is not content: it
        // and the cut-down mark are the fields equality leaves out.
        bool needsIdCheck = false;
        bool cutDownMark = false;
        int fusionIndex = -1;
        bool contourEditFlag = false;
        bool manualEditMark = false;
        bool operator==(const State& o) const;
    };

    State mState;
    // Session marks, not content.
    bool mOverlapping = false;
};

} // namespace VelSystem
