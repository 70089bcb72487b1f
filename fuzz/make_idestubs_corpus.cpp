// Writes the seed corpus of the package's stub target from documents the
// package's own tests build: make_idestubs_corpus <corpus folder> creates
// <folder>/idestubs/*.qxf.

#include "ide/tests/idefixture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_idestubs_corpus <corpus folder>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = QFile::decodeName(argv[1]) + QStringLiteral("/idestubs");
    QDir().mkpath(folder);
    const std::pair<const char*, QByteArray> seeds[] = {
        {"sample", ide::tests::SampleDocument()},
        {"many-pages", ide::tests::LargeDocument(4, 6)},
        {"bad-page", ide::tests::DocumentWithBadPage()},
        {"no-pages", ide::tests::LargeDocument(0, 0)},
    };
    for (const auto& [name, bytes] : seeds) {
        QFile file(folder + u'/' + QString::fromLatin1(name) + QStringLiteral(".qxf"));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
