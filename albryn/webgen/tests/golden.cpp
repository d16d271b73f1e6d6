#include "golden.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "sandbox.h"

namespace albryn::webgen::testing {

QString NewFolder() {
  return QString::fromStdString(albryn::testing::sandbox().newFolder().string()) + u'/';
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

std::string CompareWithGolden(const QString& actualPath, const QString& name,
                              const Substitutions& substitutions) {
  if (!QFileInfo::exists(actualPath)) return "missing output " + actualPath.toStdString();
  QByteArray actual = ReadBytes(actualPath);
  for (const auto& [real, placeholder] : substitutions) actual.replace(real.toUtf8(), placeholder.toUtf8());
  const QString goldenPath = QStringLiteral(WEBGEN_GOLDEN_DIR "/") + name;
  if (qEnvironmentVariableIsSet("WEBGEN_UPDATE_GOLDEN")) {
    QDir().mkpath(QFileInfo(goldenPath).absolutePath());
    QFile out(goldenPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(actual) != actual.size())
      return "cannot write " + goldenPath.toStdString();
    return {};
  }
  const QByteArray expected = ReadBytes(goldenPath);
  if (expected == actual) return {};
  qsizetype at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  return name.toStdString() + " differs at byte " + std::to_string(at) + ":\n expected: " +
         expected.mid(at, 80).toStdString() + "\n actual:   " + actual.mid(at, 80).toStdString();
}

}  // namespace albryn::webgen::testing
