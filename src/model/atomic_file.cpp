// Atomic file replacement: temporary file, fsync, rename.
#include "model/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace murcad {

bool writeFileAtomically(const std::string &path, std::string_view bytes, std::string *why) {
    std::string tmpl = path + ".tmpXXXXXX";
    auto fail = [&](const char *what, int err) {
        if (why)
            *why = std::string("Impossibile scrivere ") + path + " (" + what + ": " +
                   std::strerror(err) + ")";
        return false;
    };
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return fail("creazione del file temporaneo", errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            ::close(fd);
            ::unlink(tmpl.c_str());
            return fail("scrittura", err);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        int err = errno;
        ::close(fd);
        ::unlink(tmpl.c_str());
        return fail("scrittura su disco", err);
    }
    // mkstemp creates the file for the owner only; give it the usual permissions.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(tmpl.c_str());
        return fail("chiusura", err);
    }
    if (::rename(tmpl.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmpl.c_str());
        return fail("sostituzione", err);
    }
    return true;
}

} // namespace murcad
