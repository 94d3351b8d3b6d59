#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace VelSystem {

class CDbAbstractObject;
class DocumentMak;

// The objects in which two markers differ: on each layer of each fabric, those of one marker
// that have no twin (same placement, turn, mirroring and data, ids aside) in the other. The
// order of the objects on a layer does not matter.
class MarkerDifference
{
    Q_DECLARE_TR_FUNCTIONS(MarkerDifference)

public:
    MarkerDifference(const DocumentMak& before, const DocumentMak& after);

    bool isEmpty() const { return mRemoved.isEmpty() && mAdded.isEmpty() && mLayers.isEmpty(); }
    // Objects of `before` that `after` lacks, and the other way round. They belong to the
    // markers compared.
    QList<const CDbAbstractObject*> removed() const { return mRemoved; }
    QList<const CDbAbstractObject*> added() const { return mAdded; }
    // For a message: what differs, naming `beforeName` and `afterName` for the markers;
    // empty when nothing does.
    QString describe(const QString& beforeName, const QString& afterName) const;

private:
    QList<const CDbAbstractObject*> mRemoved;
    QList<const CDbAbstractObject*> mAdded;
    // Fabrics and layers found in one marker only, as "fabric F, layer L" (from 1).
    QStringList mLayers;
};

} // namespace VelSystem
