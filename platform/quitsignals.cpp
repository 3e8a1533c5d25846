#include "platform/quitsignals.h"

#include <array>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace pocketrix {

void quitOnTerminationSignals()
{
    // The handler may only write; the event loop reads the other end and quits.
    static std::array<int, 2> signalPair{-1, -1};
    if (signalPair[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalPair.data()) != 0)
        return; // The default action, an abrupt end, is left in force.
    auto* notifier = new QSocketNotifier(signalPair[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        std::array<char, 16> drained{};
        while (::read(signalPair[1], drained.data(), drained.size()) > 0) {
        }
        // Not quit(): it asks the windows first, and one that only hides on its close turns it down.
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = [](int /*signal*/) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(signalPair[0], &byte, 1);
    };
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

} // namespace pocketrix
