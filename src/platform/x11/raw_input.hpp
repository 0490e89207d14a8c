#pragma once

// XInput 2 raw events on the root window, shared by every part of the program that watches them.
// XISelectEvents replaces a client's whole mask for a window, so each watcher adds and removes its
// own bits here and the server is given their union.

#include <cstdint>

namespace tarnwick::x11 {

// The XInput extension's major opcode when the server offers version 2 or later; 0 otherwise
// (and off X11).
std::uint8_t xinputOpcode();

// Adds `bits` (XCB_INPUT_XI_EVENT_MASK_RAW_…) for one more watcher. With `checked`, waits for the
// server's answer and returns false when it refused; the bits are then not kept.
bool selectRawEvents(std::uint32_t bits, bool checked = false);
// Drops `bits` for one watcher; a bit goes once no watcher wants it.
void deselectRawEvents(std::uint32_t bits);

}  // namespace tarnwick::x11
