#pragma once

#include "ExportFortschritt.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress of one export while it runs in the GUI thread: rows and pictures written, a bar
// once the strategy announced its size, and "Abbrechen". It appears only after a short delay,
// so that small exports do not flash; until then it lets no user input through. Shown, it is
// application-modal and keeps the window responsive between rows.
class ExportFortschrittsDialog : public QDialog, public ExportFortschritt
{
    Q_OBJECT
public:
    explicit ExportFortschrittsDialog(QWidget *parent, int verzoegerungMs = 300);
    ~ExportFortschrittsDialog() override;

    bool zeile() override;
    bool bild(qint64 bytes) override;
    void umfang(qint64 zeilen, qint64 bilder) override;

    bool abgebrochen() const { return m_abgebrochen; }
    QString text() const;
    QPushButton *abbrechenKnopf() const { return m_abbrechen; }

public slots:
    void brecheAb();

protected:
    // Escape and the window's close button cancel the export.
    void reject() override;

private:
    bool weiter();
    void zeigeStand();

    QElapsedTimer m_seitStart;
    QElapsedTimer m_seitAktualisierung;
    int m_verzoegerung;
    qint64 m_zeilen = 0;
    qint64 m_bilder = 0;
    qint64 m_bytes = 0;
    qint64 m_gesamt = -1;
    bool m_abgebrochen = false;
    QLabel *m_text;
    QProgressBar *m_balken;
    QPushButton *m_abbrechen;
};
