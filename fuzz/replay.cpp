// The fuzz target without libFuzzer, for the test command: every file of the corpus, then
// inputs mutated from them with a fixed seed for the given number of seconds.
//
//   fuzz_import_replay CORPUS_DIRECTORY [SECONDS]

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QRandomGenerator>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

int teste(const QByteArray &eingabe)
{
    return LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(eingabe.constData()),
                                  size_t(eingabe.size()));
}

// One to five changes of the kinds that break data files: characters of the syntax put in
// or taken away, lines dropped, doubled or taken from another file, the file cut short.
QByteArray mutiere(QRandomGenerator &zufall, const QList<QByteArray> &korpus)
{
    static const char zeichen[] = {';', '"', '\\', '\n', '.', '-', '0', '9', 'x', ' ', '\r'};
    QByteArray text = korpus.at(zufall.bounded(int(korpus.size())));
    for (int i = zufall.bounded(1, 6); i > 0; --i) {
        const int stelle = text.isEmpty() ? 0 : zufall.bounded(int(text.size()));
        QList<QByteArray> zeilen = text.split('\n');
        switch (zufall.bounded(7)) {
        case 0:
            text.insert(stelle, zeichen[zufall.bounded(int(sizeof zeichen))]);
            break;
        case 1:
            text.remove(stelle, zufall.bounded(1, 8));
            break;
        case 2:
            if (!text.isEmpty())
                text[stelle] = char(zufall.bounded(256));
            break;
        case 3:
            zeilen.removeAt(zufall.bounded(int(zeilen.size())));
            text = zeilen.join('\n');
            break;
        case 4: {
            const int zeile = zufall.bounded(int(zeilen.size()));
            zeilen.insert(zeile, zeilen.at(zeile));
            text = zeilen.join('\n');
            break;
        }
        case 5: {
            const QList<QByteArray> fremd =
                korpus.at(zufall.bounded(int(korpus.size()))).split('\n');
            zeilen.insert(zufall.bounded(int(zeilen.size()) + 1),
                          fremd.at(zufall.bounded(int(fremd.size()))));
            text = zeilen.join('\n');
            break;
        }
        default:
            text.truncate(stelle);
            break;
        }
    }
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIRECTORY [SECONDS]\n", argv[0]);
        return 2;
    }
    const QDir verzeichnis(QString::fromLocal8Bit(argv[1]));
    const int sekunden = argc > 2 ? std::atoi(argv[2]) : 20;
    QList<QByteArray> korpus;
    for (const QString &name : verzeichnis.entryList(QDir::Files, QDir::Name)) {
        QFile datei(verzeichnis.filePath(name));
        if (!datei.open(QIODevice::ReadOnly))
            return 2;
        korpus << datei.readAll();
        teste(korpus.last());
    }
    if (korpus.isEmpty()) {
        std::fprintf(stderr, "no corpus in %s\n", argv[1]);
        return 2;
    }
    QRandomGenerator zufall(20261207);
    QElapsedTimer uhr;
    uhr.start();
    long eingaben = korpus.size();
    while (uhr.elapsed() < sekunden * 1000LL) {
        teste(mutiere(zufall, korpus));
        ++eingaben;
    }
    std::printf("%ld inputs in %.1f s, all ended in an import error or a cancel\n", eingaben,
                uhr.elapsed() / 1000.0);
    return 0;
}
