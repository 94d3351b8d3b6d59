#pragma once

#include <QLocale>
#include <QString>

namespace VelSystem {

// Formats and parses lengths (stored in centimetres) and angles (degrees) in the user's
// unit and locale. Lengths show 2 decimals in centimetres, 1 in millimetres and 3 in
// inches (about a tenth of a millimetre in each), angles 2 decimals; numbers never carry
// group separators. Parsing accepts the locale's decimal separator and the C locale's dot.
class VelLocale
{
public:
    enum LengthUnit
    {
        Centimetre,
        Millimetre,
        Inch
    };
    // Format options: WithUnit appends " " and the unit's symbol to a length ("12.50 cm"),
    // the degree sign to an angle ("45.00°").
    enum Option
    {
        Plain = 0,
        WithUnit = 2
    };

    struct Result
    {
        double value = 0.0;
        bool ok = false;       // a number was read
        bool complete = false; // the whole text was used (an optional unit symbol included)
    };

    explicit VelLocale(const QLocale& locale = QLocale());

    // The unit lengths are shown in; a process-wide user setting (an unknown unit is refused
    // with a warning and the setting kept).
    static LengthUnit lengthUnit();
    static void setLengthUnit(LengthUnit unit);
    static QString unitSymbol(LengthUnit unit); // "cm", "mm", "in"; empty for an unknown unit

    QString formatLength(double centimetres, int options = Plain) const;
    // Reads a length in the user's unit (or in any unit whose symbol follows the number) and
    // answers it in centimetres. Text that is no number as a whole gives the longest number it
    // starts with, with `complete` false ("12abc": ok, 12, not complete).
    Result parseLength(const QString& text) const;
    QString formatAngle(double degrees, int options = Plain) const;
    // Reads degrees, optionally followed by the degree sign.
    Result parseAngle(const QString& text) const;

private:
    QLocale mLocale;
};

} // namespace VelSystem
