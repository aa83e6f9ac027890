#include "ExportFortschrittsDialog.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace {

// How often the dialog is brought up to date and the event loop given a turn.
constexpr qint64 kTaktMs = 40;

} // namespace

ExportFortschrittsDialog::ExportFortschrittsDialog(QWidget *parent, int verzoegerungMs)
    : QDialog(parent), m_verzoegerung(verzoegerungMs)
{
    setObjectName(QStringLiteral("exportFortschritt"));
    setWindowTitle(tr("Export"));
    setWindowModality(Qt::ApplicationModal);
    m_text = new QLabel;
    m_text->setMinimumWidth(360);
    m_balken = new QProgressBar;
    m_balken->setRange(0, 0); // busy until the size is known
    m_abbrechen = new QPushButton(tr("Abbrechen"));
    m_abbrechen->setObjectName(QStringLiteral("abbrechen"));
    m_abbrechen->setAutoDefault(false);
    connect(m_abbrechen, &QPushButton::clicked, this, &ExportFortschrittsDialog::brecheAb);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Die Daten werden exportiert...")));
    layout->addWidget(m_text);
    layout->addWidget(m_balken);
    layout->addWidget(m_abbrechen, 0, Qt::AlignRight);
    zeigeStand();
    m_seitStart.start();
}

ExportFortschrittsDialog::~ExportFortschrittsDialog() = default;

QString ExportFortschrittsDialog::text() const
{
    return m_text->text();
}

void ExportFortschrittsDialog::umfang(qint64 zeilen, qint64 bilder)
{
    m_gesamt = zeilen >= 0 && bilder >= 0 ? zeilen + bilder : -1;
    if (m_gesamt > 0)
        m_balken->setRange(0, int(qMin<qint64>(m_gesamt, std::numeric_limits<int>::max())));
}

bool ExportFortschrittsDialog::zeile()
{
    ++m_zeilen;
    return weiter();
}

bool ExportFortschrittsDialog::bild(qint64 bytes)
{
    ++m_bilder;
    m_bytes += bytes;
    return weiter();
}

void ExportFortschrittsDialog::brecheAb()
{
    m_abgebrochen = true;
    m_abbrechen->setEnabled(false);
    m_text->setText(tr("Der Export wird abgebrochen..."));
}

void ExportFortschrittsDialog::reject()
{
    brecheAb();
}

void ExportFortschrittsDialog::zeigeStand()
{
    m_text->setText(tr("%1 Zeilen und %2 Bilder (%3 MB) geschrieben")
                        .arg(m_zeilen)
                        .arg(m_bilder)
                        .arg(double(m_bytes) / (1024 * 1024), 0, 'f', 1));
    if (m_gesamt > 0)
        m_balken->setValue(int(qMin(m_zeilen + m_bilder, qint64(m_balken->maximum()))));
}

bool ExportFortschrittsDialog::weiter()
{
    if (m_abgebrochen)
        return false;
    if (m_seitAktualisierung.isValid() && m_seitAktualisierung.elapsed() < kTaktMs)
        return true;
    m_seitAktualisierung.start();
    zeigeStand();
    if (!isVisible() && m_seitStart.elapsed() >= m_verzoegerung)
        show();
    // Hidden, the dialog lets no click reach the windows behind it; shown, it is modal.
    QApplication::processEvents(isVisible() ? QEventLoop::AllEvents
                                            : QEventLoop::ExcludeUserInputEvents);
    return !m_abgebrochen;
}
