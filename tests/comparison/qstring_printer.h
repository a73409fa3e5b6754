// Readable QString values in test failure messages.
#ifndef TAVREL_TESTS_COMPARISON_QSTRING_PRINTER_H
#define TAVREL_TESTS_COMPARISON_QSTRING_PRINTER_H

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

#endif  // TAVREL_TESTS_COMPARISON_QSTRING_PRINTER_H
