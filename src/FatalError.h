#pragma once

#include <QString>
#include <boost/exception/exception.hpp>
#include <stdexcept>

namespace VelSystem {

// A document operation called by a tool reported an error. Thrown with its throw site
// (VEL_THROW) and handled by the host.
class FatalError : public boost::exception, public std::runtime_error
{
public:
    // `message`, in UTF-8, becomes what().
    explicit FatalError(const QString& message);
    FatalError(const FatalError& other);
    ~FatalError() override;
};

} // namespace VelSystem
