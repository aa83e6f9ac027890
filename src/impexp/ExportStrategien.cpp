#include "ExportStrategien.h"

#include "AnwendungsFehler.h"
#include "DatabaseContext.h"
#include "ExportFortschritt.h"

const char *ExportAbgebrochen::what() const noexcept
{
    return "Export abgebrochen";
}

namespace ExportStrategien {
namespace {
// Placeholder until the strategies are written.
class Offen : public ExportCallStrategy
{
public:
    void exportiere(DatabaseContext &, const QString &) override
    {
        throw AnwendungsFehler(QStringLiteral("ImportExport"), QStringLiteral("ExportStrategien"),
                               QStringLiteral("Interner Fehler"), QStringLiteral("Noch nicht verfuegbar"));
    }
};
} // namespace

std::unique_ptr<ExportCallStrategy> alleDaten() { return std::make_unique<Offen>(); }
std::unique_ptr<ExportCallStrategy> fachlicheDaten() { return std::make_unique<Offen>(); }
std::unique_ptr<ExportCallStrategy> technischeDaten() { return std::make_unique<Offen>(); }
std::unique_ptr<ExportCallStrategy> datenberechtigungen() { return std::make_unique<Offen>(); }
std::unique_ptr<ExportCallStrategy> funktionstraeger() { return std::make_unique<Offen>(); }
std::unique_ptr<ExportCallStrategy> adressdaten(QList<qlonglong>) { return std::make_unique<Offen>(); }
std::unique_ptr<ExportCallStrategy> verein(DatabaseContext &, qlonglong, VereinsUmfang)
{
    return std::make_unique<Offen>();
}
std::unique_ptr<ExportCallStrategy> wettbewerbAlleine(qlonglong) { return std::make_unique<Offen>(); }
std::unique_ptr<ExportCallStrategy> wettbewerbMitMitgliedern(qlonglong) { return std::make_unique<Offen>(); }
std::unique_ptr<ExportCallStrategy> bildNummern(qlonglong) { return std::make_unique<Offen>(); }
std::unique_ptr<ExportCallStrategy> einzelWertungen(qlonglong, qlonglong, bool) { return std::make_unique<Offen>(); }
std::unique_ptr<CompositeExportCallStrategy> ergebnisse(DatabaseContext &, const Wettbewerb &, QDate)
{
    return std::make_unique<CompositeExportCallStrategy>();
}
} // namespace ExportStrategien
