#pragma once

#include <optional>
#include <streambuf>
#include <string>
#include <vector>

namespace wepn {

// A stream buffer writing to a file descriptor that remembers the first
// failure, so that output cut short (a full disk, a closed pipe) is reported
// instead of passing as success.
class OutputBuffer : public std::streambuf {
  public:
    explicit OutputBuffer(int fd);
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    // Writes what is buffered and closes the descriptor; the system's reason
    // for the first write or close that failed, if any did.
    std::optional<std::string> finish();

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool flushBuffer();

    int m_fd;
    std::vector<char> m_buffer;
    int m_error = 0;
};

} // namespace wepn
