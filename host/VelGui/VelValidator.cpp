#include "VelGui/VelValidator.h"

namespace VelSystem {

namespace {

// Values this close outside the range still count as in it: a bound typed back exactly as
// it was displayed must not be refused for a rounding difference.
constexpr double kRangeSlack = 1e-12;

bool parsesCompletely(const VelLocale::Result& result)
{
    return result.ok && result.complete;
}

} // namespace

VelValidator::VelValidator(Kind kind, double minimum, double maximum, QObject* parent)
    : VelValidatorBase(parent), mKind(kind)
{
    setRange(minimum, maximum);
}

QValidator::State VelValidator::validate(QString& input, int& /*pos*/) const
{
    // Never Invalid: the user may type through a form that does not parse yet.
    const QString text = input.trimmed();
    if (text.isEmpty())
        return emptyAllowed() ? Acceptable : Intermediate;
    return parsesCompletely(parse(text)) ? Acceptable : Intermediate;
}

void VelValidator::fixup(QString& input) const
{
    QString rest = input.trimmed();
    if (rest.isEmpty())
        return;
    while (!rest.isEmpty()) {
        const VelLocale::Result result = parse(rest);
        if (parsesCompletely(result)) {
            input = format(result.value);
            return;
        }
        rest.chop(1);
    }
}

QString VelValidator::rangeText() const
{
    return tr("%1 to %2").arg(format(minimum()), format(maximum()));
}

void VelValidator::rangeCheck(const QString& text, bool* parsed, bool* inRange) const
{
    bool isParsed = false;
    bool isInRange = false;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        isParsed = isInRange = emptyAllowed();
    } else {
        const VelLocale::Result result = parse(trimmed);
        if (parsesCompletely(result)) {
            isParsed = true;
            isInRange = minimum() - kRangeSlack <= result.value && result.value <= maximum() + kRangeSlack;
        }
    }
    if (parsed)
        *parsed = isParsed;
    if (inRange)
        *inRange = isInRange;
}

VelLocale::Result VelValidator::parse(const QString& text) const
{
    const VelLocale velLocale(locale());
    return mKind == Angle ? velLocale.parseAngle(text) : velLocale.parseLength(text);
}

QString VelValidator::format(double value) const
{
    const VelLocale velLocale(locale());
    return mKind == Angle ? velLocale.formatAngle(value, VelLocale::WithUnit)
                          : velLocale.formatLength(value, VelLocale::WithUnit);
}

} // namespace VelSystem
