#pragma once

#include <QValidator>

namespace VelSystem {

// A validator for numeric fields with a range; subclasses say how text parses and formats.
class VelValidatorBase : public QValidator
{
    Q_OBJECT
public:
    explicit VelValidatorBase(QObject* parent = nullptr);

    // Empty input is acceptable (the field may stay blank).
    bool emptyAllowed() const { return mEmptyAllowed; }
    void setEmptyAllowed(bool allowed) { mEmptyAllowed = allowed; }
    void setRange(double minimum, double maximum);
    double minimum() const { return mMinimum; }
    double maximum() const { return mMaximum; }
    // The range as text, both ends formatted.
    virtual QString rangeText() const = 0;
    // Whether `text` parses and whether its value lies in the range.
    virtual void rangeCheck(const QString& text, bool* parsed, bool* inRange) const = 0;

private:
    bool mEmptyAllowed = false;
    double mMinimum = -1.0e300;
    double mMaximum = 1.0e300;
};

} // namespace VelSystem
