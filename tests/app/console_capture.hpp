#pragma once

// What the program writes on its console (standard error) while one of these lives.

#include <cstdio>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace tarnwick::fakes {

class ConsoleCapture {
public:
    ConsoleCapture() {
        std::fflush(stderr);
        m_file = std::tmpfile();
        m_saved = ::dup(STDERR_FILENO);
        if (m_file && m_saved >= 0) ::dup2(::fileno(m_file), STDERR_FILENO);
    }
    ~ConsoleCapture() {
        restore();
        if (m_file) std::fclose(m_file);
    }
    ConsoleCapture(const ConsoleCapture&) = delete;
    ConsoleCapture& operator=(const ConsoleCapture&) = delete;

    // Everything written so far; the console is given back first.
    std::string text() {
        restore();
        std::string all;
        if (!m_file) return all;
        std::rewind(m_file);
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;) all.append(buffer, n);
        return all;
    }

private:
    void restore() {
        if (m_saved < 0) return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }

    std::FILE* m_file = nullptr;
    int m_saved = -1;
};

}  // namespace tarnwick::fakes
