#include "platform/nm/NmSettings.h"
#include <QtTest>
class TestNmSettings : public QObject { Q_OBJECT };
QTEST_GUILESS_MAIN(TestNmSettings)
#include "test_nm_settings.moc"
