// One profile set operation on the sets beside DEFAULT_FILE, for the full-disk tests. A failure is
// said on standard error and ends with exit code 5.
//
//   sets_writer DEFAULT_FILE import SOURCE NAME | duplicate FROM TO | rename FROM TO | export NAME TARGET
#include "core/ProfileSets.h"

#include <QCoreApplication>
#include <cstdio>

using namespace korvo;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() != 5) {
        std::fprintf(stderr, "usage: sets_writer DEFAULT_FILE OPERATION FROM TO\n");
        return 2;
    }
    ProfileSets sets(a[1]);
    const QString& op = a[2];
    const QString failure = op == QLatin1String("import")      ? sets.importFile(a[3], a[4])
                            : op == QLatin1String("duplicate") ? sets.duplicate(a[3], a[4])
                            : op == QLatin1String("rename")    ? sets.rename(a[3], a[4])
                            : op == QLatin1String("export")    ? sets.exportSet(a[3], a[4])
                                                               : QStringLiteral("unknown operation");
    if (failure.isEmpty()) return 0;
    std::fprintf(stderr, "%s\n", qPrintable(failure));
    return 5;
}
