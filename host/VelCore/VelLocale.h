#pragma once

#include <QLocale>
#include <QString>

namespace VelSystem {

// Formats and parses lengths (stored in centimetres) and angles (degrees) in the user's
// unit and locale.
class VelLocale
{
public:
    enum LengthUnit { Centimetre, Millimetre, Inch };
    // Format options: WithUnit appends the unit's symbol.
    enum Option { Plain = 0, WithUnit = 2 };

    struct Result
    {
        double value = 0.0;
        bool ok = false;       // a number was read
        bool complete = false; // the whole text was used (an optional unit symbol included)
    };

    explicit VelLocale(const QLocale& locale = QLocale());

    // The unit lengths are shown in; a process-wide user setting.
    static LengthUnit lengthUnit();
    static void setLengthUnit(LengthUnit unit);
    static QString unitSymbol(LengthUnit unit);

    QString formatLength(double centimetres, int options = Plain) const;
    // Reads a length in the user's unit (or in any unit whose symbol follows the number).
    Result parseLength(const QString& text) const;
    QString formatAngle(double degrees, int options = Plain) const;
    Result parseAngle(const QString& text) const;

private:
    QLocale mLocale;
};

} // namespace VelSystem
