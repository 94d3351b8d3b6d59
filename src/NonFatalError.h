#pragma once

#include <QString>
#include <boost/exception/exception.hpp>
#include <stdexcept>

namespace VelSystem {

// A failure the host reports without giving up on the document; the base of
// AssertionError and not thrown by itself.
class NonFatalError : public boost::exception, public std::logic_error
{
public:
    // `message`, in UTF-8, becomes what().
    explicit NonFatalError(const QString& message);
    NonFatalError(const NonFatalError& other);
    ~NonFatalError() override;
};

} // namespace VelSystem
