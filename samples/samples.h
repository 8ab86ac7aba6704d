#pragma once
// The sample publications shipped for new users to try the program on: what
// they hold is ours, made by the publication writer at build time.
#include "pubwriter/writer.h"

#include <QString>

#include <vector>

namespace vantrelle::samples {

struct Sample {
    QString fileName;
    pubengine::writer::Document document;
};

std::vector<Sample> all();

// Writes every sample into folder; throws Failure naming the file that failed.
void writeAll(const QString &folder);

} // namespace vantrelle::samples
