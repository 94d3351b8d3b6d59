#pragma once

// A test program holds every test class of its folder. Each tst_<Name>.cpp ends with
// MARKER_TEST(tst_<Name>) in place of QTEST_MAIN; the program's one main (TestMain.cpp) creates the
// application once and runs every registered class, or only the class named first on its command
// line (as CTest does, one test per class).

#include <QObject>

namespace VelSystem {
namespace TestMain {

using Creator = QObject* (*)();

// Records a test class under its name; returns true so that it can initialise a static.
bool registerClass(const char* name, Creator create);

} // namespace TestMain
} // namespace VelSystem

#define MARKER_TEST(Class)                                                                                   \
    namespace {                                                                                              \
    const bool Class##Registered =                                                                           \
        VelSystem::TestMain::registerClass(#Class, []() -> QObject* { return new Class; });                  \
    }
