#pragma once

#include <QDialog>

#include <memory>

class CodeValueComboBox;
class DatabaseContext;
class Jurierung;
class QLineEdit;
class Wettbewerb;

// "Wettbewerb anlegen": name, number, jury mode and number of rounds of a new competition of
// one club. After the checks and the question the competition is stored with its jury, the
// dialog closes and tells the opener through wettbewerbWurdeBearbeitet.
class WettbewerbAnlegenDialog : public QDialog
{
    Q_OBJECT
public:
    WettbewerbAnlegenDialog(DatabaseContext &ctx, qlonglong verein, QWidget *parent = nullptr);
    ~WettbewerbAnlegenDialog() override;

    QLineEdit *nameFeld() const { return m_name; }
    QLineEdit *nummerFeld() const { return m_nummer; }
    CodeValueComboBox *modusFeld() const { return m_modus; }
    CodeValueComboBox *durchgaengeFeld() const { return m_durchgaenge; }

public slots:
    // "Wettbewerb anlegen".
    void schliesseUndOeffneAngelegtenWettbewerb();
    // "Abbrechen".
    void schliesse();

signals:
    // The stored competition (valid during the call: receivers copy it).
    void wettbewerbWurdeBearbeitet(Wettbewerb *wettbewerb);

private:
    DatabaseContext &m_ctx;
    std::unique_ptr<Wettbewerb> m_wettbewerb;
    std::unique_ptr<Jurierung> m_jurierung;
    QLineEdit *m_name;
    QLineEdit *m_nummer;
    CodeValueComboBox *m_modus;
    CodeValueComboBox *m_durchgaenge;
};
