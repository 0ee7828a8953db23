#include "TLLabelObjectFiler.h"

#include "TLBasePanel.h"
#include "TLClassRegistry.h"
#include "TLStreamReader.h"
#include "TLStreamWriter.h"

#include "data/TCp1252.h"

#include <QFile>
#include "data/TSafeFileWriter.h"

namespace {

// "Component" + the lowest number from 0 not yet borne by a component of the owner; past 1000
// the numbers go on, so two objects never share a name.
QString ComponentName(QSet<QString>& taken, int& next)
{
    for (;; ++next) {
        const QString candidate = QStringLiteral("component") + QString::number(next);
        if (!taken.contains(candidate)) {
            taken.insert(candidate);
            return QStringLiteral("Component") + QString::number(next++);
        }
    }
}

QSet<QString> FoldedNames(TLOwner& owner)
{
    QSet<QString> folded;
    for (const QString& name : owner.ComponentNames())
        folded.insert(name.toLower());
    return folded;
}

} // namespace

void TLLabelObjectFiler::WriteObjectList(TLStreamWriter& writer, const std::vector<const TLGraphicControl*>& objects)
{
    writer.WriteListStart();
    for (const TLGraphicControl* object : objects) {
        writer.BeginObject(object->ClassName(), object->Name);
        object->WriteProperties(writer);
        writer.EndObject();
    }
    writer.WriteListEnd();
}

QByteArray TLLabelObjectFiler::ObjectListBytes(const std::vector<const TLGraphicControl*>& objects)
{
    TLStreamWriter writer;
    WriteObjectList(writer, objects);
    return writer.Bytes();
}

std::vector<const TLGraphicControl*> TLLabelObjectFiler::ObjectsOf(const TLBasePanel& panel)
{
    std::vector<const TLGraphicControl*> objects;
    for (const auto& object : panel.Objects())
        objects.push_back(object.get());
    return objects;
}

std::vector<TLGraphicControl*> TLLabelObjectFiler::ReadObjectList(TLStreamReader& reader, TLBasePanel& panel, bool shifted)
{
    reader.ReadListStart();
    QSet<QString> taken = FoldedNames(panel.Owner());
    int next = 0;
    std::vector<TLGraphicControl*> read;
    while (!reader.EndOfList()) {
        std::unique_ptr<TLGraphicControl> object;
        const TLObjectRecord record = reader.ReadObjectRecord([&](const QByteArray& className) {
            object = TLClassRegistry::Create(className);
            if (!object)
                throw TLStreamError(TLStreamError::ClassNotFound(QString::fromLatin1(className)));
        });
        if (OnRecord)
            OnRecord(record);
        object->Name = ComponentName(taken, next);
        object->SetPanel(&panel);
        object->Reading = true;
        for (const TLProperty& property : record.Properties) {
            if (!object->ReadProperty(property.Name, property.Value))
                throw TLStreamError(TLStreamError::PropertyDoesNotExist(object->Name, QString::fromLatin1(property.Name)));
        }
        object->Reading = false;
        object->Loaded();
        if (shifted)
            object->SetBounds(object->Left() + 15, object->Top() + 15, object->Width(), object->Height());
        read.push_back(panel.Adopt(std::move(object)));
    }
    return read;
}

bool TLLabelObjectFiler::ReadFile(const QString& fileName, QByteArray& bytes)
{
    QFile file(fileName);
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly))
        throw TLStreamError(TLStreamError::CannotOpenFile(fileName), fileName);
    bytes = file.readAll();
    return true;
}

void TLLabelObjectFiler::WriteFile(const QString& fileName, const QByteArray& bytes)
{
    // The layout that was there stays whole until the new one is on the disk.
    if (!TSafeFileWriter::WriteWhole(fileName, bytes))
        throw TLStreamError(TLStreamError::CannotCreateFile(fileName), fileName);
}

void TLLabelObjectFiler::ReadFileIntoPanel(TLBasePanel& panel, const QString& fileName, bool shifted)
{
    QByteArray bytes;
    if (!ReadFile(fileName, bytes))
        return;
    TLStreamReader reader(bytes);
    try {
        ReadObjectList(reader, panel, shifted);
    } catch (const TLStreamError& error) {
        throw error.InFile(fileName);
    }
}

void TLLabelObjectFiler::WritePanel(const TLBasePanel& panel, const QString& fileName)
{
    WriteFile(fileName, ObjectListBytes(ObjectsOf(panel)));
}

void TLLabelObjectFiler::ReadIntoPanel(TLBasePanel& panel, const QString& fileName)
{
    ReadFileIntoPanel(panel, fileName, false);
}

void TLLabelObjectFiler::ReadShifted(TLBasePanel& panel, const QString& fileName) { ReadFileIntoPanel(panel, fileName, true); }

void TLLabelObjectFiler::WriteSelection(const std::vector<const TLGraphicControl*>& selection, const QString& fileName)
{
    if (!selection.empty())
        WriteFile(fileName, ObjectListBytes(selection));
}

QByteArray TLLabelObjectFiler::ReportBytes(const TLBasePanel& header, const TLBasePanel& detail,
                                           const TLBasePanel& footer, const TLReportSettings& settings)
{
    TLStreamWriter writer;
    for (const TLBasePanel* band : {&header, &detail, &footer})
        WriteObjectList(writer, ObjectsOf(*band));
    settings.Write(writer);
    return writer.Bytes();
}

void TLLabelObjectFiler::WriteReport(const TLBasePanel& header, const TLBasePanel& detail, const TLBasePanel& footer,
                                     const TLReportSettings& settings, const QString& fileName)
{
    WriteFile(fileName, ReportBytes(header, detail, footer, settings));
}

void TLLabelObjectFiler::ReadReport(TLBasePanel& header, TLBasePanel& detail, TLBasePanel& footer,
                                    TLReportSettings& settings, const QString& fileName, std::vector<TLValue>* rawSettings)
{
    QByteArray bytes;
    if (!ReadFile(fileName, bytes))
        return;
    TLStreamReader reader(bytes);
    try {
        for (TLBasePanel* band : {&header, &detail, &footer})
            ReadObjectList(reader, *band);
        const std::vector<TLValue> values = TLReportSettings::ReadValues(reader);
        if (rawSettings)
            *rawSettings = values;
        settings.FromValues(values);
    } catch (const TLStreamError& error) {
        throw error.InFile(fileName);
    }
}

TLGraphicControl* TLLabelObjectFiler::CloneObject(const TLGraphicControl& object, TLBasePanel& panel)
{
    const QByteArray bytes = ObjectListBytes({&object});
    TLStreamReader reader(bytes);
    TLLabelObjectFiler filer;
    const std::vector<TLGraphicControl*> read = filer.ReadObjectList(reader, panel);
    return read.empty() ? nullptr : read.front();
}
