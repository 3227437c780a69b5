#include "unitsignal.h"

#include <QTest>

class TestUnits : public QObject
{
    Q_OBJECT
};

QTEST_APPLESS_MAIN(TestUnits)
#include "test_units_modulation.moc"
