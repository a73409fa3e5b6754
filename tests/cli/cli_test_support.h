// Running tavrel-cli in-process and reading its CSV back.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_run.h"

namespace cli_test {

struct CliResult {
    int status;
    std::string out;
    std::string error;
};

// Runs the command line against the engine linked into the test, with `input`
// as standard input.
inline CliResult runCli(const std::vector<std::string_view>& args, std::string input = {}) {
    CliResult r;
    std::FILE* in = input.empty() ? nullptr : fmemopen(input.data(), input.size(), "r");
    {
        tavrel::cli::Output out(r.out);
        r.status = tavrel::cli::runCli(
            args, out, r.error, [](std::string&) -> CalclteFunction { return &CALCLTE; },
            in != nullptr ? in : stdin);
    }
    if (in != nullptr) std::fclose(in);
    return r;
}

// Rows of CSV text, each a list of fields; quoted fields may hold commas and
// doubled quotes.
inline std::vector<std::vector<std::string>> parseCsv(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.push_back(field);
            field.clear();
        } else if (c == '\n') {
            row.push_back(field);
            field.clear();
            rows.push_back(row);
            row.clear();
        } else {
            field += c;
        }
    }
    return rows;
}

}  // namespace cli_test
