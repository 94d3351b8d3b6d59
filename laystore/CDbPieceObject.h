#pragma once

#include "VelConjoin/PieceInfo.h"
#include "laystore/CDbPieceSizeObject.h"

#include <QString>
#include <vector>

namespace VelSystem {

// A pattern piece of the marker's style: its identification, how many are cut per
// garment, and its outline in every size.
class CDbPieceObject
{
public:
    PieceInfo& info() { return mInfo; }
    const PieceInfo& info() const { return mInfo; }
    QString name() const { return mInfo.name(); }

    // Copies per garment, and whether the piece is cut single (not as a mirrored pair).
    short getVELPieceQuantity() const { return mQuantity; }
    void setVELPieceQuantity(short quantity) { mQuantity = quantity; }
    bool getVELPieceSingle() const { return mSingle; }
    void setVELPieceSingle(bool single) { mSingle = single; }
    // The rotations (degrees) the piece may take on the fabric.
    const std::vector<double>& allowedRotations() const { return mAllowedRotations; }
    void setAllowedRotations(const std::vector<double>& r) { mAllowedRotations = r; }

    short getNumberOfSizes() const { return static_cast<short>(mSizes.size()); }
    // 0-based; null when out of range.
    const CDbPieceSizeObject* getPieceSize(short n) const;
    CDbPieceSizeObject* getPieceSize(short n);
    void addSize(const CDbPieceSizeObject& size) { mSizes.push_back(size); }
    bool operator==(const CDbPieceObject& o) const;

private:
    PieceInfo mInfo;
    short mQuantity = 1;
    bool mSingle = true;
    std::vector<double> mAllowedRotations{0.0, 180.0};
    std::vector<CDbPieceSizeObject> mSizes;
};

} // namespace VelSystem
