#include "Suchformular.h"

#include "CodeValueComboBox.h"
#include "DatabaseContext.h"
#include "FieldFactory.h"
#include "LogRegelDialoge.h"
#include "SessionDialoge.h"
#include "TrefferListe.h"
#include "entities/EventLogCategory.h"
#include "entities/Session.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Suchformular::Suchformular(DatabaseContext &ctx, const Suchmaske &maske, const QString &name,
                           bool mitLoeschen, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_maske(maske), m_name(name), m_ids(maske.size())
{
    auto *grid = new QGridLayout;
    int zeile = -1;
    for (size_t i = 0; i < m_maske.size(); ++i) {
        const Suchfeld &feld = m_maske[i];
        const bool gepaart = i + 1 < m_maske.size() && m_maske[i + 1].nebenVorigem;
        const QString label = QCoreApplication::translate("Suchfelder", feld.label);
        QWidget *widget = nullptr;
        QPushButton *waehlen = nullptr;
        if (feld.art == Suchfeld::Abfrageart) {
            auto *combo = new CodeValueComboBox(ctx, QStringLiteral("QueryType"));
            FieldFactory::colourComboBox(combo, true);
            combo->setValue(QVariant());
            widget = combo;
        } else {
            const bool auswahl = feld.art == Suchfeld::Session || feld.art == Suchfeld::Kategorie;
            QLineEdit *edit = FieldFactory::createLineEdit(!auswahl);
            if (feld.art == Suchfeld::VonZeit || feld.art == Suchfeld::BisZeit)
                edit->setToolTip(zeitstempelHinweis());
            widget = edit;
            if (feld.art == Suchfeld::Session) {
                waehlen = neuerKnopf(tr("Session &Waehlen"), "sessionWaehlen");
                connect(waehlen, &QPushButton::clicked, this, &Suchformular::waehleSession);
            } else if (feld.art == Suchfeld::Kategorie) {
                waehlen = neuerKnopf(tr("&Kategorie Waehlen"), "kategorieWaehlen");
                connect(waehlen, &QPushButton::clicked, this, &Suchformular::waehleKategorie);
            }
        }
        widget->setObjectName(QString::fromLatin1(feld.name));
        m_felder.push_back(widget);
        const int spalte = feld.nebenVorigem ? 2 : 0;
        if (!feld.nebenVorigem)
            ++zeile;
        grid->addWidget(FieldFactory::createLabel(label), zeile, spalte);
        grid->addWidget(widget, zeile, spalte + 1, 1,
                        (waehlen || gepaart || feld.nebenVorigem) ? 1 : 3);
        if (waehlen)
            grid->addWidget(waehlen, zeile, 2, 1, 2);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto *suchen = neuerKnopf(tr("&Suchen"), "suchen");
    auto *zuruecksetzen = neuerKnopf(tr("Suche &zuruecksetzen"), "zuruecksetzen");
    connect(suchen, &QPushButton::clicked, this, &Suchformular::suchen);
    connect(zuruecksetzen, &QPushButton::clicked, this, &Suchformular::zuruecksetzen);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(suchen);
    knoepfe->addWidget(zuruecksetzen);
    if (mitLoeschen) {
        auto *loeschen = neuerKnopf(tr("&Löschen"), "loeschen");
        connect(loeschen, &QPushButton::clicked, this, &Suchformular::loeschen);
        knoepfe->addWidget(loeschen);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addLayout(knoepfe);
}

Suchwerte Suchformular::werte() const
{
    Suchwerte werte;
    for (size_t i = 0; i < m_maske.size(); ++i) {
        switch (m_maske[i].art) {
        case Suchfeld::Session:
        case Suchfeld::Kategorie:
            werte.push_back(m_ids[i]);
            break;
        case Suchfeld::Abfrageart:
            werte.push_back(static_cast<CodeValueComboBox *>(m_felder[i])->value());
            break;
        default:
            werte.push_back(static_cast<QLineEdit *>(m_felder[i])->text());
        }
    }
    return werte;
}

QWidget *Suchformular::feld(const char *name) const
{
    for (size_t i = 0; i < m_maske.size(); ++i)
        if (qstrcmp(m_maske[i].name, name) == 0)
            return m_felder[i];
    return nullptr;
}

int Suchformular::index(Suchfeld::Art art) const
{
    for (size_t i = 0; i < m_maske.size(); ++i)
        if (m_maske[i].art == art)
            return int(i);
    return -1;
}

void Suchformular::zuruecksetzen()
{
    m_ctx.log(QStringLiteral("Dialog"), m_name, 7, QStringLiteral("Aufruf von Suche zuruecksetzen"));
    for (size_t i = 0; i < m_maske.size(); ++i) {
        m_ids[i] = QVariant();
        if (auto *combo = qobject_cast<CodeValueComboBox *>(m_felder[i]))
            combo->setValue(QVariant());
        else
            static_cast<QLineEdit *>(m_felder[i])->clear();
    }
}

void Suchformular::setzeSession(const Session *session)
{
    const int i = index(Suchfeld::Session);
    if (i < 0)
        return;
    m_ids[size_t(i)] = session && session->hasId() ? QVariant(session->getId()) : QVariant();
    static_cast<QLineEdit *>(m_felder[size_t(i)])
        ->setText(session ? sessionBeschreibung(*session) : QString());
}

void Suchformular::waehleSession()
{
    m_ctx.log(QStringLiteral("Dialog"), m_name, 7, QStringLiteral("Aufruf von Session Waehlen"));
    SessionChooseDialog dialog(m_ctx, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setzeSession(dialog.gewaehlteSession());
}

void Suchformular::waehleKategorie()
{
    m_ctx.log(QStringLiteral("Dialog"), m_name, 7, QStringLiteral("Aufruf von Kategorie Waehlen"));
    const int i = index(Suchfeld::Kategorie);
    EventLogCategoryChooseDialog dialog(m_ctx, this);
    if (i < 0 || dialog.exec() != QDialog::Accepted)
        return;
    const EventLogCategory *kategorie = dialog.gewaehlteKategorie();
    m_ids[size_t(i)] = kategorie ? QVariant(kategorie->getId()) : QVariant();
    static_cast<QLineEdit *>(m_felder[size_t(i)])
        ->setText(kategorie && kategorie->hasName() ? kategorie->getName() : QString());
}

SessionSearchWidget::SessionSearchWidget(DatabaseContext &ctx, QWidget *parent)
    : Suchformular(ctx, sessionSuchmaske(), QStringLiteral("SessionSearchWidget"), false, parent)
{
}

EventLogSearchWidget::EventLogSearchWidget(DatabaseContext &ctx, QWidget *parent)
    : Suchformular(ctx, eventLogSuchmaske(), QStringLiteral("EventLogSearchWidget"), true, parent)
{
}

QueryLogSearchWidget::QueryLogSearchWidget(DatabaseContext &ctx, QWidget *parent)
    : Suchformular(ctx, queryLogSuchmaske(), QStringLiteral("QueryLogSearchWidget"), true, parent)
{
}

QString sessionBeschreibung(const Session &session)
{
    return QCoreApplication::translate("Suchformular", "Benutzer %1 auf Rechner %2 ab %3")
        .arg(session.hasBenutzername()
                 ? session.getBenutzername()
                 : QCoreApplication::translate("Suchformular", "(ohne Benutzername)"),
             session.hasHostname()
                 ? session.getHostname()
                 : QCoreApplication::translate("Suchformular", "(ohne Rechnername)"),
             session.hasStart_tist()
                 ? session.getStart_tist().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"))
                 : QCoreApplication::translate("Suchformular", "(ohne Beginn-Zeitstempel)"));
}
