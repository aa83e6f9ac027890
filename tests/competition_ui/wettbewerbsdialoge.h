#pragma once

// Helpers of the competition dialog tests: a stored competition, members, the next modal
// dialog, buttons by name and screenshots.

#include "Screenshot.h"
#include "CodeManager.h"
#include "DatabaseContext.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "TestDatabase.h"
#include "WettbewerbService.h"
#include "controllers/MitgliedController.h"
#include "controllers/VereinController.h"
#include "entities/DatenbankVerbindung.h"
#include "entities/Jurierung.h"
#include "entities/Mitglied.h"
#include "entities/Verein.h"
#include "entities/Wettbewerb.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>

namespace wettbewerbsdialoge {

inline qlonglong code(DatabaseContext &ctx, const char *typ, const char *wert)
{
    return ctx.codeManager().idOf(QString::fromLatin1(typ), QString::fromLatin1(wert));
}

inline std::unique_ptr<Verein> verein(DatabaseContext &ctx, const QString &name = "Fotoklub")
{
    auto v = std::make_unique<Verein>();
    v->setName(name);
    v->setVereinsNummerLokal("7");
    v->setVereinsNummerKomplett("7");
    VereinController().insertOrUpdate(ctx, *v);
    return v;
}

// A stored competition of the club in "ANGELEGT" with a jury of two rounds.
inline std::unique_ptr<Wettbewerb> wettbewerb(DatabaseContext &ctx, const Verein &verein,
                                              const QString &nummer = "W1",
                                              const QString &name = "Landesfotoschau")
{
    auto w = WettbewerbService::neuerWettbewerb(ctx, verein.getId());
    auto jury = WettbewerbService::neueJurierung(ctx);
    w->setName(name);
    w->setNummer(nummer);
    jury->setAnzahlDurchgaenge(code(ctx, "DurchgangsAnzahl", "ZWEI"));
    WettbewerbService::legeAn(ctx, *w, *jury);
    return w;
}

inline std::unique_ptr<Mitglied> mitglied(DatabaseContext &ctx, const Verein &verein,
                                          const QString &vorname, const QString &nachname,
                                          const QString &nummer)
{
    auto m = std::make_unique<Mitglied>();
    m->setVerein(verein.getId());
    m->setVorname(vorname);
    m->setNachname(nachname);
    m->setMitgliedsNummerImVerein(nummer);
    m->setMitgliedsNummerKomplett("7" + nummer + "C");
    MitgliedController().insertOrUpdate(ctx, *m);
    return m;
}

// Logs the main window in as the administrator of the test server, every time it asks.
inline MainWindow::LoginPrompt alsAdministrator()
{
    return [](QWidget *) {
        auto login = std::make_unique<DatenbankVerbindung>();
        login->setBenutzername(QString::fromStdString(TestDatabase::adminUser()));
        login->setPassword(QString::fromStdString(TestDatabase::adminPassword()));
        login->setConnectionURL(QString::fromStdString(TestDatabase::socketAddress().socket));
        return login;
    };
}

inline int anzahl(const std::string &sql)
{
    return std::stoi(TestDatabase::scalar(sql));
}

template <typename T = QWidget> T *feld(const QWidget *in, const char *name)
{
    T *gefunden = in->findChild<T *>(QString::fromLatin1(name));
    if (!gefunden)
        qWarning("no widget %s", name);
    return gefunden;
}

inline void klicke(const QWidget *in, const char *name)
{
    if (auto *k = feld<QPushButton>(in, name))
        k->click();
}

// Handles the next modal dialog of type D once its exec() runs; a dialog left open is closed,
// so that no test hangs.
template <typename D> void imNaechstenDialog(std::function<void(D &)> handle, bool *gesehen)
{
    *gesehen = false;
    QTimer::singleShot(0, [handle, gesehen] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!qobject_cast<D *>(modal))
            for (QWidget *fenster : QApplication::topLevelWidgets())
                if (fenster->isVisible() && qobject_cast<D *>(fenster))
                    modal = fenster;
        if (auto *dialog = qobject_cast<D *>(modal)) {
            *gesehen = true;
            handle(*dialog);
        }
        if (modal && modal->isVisible())
            modal->close();
    });
}

// The last box shown: kind, title and text.
inline QStringList letzteBox(const RecordingMessageBoxes &boxes)
{
    if (boxes.shown().empty())
        return {};
    const auto &box = boxes.shown().back();
    return {box.kind, box.title, box.text};
}

} // namespace wettbewerbsdialoge
