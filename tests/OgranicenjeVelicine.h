// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Makes writes to regular files beyond a few bytes fail, as on a full disk, while it lives.

#include <csignal>
#include <sys/resource.h>

class OgranicenjeVelicine
{
public:
    explicit OgranicenjeVelicine(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_staro);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit novo { bytes, m_staro.rlim_max };
        setrlimit(RLIMIT_FSIZE, &novo);
    }
    ~OgranicenjeVelicine()
    {
        setrlimit(RLIMIT_FSIZE, &m_staro);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_staro {};
    void (*m_signal)(int) = nullptr;
};
