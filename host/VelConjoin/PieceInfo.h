#pragma once

#include <QString>

namespace VelSystem {

// The identification texts of a pattern piece, as the piece identification dialog shows them.
class PieceInfo
{
public:
    QString patternNo() const { return mPatternNo; }
    QString name() const { return mName; }
    QString description() const { return mDescription; }
    QString pieceCode() const { return mPieceCode; }
    QString referenceCode() const { return mReferenceCode; }
    QString markerId() const { return mMarkerId; }
    QString fabricId() const { return mFabricId; }

    void setPatternNo(const QString& v) { mPatternNo = v; }
    void setName(const QString& v) { mName = v; }
    void setDescription(const QString& v) { mDescription = v; }
    void setPieceCode(const QString& v) { mPieceCode = v; }
    void setReferenceCode(const QString& v) { mReferenceCode = v; }
    void setMarkerId(const QString& v) { mMarkerId = v; }
    void setFabricId(const QString& v) { mFabricId = v; }

    bool operator==(const PieceInfo& o) const;
    bool operator!=(const PieceInfo& o) const { return !(*this == o); }

private:
    QString mPatternNo, mName, mDescription, mPieceCode, mReferenceCode, mMarkerId, mFabricId;
};

} // namespace VelSystem
