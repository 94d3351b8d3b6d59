#include "TestMain.h"

#include <QApplication>
#include <QtTest>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace VelSystem {
namespace TestMain {

namespace {

std::map<std::string, Creator>& registry()
{
    static std::map<std::string, Creator> classes;
    return classes;
}

int run(Creator create, std::vector<char*> arguments)
{
    const std::unique_ptr<QObject> test(create());
    const int failures = QTest::qExec(test.get(), int(arguments.size()), arguments.data());
    // Widgets a class left to deleteLater must not reach the next class.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return failures;
}

} // namespace

bool registerClass(const char* name, Creator create)
{
    registry().emplace(name, create);
    return true;
}

} // namespace TestMain
} // namespace VelSystem

int main(int argc, char** argv)
{
    using namespace VelSystem::TestMain;
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);

    std::vector<char*> arguments(argv, argv + argc);
    if (argc > 1 && argv[1][0] != '-') {
        const auto found = registry().find(argv[1]);
        if (found == registry().end()) {
            qCritical("No test class named %s in this program", argv[1]);
            return 1;
        }
        arguments.erase(arguments.begin() + 1);
        return run(found->second, arguments) == 0 ? 0 : 1;
    }
    int failures = 0;
    for (const auto& entry : registry())
        failures += run(entry.second, arguments);
    return failures == 0 ? 0 : 1;
}
