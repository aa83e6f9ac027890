#include "ConnectionSecurity.h"

#include <mysql++/dbdriver.h>
#include <mysql++/mysql++.h>

#include <errmsg.h>

namespace {

// The client library's TLS options, applied by MySQL++ when the connection is made.
class TlsOption : public mysqlpp::Option
{
public:
    TlsOption(bool verify, std::string caFile) : m_verify(verify), m_caFile(std::move(caFile)) {}

    Error set(mysqlpp::DBDriver *driver) override
    {
        // Without verification the library falls back to a plain connection when the server
        // offers no TLS; with it, it refuses such a server and a certificate it cannot check.
        const my_bool use = 1;
        const my_bool verify = m_verify ? 1 : 0;
        if (!m_caFile.empty() && !driver->set_option(MYSQL_OPT_SSL_CA, m_caFile.c_str()))
            return err_api_reject;
        if (!driver->set_option(MYSQL_OPT_SSL_ENFORCE, &use) ||
            !driver->set_option(MYSQL_OPT_SSL_VERIFY_SERVER_CERT, &verify))
            return err_api_reject;
        return err_NONE;
    }

private:
    bool m_verify;
    std::string m_caFile;
};

} // namespace

namespace ConnectionSecurity {

bool overNetwork(const QString &server)
{
    if (server.isEmpty() || server.startsWith(QLatin1Char('/')))
        return false;
    const QString host = server.section(QLatin1Char(':'), 0, 0);
    return !host.isEmpty() && host != QLatin1String("localhost");
}

void prepare(mysqlpp::Connection &connection, const QString &server, const TlsSetting &setting)
{
    if (!overNetwork(server))
        return;
    connection.set_option(new TlsOption(setting.verifyServer,
                                        setting.verifyServer ? setting.caFile.toStdString()
                                                             : std::string()));
}

bool isTlsFailure(int errnum)
{
    return errnum == CR_SSL_CONNECTION_ERROR;
}

} // namespace ConnectionSecurity
