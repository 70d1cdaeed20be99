#ifndef HYGROVIA_SURFACE_VIRTUAL_KEYS_H
#define HYGROVIA_SURFACE_VIRTUAL_KEYS_H

namespace hygrovia {

// The key codes the view commands understand. They are the Windows virtual key numbers, so
// the window layer maps its toolkit's keys onto them once and the surface stays toolkit-free.
enum VirtualKey : int {
  kKeyHome = 0x24,
  kKeyLeft = 0x25,
  kKeyUp = 0x26,
  kKeyRight = 0x27,
  kKeyDown = 0x28,
  kKeyPadPlus = 0x6B,
  kKeyPadMinus = 0x6D,
  kKeyPlusEquals = 0xBB,
  kKeyMinus = 0xBD,
};

}  // namespace hygrovia

#endif  // HYGROVIA_SURFACE_VIRTUAL_KEYS_H
