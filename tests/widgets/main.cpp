#include "tst_widgets.h"

#include <QApplication>
#include <QtTest>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    {
        TableModelTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        ListWidgetTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        FieldTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        CodeValueWidgetTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
