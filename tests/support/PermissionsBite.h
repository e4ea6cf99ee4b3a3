#pragma once

#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

// File permissions that bite even when the tests run as root: the override
// capabilities leave this thread's effective set while the guard lives.
// Windows keeps only the read-only attribute, which binds every account
// alike, so there is nothing to drop there. WebAssembly under Node cannot
// learn who it runs as, so the permission checks are left to native runs.
class PermissionsBite {
public:
#ifdef _WIN32
    PermissionsBite() {}
    bool works() const { return true; }
#elif defined(__EMSCRIPTEN__)
    PermissionsBite() {}
    bool works() const { return false; }
#else
    PermissionsBite()
    {
        if (geteuid() != 0) {
            m_works = true;
            return;
        }
        if (syscall(SYS_capget, &m_header, m_saved) != 0) return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_dropped = syscall(SYS_capset, &m_header, reduced) == 0;
        m_works = m_dropped;
    }
    ~PermissionsBite()
    {
        if (m_dropped) syscall(SYS_capset, &m_header, m_saved);
    }
    PermissionsBite(const PermissionsBite&) = delete;
    PermissionsBite& operator=(const PermissionsBite&) = delete;

    bool works() const { return m_works; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
    bool m_works = false;
#endif
};

// Where permissions can be made to bite they must: WebAssembly skips instead.
#ifdef __EMSCRIPTEN__
#define ASSERT_PERMISSIONS_BITE(guard) GTEST_SKIP() << "no permissions to drop under WebAssembly"
#else
#define ASSERT_PERMISSIONS_BITE(guard) ASSERT_TRUE((guard).works())
#endif
