// The one program of every suite: its first argument names the suite, the rest are QtTest's.
// Usage: quorvex_suites SUITE [QTEST_ARGUMENTS...]
#include "support/SuiteList.h"

#include <QApplication>

#include <cstdio>
#include <string_view>
#include <vector>

namespace {

template <typename Application>
int runIn(const quorvex::test::ListedSuite& suite, int argc, char** argv) {
    Application application(argc, argv);
    if constexpr (std::is_same_v<Application, QApplication>)
        QApplication::setAttribute(Qt::AA_Use96Dpi, true); // as QTEST_MAIN does
    return suite.run(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    using quorvex::test::SuiteKind;
    const std::string_view named = argc > 1 ? argv[1] : "";
    for (const auto& suite : quorvex::test::listedSuites()) {
        if (suite.name != named)
            continue;
        // QtTest reads the program's name first and its own arguments after it.
        std::vector<char*> arguments{argv[0]};
        arguments.insert(arguments.end(), argv + 2, argv + argc);
        const int count = int(arguments.size());
        return suite.kind == SuiteKind::Window
                   ? runIn<QApplication>(suite, count, arguments.data())
                   : runIn<QCoreApplication>(suite, count, arguments.data());
    }
    std::fprintf(stderr, "no suite named '%.*s'; the suites:\n", int(named.size()), named.data());
    for (const auto& suite : quorvex::test::listedSuites())
        std::fprintf(stderr, "  %.*s\n", int(suite.name.size()), suite.name.data());
    return 2;
}
