#pragma once

#include <QMutex>
#include <QWidget>

class DatabaseContext;
class QLabel;
class Verein;

// The line at the bottom of the main window: the connection, the active club and a status.
class Kontextzeile : public QWidget
{
    Q_OBJECT
public:
    explicit Kontextzeile(QWidget *parent = nullptr);

    void setContext(DatabaseContext *ctx);
    void aktualisiereVerbindung();
    void aktualisiereVerein(const Verein *verein);

    QString verbindungText() const;
    QString vereinText() const;
    QString statusText() const;

public slots:
    void setzeStatus(const QString &text);

private:
    DatabaseContext *m_ctx = nullptr;
    QLabel *m_connection;
    QLabel *m_club;
    QLabel *m_status;
    QMutex m_mutex;
};
