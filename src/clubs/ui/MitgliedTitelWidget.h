#pragma once

#include "Modus.h"

#include <QSet>
#include <QWidget>

#include <memory>
#include <vector>

class DatabaseContext;
class FotographischerTitel;
class ListWidget;
class Mitglied;
class QPushButton;

// The tab "&Titel" of the member dialog: the member's photographic titles ("Titel",
// "TitelArt", "Verleihungsdatum", "Höchster") with "&Hinzufuegen", "&Bearbeiten" and
// "&Loeschen". Changes stay here until the member is stored; at most one title is marked as
// the highest.
class MitgliedTitelWidget : public QWidget
{
    Q_OBJECT
public:
    // Shows the stored titles of `mitglied` (none for a member without id) and marks the one
    // its hoechsterTitel names. The member must outlive the widget; its names are used in the
    // delete question.
    MitgliedTitelWidget(DatabaseContext &ctx, Modus modus, const Mitglied &mitglied,
                        QWidget *parent = nullptr);
    ~MitgliedTitelWidget() override;

    ListWidget *liste() const { return m_liste; }
    // The titles of the list, still owned by it.
    std::vector<FotographischerTitel *> titel() const;
    // What MitgliedService::speichere needs: the new and changed titles, plus the title marked
    // as the highest (so that the member's reference can be set), and the removed stored
    // titles.
    std::vector<FotographischerTitel *> geaenderteTitel() const;
    std::vector<const FotographischerTitel *> entfernteTitel() const;
    bool hatAenderungen() const { return !m_geaendert.isEmpty() || !m_entfernt.empty(); }
    // The text of the title marked as the highest; empty when none is.
    QString hoechsterTitel() const;

public slots:
    void fuegeTitelHinzu();
    void bearbeiteTitel();
    void loescheTitel();
    // Takes over a title from the title dialog.
    void uebernehmeNeuenTitel(const FotographischerTitel &titel);
    void uebernehmeGeaendertenTitel(const FotographischerTitel &titel, int row);

signals:
    void hoechsterTitelGeaendert(const QString &titel);

private:
    FotographischerTitel *titelAt(int row) const;
    // After `markiert` became the highest title, no other one is.
    void entferneAndereMarkierungen(const FotographischerTitel *markiert);

    DatabaseContext &m_ctx;
    Modus m_modus;
    const Mitglied &m_mitglied;
    ListWidget *m_liste;
    QPushButton *m_hinzufuegen;
    QPushButton *m_bearbeiten;
    QPushButton *m_loeschen;
    QSet<const FotographischerTitel *> m_geaendert;
    std::vector<std::unique_ptr<FotographischerTitel>> m_entfernt;
};
