#pragma once

#include <QDialog>

#include <optional>

class DatabaseContext;
class KeyboardManager;
class QLabel;
class QLineEdit;
class QPushButton;

// Finds out which keyboard a juror holds: he presses a digit on it, the dialog shows the score
// it recognised and remembers the keyboard (the last press wins) until the assignment is
// confirmed. Also serves to test a keypad. When keyboards exist that the program may not read,
// one line says so.
class TastaturZuordnungsDialog : public QDialog
{
    Q_OBJECT
public:
    // Asks the manager to register (it does so once in its life).
    TastaturZuordnungsDialog(DatabaseContext &ctx, KeyboardManager &keyboards,
                             const QString &vorname, const QString &nachname,
                             QWidget *parent = nullptr);
    ~TastaturZuordnungsDialog() override;

    // The chosen keyboard once the dialog is confirmed; none when it was cancelled.
    std::optional<qlonglong> geraet() const { return m_gewaehlt; }

    QLineEdit *wertungsFeld() const { return m_wertung; }
    QPushButton *bestaetigenButton() const { return m_bestaetigen; }
    QLabel *zugriffsHinweis() const { return m_zugriff; }

public slots:
    void numericKeyPressed(qlonglong device, int number);
    void schliessenUndZuordnen();
    void schliessenUndAbbrechen();

private:
    void logAufruf(const QString &text);

    DatabaseContext &m_ctx;
    QLineEdit *m_wertung;
    QPushButton *m_bestaetigen;
    QLabel *m_zugriff;
    std::optional<qlonglong> m_zuletzt;
    std::optional<qlonglong> m_gewaehlt;
};
