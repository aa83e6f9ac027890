#pragma once

#include "Modus.h"

#include <QDialog>

#include <memory>

class DatabaseContext;
class Durchgang;
class Formular;

// "Einstellungen zum Durchgang bearbeiten" (BEARBEITEN) or "Einstellungen zum Durchgang
// ansehen" (ANSEHEN): the selection percentages, the allowed ratings and the order of one
// round, on a copy; category, youth, kind and state are shown only. Rounds are never created
// here.
class DurchgangBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    DurchgangBearbeitenDialog(DatabaseContext &ctx, Modus modus, const Durchgang &durchgang,
                              QWidget *parent = nullptr);
    ~DurchgangBearbeitenDialog() override;

    Durchgang &durchgang() const { return *m_durchgang; }

public slots:
    void schliessenUndSpeichern();
    void schliessenOhneSpeichern();

signals:
    void durchgangGeaendert(Durchgang *durchgang);

private:
    DatabaseContext &m_ctx;
    std::unique_ptr<Durchgang> m_durchgang;
    std::unique_ptr<Formular> m_formular;
};
