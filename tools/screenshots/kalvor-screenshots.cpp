// Draws the pictures of the user guide: logs in to a database holding the demo federation,
// opens the main window, the main dialogs and every tab of the competition dialog off screen
// and saves each as a PNG. Run by scripts/screenshots.sh, which sets up the database.
//
//   kalvor-screenshots --server URL --user USER --password-file FILE --out DIR
#include "AdminError.h"
#include "BenutzerVerwaltung.h"
#include "BilderReiter.h"
#include "DatabaseContext.h"
#include "ErgebnisReiter.h"
#include "ExportReiter.h"
#include "LocalServer.h"
#include "LoginDialog.h"
#include "MainWindow.h"
#include "MitgliedBearbeitenDialog.h"
#include "Mitgliederverwaltung.h"
#include "Modus.h"
#include "PersistenceException.h"
#include "TastaturZuordnungsDialog.h"
#include "VDBVerwaltung.h"
#include "VereinBearbeitenDialog.h"
#include "WettbewerbAnlegenDialog.h"
#include "WettbewerbBearbeitenDialog.h"
#include "WettbewerbWertungsWidget.h"
#include "WettbewerbsStatus.h"
#include "WettbewerbsSucheDialog.h"
#include "controllers/BenutzerController.h"
#include "controllers/MitgliedController.h"
#include "controllers/VereinController.h"
#include "controllers/WettbewerbController.h"
#include "entities/Benutzer.h"
#include "entities/DatenbankVerbindung.h"
#include "entities/Mitglied.h"
#include "entities/Verein.h"
#include "entities/Wettbewerb.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QComboBox>
#include <QDir>
#include <QHash>
#include <QLineEdit>
#include <QTabWidget>

#include <cstdio>

namespace {

QDir g_out;
int g_saved = 0;

void say(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
}

// Shows the widget at its size, lets it lay out and paint, and saves it as NAME.png.
void bild(QWidget &widget, const QString &name, QSize size = QSize())
{
    if (size.isValid())
        widget.resize(size);
    widget.show();
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    const QString file = g_out.filePath(name + QStringLiteral(".png"));
    if (widget.grab().save(file)) {
        ++g_saved;
        say(QStringLiteral("  ") + file);
    } else {
        say(QStringLiteral("Cannot write ") + file);
    }
    widget.hide();
}

// The first competition in the given state.
std::unique_ptr<Wettbewerb> wettbewerbIn(DatabaseContext &ctx, WettbewerbsStatus::Stufe stufe)
{
    for (auto &wettbewerb : WettbewerbController().select(ctx, {}))
        if (WettbewerbsStatus::stufe(ctx, *wettbewerb) == stufe)
            return std::move(wettbewerb);
    return nullptr;
}

// The competition dialog with the given tabs (by their index) current, one picture each.
void wettbewerbsReiter(DatabaseContext &ctx, WettbewerbsStatus::Stufe stufe,
                       const QList<QPair<int, QString>> &reiter)
{
    const auto wettbewerb = wettbewerbIn(ctx, stufe);
    if (!wettbewerb) {
        say(QStringLiteral("No competition in the state ") + WettbewerbsStatus::name(stufe));
        return;
    }
    WettbewerbBearbeitenDialog dialog(ctx, *wettbewerb);
    for (const auto &[index, name] : reiter) {
        dialog.reiter()->setCurrentIndex(index);
        bild(dialog, name, QSize(1000, 720));
    }
}

std::unique_ptr<DatenbankVerbindung> anmeldung(const QString &server, const QString &user,
                                               const QString &password)
{
    auto login = std::make_unique<DatenbankVerbindung>();
    login->setBenutzername(user);
    login->setPassword(password);
    login->setConnectionURL(server);
    return login;
}

void fotografiere(MainWindow &window, DatabaseContext &ctx)
{
    const auto vereine = VereinController().select(ctx, {});
    const Verein *verein = vereine.empty() ? nullptr : vereine.front().get();
    // The club with the most members is the one to show, with one of its members.
    const auto mitglieder = MitgliedController().select(ctx, {});
    QHash<qlonglong, int> anzahl;
    for (const auto &mitglied : mitglieder)
        if (mitglied->hasVerein())
            ++anzahl[mitglied->getVerein()];
    for (const auto &kandidat : vereine)
        if (!verein || anzahl.value(kandidat->getId()) > anzahl.value(verein->getId()))
            verein = kandidat.get();
    const Mitglied *mitglied = nullptr;
    for (const auto &kandidat : mitglieder)
        if (!mitglied && verein && kandidat->hasVerein() && kandidat->getVerein() == verein->getId())
            mitglied = kandidat.get();
    window.setzeAktivenVerein(verein);
    bild(window, QStringLiteral("hauptfenster"), QSize(760, 260));

    if (verein) {
        VereinBearbeitenDialog dialog(ctx, Modus::ANSEHEN, verein);
        bild(dialog, QStringLiteral("verein"));
    }
    {
        Mitgliederverwaltung verwaltung(ctx, verein);
        verwaltung.resize(1000, 700);
        verwaltung.sucheMitglieder();
        bild(verwaltung, QStringLiteral("mitgliederverwaltung"));
    }
    if (mitglied) {
        MitgliedBearbeitenDialog dialog(ctx, Modus::ANSEHEN, mitglied);
        bild(dialog, QStringLiteral("mitglied"), QSize(1000, 480));
    }
    if (verein) {
        WettbewerbAnlegenDialog dialog(ctx, verein->getId());
        bild(dialog, QStringLiteral("wettbewerb-anlegen"));
    }
    {
        WettbewerbsSucheDialog suche(ctx);
        suche.sucheWettbewerbe();
        bild(suche, QStringLiteral("wettbewerbssuche"), QSize(900, 500));
    }

    using S = WettbewerbsStatus::Stufe;
    wettbewerbsReiter(ctx, S::Angelegt,
                      {{0, QStringLiteral("wettbewerb-grunddaten")},
                       {1, QStringLiteral("wettbewerb-sparten")}});
    wettbewerbsReiter(ctx, S::Bilderannahme,
                      {{2, QStringLiteral("wettbewerb-teilnehmer")},
                       {3, QStringLiteral("wettbewerb-bilder")},
                       {4, QStringLiteral("wettbewerb-juroren")}});
    wettbewerbsReiter(ctx, S::WertungLaeuft, {{5, QStringLiteral("wettbewerb-wertung")}});
    wettbewerbsReiter(ctx, S::WertungAbgeschlossen,
                      {{6, QStringLiteral("wettbewerb-ergebnisse")},
                       {7, QStringLiteral("wettbewerb-statistik")},
                       {8, QStringLiteral("wettbewerb-export")}});

    if (window.tastaturen()) {
        TastaturZuordnungsDialog dialog(ctx, *window.tastaturen(), QStringLiteral("Erika"),
                                        QStringLiteral("Muster"));
        bild(dialog, QStringLiteral("tastatur-zuordnen"));
    }
    {
        BenutzerVerwaltung verwaltung(ctx);
        verwaltung.sucheBenutzer();
        bild(verwaltung, QStringLiteral("benutzerverwaltung"), QSize(900, 560));
    }
    for (const auto &benutzer : BenutzerController().select(ctx, {})) {
        if (benutzer->hasBenutzername() && benutzer->getBenutzername() != QLatin1String("root")) {
            VDBVerwaltung dialog(ctx, *benutzer, false);
            bild(dialog, QStringLiteral("datenberechtigungen"), QSize(900, 560));
            break;
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("server"), QStringLiteral("socket path or host:port"),
                        QStringLiteral("URL")},
                       {QStringLiteral("user"), QStringLiteral("Kalvor user"), QStringLiteral("USER"),
                        QStringLiteral("root")},
                       {QStringLiteral("password-file"), QStringLiteral("password in its first line"),
                        QStringLiteral("FILE")},
                       {QStringLiteral("out"), QStringLiteral("directory of the pictures"),
                        QStringLiteral("DIR")}});
    parser.process(app);
    QString password;
    try {
        password = QString::fromStdString(
            readPasswordFile(parser.value(QStringLiteral("password-file"))));
    } catch (const AdminError &error) {
        say(QString::fromStdString(error.what()));
        return 2;
    }
    const QString server = parser.value(QStringLiteral("server"));
    const QString user = parser.value(QStringLiteral("user"));
    g_out = QDir(parser.value(QStringLiteral("out")));
    QDir().mkpath(g_out.path());

    {
        LoginDialog dialog;
        dialog.userNameField()->setText(user);
        dialog.serverField()->setEditText(QStringLiteral("db.verband.example:3306"));
        bild(dialog, QStringLiteral("anmeldung"));
    }

    BilderReiter::registriere();
    ErgebnisReiter::registriere();
    ExportReiter::registriere();
    MainWindow window([&](QWidget *) { return anmeldung(server, user, password); });
    WertungsReiter::registriere([&window] { return window.tastaturen(); });
    if (!window.context()) {
        say(QStringLiteral("Cannot log in to ") + server);
        return 1;
    }
    try {
        fotografiere(window, *window.context());
    } catch (const PersistenceException &error) {
        say(error.shortText() + QStringLiteral(": ") + error.longText());
        return 1;
    }
    say(QString::number(g_saved) + QStringLiteral(" pictures in ") + g_out.path());
    return 0;
}
