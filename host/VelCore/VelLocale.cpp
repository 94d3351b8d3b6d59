#include "VelCore/VelLocale.h"

#include <cmath>
#include <initializer_list>

namespace VelSystem {

namespace {

struct UnitInfo
{
    double centimetres; // one unit in centimetres
    int decimals;       // what formatLength shows: about a tenth of a millimetre in every unit
    const char* symbol;
};

bool isKnown(VelLocale::LengthUnit unit)
{
    return unit >= VelLocale::Centimetre && unit <= VelLocale::Inch;
}

const UnitInfo& unitInfo(VelLocale::LengthUnit unit)
{
    static const UnitInfo units[] = {{1.0, 2, "cm"}, {0.1, 1, "mm"}, {2.54, 3, "in"}};
    return units[unit];
}

VelLocale::LengthUnit& currentUnit()
{
    static VelLocale::LengthUnit unit = VelLocale::Centimetre;
    return unit;
}

constexpr int kAngleDecimals = 2;
const QString kDegreeSign = QStringLiteral("\u00B0");

// A number symbol a parsed text may end with, and the factor turning its number into the
// stored value.
struct Suffix
{
    QString symbol;
    double factor;
};

QLocale withoutGroupSeparators(QLocale locale)
{
    // Edit fields show bare numbers; a separator typed in a number is an error rather than
    // a thousands mark (in German "1.250" must not become 1250).
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator |
                            QLocale::RejectGroupSeparator);
    return locale;
}

// Reads `text` (surrounding spaces allowed) as a finite number in the locale's format or,
// as every user may type it, with the C locale's dot.
bool readNumber(const QLocale& locale, const QString& text, double& value)
{
    static const QLocale cLocale = withoutGroupSeparators(QLocale::c());
    bool ok = false;
    double v = locale.toDouble(text, &ok);
    if (!ok)
        v = cLocale.toDouble(text, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

VelLocale::Result parseQuantity(const QLocale& locale, const QString& input, double factor,
                                std::initializer_list<Suffix> suffixes)
{
    const QString text = input.trimmed();
    VelLocale::Result result;
    double number = 0.0;
    for (const Suffix& suffix : suffixes) {
        if (text.endsWith(suffix.symbol, Qt::CaseInsensitive) &&
            readNumber(locale, text.chopped(suffix.symbol.size()), number)) {
            result.value = number * suffix.factor;
            result.ok = result.complete = true;
            return result;
        }
    }
    if (readNumber(locale, text, number)) {
        result.value = number * factor;
        result.ok = result.complete = true;
        return result;
    }
    // Not a number as a whole: the longest number it starts with, so that callers can keep
    // what was typed so far.
    for (int length = text.size() - 1; length > 0; --length) {
        if (readNumber(locale, text.left(length), number)) {
            result.value = number * factor;
            result.ok = true;
            return result;
        }
    }
    return result;
}

QString formatNumber(const QLocale& locale, double value, int decimals)
{
    // A value that rounds to zero is shown as 0, never as "-0.00".
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0.0;
    return locale.toString(value, 'f', decimals);
}

} // namespace

VelLocale::VelLocale(const QLocale& locale) : mLocale(withoutGroupSeparators(locale)) {}

VelLocale::LengthUnit VelLocale::lengthUnit()
{
    return currentUnit();
}

void VelLocale::setLengthUnit(LengthUnit unit)
{
    if (!isKnown(unit)) {
        qWarning("VelLocale: unknown length unit %d ignored", int(unit));
        return;
    }
    currentUnit() = unit;
}

QString VelLocale::unitSymbol(LengthUnit unit)
{
    return isKnown(unit) ? QString::fromLatin1(unitInfo(unit).symbol) : QString();
}

QString VelLocale::formatLength(double centimetres, int options) const
{
    const UnitInfo& unit = unitInfo(lengthUnit());
    QString text = formatNumber(mLocale, centimetres / unit.centimetres, unit.decimals);
    if (options & WithUnit)
        text += QLatin1Char(' ') + QLatin1String(unit.symbol);
    return text;
}

VelLocale::Result VelLocale::parseLength(const QString& text) const
{
    const auto suffix = [](LengthUnit unit) { return Suffix{unitSymbol(unit), unitInfo(unit).centimetres}; };
    return parseQuantity(mLocale, text, unitInfo(lengthUnit()).centimetres,
                         {suffix(Centimetre), suffix(Millimetre), suffix(Inch)});
}

QString VelLocale::formatAngle(double degrees, int options) const
{
    QString text = formatNumber(mLocale, degrees, kAngleDecimals);
    if (options & WithUnit)
        text += kDegreeSign;
    return text;
}

VelLocale::Result VelLocale::parseAngle(const QString& text) const
{
    return parseQuantity(mLocale, text, 1.0, {Suffix{kDegreeSign, 1.0}});
}

} // namespace VelSystem
