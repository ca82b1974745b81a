#include "network.h"

#include <QNetworkInterface>

namespace Platform {

bool networkAlive()
{
    const auto all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &i : all) {
        const auto f = i.flags();
        if ((f & QNetworkInterface::IsUp) && (f & QNetworkInterface::IsRunning)
            && !(f & QNetworkInterface::IsLoopBack))
            return true;
    }
    return false;
}

} // namespace Platform
