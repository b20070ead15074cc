#include <gtest/gtest.h>

#include <set>
#include <utility>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "desktop/ui/language/desktop_translator.h"

namespace grahavani::test {
namespace {

using Messages = std::set<std::pair<QString, QString>>;  // context, source text

struct Catalogue {
    QString language;
    Messages messages;
};

Catalogue ReadCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    Catalogue catalogue;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"TS") {
            catalogue.language = xml.attributes().value("language").toString();
        } else if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            catalogue.messages.emplace(context, xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return catalogue;
}

const QString TranslationsDir = QStringLiteral(GRAHAVANI_SOURCE_DIR "/translations/");

TEST(TranslationFiles, BothLanguagesHoldEveryMarkedTextAndNoOther) {
    const Catalogue hindi = ReadCatalogue(TranslationsDir + "grahavani_hi.ts");
    const Catalogue tamil = ReadCatalogue(TranslationsDir + "grahavani_ta.ts");
    EXPECT_EQ(hindi.language, "hi");
    EXPECT_EQ(tamil.language, "ta");
    EXPECT_EQ(hindi.messages, tamil.messages);
    // Qt's own texts are there, under Qt's contexts.
    EXPECT_TRUE(hindi.messages.contains({"QPlatformTheme", "Cancel"}));
    EXPECT_TRUE(hindi.messages.contains({"QLineEdit", "Cu&t"}));

    // A fresh lupdate over the sources into a copy must find the same texts, none new or gone.
    if (!QFile::exists(GRAHAVANI_LUPDATE)) GTEST_SKIP() << "no lupdate";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath("grahavani_hi.ts");
    ASSERT_TRUE(QFile::copy(TranslationsDir + "grahavani_hi.ts", copy));
    QProcess lupdate;
    lupdate.start(GRAHAVANI_LUPDATE, {"-silent", "-no-obsolete", "-locations", "none", "-I",
                                      GRAHAVANI_SOURCE_DIR "/src", GRAHAVANI_SOURCE_DIR "/src/desktop",
                                      GRAHAVANI_SOURCE_DIR "/src/app", "-ts", copy});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    EXPECT_EQ(ReadCatalogue(copy).messages, hindi.messages) << "run the update_translations target";
}

// Built into the library the program links, where the translator looks for them. (Installing one
// reports success only once it holds a translated text.)
TEST(TranslationFiles, CataloguesAreBuiltIntoTheProgram) {
    for (const char* name : {":/i18n/grahavani_hi.qm", ":/i18n/grahavani_ta.qm"}) {
        EXPECT_TRUE(QFile::exists(name)) << name;
    }
    EXPECT_TRUE(InstallDesktopTranslator(Language::English));
}

}  // namespace
}  // namespace grahavani::test
