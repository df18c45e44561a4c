// Both language catalogs are complete: every message has a translation that
// is neither empty nor marked unfinished, vanished or obsolete (lrelease
// would leave such a text in English in the Chinese interface).
#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>

namespace radio::test {
namespace {

// "context: source" of every message whose translation is missing.
QStringList IncompleteEntries(const QString& path, int* messageCount) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  QStringList incomplete;
  QString context, source;
  int sources = 0;
  *messageCount = 0;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"message") {
      ++*messageCount;
      sources = 0;
    } else if (xml.name() == u"source") {
      source = xml.readElementText();
      // A message that lost its own tags hides the one before it from lrelease.
      if (++sources > 1) incomplete << context + ": " + source + " (shares a message)";
    } else if (xml.name() == u"translation") {
      const QString type = xml.attributes().value("type").toString();
      const QString text = xml.readElementText();
      if (!type.isEmpty() || text.trimmed().isEmpty()) incomplete << context + ": " + source;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return incomplete;
}

TEST(CatalogTest, EveryTextIsTranslatedInBothCatalogs) {
  for (const char* name : {"Chinese.ts", "English.ts"}) {
    int messages = 0;
    const QStringList incomplete = IncompleteEntries(
        QString(RADIOPROG_SOURCE_DIR "/resources/translations/") + name, &messages);
    EXPECT_GT(messages, 100) << name;
    EXPECT_TRUE(incomplete.isEmpty()) << name << ":\n" << incomplete.join('\n').toStdString();
  }
}

TEST(CatalogTest, ChineseCatalogIsChinese) {
  // A copied English text would pass the completeness check; the shared
  // words must at least read as Chinese.
  QFile file(RADIOPROG_SOURCE_DIR "/resources/translations/Chinese.ts");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  for (const char* expected : {"<translation>确定</translation>", "<translation>取消</translation>",
                               "<translation>语言</translation>", "信道", "静噪"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

}  // namespace
}  // namespace radio::test
