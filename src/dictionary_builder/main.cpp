// Build step: makes the delivered main spelling dictionary from a word list, one word a line.
// Usage: quorvane-dictionary-builder WORDLIST OUTPUT.dct
#include "spelling/TMainDictionaryBuilder.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: quorvane-dictionary-builder WORDLIST OUTPUT.dct\n");
        return 2;
    }
    QFile list(QString::fromLocal8Bit(argv[1]));
    if (!list.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read the word list %s\n", argv[1]);
        return 2;
    }
    const QStringList words = QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const std::string bytes = TMainDictionaryBuilder::Build(words).Serialize();
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0
        || !out.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 2;
    }
    return 0;
}
