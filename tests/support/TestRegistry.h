#pragma once
// The test classes of one test program. Each test file ends with one line,
//
//   TARNIK_TEST_MAIN(TestXml)           // with a QApplication (windows)
//   TARNIK_TEST_GUILESS_MAIN(TestXml)   // with a QCoreApplication
//   TARNIK_TEST_APPLESS_MAIN(TestXml)   // with no application object
//
// in place of Qt's QTEST_MAIN and its kin, and is listed in the program's
// tarnik_tests() line in CMake. The class is known by its file's name
// without the extension (test_xml), which is also the name of its CTest
// entry: `tarnik-core-tests test_xml -v2` runs that class alone, the
// arguments after the name going to Qt Test. A class that wants to act
// before the application object exists has a static initMain(), as with
// QTEST_MAIN.
#include <QObject>
#include <memory>
#include <type_traits>
#include <vector>

namespace TestRegistry {

enum class AppKind { None, Core, Widgets };

struct Entry {
    const char* file;                       // __FILE__ of the test file
    AppKind app;
    std::unique_ptr<QObject> (*make)();
    void (*initMain)();
};

// Adds a class; always returns true (used to register at start-up).
bool Add(const Entry& entry);
const std::vector<Entry>& All();
// The name a class is run by: its file's name without folder and extension.
QByteArray NameOf(const Entry& entry);

template <typename T, typename = void>
struct HasInitMain : std::false_type {};
template <typename T>
struct HasInitMain<T, std::void_t<decltype(T::initMain())>> : std::true_type {};

template <typename T>
void CallInitMain()
{
    if constexpr (HasInitMain<T>::value)
        T::initMain();
}

template <typename T>
std::unique_ptr<QObject> Make()
{
    return std::make_unique<T>();
}

} // namespace TestRegistry

#define TARNIK_TEST_REGISTER(TestObject, kind)                                     \
    namespace {                                                                    \
    const bool tarnikTestRegistered = TestRegistry::Add(                           \
        {__FILE__, TestRegistry::AppKind::kind, &TestRegistry::Make<TestObject>,  \
         &TestRegistry::CallInitMain<TestObject>});                                \
    }

#define TARNIK_TEST_MAIN(TestObject) TARNIK_TEST_REGISTER(TestObject, Widgets)
#define TARNIK_TEST_GUILESS_MAIN(TestObject) TARNIK_TEST_REGISTER(TestObject, Core)
#define TARNIK_TEST_APPLESS_MAIN(TestObject) TARNIK_TEST_REGISTER(TestObject, None)
