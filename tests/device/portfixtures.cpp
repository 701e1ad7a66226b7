#include "portfixtures.h"

#include "settings/settingspaths.h"

#include <QDir>
#include <QFile>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

PortEntries::PortEntries()
{
    QDir().mkpath(portsFolder());
}

QString PortEntries::entryPath(int number) const
{
    return portsFolder() + QStringLiteral("/COM%1").arg(number);
}

bool PortEntries::link(int number, const QString &target)
{
    QFile::remove(entryPath(number));
    return QFile::link(target, entryPath(number));
}

bool PortEntries::linkAllToNothing()
{
    bool linked = true;
    for (int number = 1; number <= 30; ++number)
        linked = linkToNothing(number) && linked;
    return linked;
}

PseudoTerminal::PseudoTerminal()
{
    m_controller = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_controller < 0 || ::grantpt(m_controller) != 0 || ::unlockpt(m_controller) != 0)
        return;
    m_path = QString::fromLocal8Bit(::ptsname(m_controller));
    m_device = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios raw{};
    if (m_device >= 0 && ::tcgetattr(m_device, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(m_device, TCSANOW, &raw);
    }
}

void PseudoTerminal::unplug()
{
    for (int *fd : {&m_device, &m_controller}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

bool PseudoTerminal::send(const QByteArray &bytes)
{
    int before = 0;
    ::ioctl(m_device, FIONREAD, &before);
    if (::write(m_controller, bytes.constData(), size_t(bytes.size())) != bytes.size())
        return false;
    // The line discipline passes the bytes on in the background.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (int pending = 0; std::chrono::steady_clock::now() < deadline; ::usleep(1000)) {
        if (::ioctl(m_device, FIONREAD, &pending) == 0 && pending >= before + bytes.size())
            return true;
    }
    return false;
}

QByteArray PseudoTerminal::receive(int count, int quietMs)
{
    QByteArray bytes;
    pollfd request{m_controller, POLLIN, 0};
    char buffer[4096];
    while (bytes.size() < count && ::poll(&request, 1, quietMs) > 0) {
        const ssize_t n = ::read(m_controller, buffer, sizeof(buffer));
        if (n <= 0)
            break;
        bytes.append(buffer, int(n));
    }
    return bytes;
}

termios PseudoTerminal::lineSettings() const
{
    termios settings{};
    ::tcgetattr(m_device, &settings);
    return settings;
}

ControllerStub::ControllerStub(PseudoTerminal &terminal,
                               std::function<QByteArray(const QByteArray &)> answer)
    : m_terminal(terminal), m_answer(std::move(answer)), m_thread([this] { run(); })
{
}

ControllerStub::~ControllerStub()
{
    m_stop = true;
    m_thread.join();
}

QList<QByteArray> ControllerStub::lines() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lines;
}

void ControllerStub::run()
{
    QByteArray pending;
    pollfd request{m_terminal.controllerFd(), POLLIN, 0};
    char buffer[256];
    while (!m_stop) {
        if (::poll(&request, 1, 20) <= 0 || !(request.revents & POLLIN))
            continue; // the test keeps the device side open: no hang-up spin
        const ssize_t n = ::read(request.fd, buffer, sizeof(buffer));
        pending.append(buffer, int(qMax<ssize_t>(n, 0)));
        for (int end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1)) {
            const QByteArray line = pending.left(end + 1);
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_lines.append(line);
            }
            const QByteArray reply = m_answer(line);
            if (::write(request.fd, reply.constData(), size_t(reply.size())) < 0)
                break;
        }
    }
}
