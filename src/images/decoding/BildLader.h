#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QThreadPool>
#include <QThread>

// Decodes pictures off the GUI thread (for thumbnails): each request runs BildDecoder in a
// pool of its own and its result arrives as `geladen` on the loader's thread. Requests not yet
// started are dropped by `verwerfe` and when the loader is destroyed, which waits for running
// ones.
class BildLader : public QObject
{
    Q_OBJECT
public:
    explicit BildLader(QObject *parent = nullptr);
    ~BildLader() override;

    void lade(qlonglong schluessel, const QByteArray &daten, const QSize &ziel,
              int rotierSchritte);
    void verwerfe();
    // Waits until every request has delivered its result (for tests and benchmarks).
    void warte();

signals:
    void geladen(qlonglong schluessel, const QImage &bild);

private:
    QThreadPool m_pool;
};
