#pragma once

#include "Modus.h"

#include <QDialog>

#include <memory>

class DatabaseContext;
class ExternerJuror;
class Formular;

// "Neuen externen Juror anlegen" (NEU), "Externen Juror bearbeiten" (BEARBEITEN),
// "Informationen zum externen Juror" (ANSEHEN): the groups "Personendaten", "Nummer" and
// "Adresse und Erreichbarkeit" of an external juror, on a copy. A new juror gets the next
// free number.
class JurorBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    JurorBearbeitenDialog(DatabaseContext &ctx, Modus modus, const ExternerJuror *juror = nullptr,
                          QWidget *parent = nullptr);
    ~JurorBearbeitenDialog() override;

    ExternerJuror &juror() const { return *m_juror; }

public slots:
    void schliessenUndSpeichern();
    void schliessenOhneSpeichern();

signals:
    void jurorAngelegt(ExternerJuror *juror);
    void jurorGeaendert(ExternerJuror *juror);

private:
    DatabaseContext &m_ctx;
    std::unique_ptr<ExternerJuror> m_juror;
    std::unique_ptr<Formular> m_formular;
};
