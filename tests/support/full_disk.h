// A disk that fills up part way, for tests of writes that must fail whole:
// while `write` runs, no file may grow beyond `bytes` (a larger write fails
// with EFBIG instead of stopping the process).
#pragma once

#include <sys/resource.h>

#include <csignal>

template <typename Write>
auto withDiskFullAfter(rlim_t bytes, Write write) {
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = unlimited;
    full.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &full);
    const auto result = write();
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, handler);
    return result;
}
