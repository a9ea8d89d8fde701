#include "PtyServer.h"

#include "SimulatedPedal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PtyServer::PtyServer(SimulatedPedal& pedal) : pedal_(pedal) {}

PtyServer::~PtyServer() {
    if (slave_ >= 0) {
        ::close(slave_);
    }
    if (master_ >= 0) {
        ::close(master_);
    }
}

bool PtyServer::open(QString* error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    path_ = QString::fromLocal8Bit(ptsname(master_));
    slave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    termios raw{};
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    cfsetispeed(&raw, B115200);
    cfsetospeed(&raw, B115200);
    tcsetattr(slave_, TCSANOW, &raw);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    return true;
}

void PtyServer::run(const std::atomic<bool>& stop) {
    char buffer[4096];
    while (!stop.load()) {
        pollfd fd{master_, POLLIN, 0};
        // Wakes every millisecond so answers due later go out on time.
        if (poll(&fd, 1, 1) > 0 && (fd.revents & POLLIN)) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                pedal_.receive(QByteArray(buffer, int(n)));
            }
        }
        const int ready = pedal_.available();
        if (ready > 0) {
            const QByteArray out = pedal_.take(ready);
            qsizetype sent = 0;
            while (sent < out.size() && !stop.load()) {
                const ssize_t n =
                    ::write(master_, out.constData() + sent, size_t(out.size() - sent));
                if (n > 0) {
                    sent += n;
                } else if (errno != EAGAIN && errno != EINTR) {
                    break;
                }
            }
        }
    }
}
