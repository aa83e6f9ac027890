#include "BenutzerVerwaltung.h"

#include "BenutzerBearbeitenDialog.h"
#include "BenutzerHelper.h"
#include "BenutzerSuche.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"
#include "VDBVerwaltung.h"
#include "entities/Benutzer.h"
#include "joins/BenutzerListeJoinModel.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kOrt = QStringLiteral("BenutzerVerwaltung");

// The search group with its two buttons, and the result group, laid out into `dialog`.
QVBoxLayout *sucheUndListe(QDialog &dialog, BenutzerSuche *suche, BenutzerListe *liste,
                           const QString &listenTitel, const std::function<void()> &suchen)
{
    auto *suchGruppe = new QGroupBox(BenutzerVerwaltung::tr("Benutzer suchen"));
    auto *suchLayout = new QVBoxLayout(suchGruppe);
    suchLayout->addWidget(suche);
    auto *suchKnoepfe = new QHBoxLayout;
    auto *suchen_ = new QPushButton(BenutzerVerwaltung::tr("&Suchen"));
    suchen_->setObjectName(QStringLiteral("suchen"));
    auto *zurueck = new QPushButton(BenutzerVerwaltung::tr("Suchfelder &zuruecksetzen"));
    QObject::connect(suchen_, &QPushButton::clicked, &dialog, suchen);
    QObject::connect(zurueck, &QPushButton::clicked, suche, &BenutzerSuche::setzeZurueck);
    suchKnoepfe->addStretch();
    suchKnoepfe->addWidget(suchen_);
    suchKnoepfe->addWidget(zurueck);
    suchLayout->addLayout(suchKnoepfe);
    auto *listenGruppe = new QGroupBox(listenTitel);
    (new QVBoxLayout(listenGruppe))->addWidget(liste);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(suchGruppe);
    layout->addWidget(listenGruppe, 1);
    return layout;
}

} // namespace

BenutzerVerwaltung::BenutzerVerwaltung(DatabaseContext &ctx, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_suche(new BenutzerSuche(ctx)), m_liste(new BenutzerListe(ctx))
{
    setWindowTitle(tr("Benutzerverwaltung"));
    setModal(true);
    resize(900, 600);
    ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Oeffne BenutzerVerwaltung"));
    QVBoxLayout *layout = sucheUndListe(
        *this, m_suche, m_liste,
        tr("Moeglicherweise durch Neu, Bearbeiten oder Loeschen veraendertes Suchergebnis"),
        [this] { sucheBenutzer(); });
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(knopf(tr("&Neu"), "neu", &BenutzerVerwaltung::neuerBenutzer));
    knoepfe->addWidget(knopf(tr("Loesch&en"), "loeschen", &BenutzerVerwaltung::loescheBenutzer));
    knoepfe->addWidget(knopf(tr("&Bearbeiten"), "bearbeiten", &BenutzerVerwaltung::bearbeiteBenutzer));
    knoepfe->addWidget(knopf(tr("&Datenberechtigungen bearbeiten"), "datenberechtigungen",
                             &BenutzerVerwaltung::bearbeiteDatenberechtigungen));
    knoepfe->addWidget(knopf(tr("&Passwort zuruecksetzen"), "passwort",
                             &BenutzerVerwaltung::setzePasswortZurueck));
    knoepfe->addStretch();
    auto *schliessen = new QPushButton(tr("S&chliessen"));
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    knoepfe->addWidget(schliessen);
    layout->addLayout(knoepfe);
    connect(m_liste, &BenutzerListe::doppelklick, this, &BenutzerVerwaltung::bearbeiteBenutzer);
}

QPushButton *BenutzerVerwaltung::knopf(const QString &text, const char *name,
                                       void (BenutzerVerwaltung::*slot)())
{
    auto *button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

void BenutzerVerwaltung::sucheBenutzer()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Suche Benutzer"));
    try {
        m_liste->replaceRows(m_suche->suche());
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kOrt, e);
    }
}

void BenutzerVerwaltung::neuerBenutzer()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Neuer Benutzer"));
    BenutzerBearbeitenDialog dialog(m_ctx, BenutzerBearbeitenDialog::Modus::NEU, nullptr, -1, this);
    connect(&dialog, &BenutzerBearbeitenDialog::neuerBenutzerHinzugefuegt, this,
            [this](const Benutzer &benutzer) { m_liste->zeigeBenutzer(benutzer); });
    dialog.exec();
}

void BenutzerVerwaltung::bearbeiteBenutzer()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Bearbeite Benutzer"));
    const int row = m_liste->selectedRow();
    const auto benutzer = m_liste->benutzerInZeile(row);
    if (!benutzer)
        return;
    BenutzerBearbeitenDialog dialog(m_ctx, BenutzerBearbeitenDialog::Modus::BEARBEITEN,
                                    benutzer.get(), row, this);
    connect(&dialog, &BenutzerBearbeitenDialog::benutzerWurdeBearbeitet, this,
            [this](const Benutzer &geaendert, int zeile) { m_liste->zeigeBenutzer(geaendert, zeile); });
    dialog.exec();
}

void BenutzerVerwaltung::loescheBenutzer()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Loesche Benutzer"));
    const int row = m_liste->selectedRow();
    const auto benutzer = m_liste->benutzerInZeile(row);
    if (!benutzer)
        return;
    const QString name = benutzer->hasBenutzername() ? benutzer->getBenutzername() : QString();
    if (BenutzerHelper::rolle(*benutzer) == BenutzerHelper::Rolle::Root) {
        MessageBoxes::current().critical(this, tr("Root darf nicht geloescht werden"),
                                         tr("Der root-Benutzer kann nicht geloescht werden."));
        return;
    }
    if (!MessageBoxes::current().question(
            this, tr("Benutzer wirklich loeschen?"),
            tr("Wollen Sie den Benutzer %1 wirklich loeschen?\n\n Falls Sie mit Ja antworten, kann "
               "er nicht mehr wiederhergestellt werden. Dies gilt auch für eventuell vorhandene "
               "Berechtigungen.")
                .arg(name)))
        return;
    try {
        BenutzerHelper(m_ctx).deleteDbUser(*benutzer);
        m_liste->removeRow(row);
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kOrt, e);
    }
}

void BenutzerVerwaltung::bearbeiteDatenberechtigungen()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von Datenberechtigungen bearbeiten"));
    if (const auto benutzer = m_liste->benutzerInZeile(m_liste->selectedRow())) {
        VDBVerwaltung verwaltung(m_ctx, *benutzer, false, this);
        verwaltung.exec();
    }
}

void BenutzerVerwaltung::setzePasswortZurueck()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Passwort auf Benutzernamen setzen"));
    const auto benutzer = m_liste->benutzerInZeile(m_liste->selectedRow());
    if (!benutzer)
        return;
    try {
        BenutzerHelper helper(m_ctx);
        const QString passwort = helper.rueckgesetztesPasswort(*benutzer);
        benutzer->setPassword(passwort);
        helper.speichere(*benutzer, BenutzerHelper::Speichern::NurPasswort);
        MessageBoxes::current().information(
            this, tr("Passwort erfolgreich zurueckgesetzt"),
            tr("Das Passwort des Benutzers %1 wurde auf %2 gesetzt.\n\nEs sollte baldmoeglichst "
               "geaendert werden.")
                .arg(benutzer->getBenutzername(), passwort));
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kOrt, e);
    }
}

BenutzerSucheDialog::BenutzerSucheDialog(DatabaseContext &ctx, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_suche(new BenutzerSuche(ctx)), m_liste(new BenutzerListe(ctx))
{
    setWindowTitle(tr("Benutzer suchen"));
    ctx.log(QStringLiteral("Dialog"), QStringLiteral("BenutzerSucheDialog"), 7,
            QStringLiteral("Oeffne BenutzerSucheDialog"));
    QVBoxLayout *layout =
        sucheUndListe(*this, m_suche, m_liste, tr("Gefundene Benutzer, bitte einen davon auswaehlen"),
                      [this] {
                          try {
                              m_liste->replaceRows(m_suche->suche());
                          } catch (const PersistenceException &e) {
                              DatabaseErrorDialog::show(m_ctx, this, QStringLiteral("BenutzerSucheDialog"), e);
                          }
                      });
    auto *knoepfe = new QDialogButtonBox;
    knoepfe->addButton(tr("Benutzer auswaehlen"), QDialogButtonBox::AcceptRole)->setAutoDefault(false);
    knoepfe->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole)->setAutoDefault(false);
    connect(knoepfe, &QDialogButtonBox::accepted, this, [this] {
        if (m_liste->isExactlyOneRowSelected())
            accept();
    });
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_liste, &BenutzerListe::doppelklick, this, &QDialog::accept);
    layout->addWidget(knoepfe);
}

std::unique_ptr<Benutzer> BenutzerSucheDialog::gewaehlterBenutzer() const
{
    if (result() != QDialog::Accepted)
        return nullptr;
    return m_liste->benutzerInZeile(m_liste->selectedRow());
}
