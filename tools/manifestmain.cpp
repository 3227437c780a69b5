#include "manifest.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return cli::runManifest(QCoreApplication::arguments().mid(1), stdout, stderr);
}
