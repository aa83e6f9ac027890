#include "ImportFortschrittsDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

ImportFortschrittsDialog::ImportFortschrittsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("importFortschritt"));
    setWindowTitle(tr("Import"));
    m_status = new QLabel;
    m_status->setMinimumWidth(420);
    m_status->setWordWrap(true);
    m_phase = new QLabel;
    m_balken = new QProgressBar;
    m_balken->setRange(0, 0); // busy until a phase tells its size
    m_abbrechen = new QPushButton(tr("Abbrechen"));
    m_abbrechen->setObjectName(QStringLiteral("abbrechen"));
    m_abbrechen->setAutoDefault(false);
    connect(m_abbrechen, &QPushButton::clicked, this, &ImportFortschrittsDialog::brecheAb);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Die Daten werden importiert...")));
    layout->addWidget(m_status);
    layout->addWidget(m_phase);
    layout->addWidget(m_balken);
    layout->addWidget(m_abbrechen, 0, Qt::AlignRight);
}

ImportFortschrittsDialog::~ImportFortschrittsDialog() = default;

QString ImportFortschrittsDialog::text() const
{
    return m_status->text() + QLatin1Char('\n') + m_phase->text();
}

void ImportFortschrittsDialog::zeigeStatus(const QString &text)
{
    if (!m_abgebrochen)
        m_status->setText(text);
}

void ImportFortschrittsDialog::zeigeFortschritt(const QString &phase, qint64 erledigt,
                                                qint64 gesamt)
{
    if (gesamt > 0) {
        m_phase->setText(tr("%1: %2 von %3 Datensaetzen").arg(phase).arg(erledigt).arg(gesamt));
        const qint64 grenze = std::numeric_limits<int>::max();
        m_balken->setRange(0, int(qMin(gesamt, grenze)));
        m_balken->setValue(int(qMin(erledigt, gesamt)));
    } else {
        m_phase->setText(tr("%1: %2 Datensaetze").arg(phase).arg(erledigt));
        m_balken->setRange(0, 0);
    }
}

void ImportFortschrittsDialog::brecheAb()
{
    if (m_abgebrochen)
        return;
    m_abgebrochen = true;
    m_abbrechen->setEnabled(false);
    m_status->setText(tr("Der Import wird abgebrochen..."));
    emit abbrechen();
}

void ImportFortschrittsDialog::reject()
{
    brecheAb();
}
