#include "JurorHinzufuegenDialog.h"

#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "JurorenListen.h"
#include "Meldungen.h"
#include "Mitgliederliste.h"
#include "Mitgliedersuche.h"
#include "PersistenceException.h"
#include "controllers/ExternerJurorController.h"
#include "entities/ExternerJuror.h"
#include "entities/Mitglied.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("JurorHinzufuegenDialog");
}

JurorHinzufuegenDialog::JurorHinzufuegenDialog(DatabaseContext &ctx, QWidget *parent)
    : QDialog(parent), m_ctx(ctx)
{
    ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Oeffne JurorHinzufuegenDialog"));
    setWindowTitle(tr("Juror hinzufuegen"));
    setModal(true);
    m_suche = new Mitgliedersuche(ctx, nullptr);
    m_mitglieder = new Mitgliederliste(ctx);
    m_externe = new ExterneJurorenListe(ctx);
    connect(m_suche, &Mitgliedersuche::sucheAngefordert, this, &JurorHinzufuegenDialog::suche);
    // One person is chosen: a mark in one list clears the other.
    connect(m_mitglieder->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_mitglieder->selectedRow() >= 0)
            m_externe->selectRow(-1);
    });
    connect(m_externe->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_externe->selectedRow() >= 0)
            m_mitglieder->selectRow(-1);
    });

    auto *sucheGruppe = new QGroupBox(tr("Suche nach vorhandenen Mitgliedern und externen Juroren"));
    auto *sucheLayout = new QVBoxLayout(sucheGruppe);
    sucheLayout->addWidget(m_suche);
    auto *mitgliederGruppe = new QGroupBox(tr("Gefundene Mitglieder"));
    auto *mLayout = new QVBoxLayout(mitgliederGruppe);
    mLayout->addWidget(m_mitglieder);
    auto *externeGruppe = new QGroupBox(tr("Gefundene externe Juroren"));
    auto *eLayout = new QVBoxLayout(externeGruppe);
    eLayout->addWidget(m_externe);

    auto *auswaehlen = new QPushButton(tr("Aus&waehlen"));
    auswaehlen->setObjectName(QStringLiteral("auswaehlen"));
    auto *abbrechen = new QPushButton(tr("Abbre&chen"));
    connect(auswaehlen, &QPushButton::clicked, this, &JurorHinzufuegenDialog::waehleAus);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    for (QPushButton *k : {auswaehlen, abbrechen}) {
        k->setAutoDefault(false);
        knoepfe->addWidget(k);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(sucheGruppe);
    layout->addWidget(mitgliederGruppe, 1);
    layout->addWidget(externeGruppe, 1);
    layout->addLayout(knoepfe);
    resize(760, 760);
}

JurorHinzufuegenDialog::~JurorHinzufuegenDialog() = default;

void JurorHinzufuegenDialog::suche()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Suche"));
    try {
        m_mitglieder->replaceRows(m_suche->suche());
        // External jurors by the name fields, anywhere in the name and regardless of case.
        ExterneJurorenSucheSearchModel modell;
        StrategyMap strategien;
        if (!m_suche->vornameFeld()->text().trimmed().isEmpty()) {
            modell.setVorname(m_suche->vornameFeld()->text().trimmed());
            strategien[ExterneJurorenSucheSearchModel::vornameRow] =
                std::make_unique<ContainsQueryConditionStrategy>();
        }
        if (!m_suche->nachnameFeld()->text().trimmed().isEmpty()) {
            modell.setNachname(m_suche->nachnameFeld()->text().trimmed());
            strategien[ExterneJurorenSucheSearchModel::nachnameRow] =
                std::make_unique<ContainsQueryConditionStrategy>();
        }
        m_externe->replaceRows(ExternerJurorController().search(m_ctx, modell, std::move(strategien)));
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    if (m_mitglieder->rowCount() > 0)
        m_mitglieder->selectRow(0);
    else if (m_externe->rowCount() > 0)
        m_externe->selectRow(0);
}

void JurorHinzufuegenDialog::waehleAus()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Auswaehlen"));
    if (m_mitglieder->isExactlyOneRowSelected()) {
        Mitglied *mitglied = m_mitglieder->mitgliedAt(m_mitglieder->selectedRow());
        accept();
        emit mitgliedAusgewaehlt(mitglied);
        return;
    }
    if (m_externe->isExactlyOneRowSelected()) {
        ExternerJuror *juror = m_externe->jurorAt(m_externe->selectedRow());
        accept();
        emit externerJurorAusgewaehlt(juror);
        return;
    }
    showError(m_ctx, this, kOrt, tr("Keine Person markiert"),
              tr("Bitte markieren Sie zunaechst ein Mitglied oder einen externen Juror."));
}
