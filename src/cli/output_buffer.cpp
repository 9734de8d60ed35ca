#include "cli/output_buffer.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace wepn {

OutputBuffer::OutputBuffer(int fd) : m_fd(fd), m_buffer(64 * 1024) {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

bool OutputBuffer::flushBuffer() {
    const char* data = pbase();
    std::size_t left = static_cast<std::size_t>(pptr() - pbase());
    while (left > 0 && m_error == 0) {
        const ssize_t n = ::write(m_fd, data, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            m_error = n < 0 ? errno : EIO;
            break;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    // After a failure the rest is dropped: it can no longer arrive whole.
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return m_error == 0;
}

OutputBuffer::int_type OutputBuffer::overflow(int_type c) {
    if (!flushBuffer()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int OutputBuffer::sync() {
    return flushBuffer() ? 0 : -1;
}

std::optional<std::string> OutputBuffer::finish() {
    flushBuffer();
    if (::close(m_fd) != 0 && m_error == 0 && errno != EINTR) {
        m_error = errno;
    }
    if (m_error != 0) {
        return std::string(std::strerror(m_error));
    }
    return std::nullopt;
}

} // namespace wepn
