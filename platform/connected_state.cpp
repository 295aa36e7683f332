#include "platform/connected_state.h"

#include <QNetworkInterface>

namespace platform {
namespace {

int g_connectedForTest = -1;

bool HostIsConnected() {
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : interfaces) {
        const auto flags = i.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack)) {
            continue;
        }
        if (!i.addressEntries().isEmpty()) return true;
    }
    return false;
}

}  // namespace

void SetConnectedStateForTest(int connected) {
    g_connectedForTest = connected;
}

bool InternetGetConnectedState(int32_t* flags, int32_t /*reserved*/) {
    const bool connected = g_connectedForTest >= 0 ? g_connectedForTest == 1 : HostIsConnected();
    if (flags) *flags = connected ? kInternetConnectionLan : kInternetConnectionOffline;
    return connected;
}

}  // namespace platform
