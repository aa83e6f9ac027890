#pragma once

#include "Meldung.h"
#include "Modus.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class DatabaseContext;
class QLineEdit;

// One juror's score of an image: "Neue Bewertung anlegen" (NEU), "Bewertung bearbeiten"
// (BEARBEITEN) or "Informationen zur Bewertung" (ANSEHEN). It stores nothing: it accepts only
// a score its check lets pass (the check's refusal is shown and the dialog stays open), which
// the caller then stores.
class EinzelwertungBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    struct Angaben
    {
        QString juror; // first name and surname
        QString bild;  // number and title
        std::optional<int> bewertung;
        // The refusal of an entered score (empty when the field is empty); none: accepted.
        std::function<std::optional<Meldung>(const std::optional<int> &)> pruefung;
    };

    EinzelwertungBearbeitenDialog(DatabaseContext &ctx, Modus modus, const Angaben &angaben,
                                  QWidget *parent = nullptr);

    QLineEdit *feld() const { return m_feld; }
    // The accepted score.
    std::optional<int> bewertung() const { return m_bewertung; }

public slots:
    // Shows the check's refusal, or accepts the score.
    void speichern();

private:
    DatabaseContext &m_ctx;
    Angaben m_angaben;
    QLineEdit *m_feld;
    std::optional<int> m_bewertung;
};
