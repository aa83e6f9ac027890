#include "KeyboardManager.h"

#include "DatabaseContext.h"
#include "EvdevKeyboardManager.h"
#include "UdevDeviceSource.h"

KeyboardManager::KeyboardManager(DatabaseContext &ctx, const QString &location, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_location(location)
{}

KeyboardManager::~KeyboardManager() = default;

std::unique_ptr<KeyboardManager> KeyboardManager::create(DatabaseContext &ctx, QObject *parent)
{
    return std::make_unique<EvdevKeyboardManager>(
        ctx, std::make_unique<UdevDeviceSource>(),
        qEnvironmentVariable(EvdevKeyboardManager::kSimulationVariable), parent);
}

void KeyboardManager::registerKeyboards()
{
    log(7, QStringLiteral("Starting to register keyboards."));
    if (m_registered)
        return;
    m_registered = true; // once in its life, even after a failure
    registerPlatform();
    log(7, QStringLiteral("Registering keyboards finished."));
}

void KeyboardManager::assign(qlonglong juror, qlonglong device)
{
    m_ctx.assignKeyboard(juror, device);
    assignmentsChanged();
}

void KeyboardManager::unassign(qlonglong juror)
{
    m_ctx.unassignJuror(juror);
    assignmentsChanged();
}

void KeyboardManager::keyDown(qlonglong device, int code, int score, bool evenInBackground)
{
    const QString prefix =
        QStringLiteral("Received key code %1 from keyboard %2").arg(code).arg(device);
    if (!m_active && !evenInBackground) {
        log(1, prefix + QStringLiteral(", ignored while another application is active."));
        return;
    }
    if (score <= 0) {
        log(1, prefix + QStringLiteral(", could not convert it to a number."));
        return;
    }
    log(4, prefix + QStringLiteral(", converted to number %1").arg(score));
    emit numericKeyPressed(device, score);
}

void KeyboardManager::log(int level, const QString &message)
{
    m_ctx.log(QString::fromLatin1(kCategory), m_location, level, message);
}
