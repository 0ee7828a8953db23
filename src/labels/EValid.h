// A value the user typed breaks a rule of the form; the message says which, in the user's words.
// Thrown by the rules and caught by the dialog's Ok handler (or the command line).
#pragma once

#include <QString>

#include <stdexcept>

class EValid : public std::runtime_error {
public:
    explicit EValid(const QString& message) : std::runtime_error(message.toStdString()), Text(message) {}
    const QString& Message() const { return Text; }

private:
    QString Text;
};
