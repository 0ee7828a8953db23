// A failed read or write of a layout stream. Message() is the user-facing text ("Class %s not
// found", "Stream read error", ...); FileName() the file it concerns, when there is one.
#pragma once

#include <QString>

#include <stdexcept>

class TLStreamError : public std::runtime_error {
public:
    explicit TLStreamError(const QString& message, const QString& fileName = {})
        : std::runtime_error(Compose(message, fileName).toStdString()), Text(message), File(fileName)
    {
    }
    const QString& Message() const { return Text; }
    const QString& FileName() const { return File; }
    // The same failure, naming the file it happened in.
    TLStreamError InFile(const QString& fileName) const { return TLStreamError(Text, fileName); }

    static QString InvalidStreamFormat() { return QStringLiteral("Invalid stream format"); }
    static QString InvalidPropertyValue() { return QStringLiteral("Invalid property value"); }
    static QString StreamReadError() { return QStringLiteral("Stream read error"); }
    static QString ClassNotFound(const QString& className) { return QStringLiteral("Class %1 not found").arg(className); }
    static QString PropertyDoesNotExist(const QString& object, const QString& property)
    {
        return QStringLiteral("Error reading %1.%2: Property does not exist").arg(object, property);
    }
    static QString CannotOpenFile(const QString& fileName) { return QStringLiteral("Cannot open file %1").arg(fileName); }
    static QString CannotCreateFile(const QString& fileName) { return QStringLiteral("Cannot create file %1").arg(fileName); }

private:
    static QString Compose(const QString& message, const QString& fileName)
    {
        return fileName.isEmpty() || message.contains(fileName) ? message : fileName + QStringLiteral(": ") + message;
    }
    QString Text;
    QString File;
};
