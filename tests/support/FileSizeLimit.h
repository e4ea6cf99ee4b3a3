#pragma once

// Windows has no limit on the size of the files a process writes.
#ifdef _WIN32
#error "FileSizeLimit needs POSIX resource limits"
#endif

#include <sys/resource.h>

#include <csignal>

// Writes past `bytes` fail as on a full disk, while the guard lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        m_set = getrlimit(RLIMIT_FSIZE, &m_old) == 0;
        if (m_set) {
            rlimit limit = m_old;
            limit.rlim_cur = bytes;
            m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
        }
    }
    ~FileSizeLimit()
    {
        if (m_set) setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool works() const { return m_set; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_set = false;
};
