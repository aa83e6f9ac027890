#pragma once

#include <QString>

#include <map>
#include <memory>
#include <vector>

class DatabaseContext;
class EventLogCategory;
class EventLogSettings;

// Applies the event-log rules of the database (EventLogSettings) to the reports of one
// context: prints them on standard output and/or stores them as EventLog rows.
class EventLogger
{
public:
    explicit EventLogger(DatabaseContext &ctx);
    ~EventLogger();
    EventLogger(const EventLogger &) = delete;
    EventLogger &operator=(const EventLogger &) = delete;

    void log(const QString &category, const QString &location, int level, const QString &message);
    // Whether an event of the category, location and level would be printed or stored: lets a
    // caller skip composing a message nobody reads.
    bool wants(const QString &category, const QString &location, int level) const;
    // Reads categories and rules afresh, then enables the logger.
    void reload(DatabaseContext &ctx);
    void disable() { m_enabled = false; }
    bool isEnabled() const { return m_enabled; }

    // Whether a rule applies to an event of the category (null when unknown), the location
    // (a null text when absent) and the level.
    static bool matchesEvent(const EventLogSettings &rule, const EventLogCategory *category,
                             const QString &location, int level);

    // The longest message stored in one row, and the length of the parts of longer ones.
    static constexpr int kMaxMessage = 255;
    static constexpr int kPartLength = 225;

private:
    // A rule as the matching needs it, prepared when the rules are loaded.
    struct Rule
    {
        const EventLogSettings *settings;
        bool hasCategory;
        qlonglong category;
        bool restrictsLocation; // location set and not blank
        QString location;
        bool hasLevel;
        int level;
        int op; // index into the operators; -1 imposes nothing
        bool toStdOut;
        bool toDB;
    };
    static Rule prepare(const EventLogSettings &settings);
    const EventLogCategory *categoryNamed(const QString &category) const;
    // Where the rules send an event: standard output and/or the database.
    void targets(const EventLogCategory *category, const QString &location, int level,
                 bool &toStdOut, bool &toDB) const;
    static bool matches(const Rule &rule, const EventLogCategory *category,
                        const QString &location, int level);
    void store(const EventLogCategory *category, const QString &location, int level,
               const QString &message);
    static void print(const EventLogCategory *category, const QString &location, int level,
                      const QString &message);

    DatabaseContext &m_ctx;
    std::map<QString, std::unique_ptr<EventLogCategory>> m_categories;
    std::map<qlonglong, std::unique_ptr<EventLogSettings>> m_rules;
    std::multimap<qlonglong, Rule> m_byCategory;
    std::multimap<QString, Rule> m_byLocation;
    std::vector<Rule> m_general;
    bool m_enabled = false;
};
