#include "WettbewerbAnlegenDialog.h"

#include "CodeValueComboBox.h"
#include "DatabaseContext.h"
#include "FieldFactory.h"
#include "Meldungen.h"
#include "PersistenceException.h"
#include "WettbewerbService.h"
#include "entities/Jurierung.h"
#include "entities/Wettbewerb.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("WettbewerbAnlegenDialog");
}

WettbewerbAnlegenDialog::WettbewerbAnlegenDialog(DatabaseContext &ctx, qlonglong verein,
                                                 QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_wettbewerb(WettbewerbService::neuerWettbewerb(ctx, verein)),
      m_jurierung(WettbewerbService::neueJurierung(ctx))
{
    ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Oeffne WettbewerbAnlegenDialog"));
    setWindowTitle(tr("Wettbewerb anlegen"));
    setModal(true);
    m_name = FieldFactory::createLineEdit(true, FieldFactory::kNoMaximumLength, true);
    m_name->setObjectName(QStringLiteral("name"));
    m_nummer = FieldFactory::createLineEdit(true, FieldFactory::kNoMaximumLength, true);
    m_nummer->setObjectName(QStringLiteral("nummer"));
    m_modus = new CodeValueComboBox(ctx, QStringLiteral("JurierungsModus"));
    m_modus->setObjectName(QStringLiteral("jurierungsModus"));
    m_modus->setValue(m_jurierung->rawValueAt(Jurierung::jurierungsModusRow));
    m_durchgaenge = new CodeValueComboBox(ctx, QStringLiteral("DurchgangsAnzahl"));
    m_durchgaenge->setObjectName(QStringLiteral("anzahlDurchgaenge"));
    m_durchgaenge->setValue(QVariant());

    auto *felder = new QGridLayout;
    int r = 0;
    for (const auto &[label, feld] : std::initializer_list<std::pair<QString, QWidget *>>{
             {tr("Wettbewerbsname"), m_name},
             {tr("Wettbewerbsnummer"), m_nummer},
             {tr("Jurierungsmodus"), m_modus},
             {tr("Anzahl Durchgaenge"), m_durchgaenge}}) {
        felder->addWidget(FieldFactory::createLabel(label), r, 0);
        felder->addWidget(feld, r++, 1);
    }
    felder->setColumnStretch(1, 1);

    auto *anlegen = new QPushButton(tr("Wettbewerb anlegen"));
    anlegen->setObjectName(QStringLiteral("anlegen"));
    anlegen->setDefault(true);
    auto *abbrechen = new QPushButton(tr("Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("abbrechen"));
    abbrechen->setAutoDefault(false);
    connect(anlegen, &QPushButton::clicked, this,
            &WettbewerbAnlegenDialog::schliesseUndOeffneAngelegtenWettbewerb);
    connect(abbrechen, &QPushButton::clicked, this, &WettbewerbAnlegenDialog::schliesse);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(anlegen);
    knoepfe->addWidget(abbrechen);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addStretch();
    layout->addLayout(knoepfe);
    resize(460, 220);
}

WettbewerbAnlegenDialog::~WettbewerbAnlegenDialog() = default;

void WettbewerbAnlegenDialog::schliesseUndOeffneAngelegtenWettbewerb()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von schliesseUndOeffneAngelegtenWettbewerb"));
    const auto setze = [](Record &record, int row, const QVariant &wert) {
        record.setValueAt(row, wert.toString().trimmed().isEmpty() && wert.userType() ==
                                       QMetaType::QString
                                   ? QVariant()
                                   : wert);
    };
    setze(*m_wettbewerb, Wettbewerb::nameRow, m_name->text());
    setze(*m_wettbewerb, Wettbewerb::nummerRow, m_nummer->text());
    m_jurierung->setValueAt(Jurierung::jurierungsModusRow, m_modus->value());
    m_jurierung->setValueAt(Jurierung::anzahlDurchgaengeRow, m_durchgaenge->value());
    try {
        if (const auto meldung = WettbewerbService::pruefeAnlage(m_ctx, *m_wettbewerb,
                                                                 *m_jurierung)) {
            Meldungen::zeige(this, *meldung);
            return;
        }
        if (!Meldungen::frage(this, WettbewerbService::anlageFrage(m_ctx, *m_jurierung), true))
            return;
        accept();
        WettbewerbService::legeAn(m_ctx, *m_wettbewerb, *m_jurierung);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    emit wettbewerbWurdeBearbeitet(m_wettbewerb.get());
}

void WettbewerbAnlegenDialog::schliesse()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von schliesse"));
    reject();
}
