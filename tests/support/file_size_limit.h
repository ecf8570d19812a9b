#pragma once

// A full disk without a file system to fill: the largest file this process may write is capped
// (RLIMIT_FSIZE) and SIGXFSZ ignored, so a write past the cap writes what fits and then fails
// (EFBIG) the way a full disk does (ENOSPC). Needs no mount and no privilege; pipes and the
// terminal are not affected.

#include <QString>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &m_previous), 0);
        m_previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousSignal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // What the system says when the cap is hit, as an error message quotes it.
    static QString reason() { return QString::fromLocal8Bit(std::strerror(EFBIG)); }

private:
    rlimit m_previous{};
    void (*m_previousSignal)(int) = SIG_DFL;
};
