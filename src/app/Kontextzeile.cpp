#include "Kontextzeile.h"

#include "DatabaseContext.h"
#include "entities/DatenbankVerbindung.h"
#include "entities/Verein.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMutexLocker>

Kontextzeile::Kontextzeile(QWidget *parent)
    : QWidget(parent), m_connection(new QLabel(this)), m_club(new QLabel(this)),
      m_status(new QLabel(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_connection, 1);
    layout->addStretch();
    layout->addWidget(m_club, 1);
    layout->addStretch();
    layout->addWidget(m_status, 2);
    aktualisiereVerbindung();
    aktualisiereVerein(nullptr);
}

void Kontextzeile::setContext(DatabaseContext *ctx)
{
    m_ctx = ctx;
    aktualisiereVerbindung();
}

void Kontextzeile::aktualisiereVerbindung()
{
    QString user;
    QString server;
    if (m_ctx) {
        const DatenbankVerbindung &login = m_ctx->connectionRecord();
        user = login.hasBenutzername() ? login.getBenutzername() : QString();
        server = login.hasConnectionURL() ? login.getConnectionURL() : QString();
    }
    m_connection->setText(tr("Verbindung mit Benutzer %1 zu %2").arg(user, server));
}

void Kontextzeile::aktualisiereVerein(const Verein *verein)
{
    if (!verein)
        m_club->setText(tr("Kein Verein ausgewaehlt"));
    else if (!verein->hasName())
        m_club->setText(tr("Verein ohne Vereinsnamen"));
    else
        m_club->setText(tr("Aktueller Verein: ") + verein->getName());
}

void Kontextzeile::setzeStatus(const QString &text)
{
    QMutexLocker locker(&m_mutex);
    m_status->setText(text.isEmpty() ? QString() : tr("Status: ") + text);
    repaint();
}

QString Kontextzeile::verbindungText() const
{
    return m_connection->text();
}

QString Kontextzeile::vereinText() const
{
    return m_club->text();
}

QString Kontextzeile::statusText() const
{
    return m_status->text();
}
