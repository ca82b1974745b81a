#pragma once

namespace Platform {
// True when some network interface other than the loopback is up and running.
bool networkAlive();
}
