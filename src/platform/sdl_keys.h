#pragma once
// The desktop keyboard as the device's keys: SDL key codes to virtual-key codes.

#include <SDL.h>

#include "platform/event.h"

namespace zentrix::platform {

// The device key for an SDL key, or 0 for a key the device does not have.
int VirtualKeyOf(SDL_Keycode key);

// Shift, Control and Caps Lock from SDL's modifier state.
KeyModifiers ModifiersOf(Uint16 sdl_modifiers);

// Whether SDL follows this key-down with a text event for the character it
// types: a printable key without Control (a Control chord types nothing).
bool TypesText(SDL_Keycode key, Uint16 sdl_modifiers);

}  // namespace zentrix::platform
