#pragma once

#include <QImage>
#include <QObject>
#include <QSize>

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <tuple>
#include <vector>

// Decodes pictures ahead for the full-screen views, so that the next picture is on screen in
// the next frame: one worker thread reads the stored bytes of the wanted pictures and decodes
// them through BildDecoder at the display size; the decoded frames stay in a small cache
// (the pictures wanted last: typically the one on screen, the next one or two and the
// previous one).
//
// The bytes come from a source that the worker makes for itself when it starts and destroys
// before it ends, so that a source holding a database connection of its own lives and dies on
// the worker thread.
class BildVorlader : public QObject
{
    Q_OBJECT
public:
    // The stored bytes of a picture (by BildDaten id); empty when there are none. Runs on
    // the worker; may throw (the picture then stays empty).
    using Quelle = std::function<QByteArray(qlonglong bildDaten)>;
    using QuellenFabrik = std::function<Quelle()>;

    struct Wunsch
    {
        qlonglong bildDaten = -1; // -1: an image without picture
        int rotierSchritte = 0;
    };

    explicit BildVorlader(QuellenFabrik fabrik, QObject *parent = nullptr);
    ~BildVorlader() override;

    // The size the pictures are decoded for (the picture area); a change empties the cache.
    void setzeZiel(const QSize &ziel);
    QSize ziel() const;

    // The pictures wanted now, the most urgent first (the one to be shown). Decoded frames of
    // pictures not wanted any more leave the cache; the others are decoded in this order.
    void wuensche(const std::vector<Wunsch> &wuensche);

    // The decoded frame when it is ready (a null image otherwise, and for a picture that
    // could not be read or decoded; `fehlt` then tells the two apart).
    QImage bild(const Wunsch &wunsch, bool *fehlt = nullptr) const;

    // Waits until every wanted picture is decoded and its `bereit` delivered (tests,
    // benchmarks).
    void warte();

signals:
    // A wanted picture is decoded (or found unreadable).
    void bereit(qlonglong bildDaten, int rotierSchritte);

private:
    using Schluessel = std::tuple<qlonglong, int>; // BildDaten id, quarter turns modulo 4
    static Schluessel schluessel(const Wunsch &wunsch);
    void arbeite(QuellenFabrik fabrik);

    mutable std::mutex m_mutex;
    std::condition_variable m_wecker;
    std::condition_variable m_erledigt;
    bool m_ende = false;
    bool m_beschaeftigt = false;
    QSize m_ziel;
    std::vector<Wunsch> m_wuensche;
    std::map<Schluessel, QImage> m_cache; // null: unreadable
    int m_unterwegs = 0; // results queued to the GUI thread, not yet delivered
    std::thread m_thread;
};
