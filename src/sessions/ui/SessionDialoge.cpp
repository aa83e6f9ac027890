#include "SessionDialoge.h"

#include "DatabaseContext.h"
#include "Eintragsansicht.h"
#include "Suchformular.h"
#include "TrefferListe.h"
#include "Trefferbereich.h"
#include "entities/Session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Trefferbereich *sessionBereich(DatabaseContext &ctx, QWidget *parent)
{
    return new Trefferbereich(
        ctx, new SessionSearchWidget(ctx), new SessionList(ctx),
        [&ctx] { return Trefferquelle::sessions(ctx); }, parent);
}

Auswahldialog::Auswahldialog(DatabaseContext &ctx, const QString &name, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_name(name)
{
    ctx.log(QStringLiteral("Dialog"), name, 7, QStringLiteral("Oeffne ") + name);
}

Auswahldialog::~Auswahldialog() = default;

void Auswahldialog::baue(QWidget *inhalt, TrefferListe *liste, const QString &waehlen,
                         const QString &keine)
{
    m_liste = liste;
    auto *zeile = new QHBoxLayout;
    zeile->addStretch();
    connect(neuerKnopf(waehlen, "waehlen", zeile), &QPushButton::clicked, this, &Auswahldialog::waehle);
    connect(liste, &TrefferListe::zeileDoppelgeklickt, this, &Auswahldialog::waehle);
    connect(neuerKnopf(keine, "keine", zeile), &QPushButton::clicked, this, [this] {
        m_ctx.log(QStringLiteral("Dialog"), m_name, 7, QStringLiteral("Aufruf von Keine waehlen"));
        m_gewaehlt.reset();
        m_keine = true;
        accept();
    });
    connect(neuerKnopf(tr("Abbre&chen"), "abbrechen", zeile), &QPushButton::clicked, this, [this] {
        m_ctx.log(QStringLiteral("Dialog"), m_name, 7, QStringLiteral("Aufruf von Abbrechen"));
        reject();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(inhalt, 1);
    layout->addLayout(zeile);
}

void Auswahldialog::waehle()
{
    const Record *markiert = m_liste->markiertFuer(m_name, QStringLiteral("Waehlen"));
    if (!markiert)
        return;
    m_gewaehlt.reset(markiert->clone());
    m_keine = false;
    accept();
}

SessionAdminDialog::SessionAdminDialog(DatabaseContext &ctx, QWidget *parent)
    : QDialog(parent), m_ctx(ctx)
{
    ctx.log(QStringLiteral("Dialog"), QStringLiteral("SessionAdminDialog"), 7,
            QStringLiteral("Oeffne SessionAdminDialog"));
    setWindowTitle(tr("Sessions"));
    m_bereich = sessionBereich(ctx);
    connect(m_bereich->knopf(tr("&Ansehen"), "ansehen"), &QPushButton::clicked, this,
            &SessionAdminDialog::seheAn);
    connect(m_bereich->liste(), &TrefferListe::zeileDoppelgeklickt, this,
            &SessionAdminDialog::seheAn);
    connect(m_bereich->knopf(tr("S&chliessen"), "schliessen"), &QPushButton::clicked, this, [this] {
        m_ctx.log(QStringLiteral("Dialog"), QStringLiteral("SessionAdminDialog"), 7,
                  QStringLiteral("Aufruf von Schliessen"));
        accept();
    });
    (new QVBoxLayout(this))->addWidget(m_bereich);
    resize(900, 700);
    m_bereich->suche();
}

void SessionAdminDialog::seheAn()
{
    seheMarkiertenAn<SessionViewDialog>(m_ctx, QStringLiteral("SessionAdminDialog"),
                                        m_bereich->liste(), this);
}

SessionChooseDialog::SessionChooseDialog(DatabaseContext &ctx, QWidget *parent)
    : Auswahldialog(ctx, QStringLiteral("SessionChooseDialog"), parent)
{
    setWindowTitle(tr("Session auswaehlen"));
    auto *inhalt = new QWidget;
    m_bereich = sessionBereich(ctx);
    auto *layout = new QVBoxLayout(inhalt);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_bereich, 1);
    layout->insertWidget(0, new QLabel(tr("Gefundene Sessions, bitte eine davon auswaehlen")));
    baue(inhalt, m_bereich->liste(), tr("Aus&waehlen"), tr("&Keine auswaehlen"));
    resize(900, 700);
    m_bereich->suche();
}

const Session *SessionChooseDialog::gewaehlteSession() const
{
    return static_cast<const Session *>(gewaehlt());
}
