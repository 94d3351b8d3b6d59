#include "VelGui/ExceptionReport.h"

#include "VelCore/DefaultLogger.h"
#include "VelCore/VelCoreApplication.h"

#include <QCoreApplication>
#include <boost/exception/diagnostic_information.hpp>
#include <boost/exception/exception.hpp>
#include <stdexcept>

namespace VelSystem {

namespace {

QString unexpectedErrorText()
{
    return QCoreApplication::translate("VelSystem::VelApplication", "Unexpected Error");
}

QString whatText(const std::exception& e)
{
    const QString text = QString::fromUtf8(e.what());
    return text.isEmpty() ? unexpectedErrorText() : text;
}

} // namespace

QString reportCurrentException(const QString& where)
{
    const std::exception_ptr current = std::current_exception();
    if (!current)
        return QString();

    QString text;
    std::string throwSite;
    try {
        std::rethrow_exception(current);
    } catch (const boost::exception& e) {
        // The tools' own errors carry the throwing function, file and line: worth keeping
        // in the log, too technical for the user.
        throwSite = boost::diagnostic_information(e);
        const auto* standard = dynamic_cast<const std::exception*>(&e);
        text = standard ? whatText(*standard) : unexpectedErrorText();
    } catch (const std::exception& e) {
        text = whatText(e);
    } catch (...) {
        text = unexpectedErrorText();
    }

    {
        DefaultLogger log(3);
        log << where + QStringLiteral(": ") + text;
        if (!throwSite.empty())
            log << throwSite;
    }
    VelCoreApplication::instance()->showError(text);
    return text;
}

} // namespace VelSystem
