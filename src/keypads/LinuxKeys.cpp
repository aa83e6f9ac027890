#include "LinuxKeys.h"

#include <libevdev/libevdev.h>
#include <linux/input-event-codes.h>

namespace LinuxKeys {

namespace {

// Per score 1 to 10: the digit of the main block, of the keypad, and the key the keypad sends
// for that digit while its own NumLock is off.
constexpr int kKeys[10][3] = {{KEY_1, KEY_KP1, KEY_END},      {KEY_2, KEY_KP2, KEY_DOWN},
                              {KEY_3, KEY_KP3, KEY_PAGEDOWN}, {KEY_4, KEY_KP4, KEY_LEFT},
                              {KEY_5, KEY_KP5, KEY_CLEAR},    {KEY_6, KEY_KP6, KEY_RIGHT},
                              {KEY_7, KEY_KP7, KEY_HOME},     {KEY_8, KEY_KP8, KEY_UP},
                              {KEY_9, KEY_KP9, KEY_PAGEUP},   {KEY_0, KEY_KP0, KEY_INSERT}};

} // namespace

int score(int code)
{
    for (int i = 0; i < 10; ++i)
        for (const int key : kKeys[i])
            if (key == code)
                return i + 1;
    return 0;
}

int fromText(const QString &text)
{
    bool number = false;
    const int code = text.toInt(&number);
    if (number)
        return code >= 0 && code <= KEY_MAX ? code : -1;
    QString name = text.trimmed().toUpper();
    if (!name.startsWith(QLatin1String("KEY_")))
        name.prepend(QLatin1String("KEY_"));
    return libevdev_event_code_from_name(EV_KEY, name.toLatin1().constData());
}

} // namespace LinuxKeys
