#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress of an import that runs in its worker thread: the last status text, the phase
// with its rows done (a bar when the phase knows its size) and "Abbrechen", which asks the
// import to stop before its commit. Not modal: the window stays responsive, its menu bar is
// disabled meanwhile.
class ImportFortschrittsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ImportFortschrittsDialog(QWidget *parent = nullptr);
    ~ImportFortschrittsDialog() override;

    QString text() const;
    QPushButton *abbrechenKnopf() const { return m_abbrechen; }
    bool abgebrochen() const { return m_abgebrochen; }

public slots:
    void zeigeStatus(const QString &text);
    void zeigeFortschritt(const QString &phase, qint64 erledigt, qint64 gesamt);
    void brecheAb();

signals:
    // The user cancelled (once).
    void abbrechen();

protected:
    // Escape and the window's close button cancel the import.
    void reject() override;

private:
    QLabel *m_status;
    QLabel *m_phase;
    QProgressBar *m_balken;
    QPushButton *m_abbrechen;
    bool m_abgebrochen = false;
};
