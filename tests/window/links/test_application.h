// One QApplication for the whole test program: fonts, windows and the active window need it.
#ifndef TAVREL_TESTS_LINKS_TEST_APPLICATION_H
#define TAVREL_TESTS_LINKS_TEST_APPLICATION_H

#include <QApplication>

inline void ensureTestApplication() {
    static int argc = 1;
    static char name[] = "tavrel_links_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QApplication(argc, argv);  // lives to the end
}

#endif
