#include "EventLogger.h"

#include "DatabaseContext.h"
#include "LogText.h"
#include "PersistenceException.h"
#include "controllers/EventLogCategoryController.h"
#include "controllers/EventLogController.h"
#include "controllers/EventLogSettingsController.h"

#include <cstdio>

namespace {

const char *const kOperators[] = {">=", "<=", "=", ">", "<"};

int operatorIndex(const QString &text)
{
    for (int i = 0; i < 5; ++i) {
        if (text == QLatin1String(kOperators[i]))
            return i;
    }
    return -1;
}

} // namespace

EventLogger::EventLogger(DatabaseContext &ctx) : m_ctx(ctx)
{
}

EventLogger::~EventLogger() = default;

EventLogger::Rule EventLogger::prepare(const EventLogSettings &settings)
{
    Rule rule{};
    rule.settings = &settings;
    rule.hasCategory = settings.hasCategory();
    rule.category = rule.hasCategory ? settings.getCategory() : 0;
    rule.restrictsLocation = settings.hasLocation() && !settings.getLocation().trimmed().isEmpty();
    rule.location = settings.hasLocation() ? settings.getLocation() : QString();
    rule.hasLevel = settings.hasLevel();
    rule.level = rule.hasLevel ? settings.getLevel() : 0;
    rule.op = settings.hasLevelOperand() ? operatorIndex(settings.getLevelOperand()) : 0;
    rule.toStdOut = settings.hasToStdOut() && settings.getToStdOut();
    rule.toDB = settings.hasToDB() && settings.getToDB();
    return rule;
}

bool EventLogger::matches(const Rule &rule, const EventLogCategory *category,
                          const QString &location, int level)
{
    if (category && rule.hasCategory && rule.category != category->getId())
        return false;
    if (!location.isNull() && rule.restrictsLocation && rule.location != location)
        return false;
    if (rule.hasLevel) {
        switch (rule.op) {
        case 0:
            return level >= rule.level;
        case 1:
            return level <= rule.level;
        case 2:
            return level == rule.level;
        case 3:
            return level > rule.level;
        case 4:
            return level < rule.level;
        default:
            return true;
        }
    }
    return true;
}

bool EventLogger::matchesEvent(const EventLogSettings &rule, const EventLogCategory *category,
                               const QString &location, int level)
{
    return matches(prepare(rule), category, location, level);
}

void EventLogger::log(const QString &category, const QString &location, int level,
                      const QString &message)
{
    if (!m_enabled)
        return;
    if (message.size() > kMaxMessage) {
        for (qsizetype start = 0, part = 1; start < message.size(); start += kPartLength, ++part)
            log(category, location, level,
                QStringLiteral("Multi-Line Msg, Part %1: ").arg(part) +
                    message.mid(start, kPartLength));
        return;
    }

    const EventLogCategory *found = categoryNamed(category);
    bool toStdOut = false;
    bool toDB = false;
    targets(found, location, level, toStdOut, toDB);

    if (toDB)
        store(found, location, level, message);
    if (toStdOut)
        print(found, location, level, message);
}

bool EventLogger::wants(const QString &category, const QString &location, int level) const
{
    if (!m_enabled)
        return false;
    bool toStdOut = false;
    bool toDB = false;
    targets(categoryNamed(category), location, level, toStdOut, toDB);
    return toStdOut || toDB;
}

const EventLogCategory *EventLogger::categoryNamed(const QString &category) const
{
    if (category.isNull())
        return nullptr;
    const auto it = m_categories.find(category);
    return it != m_categories.end() ? it->second.get() : nullptr;
}

void EventLogger::targets(const EventLogCategory *category, const QString &location, int level,
                          bool &toStdOut, bool &toDB) const
{
    const auto apply = [&](const Rule &rule) {
        if (matches(rule, category, location, level)) {
            toStdOut = toStdOut || rule.toStdOut;
            toDB = toDB || rule.toDB;
        }
    };
    if (category) {
        const auto range = m_byCategory.equal_range(category->getId());
        for (auto it = range.first; it != range.second; ++it)
            apply(it->second);
    }
    if (!location.isNull()) {
        const auto range = m_byLocation.equal_range(location);
        for (auto it = range.first; it != range.second; ++it)
            apply(it->second);
    }
    for (const Rule &rule : m_general)
        apply(rule);
}

void EventLogger::store(const EventLogCategory *category, const QString &location, int level,
                        const QString &message)
{
    EventLog row;
    if (category)
        row.setCategory(category->getId());
    if (!location.isNull())
        row.setLocation(LogText::fitColumn(location, 255));
    row.setExecution_tist(m_ctx.now());
    row.setLevel(level);
    row.setText(LogText::fitColumn(message, 255));
    if (m_ctx.session() && m_ctx.session()->hasId())
        row.setSession(m_ctx.session()->getId());
    try {
        EventLogController().insertOrUpdate(m_ctx, row);
    } catch (const PersistenceException &error) {
        LogText::writeLine(QStringLiteral("Unable to write the log.  Reason: ") +
                           error.shortText() + QStringLiteral("; Details: ") + error.longText());
    }
}

void EventLogger::print(const EventLogCategory *category, const QString &location, int level,
                        const QString &message)
{
    QString line;
    line.reserve(message.size() + 64);
    if (category && category->hasName())
        line += QLatin1Char('[') + category->getName() + QLatin1Char(']');
    else
        line += QStringLiteral("[NoCategory]");
    line += QLatin1Char('[') + QString::number(level) + QStringLiteral("] ");
    if (location.isNull())
        line += QStringLiteral("Some module says: ");
    else
        line += location + QStringLiteral(" says: ");
    line += message;
    LogText::writeLine(line);
}

void EventLogger::reload(DatabaseContext &ctx)
{
    ctx.log(QStringLiteral("Log"), QStringLiteral("EventLogger"), 7,
            QStringLiteral("Starting to reload EventLog-configuration..."));
    // Read first, so that a failing read leaves the rules as they were.
    auto categories = EventLogCategoryController().select(ctx, {});
    auto settings = EventLogSettingsController().select(ctx, {});

    m_byCategory.clear();
    m_byLocation.clear();
    m_general.clear();
    m_rules.clear();
    m_categories.clear();
    for (auto &category : categories) {
        if (category->hasName()) {
            const QString name = category->getName();
            m_categories[name] = std::move(category);
        }
    }
    for (auto &setting : settings) {
        if (!setting->hasId())
            continue;
        const EventLogSettings *kept = setting.get();
        m_rules[kept->getId()] = std::move(setting);
        const Rule rule = prepare(*kept);
        if (kept->hasCategory())
            m_byCategory.emplace(kept->getCategory(), rule);
        if (kept->hasLocation())
            m_byLocation.emplace(kept->getLocation(), rule);
        if (!kept->hasCategory() && !kept->hasLocation())
            m_general.push_back(rule);
    }
    m_enabled = true;
    ctx.log(QStringLiteral("Log"), QStringLiteral("EventLogger"), 7,
            QStringLiteral("Finished reloading EventLog-configuration, logger now enabled."));
}
