#pragma once
// Shared test helpers.
//
// Golden files: the exact bytes a page must have. Machine-dependent folders are written as
// placeholders in the golden files ("@OUT@/" for the output folder). Run a test with
// WEBGEN_UPDATE_GOLDEN=1 to rewrite the golden files from the current output, then review them.
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace albryn::webgen::testing {

using Substitutions = std::vector<std::pair<QString, QString>>;  // {real text, placeholder}

// A fresh folder in the test's sandbox, with a trailing '/'.
QString NewFolder();
QByteArray ReadBytes(const QString& path);
// Writes bytes to path, failing the current test when it cannot.
void WriteFile(const QString& path, const QByteArray& bytes);

// Compares the file at actualPath with the golden file `name` (relative to the golden folder),
// after replacing each real text by its placeholder. Returns an empty string when they match,
// otherwise a description of the first difference.
std::string CompareWithGolden(const QString& actualPath, const QString& name,
                              const Substitutions& substitutions);

}  // namespace albryn::webgen::testing
