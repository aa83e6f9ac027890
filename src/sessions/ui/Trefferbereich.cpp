#include "Trefferbereich.h"

#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "Eintragsansicht.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
#include "Suchformular.h"
#include "TrefferListe.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

Trefferbereich::Trefferbereich(DatabaseContext &ctx, Suchformular *formular, TrefferListe *liste,
                               std::function<Trefferquelle()> quelle, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_formular(formular), m_liste(liste),
      m_quelle(std::move(quelle))
{
    auto *suche = new QGroupBox(tr("Suche"));
    (new QVBoxLayout(suche))->addWidget(formular);
    m_knoepfe = new QHBoxLayout;
    m_knoepfe->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(suche);
    layout->addWidget(liste, 1);
    layout->addLayout(m_knoepfe);
    connect(formular, &Suchformular::suchen, this, &Trefferbereich::suche);
    connect(formular, &Suchformular::loeschen, this, &Trefferbereich::loescheTreffer);
}

QPushButton *Trefferbereich::knopf(const QString &text, const char *name)
{
    return neuerKnopf(text, name, m_knoepfe);
}

bool Trefferbereich::suche()
{
    const QString ort = m_formular->name();
    m_ctx.log(QStringLiteral("Dialog"), ort, 7, QStringLiteral("Aufruf von Suchen"));
    const Suchwerte werte = m_formular->werte();
    if (const auto meldung = pruefeSuchwerte(m_ctx, ort, m_formular->maske(), werte)) {
        MessageBoxes::current().critical(this, meldung->titel, meldung->text);
        return false;
    }
    TrefferModell *modell = m_liste->treffer();
    try {
        const SqlWriter writer(m_ctx.connection());
        modell->setzeSuche(std::make_unique<Treffersuche>(
            m_ctx, m_quelle(), suchbedingungen(writer, m_formular->maske(), werte)));
    } catch (const PersistenceException &fehler) {
        modell->leere();
        DatabaseErrorDialog::show(m_ctx, this, ort, fehler);
        return false;
    }
    if (modell->rowCount() > 0)
        m_liste->selectRow(0);
    // The first rows are shown before all hits are counted.
    QTimer::singleShot(0, this, [this, ort] {
        try {
            const qlonglong anzahl = m_liste->treffer()->anzahl();
            m_ctx.log(QStringLiteral("Dialog"), ort, 7,
                      QStringLiteral("==> Pruefung erfolgreich, %1 Treffer").arg(anzahl));
            emit statusMessage(tr("%1 Treffer").arg(anzahl));
        } catch (const PersistenceException &fehler) {
            DatabaseErrorDialog::show(m_ctx, this, ort, fehler);
        }
    });
    return true;
}

void Trefferbereich::loescheTreffer()
{
    const QString ort = m_formular->name();
    m_ctx.log(QStringLiteral("Dialog"), ort, 7, QStringLiteral("Aufruf von Loeschen"));
    if (!suche())
        return;
    TrefferModell *modell = m_liste->treffer();
    if (!MessageBoxes::current().question(
            this, tr("Wirklich loeschen?"),
            tr("Wollen Sie wirklich gemaess der Selektion in den Suchfeldern %1 Logeintraege "
               "loeschen?  Bitte beachten Sie:\n\nFalls keine Suchkriterien angegeben sind, "
               "werden ALLE Logeintraege geloescht.\nDie Loeschung der Logeintraege kann NICHT "
               "RUECKGÄNGIG gemacht werden.")
                .arg(modell->anzahl())))
        return;
    try {
        const std::vector<qlonglong> ids = modell->suche()->ids();
        QProgressDialog fortschritt(tr("Logeintraege werden geloescht ..."), tr("Abbre&chen"), 0,
                                    int(ids.size()), this);
        fortschritt.setWindowModality(Qt::WindowModal);
        fortschritt.setMinimumDuration(500);
        const qlonglong geloescht = loescheNachIds(
            m_ctx, modell->suche()->quelle().basisTabelle, ids,
            [&fortschritt](qlonglong erledigt, qlonglong) {
                fortschritt.setValue(int(erledigt));
                QCoreApplication::processEvents();
                return !fortschritt.wasCanceled();
            });
        if (geloescht > 0 || ids.empty())
            modell->leere();
        emit statusMessage(tr("%1 Logeintraege geloescht").arg(geloescht));
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(m_ctx, this, ort, fehler);
    }
}

template <typename D>
void seheMarkiertenAn(DatabaseContext &ctx, const QString &ort, TrefferListe *liste,
                      QWidget *parent)
{
    if (!liste->markiertFuer(ort, QStringLiteral("Ansehen")))
        return;
    D dialog(ctx, liste, liste->selectedRow(), parent);
    dialog.exec();
}

template void seheMarkiertenAn<SessionViewDialog>(DatabaseContext &, const QString &,
                                                  TrefferListe *, QWidget *);

EventLogWidget::EventLogWidget(DatabaseContext &ctx, QWidget *parent)
    : Trefferbereich(ctx, new EventLogSearchWidget(ctx), new EventLogList(ctx),
                     &Trefferquelle::eventLog, parent)
{
    connect(knopf(tr("&Ansehen"), "ansehen"), &QPushButton::clicked, this, &EventLogWidget::seheAn);
    connect(liste(), &TrefferListe::zeileDoppelgeklickt, this, &EventLogWidget::seheAn);
}

void EventLogWidget::seheAn()
{
    seheMarkiertenAn<EventLogViewDialog>(m_ctx, QStringLiteral("EventLogWidget"), liste(), this);
}

QueryLogWidget::QueryLogWidget(DatabaseContext &ctx, QWidget *parent)
    : Trefferbereich(ctx, new QueryLogSearchWidget(ctx), new QueryLogList(ctx),
                     &Trefferquelle::queryLog, parent)
{
    connect(knopf(tr("&Ansehen"), "ansehen"), &QPushButton::clicked, this, &QueryLogWidget::seheAn);
    connect(liste(), &TrefferListe::zeileDoppelgeklickt, this, &QueryLogWidget::seheAn);
}

void QueryLogWidget::seheAn()
{
    seheMarkiertenAn<QueryLogViewDialog>(m_ctx, QStringLiteral("QueryLogWidget"), liste(), this);
}

void baueLogDialog(DatabaseContext &ctx, QDialog &dialog, const QString &name,
                   const QString &titel, QWidget *ereignisse, QWidget *zugriffe)
{
    ctx.log(QStringLiteral("Dialog"), name, 7, QStringLiteral("Oeffne ") + name);
    dialog.setWindowTitle(titel);
    auto *tabs = new QTabWidget;
    tabs->addTab(ereignisse, LogViewDialog::tr("&Ereignisse"));
    tabs->addTab(zugriffe, LogViewDialog::tr("&Datenbankzugriffe"));
    auto *unten = new QHBoxLayout;
    unten->addStretch();
    QPushButton *schliessen = neuerKnopf(LogViewDialog::tr("S&chliessen"), "schliessen", unten);
    QObject::connect(schliessen, &QPushButton::clicked, &dialog, [&dialog, &ctx, name] {
        ctx.log(QStringLiteral("Dialog"), name, 7, QStringLiteral("Aufruf von Schliessen"));
        dialog.accept();
    });
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(tabs, 1);
    layout->addLayout(unten);
}

LogViewDialog::LogViewDialog(DatabaseContext &ctx, QWidget *parent)
    : QDialog(parent), m_ereignisse(new EventLogWidget(ctx)), m_zugriffe(new QueryLogWidget(ctx))
{
    baueLogDialog(ctx, *this, QStringLiteral("LogViewDialog"), tr("Log-Meldungen"), m_ereignisse,
                  m_zugriffe);
    resize(1000, 760);
}
