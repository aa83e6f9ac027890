#pragma once

#include <QWidget>

#include <memory>

class Benutzer;
class DatabaseContext;
class Mitglied;
class QLabel;
class QLineEdit;
class QPushButton;

// The tab "&Web-Benutzer" of the member dialog (root only): the member's web account, named
// after the member number key, created and reset with the birth date (yyyyMMdd) or else the
// user name as password.
class MitgliedWebWidget : public QWidget
{
    Q_OBJECT
public:
    MitgliedWebWidget(DatabaseContext &ctx, const Mitglied &mitglied, bool editierbar,
                      QWidget *parent = nullptr);
    ~MitgliedWebWidget() override;

    // The web user, if the member has one (owned by the widget).
    Benutzer *webBenutzer() const { return m_benutzer.get(); }

public slots:
    void aktualisiere();
    void legeAn();
    void setzeZurueck();

private:
    QString benutzername() const;
    QString passwort() const;

    DatabaseContext &m_ctx;
    const Mitglied &m_mitglied;
    bool m_editierbar;
    std::unique_ptr<Benutzer> m_benutzer;
    QLineEdit *m_status = nullptr;
    QPushButton *m_anlegen = nullptr;
    QPushButton *m_zuruecksetzen = nullptr;
};
