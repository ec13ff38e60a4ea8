#pragma once

#include <QTest>

// A suite's main. Each suite is a program of its own, except where QUORVEX_SUITE_NAME names it
// within the one Windows program of every suite (suites_main.cpp), which spares a link
// against the static Qt for each.
#ifdef QUORVEX_SUITE_NAME
#include "support/SuiteList.h"
#define QUORVEX_SUITE_MAIN(Suite, kind)                                                            \
    static const bool quorvexSuiteListed = quorvex::test::listSuite(                               \
        {QUORVEX_SUITE_NAME, quorvex::test::SuiteKind::kind, [](int argc, char** argv) {           \
             Suite suite;                                                                          \
             return QTest::qExec(&suite, argc, argv);                                              \
         }});
#else
#define QUORVEX_SUITE_MAIN_Window(Suite) QTEST_MAIN(Suite)
#define QUORVEX_SUITE_MAIN_Core(Suite) QTEST_GUILESS_MAIN(Suite)
#define QUORVEX_SUITE_MAIN(Suite, kind) QUORVEX_SUITE_MAIN_##kind(Suite)
#endif
