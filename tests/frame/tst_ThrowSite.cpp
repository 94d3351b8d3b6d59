#include "ContextTranslator.h"

#include "AssertionError.h"
#include "FatalError.h"
#include "NonFatalError.h"
#include "ThrowSite.h"

#include "TestMain.h"
#include <QtTest>
#include <boost/exception/get_error_info.hpp>
#include <string>

using namespace VelSystem;

namespace {

void failBlocking()
{
    VEL_THROW(130, FatalError(QStringLiteral("Error during blocking.")));
}

void requireOnePiece(int pieces)
{
    VEL_ASSERT(650, pieces == 1);
}

std::string path(const char* text)
{
    return text ? std::string(text) : std::string("(none)");
}

} // namespace

class tst_ThrowSite : public QObject
{
    Q_OBJECT

private slots:
    void pathStartsAtTheLastSourceFolder()
    {
        static constexpr ThrowSite<sizeof("/work/main/src/ToolBlock.cpp")> unix(
            "/work/main/src/ToolBlock.cpp");
        QCOMPARE(path(unix.path()), std::string("src\\ToolBlock"));
        static constexpr ThrowSite<sizeof("C:\\dev\\src\\marker\\src\\Commands\\BaseCmd.cpp")> windows(
            "C:\\dev\\src\\marker\\src\\Commands\\BaseCmd.cpp");
        QCOMPARE(path(windows.path()), std::string("src\\Commands\\BaseCmd"));
        // "src" only counts as a whole folder name; dots in folders are not extensions.
        static constexpr ThrowSite<sizeof("/home/mysrc/v1.2/Tool.h")> other("/home/mysrc/v1.2/Tool.h");
        QCOMPARE(path(other.path()), std::string("\\home\\mysrc\\v1.2\\Tool"));
    }

    void assertionIsANonFatalErrorThatKeepsItsSiteWhenCopied()
    {
        requireOnePiece(1);
        try {
            requireOnePiece(2);
            QFAIL("no exception");
        } catch (const NonFatalError& e) {
            const auto* assertion = dynamic_cast<const AssertionError*>(&e);
            QVERIFY(assertion);
            const AssertionError copy(*assertion);
            QCOMPARE(std::string(copy.what()), std::string("Invalid Operation"));
            const int* line = boost::get_error_info<boost::throw_line>(copy);
            QVERIFY(line);
            QCOMPARE(*line, 650);
        }
    }

    void fatalErrorIsNoNonFatalErrorAndRecordsItsSite()
    {
        try {
            try {
                failBlocking();
            } catch (const NonFatalError&) {
                QFAIL("a FatalError was caught as a NonFatalError");
            }
            QFAIL("no exception");
        } catch (const FatalError& e) {
            QCOMPARE(std::string(e.what()), std::string("Error during blocking."));
            const char* const* function = boost::get_error_info<boost::throw_function>(e);
            const char* const* file = boost::get_error_info<boost::throw_file>(e);
            const int* line = boost::get_error_info<boost::throw_line>(e);
            QVERIFY(function && file && line);
            QVERIFY2(std::string(*function).find("failBlocking") != std::string::npos, *function);
            // This file lies in no "src" folder, so its whole path is kept, in the same form.
            const std::string site = path(*file);
            QVERIFY2(site.size() > 20 && site.compare(site.size() - 20, 20, "\\frame\\tst_ThrowSite") == 0,
                     site.c_str());
            QVERIFY(site.find('/') == std::string::npos);
            QCOMPARE(*line, 130);
        }
    }

    void messagesAreUtf8AndTranslatedInTheApplicationContext()
    {
        const QString message = QStringLiteral("Écart de ±5 cm");
        QCOMPARE(QString::fromUtf8(FatalError(message).what()), message);
        QCOMPARE(QByteArray(AssertionError(message).what()), message.toUtf8());
        const ContextTranslator translator;
        QCOMPARE(QString::fromUtf8(AssertionError::invalidOperation().what()),
                 ContextTranslator::tagged("VelSystem::VelApplication", "Invalid Operation"));
    }
};

MARKER_TEST(tst_ThrowSite)
#include "tst_ThrowSite.moc"
