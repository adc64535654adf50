#include "singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace sprout {

namespace {

constexpr int kPatienceMs = 2000;
// A later start sends its one line right after connecting.
constexpr int kRequestMs = 100;

QString userName()
{
    if (const passwd* entry = getpwuid(geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(geteuid());
}

// A stream socket and the address of the path; -1 when the path is too long for one.
int socketFor(const QString& path, sockaddr_un& address, int flags = 0)
{
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (size_t(name.size()) >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | flags, 0);
}

} // namespace

QString SingleInstance::defaultPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder = !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
    return folder + QStringLiteral("/sproutkin-") + userName();
}

SingleInstance::SingleInstance(QString path) : m_path(std::move(path)) {}

SingleInstance::~SingleInstance()
{
    if (m_listener < 0)
        return;
    ::close(m_listener);
    ::unlink(QFile::encodeName(m_path).constData());
}

bool SingleInstance::claim()
{
    // Two starts at the same moment: one decides at a time, so exactly one listens.
    // A lock left by a process that is gone is taken over.
    QLockFile deciding(m_path + QStringLiteral(".lock"));
    deciding.tryLock(kPatienceMs);
    if (askRunningOne())
        return false;
    listen();
    return true;
}

bool SingleInstance::askRunningOne() const
{
    sockaddr_un address;
    const int socket = socketFor(m_path, address);
    if (socket < 0)
        return false;
    const bool answered = ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (answered) {
        const QByteArray request = qgetenv("XDG_ACTIVATION_TOKEN") + '\n';
        ::send(socket, request.constData(), size_t(request.size()), MSG_NOSIGNAL);
    }
    ::close(socket);
    return answered;
}

void SingleInstance::listen()
{
    const QByteArray name = QFile::encodeName(m_path);
    ::unlink(name.constData()); // nobody answered there
    sockaddr_un address;
    m_listener = socketFor(m_path, address, SOCK_NONBLOCK);
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::chmod(name.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(m_listener, 4) != 0) {
        std::fprintf(stderr, "sproutkin: cannot listen on %s (%s); a second start will run beside this one\n",
                     name.constData(), std::strerror(errno));
        if (m_listener >= 0)
            ::close(m_listener);
        m_listener = -1;
        return;
    }
    m_notifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::hear);
}

void SingleInstance::hear()
{
    const int caller = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (caller < 0)
        return;
    pollfd request{caller, POLLIN, 0};
    ::poll(&request, 1, kRequestMs);
    char line[512];
    const ssize_t size = ::recv(caller, line, sizeof line, MSG_DONTWAIT);
    ::close(caller);
    emit secondStart(QString::fromUtf8(line, qMax<ssize_t>(size, 0)).section(QLatin1Char('\n'), 0, 0).trimmed());
}

} // namespace sprout
