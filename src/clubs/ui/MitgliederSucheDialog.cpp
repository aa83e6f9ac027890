#include "MitgliederSucheDialog.h"

#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "Mitgliederliste.h"
#include "Mitgliedersuche.h"
#include "PersistenceException.h"
#include "entities/Mitglied.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace {
const QString kLocation = QStringLiteral("MitgliederSucheDialog");
}

struct MitgliederSucheDialog::Private
{
    explicit Private(DatabaseContext &ctx) : ctx(ctx) {}

    DatabaseContext &ctx;
    std::optional<QSet<qlonglong>> erlaubteIds;
    Mitgliedersuche *suche = nullptr;
    Mitgliederliste *liste = nullptr;
    std::unique_ptr<Mitglied> gewaehlt;
};

MitgliederSucheDialog::MitgliederSucheDialog(DatabaseContext &ctx, QWidget *parent,
                                             const QSet<qlonglong> *erlaubteIds)
    : QDialog(parent), d(std::make_unique<Private>(ctx))
{
    if (erlaubteIds)
        d->erlaubteIds = *erlaubteIds;
    setWindowTitle(tr("Mitglied auswaehlen"));
    ctx.log(QStringLiteral("Dialog"), kLocation, 7, QStringLiteral("Oeffne MitgliederSucheDialog"));

    auto *suchGruppe = new QGroupBox(tr("Mitglied suchen"));
    d->suche = new Mitgliedersuche(ctx, nullptr);
    (new QVBoxLayout(suchGruppe))->addWidget(d->suche);

    auto *listenGruppe = new QGroupBox(tr("Gefundene Mitglieder, bitte eines davon auswaehlen"));
    d->liste = new Mitgliederliste(ctx);
    (new QVBoxLayout(listenGruppe))->addWidget(d->liste);

    auto *knoepfe = new QDialogButtonBox;
    auto *auswaehlen = knoepfe->addButton(tr("Aus&waehlen"), QDialogButtonBox::AcceptRole);
    auswaehlen->setObjectName(QStringLiteral("auswaehlen"));
    auswaehlen->setAutoDefault(false);
    auto *abbrechen = knoepfe->addButton(tr("Abbre&chen"), QDialogButtonBox::RejectRole);
    abbrechen->setObjectName(QStringLiteral("abbrechen"));
    abbrechen->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(suchGruppe);
    layout->addWidget(listenGruppe, 1);
    layout->addWidget(knoepfe);
    resize(760, 560);

    connect(d->suche, &Mitgliedersuche::sucheAngefordert, this, [this] {
        std::vector<std::unique_ptr<Mitglied>> gefunden;
        try {
            gefunden = d->suche->suche();
        } catch (const PersistenceException &e) {
            DatabaseErrorDialog::show(d->ctx, this, kLocation, e);
            return;
        }
        if (d->erlaubteIds) {
            std::vector<std::unique_ptr<Mitglied>> erlaubt;
            for (auto &mitglied : gefunden) {
                if (mitglied->hasId() && d->erlaubteIds->contains(mitglied->getId()))
                    erlaubt.push_back(std::move(mitglied));
            }
            gefunden = std::move(erlaubt);
        }
        d->liste->replaceRows(std::move(gefunden));
        d->liste->selectRow(0);
    });
    connect(auswaehlen, &QPushButton::clicked, this, &MitgliederSucheDialog::waehleMitgliedAus);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(d->liste, &Mitgliederliste::zeileDoppelgeklickt, this,
            &MitgliederSucheDialog::waehleMitgliedAus);
}

MitgliederSucheDialog::~MitgliederSucheDialog() = default;

void MitgliederSucheDialog::waehleMitgliedAus()
{
    d->ctx.log(QStringLiteral("Dialog"), kLocation, 7,
               QStringLiteral("Aufruf von Mitglied auswaehlen"));
    const Mitglied *mitglied = d->liste->mitgliedAt(d->liste->selectedRow());
    if (!mitglied)
        return;
    d->gewaehlt.reset(mitglied->clone());
    accept();
}

std::unique_ptr<Mitglied> MitgliederSucheDialog::gewaehltesMitglied()
{
    if (result() != QDialog::Accepted)
        return nullptr;
    return std::move(d->gewaehlt);
}
