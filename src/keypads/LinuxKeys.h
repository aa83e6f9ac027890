#pragma once

#include <QString>

// Linux key codes (linux/input-event-codes.h) as scores.
namespace LinuxKeys {

// The score of a key: the digits of the main block, the keypad digits, and what a keypad sends
// for them when its own NumLock is off (End 1, Down 2, Page Down 3, Left 4, Clear 5, Right 6,
// Home 7, Up 8, Page Up 9, Insert 10). "0" means 10. Every other key gives 0.
int score(int code);

// A key given as a name ("KEY_KP5", "kp5") or as a decimal code ("76"); -1 when unknown.
int fromText(const QString &text);

} // namespace LinuxKeys
