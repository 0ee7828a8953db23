// Build step: turns the delivered data kept as text (sysdata/*.csv) into the system tables the
// program reads. Usage: quorvane-sysdata-builder CSV_FILE OUTPUT_FOLDER
// The CSV's first record names the columns; '#' lines are comments; text is UTF-8.
#include "data/TAddressFiles.h"
#include "data/TAddressSchema.h"
#include "data/TCp1252.h"
#include "data/TCsv.h"
#include "xbase/WorkArea.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <stdexcept>

namespace {

const TSystemTableDef& DefinitionFor(const QString& csvPath)
{
    const QString name = QFileInfo(csvPath).completeBaseName().toUpper() + QStringLiteral(".DBF");
    for (const auto& definition : TAddressSchema::SystemTables())
        if (name == QLatin1String(definition.FileName))
            return definition;
    throw std::runtime_error(("no system table is called " + name).toStdString());
}

void Build(const QString& csvPath, const QString& outputFolder)
{
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(("cannot read " + csvPath).toStdString());
    const auto records = TCsv::Parse(QString::fromUtf8(file.readAll()), true);
    if (records.empty())
        throw std::runtime_error(("no header line in " + csvPath).toStdString());
    const TSystemTableDef& definition = DefinitionFor(csvPath);
    const QString tablePath = outputFolder + u'/' + QLatin1String(definition.FileName);
    TAddressFiles::CreateSystemTableFile(definition, tablePath);
    auto area = xbase::WorkArea::open(xbase::FileSystem::native(), tablePath.toStdString());
    xbase::DbfTable& table = area->table();
    std::vector<int> columns;
    for (const QString& name : records[0]) {
        const int index = table.fieldIndex(name.trimmed().toStdString());
        if (index < 0)
            throw std::runtime_error(("column " + name + " is not a field of " + definition.FileName).toStdString());
        columns.push_back(index);
    }
    for (size_t row = 1; row < records.size(); ++row) {
        if (records[row].size() != static_cast<qsizetype>(columns.size()))
            throw std::runtime_error(("record " + QString::number(row) + " of " + csvPath + " has the wrong number of values").toStdString());
        table.appendBlank();
        for (size_t c = 0; c < columns.size(); ++c) {
            bool lossy = false;
            const std::string text = TCp1252::Encode(records[row][static_cast<qsizetype>(c)], &lossy);
            if (lossy || text.size() > table.field(columns[c]).width)
                throw std::runtime_error(("value " + records[row][static_cast<qsizetype>(c)] + " does not fit its field").toStdString());
            table.setText(columns[c], text);
        }
    }
    area->createTags({{definition.Tag.Name, definition.Tag.KeyExpression}});
    area->close();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CSV_FILE OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        Build(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}
