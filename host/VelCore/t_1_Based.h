#pragma once

namespace VelSystem {

// A 1-based index (size numbers, link numbers) kept apart from 0-based ones.
class t_1_Based
{
public:
    t_1_Based() = default;
    explicit t_1_Based(short oneBased) : mValue(oneBased) {}
    short value() const { return mValue; }
    short zeroBased() const { return static_cast<short>(mValue - 1); }
    static t_1_Based fromZeroBased(short i) { return t_1_Based(static_cast<short>(i + 1)); }
    bool isValid() const { return mValue >= 1; }
    bool operator==(const t_1_Based& o) const { return mValue == o.mValue; }
    bool operator!=(const t_1_Based& o) const { return mValue != o.mValue; }

private:
    short mValue = 0;
};

} // namespace VelSystem
