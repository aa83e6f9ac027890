#pragma once

#include <QDialog>

#include <memory>
#include <vector>

class DatenbankVerbindung;
class QCheckBox;
class QComboBox;
class QDataWidgetMapper;
class QLineEdit;

// "Anmeldung": user name, server and password of a login, and whether the server must show a
// certificate signed by a given authority (remembered per server).
class LoginDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LoginDialog(QWidget *parent = nullptr);
    ~LoginDialog() override;

    // The record the form edits.
    const DatenbankVerbindung &record() const { return *m_record; }

    QLineEdit *userNameField() const { return m_userName; }
    QComboBox *serverField() const { return m_server; }
    QLineEdit *passwordField() const { return m_password; }
    QCheckBox *tlsField() const { return m_tls; }
    QLineEdit *caFileField() const { return m_caFile; }

public slots:
    void schliessenUndEinloggen();
    void schliessenUndBeenden();
    void waehleZertifikatAus();

private:
    std::unique_ptr<DatenbankVerbindung> m_record;
    std::vector<std::unique_ptr<DatenbankVerbindung>> m_remembered;
    int m_lastRemembered = -1;
    QDataWidgetMapper *m_mapper = nullptr;
    QLineEdit *m_userName = nullptr;
    QComboBox *m_server = nullptr;
    QLineEdit *m_password = nullptr;
    QCheckBox *m_tls = nullptr;
    QLineEdit *m_caFile = nullptr;

    void zeigeTlsEinstellung(const QString &server);
};
