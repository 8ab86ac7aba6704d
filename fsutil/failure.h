#pragma once
// The one exception type of the program: a failure that carries a description
// a person can read. Guards report what() (UTF-8) and go on.
#include <QString>

#include <stdexcept>
#include <string>

namespace vantrelle {

class Failure : public std::runtime_error {
public:
    explicit Failure(const char *description) : std::runtime_error(description) {}
    explicit Failure(const std::string &description) : std::runtime_error(description) {}
    explicit Failure(const QString &description)
        : std::runtime_error(description.toUtf8().toStdString())
    {
    }
    QString description() const { return QString::fromUtf8(what()); }
};

// A failure that is the user's situation, not a fault of the program: a
// damaged publication, a file another program holds, a folder nobody may
// write. Told in plain words where it happened (the document's row, a
// notice), never as a fault to report to us.
class PlainFailure : public Failure {
public:
    using Failure::Failure;
};

} // namespace vantrelle
