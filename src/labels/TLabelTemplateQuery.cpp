#include "TLabelTemplateQuery.h"

#include "TLabelStock.h"

namespace {

void Add(std::string& condition, const std::string& clause)
{
    if (!condition.empty())
        condition += " and ";
    condition += clause;
}

// The manufacturer choice the dialog would look for, matched case-blind against the list.
QString ChoiceNamed(const QString& text)
{
    for (const QString& choice : TLabelTemplateQuery::ManufacturerChoices())
        if (choice.compare(text, Qt::CaseInsensitive) == 0)
            return choice;
    return {};
}

} // namespace

const QStringList& TLabelTemplateQuery::ManufacturerChoices()
{
    static const QStringList choices = {QStringLiteral("Avery Laserjet"), QStringLiteral("Avery Inkjet"),
                                        QStringLiteral("Avery Dot Matrix"), QStringLiteral("Costar LabelPrinter")};
    return choices;
}

const QStringList& TLabelTemplateQuery::ProductTypeChoices()
{
    static const QStringList choices = {QStringLiteral("Address/Shipping Labels"), QStringLiteral("Card Products"),
                                        QStringLiteral("Diskette Labels"),         QStringLiteral("File Folder Labels"),
                                        QStringLiteral("Index Products"),          QStringLiteral("Miscellaneous"),
                                        QStringLiteral("All")};
    return choices;
}

std::string TLabelTemplateQuery::Build(const QString& manufacturerChoice, int productTypeIndex, bool european)
{
    const QString maker = manufacturerChoice.toUpper();
    std::string condition;
    if (maker.contains(QLatin1String("AVERY")))
        Add(condition, " UPPER(manufac)=\"AVERY\" ");
    else if (maker.contains(QLatin1String("NEBS")))
        Add(condition, " UPPER(manufac)=\"NEBS\" ");
    else if (maker.contains(QLatin1String("COSTAR")))
        Add(condition, " UPPER(manufac)=\"COSTAR\" ");

    if (maker.contains(QLatin1String("LASERJET")))
        Add(condition, " UPPER(printer)=\"LJ\" ");
    else if (maker.contains(QLatin1String("INKJET")))
        Add(condition, " UPPER(printer)=\"IJ\" ");
    else if (maker.contains(QLatin1String("DOT MATRIX")))
        Add(condition, " UPPER(printer)=\"DM\" ");
    else if (maker.contains(QLatin1String("LABELPRINTER")))
        Add(condition, " UPPER(printer)=\"LP\" ");

    if (productTypeIndex >= 0 && productTypeIndex < TLabelStock::ProductTypes().size())
        Add(condition, " UPPER(PRODTYPE)=\"" + TLabelStock::ProductTypes()[productTypeIndex].toStdString() + "\" ");

    if (european)
        Add(condition, " (\"A4\"$UPPER(PAPERSIZE) OR \"A5\"$UPPER(PAPERSIZE))");
    return condition;
}

TLabelTemplateQuery::TOpening TLabelTemplateQuery::Opening(const TLabelStock& stock)
{
    QString maker = stock.Manufacturer.trimmed().toUpper();
    QString printer = stock.PrinterKind.trimmed().toUpper();
    QString productType = stock.ProductType.trimmed();
    TOpening opening;
    if (maker == QLatin1String("USER")) {
        maker = QStringLiteral("AVERY");
        printer = QStringLiteral("LJ");
        productType = QStringLiteral("ADDRESS/SHIPPING LABELS");
        opening.LookForTemplate = false;
    }
    if (maker == QLatin1String("AVERY")) {
        if (printer == QLatin1String("LJ"))
            opening.ManufacturerChoice = ChoiceNamed(QStringLiteral("Avery Laserjet"));
        else if (printer == QLatin1String("IJ"))
            opening.ManufacturerChoice = ChoiceNamed(QStringLiteral("Avery Inkjet"));
        else if (printer == QLatin1String("DM"))
            opening.ManufacturerChoice = ChoiceNamed(QStringLiteral("Avery Dot Matrix"));
    } else if (maker == QLatin1String("COSTAR")) {
        opening.ManufacturerChoice = ChoiceNamed(QStringLiteral("Costar LabelPrinter"));
    } else if (maker == QLatin1String("NEBS")) {
        // The list has no NEBS choices, so these find nothing and the choice stays empty.
        if (printer == QLatin1String("LJ"))
            opening.ManufacturerChoice = ChoiceNamed(QStringLiteral("NEBS LASERJET"));
        else if (printer == QLatin1String("DM"))
            opening.ManufacturerChoice = ChoiceNamed(QStringLiteral("NEBS DOT MATRIX"));
    } else {
        opening.ManufacturerChoice = ChoiceNamed(QStringLiteral("Avery Laserjet"));
    }
    const int type = TLabelStock::ProductTypes().indexOf(productType.toUpper());
    opening.ProductTypeIndex = type >= 0 ? type : AllProductTypes;
    return opening;
}

int TLabelTemplateQuery::RowOfTemplate(const QStringList& names, const QString& templateName)
{
    if (const qsizetype exact = names.indexOf(templateName); exact >= 0)
        return int(exact);
    const QString wanted = templateName.simplified();
    if (!wanted.isEmpty())
        for (qsizetype row = 0; row < names.size(); ++row)
            if (names[row].simplified().startsWith(wanted, Qt::CaseInsensitive))
                return int(row);
    return int(names.size()) - 1;
}
