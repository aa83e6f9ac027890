#include "MitgliedsPruefer.h"

#include "DatabaseContext.h"
#include "controllers/MitgliedController.h"

#include <QRegularExpression>

namespace {

bool matchesWhole(const QString &pattern, const QString &text)
{
    const QRegularExpression expression(QRegularExpression::anchoredPattern(pattern));
    return expression.match(text).hasMatch();
}

// Whether a hit other than the member itself exists. Uniqueness covers every member, also
// those the user may not read.
bool andererTreffer(DatabaseContext &ctx, const Mitglied &mitglied,
                    const QMap<QString, QVariant> &bedingungen)
{
    const auto hits = MitgliedController().select(ctx, bedingungen, true, false);
    for (const auto &hit : hits) {
        if (!mitglied.hasId() || hit->getId() != mitglied.getId())
            return true;
    }
    return false;
}

} // namespace

bool MitgliedsPruefer::nummerVorhanden(const Mitglied &mitglied)
{
    return mitglied.hasMitgliedsNummerKomplett() && !mitglied.getMitgliedsNummerKomplett().isEmpty();
}

bool MitgliedsPruefer::nummerEindeutig(DatabaseContext &ctx, const Mitglied &mitglied)
{
    if (!nummerVorhanden(mitglied))
        return true;
    return !andererTreffer(ctx, mitglied,
                           {{QStringLiteral("mitgliedsNummerKomplett"),
                             mitglied.getMitgliedsNummerKomplett()}});
}

bool MitgliedsPruefer::interneNummerEindeutig(DatabaseContext &ctx, const Mitglied &mitglied)
{
    if (!mitglied.hasVerein() || !mitglied.hasMitgliedsNummerImVerein())
        return true;
    return !andererTreffer(ctx, mitglied,
                           {{QStringLiteral("verein"), mitglied.getVerein()},
                            {QStringLiteral("mitgliedsNummerImVerein"),
                             mitglied.getMitgliedsNummerImVerein()}});
}

bool MitgliedsPruefer::telefonGueltig(const QString &nummer)
{
    return nummer.isEmpty() || matchesWhole(QStringLiteral("\\+[0-9]+\\-[0-9]+(\\-[0-9]+)+"), nummer);
}

bool MitgliedsPruefer::mailGueltig(const QString &adresse)
{
    return adresse.isEmpty() || matchesWhole(QStringLiteral(".+@.+"), adresse);
}
