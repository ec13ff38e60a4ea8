#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace quorvex::test {

// Window suites get a QApplication, as QTEST_MAIN gives them; core ones a QCoreApplication.
enum class SuiteKind { Window, Core };

struct ListedSuite {
    std::string_view name;
    SuiteKind kind;
    std::function<int(int, char**)> run;
};

// The suites of the one program, in the order their files were linked.
inline std::vector<ListedSuite>& listedSuites() {
    static std::vector<ListedSuite> suites;
    return suites;
}

inline bool listSuite(ListedSuite suite) {
    listedSuites().push_back(std::move(suite));
    return true;
}

} // namespace quorvex::test
