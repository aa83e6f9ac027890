#include "Tastaturen.h"

#include "KeyboardManager.h"

#include <QGuiApplication>

std::unique_ptr<KeyboardManager> erzeugeTastaturen(DatabaseContext &ctx)
{
    auto tastaturen = KeyboardManager::create(ctx);
    KeyboardManager *manager = tastaturen.get();
    const auto folge = [manager](Qt::ApplicationState state) {
        manager->setApplicationActive(state == Qt::ApplicationActive);
    };
    folge(QGuiApplication::applicationState());
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, manager, folge);
    return tastaturen;
}
