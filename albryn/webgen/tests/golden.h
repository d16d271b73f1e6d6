#pragma once
// Golden files: the exact bytes a page must have. Machine-dependent folders are written as
// placeholders in the golden files ("@OUT@/" for the output folder). Run a test with
// WEBGEN_UPDATE_GOLDEN=1 to rewrite the golden files from the current output, then review them.
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace albryn::webgen::testing {

using Substitutions = std::vector<std::pair<QString, QString>>;  // {real text, placeholder}

QByteArray ReadBytes(const QString& path);

// Compares the file at actualPath with the golden file `name` (relative to the golden folder),
// after replacing each real text by its placeholder. Returns an empty string when they match,
// otherwise a description of the first difference.
std::string CompareWithGolden(const QString& actualPath, const QString& name,
                              const Substitutions& substitutions);

}  // namespace albryn::webgen::testing
