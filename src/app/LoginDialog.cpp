#include "LoginDialog.h"

#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "RememberedConnections.h"
#include "entities/DatenbankVerbindung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LoginDialog::LoginDialog(QWidget *parent)
    : QDialog(parent), m_record(std::make_unique<DatenbankVerbindung>())
{
    setWindowTitle(tr("Anmeldung"));
    m_record->setConnectionURL(QStringLiteral("localhost"));
    m_remembered = RememberedConnections::load();
    m_lastRemembered = int(m_remembered.size()) - 1;

    auto *form = new QGridLayout;
    m_userName = new QLineEdit(this);
    m_server = new QComboBox(this);
    m_server->setEditable(true);
    m_server->setStyleSheet(m_server->isEditable()
                                ? QStringLiteral("background-color: rgb(240, 240, 120)")
                                : QStringLiteral("background-color: rgb(225, 225, 225)"));
    m_password = new QLineEdit(this);
    m_password->setEchoMode(QLineEdit::Password);
    form->addWidget(new QLabel(tr("Benutzername"), this), 0, 0);
    form->addWidget(m_userName, 0, 1);
    form->addWidget(new QLabel(tr("Verbindungs-URL zur Datenbank"), this), 1, 0);
    form->addWidget(m_server, 1, 1);
    form->addWidget(new QLabel(tr("Passwort"), this), 2, 0);
    form->addWidget(m_password, 2, 1);
    m_tls = new QCheckBox(
        tr("Verschluesselte Verbindung mit geprueftem Serverzertifikat verlangen"), this);
    m_tls->setToolTip(tr("Ohne diese Einstellung wird die Verbindung zu einem Server im Netz "
                         "verschluesselt, sobald er es anbietet, sein Zertifikat aber nicht "
                         "geprueft. Der eigene Server dieses Rechners braucht sie nicht."));
    form->addWidget(m_tls, 3, 0, 1, 2);
    m_caFile = new QLineEdit(this);
    m_caFile->setPlaceholderText(tr("die Zertifizierungsstellen des Systems"));
    auto *choose = new QPushButton(tr("Aus&waehlen..."), this);
    connect(choose, &QPushButton::clicked, this, &LoginDialog::waehleZertifikatAus);
    auto *caRow = new QHBoxLayout;
    caRow->addWidget(m_caFile);
    caRow->addWidget(choose);
    form->addWidget(new QLabel(tr("Zertifikat der Zertifizierungsstelle"), this), 4, 0);
    form->addLayout(caRow, 4, 1);
    const auto enableCa = [this, choose](bool on) {
        m_caFile->setEnabled(on);
        choose->setEnabled(on);
    };
    connect(m_tls, &QCheckBox::toggled, this, enableCa);
    enableCa(false);

    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setOrientation(Qt::Vertical);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::AutoSubmit);
    m_mapper->setModel(m_record.get());
    m_mapper->addMapping(m_userName, DatenbankVerbindung::benutzernameRow);
    m_mapper->addMapping(m_password, DatenbankVerbindung::passwordRow);
    m_mapper->toFirst();

    // The servers of the remembered logins, the most recent first, each once.
    QStringList servers;
    for (auto it = m_remembered.rbegin(); it != m_remembered.rend(); ++it) {
        if ((*it)->hasConnectionURL() && !servers.contains((*it)->getConnectionURL()))
            servers << (*it)->getConnectionURL();
    }
    if (servers.isEmpty())
        servers << QStringLiteral("localhost");
    m_server->addItems(servers);
    zeigeTlsEinstellung(m_server->currentText());
    connect(m_server, &QComboBox::textActivated, this, &LoginDialog::zeigeTlsEinstellung);

    auto *login = new QPushButton(tr("&Anmelden"), this);
    auto *cancel = new QPushButton(tr("Abbre&chen"), this);
    login->setDefault(true);
    connect(login, &QPushButton::clicked, this, &LoginDialog::schliessenUndEinloggen);
    connect(cancel, &QPushButton::clicked, this, &LoginDialog::schliessenUndBeenden);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(login);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setModal(true);

    if (m_lastRemembered >= 0 && m_remembered[size_t(m_lastRemembered)]->hasBenutzername())
        m_userName->setText(m_remembered[size_t(m_lastRemembered)]->getBenutzername());
    setTabOrder(m_userName, m_server);
    setTabOrder(m_server, m_password);
    setTabOrder(m_password, m_tls);
    m_userName->setFocus();
}

LoginDialog::~LoginDialog() = default;

void LoginDialog::schliessenUndEinloggen()
{
    m_mapper->submit();
    const QString server = m_server->currentText();
    if (!server.isEmpty())
        m_record->setConnectionURL(server);
    // The form writes empty texts for empty fields: they count as not given.
    const auto given = [this](int row) {
        return m_record->isSetAt(row) && !m_record->rawValueAt(row).toString().isEmpty();
    };
    if (given(DatenbankVerbindung::benutzernameRow) && given(DatenbankVerbindung::passwordRow) &&
        given(DatenbankVerbindung::connectionURLRow)) {
        TlsSetting tls;
        tls.verifyServer = m_tls->isChecked();
        tls.caFile = tls.verifyServer ? m_caFile->text().trimmed() : QString();
        m_record->setTlsPruefen(tls.verifyServer);
        m_record->setTlsZertifizierungsstelle(tls.caFile);
        RememberedConnections::storeTls(m_record->getConnectionURL(), tls);
        accept();
        return;
    }
    MessageBoxes::current().critical(this, tr("Nicht alle Daten eingegeben"),
                                      tr("Bitte fuellen Sie alle Eingabefelder aus."));
}

void LoginDialog::schliessenUndBeenden()
{
    reject();
}

void LoginDialog::waehleZertifikatAus()
{
    const QString file = FileDialogs::current().openFileName(
        this, tr("Zertifikat der Zertifizierungsstelle"), m_caFile->text(),
        tr("Zertifikate (*.pem *.crt);;Alle Dateien (*)"));
    if (!file.isEmpty())
        m_caFile->setText(file);
}

void LoginDialog::zeigeTlsEinstellung(const QString &server)
{
    const TlsSetting tls = RememberedConnections::tls(server);
    m_tls->setChecked(tls.verifyServer);
    m_caFile->setText(tls.caFile);
}
