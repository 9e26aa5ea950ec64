#include "files/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <stdlib.h>
#include <unistd.h>

namespace nbhost {

namespace {

bool fail(std::string* error, const std::string& text)
{
    *error = text;
    return false;
}

bool writeAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool FileBytes::read(const std::string& path, std::string& bytes, std::string* error)
{
    std::error_code code;
    if (!std::filesystem::exists(path, code))
        return fail(error, "the file does not exist");
    if (!std::filesystem::is_regular_file(path, code))
        return fail(error, "it is not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail(error, std::string("it cannot be read: ") + std::strerror(errno));
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return fail(error, "reading it failed");
    bytes = text.str();
    return true;
}

bool FileBytes::write(const std::string& path, const std::string& bytes, std::string* error)
{
    // mkstemp replaces the last six characters with a unique suffix.
    std::string temporary = path + ".saving-" + std::string(6, 'X');
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return fail(error, std::string("cannot create a file there: ") + std::strerror(errno));
    const bool written = writeAll(fd, bytes) && fsync(fd) == 0;
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    // mkstemp makes the file private; a scene gets the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(temporary.c_str(), 0666 & ~mask);
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int why = written && closed ? errno : writeErrno;
        std::remove(temporary.c_str());
        return fail(error, std::string("writing it failed: ") + std::strerror(why));
    }
    return true;
}

} // namespace nbhost
