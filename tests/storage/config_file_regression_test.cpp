#include "storage/config_file.h"

#include <gtest/gtest.h>

namespace {

const std::string LATIN1_DECLARATION = "<?xml version=\"1.0\" standalone=\"no\" ?>\n";

// The root is always written as "settings", so its name as read must not decide the encoding:
// it once did, and such a file came out as UTF-8 on the first save and single-byte on the next.
TEST(ConfigFileRegression, RootNameBeyondLatin1DoesNotMakeTheFileUtf8) {
    const std::string documents[] = {
        "<?xmlencoding=\"UTF8\"><\xC7/>",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<\xE4\xB8\xAD><rule phrase=\"Caf\xC3\xA9\"/></\xE4\xB8\xAD>",
    };
    for (const std::string& document : documents) {
        ConfigFile file;
        ASSERT_TRUE(file.load_from_memory(document)) << document;
        const std::string saved = file.to_document();
        EXPECT_TRUE(saved.starts_with(LATIN1_DECLARATION)) << saved;

        ConfigFile reloaded;
        ASSERT_TRUE(reloaded.load_from_memory(saved)) << saved;
        EXPECT_EQ(reloaded.to_document(), saved);
    }
}

TEST(ConfigFileRegression, ChildNameBeyondLatin1StillMakesTheFileUtf8) {
    ConfigFile file;
    ASSERT_TRUE(file.load_from_memory("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                                      "<settings><\xE4\xB8\xAD/></settings>"));
    EXPECT_NE(file.to_document().find("encoding=\"UTF-8\""), std::string::npos);
    EXPECT_NE(file.to_document().find("<\xE4\xB8\xAD />"), std::string::npos);
}

} // namespace
