#pragma once

#include <memory>

class DatabaseContext;
class KeyboardManager;

// The keyboard manager of a login, told whenever the program becomes or stops being the
// active application (key presses of the jurors' keypads count only while it is active).
std::unique_ptr<KeyboardManager> erzeugeTastaturen(DatabaseContext &ctx);
