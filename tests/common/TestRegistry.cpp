#include "TestRegistry.h"

#include <QMetaMethod>
#include <QStringList>
#include <QtTest>

#include <map>
#include <memory>
#include <string>

namespace {

std::map<std::string, TestFactory> &registry()
{
    static std::map<std::string, TestFactory> tests;
    return tests;
}

// QtTest options that take a value.
bool takesValue(const QString &option)
{
    static const QStringList options = {"-o", "-maxwarnings", "-eventdelay", "-keydelay",
                                        "-mousedelay", "-seed", "-platform", "-iterations",
                                        "-median", "-minimumvalue", "-minimumtotal"};
    return options.contains(option);
}

bool hasTestFunction(const QObject &test, const QString &name)
{
    const QMetaObject *meta = test.metaObject();
    const QByteArray signature = name.toLatin1() + "()";
    return meta->indexOfMethod(signature.constData()) >= 0;
}

} // namespace

int registerTest(const char *name, TestFactory factory)
{
    registry()[name] = factory;
    return int(registry().size());
}

int runRegisteredTests(int argc, char **argv)
{
    // Options go to every class; named test functions ("function", "function:tag" or
    // "Class::function") only to the classes that have them.
    QStringList options;
    QStringList functions;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.startsWith(QLatin1Char('-'))) {
            options << argument;
            if (takesValue(argument) && i + 1 < argc)
                options << QString::fromLocal8Bit(argv[++i]);
        } else {
            functions << argument;
        }
    }

    int failures = 0;
    for (const auto &entry : registry()) {
        std::unique_ptr<QObject> test(entry.second());
        const QString className = QString::fromStdString(entry.first);
        QStringList arguments = {QString::fromLocal8Bit(argv[0])};
        arguments += options;
        bool selected = functions.isEmpty();
        for (QString function : functions) {
            if (function.contains(QLatin1String("::"))) {
                if (function.section(QLatin1String("::"), 0, 0) != className)
                    continue;
                function = function.section(QLatin1String("::"), 1);
            }
            if (hasTestFunction(*test, function.section(QLatin1Char(':'), 0, 0))) {
                arguments << function;
                selected = true;
            }
        }
        if (selected)
            failures += QTest::qExec(test.get(), arguments);
    }
    return failures == 0 ? 0 : 1;
}
