#pragma once

#include "VelCore/VelLocale.h"
#include "VelGui/VelValidatorBase.h"

namespace VelSystem {

// A length or angle validator working through VelLocale in the user's unit.
class VelValidator : public VelValidatorBase
{
    Q_OBJECT
public:
    enum Kind
    {
        Length,
        Angle
    };

    VelValidator(Kind kind, double minimum, double maximum, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    QString rangeText() const override;
    void rangeCheck(const QString& text, bool* parsed, bool* inRange) const override;

private:
    VelLocale::Result parse(const QString& text) const;
    QString format(double value) const;
    Kind mKind;
};

} // namespace VelSystem
