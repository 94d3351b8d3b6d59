#pragma once

#include "VelGeo/GeoPoint2D.h"

#include <QString>

namespace VelSystem {

// Marker settings shared by every document of the process.
class CDbMarkerShareGlobales
{
public:
    static CDbMarkerShareGlobales* instance();

    // Step of the fine rotation, in degrees.
    double getRotFineStep() const { return mRotFineStep; }
    void setRotFineStep(double step) { mRotFineStep = step; }
    // Name of the automatic marker-making engine.
    QString getAutomaticMarkerEngine() const { return mEngine; }
    void setAutomaticMarkerEngine(const QString& name) { mEngine = name; }
    // Where the marker's origin lies.
    GeoPoint2D getOriginePoint() const { return mOrigin; }
    void setOriginePoint(const GeoPoint2D& p) { mOrigin = p; }
    // Pieces may not be placed at negative x.
    bool getNoNegative() const { return mNoNegative; }
    void setNoNegative(bool on) { mNoNegative = on; }

private:
    CDbMarkerShareGlobales() = default;
    double mRotFineStep = 1.0;
    QString mEngine = QStringLiteral("Nesting");
    GeoPoint2D mOrigin;
    bool mNoNegative = true;
};

} // namespace VelSystem
