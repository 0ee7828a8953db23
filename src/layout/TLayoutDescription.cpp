#include "TLayoutDescription.h"

#include "data/TPrintableText.h"

#include "TLBasePanel.h"
#include "TLClassRegistry.h"
#include "TLLabelObjectFiler.h"
#include "TLStreamError.h"
#include "TLStreamReader.h"

#include "data/TCp1252.h"

#include <QFileInfo>

namespace {

QString ObjectLine(const TLObjectRecord& record)
{
    std::unique_ptr<TLGraphicControl> fresh = TLClassRegistry::Create(record.ClassName);
    int bounds[4] = {fresh ? fresh->Left() : 0, fresh ? fresh->Top() : 0, fresh ? fresh->Width() : 0,
                     fresh ? fresh->Height() : 0};
    const char* boundNames[4] = {"Left", "Top", "Width", "Height"};
    QString rest;
    for (const TLProperty& property : record.Properties) {
        bool isBound = false;
        for (int i = 0; i < 4; ++i) {
            if (property.Name == boundNames[i] && property.Value.IsInteger()) {
                bounds[i] = int(property.Value.Int);
                isBound = true;
            }
        }
        if (!isBound)
            rest += u' ' + TPrintableText::Escaped(QString::fromLatin1(property.Name)) + u'=' +
                    TPrintableText::Escaped(property.Value.Display());
    }
    // Names and values come from the file: a damaged one must not put control bytes on a terminal.
    const QString name =
        TPrintableText::Escaped(TCp1252::Decode(std::string_view(record.Name.constData(), size_t(record.Name.size()))));
    return QStringLiteral("%1 %2 at %3,%4 size %5x%6")
               .arg(TPrintableText::Escaped(QString::fromLatin1(record.ClassName)), name)
               .arg(bounds[0])
               .arg(bounds[1])
               .arg(bounds[2])
               .arg(bounds[3]) +
           rest + u'\n';
}

} // namespace

bool TLayoutDescription::IsReportFile(const QString& fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("R"), Qt::CaseInsensitive) == 0;
}

QString TLayoutDescription::Describe(const QString& fileName)
{
    if (!QFileInfo::exists(fileName))
        throw TLStreamError(TLStreamError::CannotOpenFile(fileName), fileName);
    QString text;
    TLLabelObjectFiler filer;
    filer.OnRecord = [&](const TLObjectRecord& record) { text += ObjectLine(record); };
    if (!IsReportFile(fileName)) {
        TLBasePanel panel;
        filer.ReadIntoPanel(panel, fileName);
        return text;
    }
    // A heading goes in as each band's list starts, so it precedes that band's objects.
    TLOwner owner;
    TLBasePanel header(&owner), detail(&owner), footer(&owner);
    TLReportSettings settings;
    std::vector<TLValue> values;
    const char* headings[] = {"[header]\n", "[detail]\n", "[footer]\n"};
    text += QString::fromLatin1(headings[0]);
    QByteArray bytes;
    TLLabelObjectFiler::ReadFile(fileName, bytes);
    TLStreamReader reader(bytes);
    try {
        filer.ReadObjectList(reader, header);
        text += QString::fromLatin1(headings[1]);
        filer.ReadObjectList(reader, detail);
        text += QString::fromLatin1(headings[2]);
        filer.ReadObjectList(reader, footer);
        values = TLReportSettings::ReadValues(reader);
        settings.FromValues(values);
    } catch (const TLStreamError& error) {
        throw error.InFile(fileName);
    }
    text += QStringLiteral("[settings]\n");
    const auto& names = TLReportSettings::ValueNames();
    for (size_t i = 0; i < values.size() && i < names.size(); ++i)
        text += names[i] + u'=' + values[i].Display() + u'\n';
    return text;
}
