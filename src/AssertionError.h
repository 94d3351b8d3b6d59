#pragma once

#include "NonFatalError.h"

namespace VelSystem {

// A tool found a state its own logic excludes. Thrown through VEL_ASSERT.
class AssertionError : public NonFatalError
{
public:
    explicit AssertionError(const QString& message);
    AssertionError(const AssertionError& other);
    ~AssertionError() override;

    // The error every broken precondition reports: "Invalid Operation", translated.
    static AssertionError invalidOperation();
};

} // namespace VelSystem
