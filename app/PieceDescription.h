#pragma once

#include <QCoreApplication>
#include <QString>

namespace VelSystem {

class CDbAbstractObject;

// What the host tells a user about an object of a marker: for a piece group the names and
// sizes of its pieces and how it is turned and mirrored; for any object where it lies.
class PieceDescription
{
    Q_DECLARE_TR_FUNCTIONS(PieceDescription)

public:
    explicit PieceDescription(const CDbAbstractObject& object);

    // True for a piece group holding at least one pattern piece (blocks aside).
    bool isPiece() const { return mPiece; }
    // The pieces' names and sizes, each name or size once, in the group's order.
    QString names() const { return mNames; }
    QString sizes() const { return mSizes; }
    // The turn and mirroring of the group's first piece (the group turns as one).
    QString angle() const;
    QString mirror() const;
    // One line for messages: "Pocket facing S, turned 180.00°, at 33.48, 106.74".
    QString summary() const;

private:
    bool mPiece = false;
    int mKind = 0;
    QString mNames;
    QString mSizes;
    double mRotation = 0.0;
    bool mMirroredX = false;
    bool mMirroredY = false;
    double mLeft = 0.0;
    double mBottom = 0.0;
};

} // namespace VelSystem
