#pragma once

// Sends one key event to the widget that has the focus, as if typed.
namespace Platform {
void sendKey(int qtKey, bool pressed);
}
